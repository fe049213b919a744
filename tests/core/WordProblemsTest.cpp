// Word problems drawn in bulk, as sheets draw them: every word of their texts
// and keys is in Debian's Turkish dictionary, every key's operations give its
// result, the numbers are whole, positive and within the template's range,
// the objects fit the numbers, and the class's names reach the sheets.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "common/core/Errors.h"
#include "word_problems/core/ProblemDraw.h"
#include "word_problems/core/ProblemSheetSource.h"

namespace zarvik {
namespace {

struct Drawn {
    int grade;
    Problem problem;
};

// 10,000 problems: sheets of ten of every theme and grade in turn.
const std::vector<Drawn>& manyProblems() {
    static const std::vector<Drawn> problems = [] {
        std::vector<Drawn> all;
        RandomDraw random;
        random.seed(1733788800);
        const Cast cast = castOf({}, {});
        while (all.size() < 10000) {
            for (int theme = 1; theme < static_cast<int>(problemThemes().size()); ++theme)
                for (int grade = kFirstGrade; grade <= kLastGrade; ++grade) {
                    if (sheetTemplates(theme, grade, kAllOperations).empty()) continue;
                    const ProblemSheet sheet = drawProblemSheet(
                        {theme, grade, kAllOperations.toString(), 10, false}, cast, random);
                    for (const Problem& p : sheet.problems)
                        all.push_back({grade, p});
                }
        }
        all.resize(10000);
        return all;
    }();
    return problems;
}

TEST(WordProblems, EveryWordWithoutAnApostropheIsInTheTurkishDictionary) {
    const QString hunspell = QStandardPaths::findExecutable(QStringLiteral("hunspell"));
    if (hunspell.isEmpty() || !QFile::exists(QStringLiteral("/usr/share/hunspell/tr_TR.dic")))
        GTEST_SKIP() << "hunspell and hunspell-tr are not installed (scripts/setup.sh)";
    // Unit abbreviations are not words; with an ending they carry an apostrophe.
    const QSet<QString> abbreviations{"cm", "m", "km", "kg", "g"};
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}']+"));
    QSet<QString> words;
    for (const Drawn& d : manyProblems())
        for (const QString& text : {d.problem.text, d.problem.key})
            for (const QString& word : text.split(separators, Qt::SkipEmptyParts))
                if (!word.contains(u'\'') && !word.front().isDigit() &&
                    !abbreviations.contains(word))
                    words.insert(word);
    ASSERT_GT(words.size(), 300);
    QProcess process;
    process.start(hunspell, {QStringLiteral("-d"), QStringLiteral("tr_TR"), QStringLiteral("-i"),
                             QStringLiteral("utf-8"), QStringLiteral("-l")});
    ASSERT_TRUE(process.waitForStarted());
    process.write(QStringList(words.begin(), words.end()).join(u'\n').toUtf8() + '\n');
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString unknown = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    EXPECT_TRUE(unknown.isEmpty()) << "unknown words:\n" << unknown.toStdString();
}

// A quantity of a key in its smallest unit: "45", "10.000", "12 lira 50
// kuruş", "1 saat 20 dakika", "09:15"; a unit after it is not read.
int64_t quantity(const QString& text) {
    const QStringList tokens = text.trimmed().split(u' ');
    static const QRegularExpression clock(QStringLiteral("^(\\d+):(\\d\\d)$"));
    if (const QRegularExpressionMatch m = clock.match(tokens[0]); m.hasMatch())
        return m.captured(1).toLongLong() * 60 + m.captured(2).toLongLong();
    const QHash<QString, int64_t> factors{
        {QStringLiteral("lira"), 100}, {QStringLiteral("kuruş"), 1},
        {QStringLiteral("saat"), 60},  {QStringLiteral("dakika"), 1}};
    int64_t total = 0;
    for (qsizetype i = 0; i < tokens.size();) {
        bool number = false;
        const int64_t n = QString(tokens[i]).remove(u'.').toLongLong(&number);
        if (!number) break;
        ++i;
        int64_t factor = 1;
        if (i < tokens.size() && factors.contains(tokens[i])) factor = factors[tokens[i++]];
        total += n * factor;
    }
    return total;
}

TEST(WordProblems, KeysGiveTheirResultsAndNumbersStayWholeAndInRange) {
    static const QRegularExpression step(QStringLiteral("^(.+) = (.+?)(?:, kalan (\\d+))?$"));
    static const QRegularExpression operators(QStringLiteral(" ([+−×÷]) "));
    for (const Drawn& d : manyProblems()) {
        const Problem& p = d.problem;
        SCOPED_TRACE(p.text.toStdString() + " | " + p.key.toStdString());
        const QStringList steps = p.key.split(QStringLiteral("; "));
        ASSERT_EQ(steps.size(), static_cast<qsizetype>(p.steps.size()));
        int64_t last = 0;
        for (qsizetype s = 0; s < steps.size(); ++s) {
            const QRegularExpressionMatch m = step.match(steps[s]);
            ASSERT_TRUE(m.hasMatch());
            QStringList terms;
            QStringList ops;
            qsizetype from = 0;
            const QString left = m.captured(1);
            for (auto it = operators.globalMatch(left); it.hasNext();) {
                const QRegularExpressionMatch o = it.next();
                terms << left.mid(from, o.capturedStart() - from);
                ops << o.captured(1);
                from = o.capturedEnd();
            }
            terms << left.mid(from);
            int64_t value = quantity(terms[0]);
            EXPECT_GT(value, 0);
            for (qsizetype i = 1; i < terms.size(); ++i) {
                const int64_t term = quantity(terms[i]);
                EXPECT_GT(term, 0);
                if (ops[i - 1] == u"+") value += term;
                if (ops[i - 1] == u"−") value -= term;
                if (ops[i - 1] == u"×") value *= term;
                if (ops[i - 1] == u"÷") {
                    const int64_t remainder = m.captured(3).isEmpty() ? 0 : m.captured(3).toLongLong();
                    EXPECT_LT(remainder, term);
                    EXPECT_EQ((value - remainder) % term, 0) << "not whole";
                    value = (value - remainder) / term;
                }
            }
            last = quantity(m.captured(2));
            EXPECT_EQ(value, last);
            EXPECT_GT(last, 0);
        }
        EXPECT_EQ(last, problemResult(p));
        if (!p.unit.isEmpty()) {
            EXPECT_TRUE(p.key.endsWith(u' ' + p.unit));
        }

        // The template's first range bounds every number of its sums and differences.
        const GradeRange& range = p.source->range(d.grade);
        const bool bounded = p.source->quantity == Quantity::Count && range.hi2 == 0 &&
                             !p.source->plan->operators.contains(u'×') &&
                             !p.source->plan->operators.contains(u'÷');
        for (const int64_t n : p.numbers) {
            EXPECT_GT(n, 0);
            if (bounded) {
                EXPECT_LE(n, range.hi);
            }
        }
        if (bounded) {
            EXPECT_LE(problemResult(p), range.hi);
        }
        // Objects that come in such numbers.
        for (const QString& noun : p.objects)
            for (const ProblemObject& object : problemObjects())
                if (object.noun == noun && object.kind == p.source->objects &&
                    p.source->quantity == Quantity::Count) {
                    for (const Step& s : p.steps) {
                        EXPECT_LE(s.result.value, object.most) << noun.toStdString();
                    }
                }
    }
}

TEST(WordProblems, SentencesAreWhole) {
    static const QRegularExpression sentenceStart(QStringLiteral("(?:^|[.?!] )(\\S)"));
    for (const Drawn& d : manyProblems()) {
        const QString& text = d.problem.text;
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(text.contains(u'{') || text.contains(u'}') || text.contains(QStringLiteral("  ")));
        EXPECT_TRUE(text.endsWith(u'?') || text.endsWith(u'.'));
        const bool posing = problemThemes()[static_cast<size_t>(d.problem.source->theme)].posing;
        for (auto it = sentenceStart.globalMatch(text); it.hasNext();) {
            const QChar first = it.next().captured(1).front();
            // A sentence starts with a capital, never with a number in
            // digits; posing names its operation first.
            EXPECT_TRUE(first.isUpper() || (posing && first.isDigit())) << QString(first).toStdString();
        }
    }
}

TEST(WordProblems, ChoicesTheTablesDoNotOfferAreRefused) {
    const auto refused = [](ProblemChoices choices) {
        try {
            checkProblemChoices(choices);
        } catch (const InputRefused& e) {
            return e.message();
        }
        return QString();
    };
    const ProblemChoices fine{QStringLiteral("Bölme"), QStringLiteral("3"), QStringLiteral("Bölme"),
                              QStringLiteral("4"), QStringLiteral("A5"), {}, {}};
    EXPECT_EQ(refused(fine), QString());
    const std::pair<ProblemChoices, const char*> cases[] = {
        {{QStringLiteral("Geometri"), "3", "Karışık", "4", "A4", {}, {}}, "Konular: \"Karışık\""},
        {{QStringLiteral("Bölme"), "1", "Karışık", "4", "A4", {}, {}}, "2, 3, 4. sınıflar"},
        {{QStringLiteral("Toplama"), "2", "Bölme", "4", "A4", {}, {}}, "Seçilebilenler: \"Karışık\", \"Toplama\""},
        {{QStringLiteral("Toplama"), "2", "Karışık", "0", "A4", {}, {}}, "1 ile 100"},
        {{QStringLiteral("Toplama"), "2", "Karışık", "101", "A4", {}, {}}, "1 ile 100"},
        {{QStringLiteral("Toplama"), "2", "Karışık", "4", "A3", {}, {}}, "\"A4\" ya da \"A5\""},
    };
    for (const auto& [choices, hint] : cases)
        EXPECT_TRUE(refused(choices).contains(QString::fromUtf8(hint))) << refused(choices).toStdString();
}

// With a class list every sheet names the class, its own pupil first.
TEST(WordProblems, SheetsOfAClassNameItsPupils) {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("sinif.txt"));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("AYŞE NUR YILMAZ\nCan Demir\nIşıl Ak\n");
    file.close();
    const test::CliResult run = test::runCli(
        {QStringLiteral("problems"), QStringLiteral("--kind"), QStringLiteral("Çıkarma"),
         QStringLiteral("--grade"), QStringLiteral("2"), QStringLiteral("--count"),
         QStringLiteral("5"), QStringLiteral("--names"), list, QStringLiteral("--json"),
         QStringLiteral("--time"), QStringLiteral("1733788800")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray sheets = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(sheets.size(), 3);
    const QStringList pupils{QStringLiteral("Ayşe Nur"), QStringLiteral("Can"), QStringLiteral("Işıl")};
    for (qsizetype k = 0; k < sheets.size(); ++k) {
        const QJsonArray exercises = sheets[k][QStringLiteral("exercises")].toArray();
        ASSERT_EQ(exercises.size(), 5);
        bool starred = false;
        for (qsizetype i = 0; i < exercises.size(); ++i) {
            const QJsonObject values = exercises[i][QStringLiteral("values")].toObject();
            const QStringList names = values[QStringLiteral("names")].toString().split(QStringLiteral(", "));
            if (names.front().isEmpty()) continue;  // a story without people
            for (const QString& name : names)
                EXPECT_TRUE(pupils.contains(name)) << name.toStdString();
            if (!starred) {
                EXPECT_EQ(names.front(), pupils[k]);
                starred = true;
            }
        }
    }
}

}  // namespace
}  // namespace zarvik
