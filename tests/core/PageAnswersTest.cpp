// Answer keys of the printed families, checked by working each answer out
// another way from the printed exercise text.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <numeric>

#include "TurkishWords.h"
#include "column_worksheets/core/ColumnAnswers.h"
#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "fractions/core/FractionAnswers.h"
#include "numbers/core/NumberAnswers.h"

using namespace zarvik;
using zarvik::test::readTurkishWords;

namespace {

struct NoMessages : MessageSink {
    void showMessage(const QString&) override {}
};

std::vector<long long> numbersIn(const QString& text) {
    std::vector<long long> numbers;
    static const QRegularExpression digits(u"\\d+"_qs);
    for (auto it = digits.globalMatch(text); it.hasNext();)
        numbers.push_back(it.next().captured().toLongLong());
    return numbers;
}

// "7) exercise: answer" split into its exercise and answer.
std::pair<QString, QString> split(const QString& line) {
    const QString body = line.section(u") "_qs, 1);
    const qsizetype colon = body.lastIndexOf(u": "_qs);
    return {body.left(colon), body.mid(colon + 2)};
}

}  // namespace

TEST(NumberAnswers, EveryKindAgainstItsPrintedText) {
    for (int seed = 0; seed < 30; ++seed) {
        for (int kind = 0; kind < 6; ++kind) {
            for (const int digits : {3, 6, 9}) {
                RandomDraw random;
                random.seed(1700000000 + seed * 104729LL + digits);
                NoMessages messages;
                const NumberSheet sheet =
                    generateNumbers(NumberKind(kind), QString::number(digits), random, messages);
                const QStringList lines = numberAnswers(sheet, false);
                ASSERT_EQ(lines.size(), kNumberExercises);
                ASSERT_EQ(numberAnswers(sheet, true).size(), kNumberRows);
                for (int p = 0; p < kNumberExercises; ++p) {
                    const auto [exercise, answer] = split(lines[p]);
                    ASSERT_TRUE(lines[p].startsWith(QStringLiteral("%1) ").arg(p + 1)));
                    ASSERT_EQ(exercise, sheet.exercises[size_t(p)].text.simplified());
                    const std::vector<long long> shown = numbersIn(exercise);
                    switch (NumberKind(kind)) {
                        case NumberKind::Reading:
                            ASSERT_EQ(readTurkishWords(answer), (unsigned long long)shown[0]);
                            break;
                        case NumberKind::Writing:
                            ASSERT_EQ(answer.toULongLong(), readTurkishWords(exercise))
                                << exercise.toStdString();
                            break;
                        case NumberKind::Comparing: {
                            const QChar sign = shown[0] < shown[1]   ? u'<'
                                               : shown[0] > shown[1] ? u'>'
                                                                     : u'=';
                            ASSERT_EQ(answer, QString::number(shown[0]) + u' ' + sign + u' ' +
                                                  QString::number(shown[1]));
                            break;
                        }
                        case NumberKind::Ordering: {
                            std::vector<long long> sorted = shown;
                            std::sort(sorted.begin(), sorted.end());
                            if (sheet.title.contains(u"büyükten küçüğe"_qs))
                                std::reverse(sorted.begin(), sorted.end());
                            ASSERT_EQ(numbersIn(answer), sorted) << answer.toStdString();
                            break;
                        }
                        case NumberKind::OddEven: {
                            const bool odd = sheet.title.contains(u"tek olanları"_qs);
                            std::vector<long long> marked;
                            for (const long long n : shown)
                                if ((n % 2 == 1) == odd) marked.push_back(n);
                            ASSERT_EQ(numbersIn(answer), marked) << answer.toStdString();
                            break;
                        }
                        case NumberKind::Rounding: {
                            static const QStringList places = {u"(onlar)"_qs, u"(yüzler)"_qs,
                                                               u"(binler)"_qs, u"(onbinler)"_qs,
                                                               u"(yüzbinler)"_qs};
                            long long unit = 1;
                            for (qsizetype i = 0; i <= places.indexOf(exercise.section(u' ', 1));
                                 ++i)
                                unit *= 10;
                            const long long rounded = answer.toLongLong();
                            ASSERT_EQ(rounded % unit, 0);
                            ASSERT_LE(std::llabs(rounded - shown[0]) * 2, unit);
                            if (std::llabs(rounded - shown[0]) * 2 == unit) {
                                ASSERT_GT(rounded, shown[0]);
                            }
                            break;
                        }
                    }
                }
            }
        }
    }
}

TEST(ColumnAnswers, ArithmeticAgainstThePrintedProblems) {
    struct Case {
        const char16_t* op;
        const char16_t* prop;
        const char16_t* answers;
    };
    for (const ColumnWindowDesign* design : {&halfPageDesign(), &fullPageDesign()}) {
        for (const Case& c : {Case{u"Toplama", u"Eldeli sayılarla karışık", u"4"},
                              Case{u"Çıkarma", u"Onluk bozarak çıkarma", u"4"},
                              Case{u"Çarpma", u"Çok basamaklı sayılarla eldeli", u"5;4"},
                              Case{u"Bölme", u"İleri seviye bölme (3-4-5. sınıf)", u"6;4;e"},
                              Case{u"Bölme", u"Temel bölme (2-3. sınıf)", u"9;9;e"}}) {
            for (int seed = 0; seed < 20; ++seed) {
                RandomDraw random;
                random.seed(seed);
                ColumnSheet sheet(*design);
                ScriptedQuestions questions =
                    ScriptedQuestions::fromList(QString::fromUtf16(c.answers));
                ASSERT_TRUE(sheet.prepare(QString::fromUtf16(c.op), QString::fromUtf16(c.prop), {},
                                          {}, questions, random));
                const QStringList lines = columnAnswers(sheet.problems());
                ASSERT_EQ(lines.size(), qsizetype(sheet.problems().size()));
                for (int k = 1; k <= lines.size(); ++k) {
                    // The line shows the page's texts for slot k.
                    const std::vector<long long> n = numbersIn(lines[k - 1]);
                    ASSERT_EQ(n[0], k);
                    ASSERT_EQ(QString::number(n[1]), sheet.FirstTexts[k]);
                    ASSERT_EQ(QString::number(n[2]), sheet.SecondTexts[k]);
                    const QString op = QString::fromUtf16(c.op);
                    if (op == u"Toplama"_qs) {
                        ASSERT_EQ(n[3], n[1] + n[2]);
                    }
                    if (op == u"Çıkarma"_qs) {
                        ASSERT_EQ(n[3], n[1] - n[2]);
                    }
                    if (op == u"Çarpma"_qs) {
                        ASSERT_EQ(n[3], n[1] * n[2]);
                    }
                    if (op == u"Bölme"_qs) {
                        const long long remainder = n.size() > 4 ? n[4] : 0;
                        ASSERT_EQ(n[3] * n[2] + remainder, n[1]) << lines[k - 1].toStdString();
                        ASSERT_LT(remainder, n[2]);
                    }
                }
            }
        }
    }
}

TEST(FractionAnswers, ResultsCrossMultiplyAndAreInLowestTerms) {
    using namespace zarvik::fractions;
    const QRegularExpression shape(
        u"^(\\d+)\\) (?:(\\d+) )?(\\d+)/(\\d+) ([-+x÷]) (?:(\\d+) )?(\\d+)/(\\d+) = "
        "(?:(-?\\d+)(?: (\\d+)/(\\d+))?|(-?\\d+)/(\\d+))$"_qs);
    for (int kind = 0; kind < 16; ++kind) {
        for (int seed = 0; seed < 40; ++seed) {
            RandomDraw random;
            random.seed(seed * 7 + kind);
            ExerciseTable table;
            clearTable(table);
            generateFractions(FractionKind(kind), random, table);
            const QStringList lines = fractionAnswers(table);
            ASSERT_EQ(lines.size(), kRowCount);
            for (const QString& line : lines) {
                const auto m = shape.match(line);
                ASSERT_TRUE(m.hasMatch()) << line.toStdString();
                const int row = m.captured(1).toInt() - 1;
                // The line shows the printed operands.
                ASSERT_EQ(m.captured(3), table[size_t(row)].firstNumerator);
                ASSERT_EQ(m.captured(8), table[size_t(row)].secondDenominator);
                auto value = [&](int w, int n, int d) {
                    return std::pair<long long, long long>{
                        m.captured(w).toLongLong() * m.captured(d).toLongLong() +
                            m.captured(n).toLongLong(),
                        m.captured(d).toLongLong()};
                };
                const auto [n1, d1] = value(2, 3, 4);
                const auto [n2, d2] = value(6, 7, 8);
                long long en = 0, ed = 1;
                const QString sign = m.captured(5);
                if (sign == u"+"_qs) en = n1 * d2 + n2 * d1, ed = d1 * d2;
                if (sign == u"-"_qs) en = n1 * d2 - n2 * d1, ed = d1 * d2;
                if (sign == u"x"_qs) en = n1 * n2, ed = d1 * d2;
                if (sign == u"÷"_qs) en = n1 * d2, ed = d1 * n2;
                long long an, ad;
                if (!m.captured(12).isEmpty()) {
                    an = m.captured(12).toLongLong(), ad = m.captured(13).toLongLong();
                    ASSERT_LT(std::llabs(an), ad) << "a result above 1 is a mixed number";
                } else {
                    const long long whole = m.captured(9).toLongLong();
                    ad = m.captured(11).isEmpty() ? 1 : m.captured(11).toLongLong();
                    an = whole * ad + (m.captured(10).isEmpty() ? 0 : m.captured(10).toLongLong());
                    if (!m.captured(10).isEmpty()) {
                        ASSERT_LT(m.captured(10).toLongLong(), ad);
                    }
                }
                ASSERT_EQ(an * ed, en * ad) << line.toStdString();  // cross-multiplied
                ASSERT_EQ(std::gcd(std::llabs(an % ad), ad), an % ad == 0 ? ad : 1)
                    << "not in lowest terms: " << line.toStdString();
                if (sign == u"-"_qs) {
                    ASSERT_GT(en, 0) << "the first operand is the larger";
                }
            }
        }
    }
}
