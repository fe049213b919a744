// Answer keys of the text worksheets, checked against the printed lines by
// arithmetic done another way (rationals from the printed text).

#include <gtest/gtest.h>

#include <QHash>
#include <QRegularExpression>
#include <string>
#include <vector>

#include "TurkishWords.h"
#include "common/core/Cp1254.h"
#include "text_worksheets/core/TextKinds.h"
#include "text_worksheets/core/TextWorksheet.h"

using namespace zarvik;
using zarvik::test::readTurkishWords;

namespace {

class Collect : public ByteSink, public TextExerciseSink {
  public:
    std::string bytes;
    std::vector<TextExercise> exercises;
    void write(const char* data, qsizetype size) override {
        bytes.append(data, static_cast<size_t>(size));
    }
    void exercise(TextExercise&& e) override { exercises.push_back(std::move(e)); }
    QStringList lines() const {
        QStringList result = fromCp1254(QByteArray::fromStdString(bytes)).split(u"\r\n"_qs);
        result.removeLast();
        return result;
    }
};

// An exact rational, kept in lowest terms so the largest decimal products
// (two numbers of eighteen digits) stay within 128 bits.
struct Ratio {
    __int128 num = 0, den = 1;
};
__int128 gcd(__int128 a, __int128 b) {
    if (a < 0) a = -a;
    while (b) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}
Ratio reduced(__int128 num, __int128 den) {
    if (den < 0) num = -num, den = -den;
    const __int128 g = gcd(num, den);
    return g > 1 ? Ratio{num / g, den / g} : Ratio{num, den};
}
Ratio operator+(Ratio a, Ratio b) {
    const __int128 g = gcd(a.den, b.den);
    return reduced(a.num * (b.den / g) + b.num * (a.den / g), a.den / g * b.den);
}
Ratio operator-(Ratio a, Ratio b) {
    return a + Ratio{-b.num, b.den};
}
Ratio operator*(Ratio a, Ratio b) {
    const Ratio x = reduced(a.num, b.den), y = reduced(b.num, a.den);
    return reduced(x.num * y.num, x.den * y.den);
}
Ratio operator/(Ratio a, Ratio b) {
    return a * reduced(b.den, b.num);
}
bool operator==(Ratio a, Ratio b) {
    const Ratio x = reduced(a.num, a.den), y = reduced(b.num, b.den);
    return x.num == y.num && x.den == y.den;
}
double toDouble(Ratio a) {
    return double(a.num) / double(a.den);
}

// "12,05" -> 1205/100, "7" -> 7.
Ratio parseNumber(const QString& text) {
    const qsizetype comma = text.indexOf(u',');
    Ratio r;
    const QString digits = QString(text).remove(u',');
    for (const QChar c : digits)
        r.num = r.num * 10 + c.digitValue();
    if (comma >= 0)
        for (qsizetype i = comma + 1; i < text.size(); ++i)
            r.den *= 10;
    return reduced(r.num, r.den);
}

std::vector<std::pair<QString, TextExercise>> run(int kind, const FixedTextFields& fields,
                                                  int seed) {
    Collect collect;
    RandomDraw random;
    random.seed(seed);
    generateTextWorksheet(kind, fields, random, collect, &collect);
    const QStringList lines = collect.lines();
    EXPECT_EQ(size_t(lines.size()), collect.exercises.size()) << kind;
    std::vector<std::pair<QString, TextExercise>> result;
    for (qsizetype i = 0; i < lines.size() && size_t(i) < collect.exercises.size(); ++i)
        result.emplace_back(lines[i], collect.exercises[size_t(i)]);
    return result;
}

const QHash<QString, Ratio> kTimeFactors = {
    {u"sa→dk"_qs, {60}},  {u"sa→sn"_qs, {3600}},  {u"dk→sn"_qs, {60}},
    {u"yıl→ay"_qs, {12}}, {u"yıl→gün"_qs, {365}}, {u"ay→gün"_qs, {30}},
    {u"ay→sa"_qs, {720}}, {u"gün→sa"_qs, {24}},   {u"gün→dk"_qs, {1440}}};

Ratio timeFactor(const QString& from, const QString& to) {
    const QString key = from + u'→' + to, back = to + u'→' + from;
    if (kTimeFactors.contains(key)) return kTimeFactors[key];
    EXPECT_TRUE(kTimeFactors.contains(back)) << key.toStdString();
    return Ratio{1, kTimeFactors[back].num};
}

// Value of a metric unit name in its base unit; the prefixes of the ladders.
Ratio metricValue(const QString& unit) {
    static const QHash<QString, Ratio> prefixes = {
        {u"m"_qs, {1, 1000}}, {u"c"_qs, {1, 100}}, {u"d"_qs, {1, 10}}, {u""_qs, {1}},
        {u"da"_qs, {10}},     {u"h"_qs, {100}},    {u"k"_qs, {1000}}};
    if (unit == u"t"_qs) return {1000000};
    if (unit == u"m"_qs || unit == u"l"_qs || unit == u"g"_qs) return {1};
    return prefixes.value(unit.chopped(1), {0});
}

}  // namespace

// Every row, including one added later: its exercises come back under its
// own code (the dispatch hands the writer the row's code), its answer
// function gives the line's own exercise, and only numbers to read, whose
// lines have no "=", are answered in words.
TEST(TextAnswers, EveryKindAnswersItsOwnLines) {
    const auto middle = [](const ParameterList& list) {
        return list.shown() ? list.items[list.items.size() / 2] : QString();
    };
    for (const TextKind& kind : textKinds()) {
        SCOPED_TRACE(kind.code);
        const FixedTextFields fields(u"12"_qs, middle(kind.first), middle(kind.second),
                                     kind.checkShown());
        for (int seed = 0; seed < 3; ++seed) {
            const auto lines = run(kind.code, fields, 1500000000 + seed);
            ASSERT_EQ(lines.size(), 12u);
            for (const auto& [line, exercise] : lines) {
                ASSERT_EQ(exercise.kind, kind.code);
                const TextAnswer answer = textAnswer(exercise);
                ASSERT_FALSE(answer.exercise.isEmpty());
                ASSERT_FALSE(answer.answer.isEmpty());
                EXPECT_TRUE(line.startsWith(answer.exercise)) << line.toStdString();
                EXPECT_EQ(answer.reading, !line.contains(u'=')) << line.toStdString();
            }
        }
    }
}

TEST(TextAnswers, ArithmeticKindsRecomputedFromTheLines) {
    const std::vector<std::pair<int, FixedTextFields>> kinds = {
        {101, {u"20"_qs, u"9"_qs, {}, true}},
        {102, {u"20"_qs, u"9"_qs, u"9"_qs}},
        {103, {u"20"_qs}},
        {104, {u"20"_qs, u"9"_qs, u"9"_qs}},
        {105, {u"20"_qs, u"9"_qs, u"9"_qs}},
        {106, {u"20"_qs, u"9"_qs, u"9"_qs}},
        {201, {u"20"_qs, u"9"_qs}},
        {202, {u"20"_qs}},
        {203, {u"20"_qs, u"9"_qs}},
        {204, {u"20"_qs, u"9"_qs}},
        {205, {u"20"_qs, u"9"_qs, u"9"_qs}},
        {301, {u"20"_qs, u"9"_qs}},
        {302, {u"20"_qs, u"9"_qs}},
        {303, {u"20"_qs, u"5"_qs, u"2"_qs}},
        {304, {u"20"_qs, u"9"_qs, u"9"_qs}},
        {305, {u"20"_qs, u"9"_qs, u"9"_qs}},
        {306, {u"20"_qs, u"9"_qs, u"9"_qs}},
        {307, {u"20"_qs, u"4"_qs, u"3"_qs}},
        {308, {u"20"_qs, u"9"_qs}},
        {401, {u"20"_qs, u"9"_qs, u"9"_qs, true}},
        {402, {u"20"_qs, u"9"_qs, u"5"_qs, true}},
        {403, {u"20"_qs, u"3"_qs, u"2"_qs}},
        {404, {u"20"_qs, u"4"_qs, u"3"_qs}},
    };
    const QRegularExpression term(u"\\d+(,\\d+)?"_qs);
    for (const auto& [kind, fields] : kinds) {
        for (int seed = 0; seed < 25; ++seed) {
            for (const auto& [line, exercise] : run(kind, fields, 1600000000 + seed * 31)) {
                const TextAnswer answer = textAnswer(exercise);
                ASSERT_EQ(answer.exercise + u'=', line) << kind;
                const QChar sign = kind < 200 ? u'+' : kind < 300 ? u'-' : kind < 400 ? u'X' : u'÷';
                const QStringList operands = answer.exercise.split(sign);
                Ratio expected = parseNumber(operands[0]);
                for (qsizetype i = 1; i < operands.size(); ++i) {
                    const Ratio b = parseNumber(operands[i]);
                    expected = sign == u'+'   ? expected + b
                               : sign == u'-' ? expected - b
                               : sign == u'X' ? expected * b
                                              : expected / b;
                }
                if (kind == 401 || kind == 402) {
                    const QStringList parts = answer.answer.split(u", kalan "_qs);
                    const Ratio dividend = parseNumber(operands[0]),
                                divisor = parseNumber(operands[1]);
                    const __int128 q = parts[0].toLongLong(),
                                   r = parts.size() > 1 ? parts[1].toLongLong() : 0;
                    ASSERT_EQ(q * divisor.num + r, dividend.num) << line.toStdString();
                    ASSERT_GE(r, 0);
                    ASSERT_LT(r, divisor.num);
                    if (parts.size() > 1) {
                        ASSERT_GT(r, 0) << "kalan 0 written out";
                    }
                } else if (answer.answer.startsWith(u"yaklaşık "_qs)) {
                    ASSERT_NEAR(parseNumber(answer.answer.mid(9)).num /
                                    double(parseNumber(answer.answer.mid(9)).den),
                                toDouble(expected), 0.0005 + 1e-9)
                        << line.toStdString();
                } else {
                    ASSERT_TRUE(parseNumber(answer.answer) == expected)
                        << line.toStdString() << " " << answer.answer.toStdString();
                }
            }
        }
    }
}

TEST(TextAnswers, NumbersToReadInWords) {
    for (int seed = 0; seed < 20; ++seed) {
        for (const auto& [line, exercise] : run(501, {u"30"_qs, u"15"_qs}, seed)) {
            const TextAnswer answer = textAnswer(exercise);
            ASSERT_EQ(answer.exercise, line);
            ASSERT_EQ(readTurkishWords(answer.answer), line.toULongLong()) << line.toStdString();
        }
        for (const auto& [line, exercise] : run(502, {u"30"_qs, u"6"_qs, u"6"_qs}, seed)) {
            const TextAnswer answer = textAnswer(exercise);
            ASSERT_EQ(answer.exercise, line);
            const QStringList halves = answer.answer.split(u" tam "_qs);
            ASSERT_EQ(halves.size(), 2);
            const QString whole = line.section(u',', 0, 0), fraction = line.section(u',', 1);
            ASSERT_EQ(readTurkishWords(halves[0]), whole.toULongLong());
            static const QStringList places = {u"onda"_qs,     u"yüzde"_qs,     u"binde"_qs,
                                               u"on binde"_qs, u"yüz binde"_qs, u"milyonda"_qs};
            const QString place = places[fraction.size() - 1];
            ASSERT_TRUE(halves[1].startsWith(place + u' ')) << answer.answer.toStdString();
            ASSERT_EQ(readTurkishWords(halves[1].mid(place.size() + 1)), fraction.toULongLong());
        }
    }
}

TEST(TextAnswers, ConversionsGiveTheSameQuantity) {
    const std::vector<std::pair<int, FixedTextFields>> kinds = {
        {601, {u"30"_qs, u"Metre"_qs, u"Doğal Sayılı"_qs}},
        {601, {u"30"_qs, u"Gram"_qs, u"Ondalık Sayı"_qs}},
        {602, {u"30"_qs, u"Metre"_qs}},
        {602, {u"30"_qs, u"Gram"_qs}},
        {603, {u"30"_qs}}};
    const QRegularExpression shape(u"^(\\d+(?:,\\d+)?) (\\S+)=\\.+(\\S+)$"_qs);
    for (const auto& [kind, fields] : kinds) {
        for (int seed = 0; seed < 20; ++seed) {
            for (const auto& [line, exercise] : run(kind, fields, seed)) {
                const TextAnswer answer = textAnswer(exercise);
                const auto m = shape.match(line);
                ASSERT_TRUE(m.hasMatch()) << line.toStdString();
                ASSERT_EQ(answer.exercise, m.captured(1) + u' ' + m.captured(2));
                ASSERT_TRUE(answer.answer.endsWith(u' ' + m.captured(3)));
                const Ratio given = parseNumber(m.captured(1));
                const Ratio got = parseNumber(answer.answer.section(u' ', 0, 0));
                const Ratio factor = kind == 603
                                         ? timeFactor(m.captured(2), m.captured(3))
                                         : metricValue(m.captured(2)) / metricValue(m.captured(3));
                ASSERT_TRUE(got == given * factor)
                    << line.toStdString() << " -> " << answer.answer.toStdString();
            }
        }
    }
}
