// The 28 text worksheet kinds: what every line guarantees, over many seeds.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "common/core/Cp1254.h"
#include "common/core/Errors.h"
#include "common/core/Limits.h"
#include "text_worksheets/core/TextWorksheet.h"

using namespace zarvik;

namespace {

class StringSink : public ByteSink {
  public:
    std::string bytes;
    void write(const char* data, qsizetype size) override {
        bytes.append(data, static_cast<size_t>(size));
    }
};

// The lines of a generated worksheet, decoded; every line must end in CR LF.
std::vector<QString> generateLines(int kind, const FixedTextFields& fields, RandomDraw& random) {
    StringSink sink;
    generateTextWorksheet(kind, fields, random, sink);
    std::vector<QString> lines;
    size_t start = 0;
    while (start < sink.bytes.size()) {
        const size_t end = sink.bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "last line without CR LF";
        if (end == std::string::npos) break;
        const std::string line = sink.bytes.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_EQ(line.find('\r'), std::string::npos);
        lines.push_back(fromCp1254(QByteArrayView(line.data(), qsizetype(line.size()))));
        start = end + 2;
    }
    return lines;
}

// Runs the kind over many seeds and hands every line's regex captures to check.
void forManyLines(int kind, const FixedTextFields& fields, const QString& pattern,
                  const std::function<void(const QRegularExpressionMatch&)>& check,
                  int seeds = 40) {
    const QRegularExpression re(QStringLiteral("^") + pattern + QStringLiteral("$"));
    for (int seed = 0; seed < seeds; ++seed) {
        RandomDraw random;
        random.seed(1700000000 + seed * 7919);
        for (const QString& line : generateLines(kind, fields, random)) {
            const QRegularExpressionMatch m = re.match(line);
            ASSERT_TRUE(m.hasMatch()) << kind << ": " << line.toStdString();
            check(m);
        }
    }
}

long long n(const QRegularExpressionMatch& m, int i) {
    return m.captured(i).toLongLong();
}

std::string errorOf(int kind, const FixedTextFields& fields) {
    RandomDraw random;
    random.seed(1);
    StringSink sink;
    try {
        generateTextWorksheet(kind, fields, random, sink);
    } catch (const Error& e) {
        return e.message().toStdString();
    }
    return "no error";
}

const QString kDivide = QStringLiteral("÷");

}  // namespace

TEST(TextAddition, SingleDigits) {
    forManyLines(101, {u"30"_qs, u"1"_qs}, QStringLiteral("1\\+1="), [](auto&) {});
    std::set<long long> seen;
    forManyLines(101, {u"30"_qs, u"9"_qs, {}, true}, QStringLiteral("(\\d)\\+(\\d)="),
                 [&](const QRegularExpressionMatch& m) {
                     seen.insert(n(m, 1));
                     seen.insert(n(m, 2));
                 });
    EXPECT_EQ(seen.size(), 10u);  // 0 included when the box is ticked
    forManyLines(101, {u"30"_qs, u"4"_qs}, QStringLiteral("([1-4])\\+([1-4])="), [](auto&) {});
}

TEST(TextAddition, WithoutCarryNoColumnPassesNine) {
    for (const auto& [d1, d2] :
         {std::pair{u"9"_qs, u"9"_qs}, {u"4"_qs, u"7"_qs}, {u"1"_qs, u"9"_qs}}) {
        forManyLines(
            102, {u"40"_qs, d1, d2}, QStringLiteral("([1-8][0-8]*)\\+([1-9]\\d*)="),
            [&](const QRegularExpressionMatch& m) {
                const QString a = m.captured(1), b = m.captured(2);
                ASSERT_LE(b.size(), a.size());
                ASSERT_LE(a.size(), d1.toInt());
                for (qsizetype i = 1; i <= b.size(); ++i)
                    ASSERT_LE(a[a.size() - i].digitValue() + b[b.size() - i].digitValue(), 9)
                        << a.toStdString() << "+" << b.toStdString();
            });
    }
}

TEST(TextAddition, SimpleCarryAlwaysCarries) {
    forManyLines(103, {u"50"_qs}, QStringLiteral("([1-9])([1-9])\\+(\\d)="),
                 [](const QRegularExpressionMatch& m) { ASSERT_GE(n(m, 2) + n(m, 3), 10); });
}

TEST(TextAddition, MixedSecondNeverLarger) {
    forManyLines(104, {u"50"_qs, u"3"_qs, u"2"_qs}, QStringLiteral("(\\d+)\\+(\\d+)="),
                 [](const QRegularExpressionMatch& m) {
                     ASSERT_GE(n(m, 1), 1);
                     ASSERT_LT(n(m, 1), 1000);
                     ASSERT_GE(n(m, 2), 1);
                     ASSERT_LE(n(m, 2), n(m, 1));
                 });
    forManyLines(104, {u"20"_qs, u"1"_qs, u"9"_qs}, QStringLiteral("([1-9])\\+([1-9])="),
                 [](const QRegularExpressionMatch& m) { ASSERT_LE(n(m, 2), n(m, 1)); });
}

TEST(TextAddition, ManyTermsAndDecimals) {
    forManyLines(105, {u"40"_qs, u"3"_qs, u"2"_qs}, QStringLiteral("\\d{1,2}(\\+\\d{1,2}){1,2}="),
                 [](auto&) {});
    forManyLines(106, {u"40"_qs, u"1"_qs, u"1"_qs}, QStringLiteral("\\d,\\d\\+\\d,\\d="),
                 [](auto&) {});
    forManyLines(106, {u"40"_qs, u"3"_qs, u"2"_qs},
                 QStringLiteral("\\d{1,3},\\d{1,2}\\+\\d{1,3},\\d{1,2}="), [](auto&) {});
}

TEST(TextSubtraction, SingleDigitsNeverNegative) {
    forManyLines(201, {u"40"_qs, u"9"_qs}, QStringLiteral("([2-8])-([1-8])="),
                 [](const QRegularExpressionMatch& m) { ASSERT_LE(n(m, 2), n(m, 1)); });
    forManyLines(201, {u"40"_qs, u"3"_qs, {}, true}, QStringLiteral("([1-2])-([0-2])="),
                 [](const QRegularExpressionMatch& m) { ASSERT_LE(n(m, 2), n(m, 1)); });
    forManyLines(202, {u"40"_qs}, QStringLiteral("1\\d-[1-9]="), [](auto&) {});
}

TEST(TextSubtraction, WithoutBorrowDigitByDigit) {
    forManyLines(203, {u"40"_qs, u"5"_qs}, QStringLiteral("([1-9]{2,5})-([1-9]{2,5})="),
                 [](const QRegularExpressionMatch& m) {
                     const QString a = m.captured(1), b = m.captured(2);
                     ASSERT_LE(b.size(), a.size());
                     for (qsizetype i = 1; i <= b.size(); ++i)
                         ASSERT_LE(b[b.size() - i].digitValue(), a[a.size() - i].digitValue());
                 });
    forManyLines(203, {u"20"_qs, u"2"_qs}, QStringLiteral("[1-9]{2}-[1-9]{2}="), [](auto&) {});
}

TEST(TextSubtraction, MixedAndDecimals) {
    forManyLines(204, {u"40"_qs, u"2"_qs}, QStringLiteral("(\\d+)-(\\d+)="),
                 [](const QRegularExpressionMatch& m) {
                     ASSERT_GE(n(m, 1), 1);
                     ASSERT_LE(n(m, 1), 99);
                     ASSERT_GE(n(m, 2), 1);
                     ASSERT_LE(n(m, 2), n(m, 1));
                 });
    forManyLines(205, {u"40"_qs, u"1"_qs, u"1"_qs}, QStringLiteral("(\\d+),\\d-(\\d+),\\d="),
                 [](const QRegularExpressionMatch& m) {
                     ASSERT_GE(n(m, 1), 1);
                     ASSERT_LE(n(m, 1), 10);
                     ASSERT_LT(n(m, 2), n(m, 1));
                 });
}

TEST(TextMultiplication, TablesAndOneDigitFactors) {
    std::set<long long> seen;
    forManyLines(301, {u"30"_qs, u"2"_qs}, QStringLiteral("2X(\\d+)="),
                 [&](const QRegularExpressionMatch& m) { seen.insert(n(m, 1)); });
    EXPECT_EQ(seen, (std::set<long long>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    forManyLines(302, {u"10"_qs, u"2"_qs}, QStringLiteral("2X2="), [](auto&) {});
}

TEST(TextMultiplication, WithoutCarryDigitsStayBelowTen) {
    std::set<long long> multipliers;
    forManyLines(303, {u"40"_qs, u"5"_qs, u"2"_qs}, QStringLiteral("([1-9]\\d{1,4})X(\\d+)="),
                 [&](const QRegularExpressionMatch& m) {
                     const long long mult = n(m, 2);
                     multipliers.insert(mult);
                     ASSERT_GE(mult / 10, 2);
                     ASSERT_LE(mult / 10, 4);
                     ASSERT_LE(mult % 10, 4);
                     const long long g = std::max(mult / 10, mult % 10);
                     for (const QChar c : m.captured(1))
                         ASSERT_LE(c.digitValue() * g, 9);
                 });
    EXPECT_TRUE(multipliers.count(30) || multipliers.count(40));
    forManyLines(303, {u"40"_qs, u"2"_qs, u"1"_qs}, QStringLiteral("[1-9]\\dX[234]="),
                 [](auto&) {});
}

TEST(TextMultiplication, ManyDigitsDecimalsAndPowers) {
    forManyLines(304, {u"30"_qs, u"2"_qs, u"5"_qs}, QStringLiteral("(\\d+)X([2-5])="),
                 [](const QRegularExpressionMatch& m) {
                     ASSERT_GE(n(m, 1), 1);
                     ASSERT_LE(n(m, 1), 99);
                 });
    forManyLines(305, {u"30"_qs, u"2"_qs, u"2"_qs}, QStringLiteral("[1-9]\\dX[1-9]\\d="),
                 [](auto&) {});
    forManyLines(306, {u"30"_qs, u"1"_qs, u"1"_qs}, QStringLiteral("\\d,\\dX\\d,\\d="),
                 [](auto&) {});
    forManyLines(307, {u"30"_qs, u"2"_qs, u"3"_qs}, QStringLiteral("\\d{1,2},\\d{1,3}X10{1,3}="),
                 [](auto&) {});
    forManyLines(308, {u"30"_qs, u"3"_qs}, QStringLiteral("\\d{1,3}X10{1,3}="), [](auto&) {});
}

TEST(TextDivision, BasicDivision) {
    forManyLines(401, {u"20"_qs, u"2"_qs, u"2"_qs},
                 QStringLiteral("4") + kDivide + "2=", [](auto&) {});
    forManyLines(401, {u"20"_qs, u"2"_qs, u"2"_qs, true},
                 QStringLiteral("[45]") + kDivide + "2=", [](auto&) {});
    forManyLines(
        401, {u"40"_qs, u"9"_qs, u"9"_qs, true},
        QStringLiteral("(\\d+)") + kDivide + "(\\d)=", [](const QRegularExpressionMatch& m) {
            ASSERT_GE(n(m, 2), 2);
            ASSERT_LE(n(m, 1), 89);
            ASSERT_GE(n(m, 1), 2 * n(m, 2));
        });
}

TEST(TextDivision, LongDivisionStaysBelowPowerOfTen) {
    struct Case {
        QString dividendDigits, divisorDigits;
        long long largestDivisor;
    };
    for (const Case& c : {Case{u"2"_qs, u"1"_qs, 9}, Case{u"3"_qs, u"3"_qs, 9},
                          Case{u"3"_qs, u"5"_qs, 99}, Case{u"6"_qs, u"4"_qs, 9999}}) {
        const long long limit = static_cast<long long>(std::pow(10, c.dividendDigits.toInt()));
        for (const bool remainder : {false, true}) {
            forManyLines(402, {u"40"_qs, c.dividendDigits, c.divisorDigits, remainder},
                         QStringLiteral("(\\d+)") + kDivide + "(\\d+)=",
                         [&](const QRegularExpressionMatch& m) {
                             const long long dividend = n(m, 1), divisor = n(m, 2);
                             ASSERT_GE(divisor, 2);
                             ASSERT_LE(divisor, c.largestDivisor);
                             ASSERT_LT(dividend, limit);
                             ASSERT_GE(dividend, divisor);
                             if (!remainder) {
                                 ASSERT_EQ(dividend % divisor, 0);
                             }
                         });
        }
    }
}

TEST(TextDivision, DecimalDivisorIsNeverZero) {
    int lines = 0;
    forManyLines(403, {u"100"_qs, u"1"_qs, u"1"_qs},
                 QStringLiteral("\\d,\\d") + kDivide + "(\\d),(\\d)=",
                 [&](const QRegularExpressionMatch& m) {
                     ++lines;
                     ASSERT_FALSE(n(m, 1) == 0 && n(m, 2) == 0);
                 });
    EXPECT_EQ(lines, 4000);
    forManyLines(404, {u"30"_qs, u"2"_qs, u"2"_qs},
                 QStringLiteral("\\d{1,2},\\d{1,2}") + kDivide + "10{1,3}=", [](auto&) {});
}

TEST(TextReading, DigitCounts) {
    forManyLines(501, {u"30"_qs, u"3"_qs}, QStringLiteral("[1-9]\\d{1,2}"), [](auto&) {});
    forManyLines(501, {u"30"_qs, u"15"_qs}, QStringLiteral("[1-9]\\d{7,14}"), [](auto&) {});
    forManyLines(501, {u"30"_qs, u"1"_qs}, QStringLiteral("[1-9]"), [](auto&) {});
    forManyLines(502, {u"30"_qs, u"1"_qs, u"1"_qs}, QStringLiteral("[1-9],[1-9]"), [](auto&) {});
    forManyLines(502, {u"30"_qs, u"6"_qs, u"6"_qs}, QStringLiteral("[1-9]\\d{0,5},\\d{0,5}[1-9]"),
                 [](auto&) {});
}

TEST(TextReading, ZeroDigitsAreFavoured) {
    RandomDraw random;
    random.seed(99);
    int zeros = 0, digits = 0;
    for (const QString& line : generateLines(501, {u"2000"_qs, u"15"_qs}, random))
        for (qsizetype i = 1; i < line.size(); ++i, ++digits)
            zeros += line[i] == u'0';
    EXPECT_NEAR(double(zeros) / digits, 0.271, 0.02);
}

TEST(TextMeasures, AdvancedUnitsAndWholeAnswers) {
    const QStringList litres = {u"ml"_qs,  u"cl"_qs, u"dl"_qs, u"l"_qs,
                                u"dal"_qs, u"hl"_qs, u"kl"_qs};
    forManyLines(601, {u"40"_qs, u"Litre"_qs, u"Doğal Sayılı"_qs},
                 QStringLiteral("(\\d+) ([a-z]+)=\\.{10}([a-z]+)"),
                 [&](const QRegularExpressionMatch& m) {
                     const qsizetype a = litres.indexOf(m.captured(2));
                     const qsizetype b = litres.indexOf(m.captured(3));
                     ASSERT_GE(a, 0);
                     ASSERT_GE(b, 0);
                     ASSERT_NE(a, b);
                     if (b > a) {
                         ASSERT_LE(b - a, 3);
                         ASSERT_EQ(n(m, 1) % static_cast<long long>(std::pow(10, b - a)), 0);
                     }
                 });
    const QStringList grams = {u"mg"_qs,  u"cg"_qs, u"dg"_qs, u"g"_qs,
                               u"dag"_qs, u"hg"_qs, u"kg"_qs};
    forManyLines(601, {u"40"_qs, u"kilo"_qs, u""_qs},
                 QStringLiteral("\\d+(,\\d+)? ([a-z]+)=\\.{10}([a-z]+)"),
                 [&](const QRegularExpressionMatch& m) {
                     ASSERT_GE(grams.indexOf(m.captured(2)), 0);
                     ASSERT_GE(grams.indexOf(m.captured(3)), 0);
                 });
}

TEST(TextMeasures, SimpleNeighbouringUnits) {
    forManyLines(602, {u"60"_qs, u"Metre"_qs}, QStringLiteral("(\\d+) (cm|m|km)=\\.{10}(cm|m|km)"),
                 [](const QRegularExpressionMatch& m) {
                     const QString from = m.captured(2), to = m.captured(3);
                     if (from != u"m"_qs) {
                         ASSERT_EQ(to, u"m"_qs);
                     }
                     if (from == u"cm"_qs || (from == u"m"_qs && to == u"km"_qs)) {
                         ASSERT_EQ(n(m, 1) % 1000, 0);
                     }
                 });
    forManyLines(602, {u"20"_qs, u"Gram"_qs}, QStringLiteral("\\d+ (g|kg|t)=\\.{10}(g|kg|t)"),
                 [](auto&) {});
}

TEST(TextMeasures, TimeAmountsAreWholeMultiples) {
    const QHash<QString, long long> factors = {
        {u"sn→dk"_qs, 60},  {u"sn→sa"_qs, 3600},  {u"dk→sa"_qs, 60},
        {u"gün→ay"_qs, 30}, {u"gün→yıl"_qs, 365}, {u"ay→yıl"_qs, 12},
        {u"sa→gün"_qs, 24}, {u"sa→ay"_qs, 720},   {u"dk→gün"_qs, 1440}};
    forManyLines(603, {u"60"_qs}, QStringLiteral("(\\d+) (\\S+)=\\.{5}(\\S+)"),
                 [&](const QRegularExpressionMatch& m) {
                     const QString pair = m.captured(2) + u'→' + m.captured(3);
                     const long long amount = n(m, 1);
                     if (factors.contains(pair)) {
                         ASSERT_EQ(amount % factors[pair], 0) << pair.toStdString();
                         ASSERT_GE(amount / factors[pair], 2);
                         ASSERT_LE(amount / factors[pair], 10);
                     } else {
                         ASSERT_GE(amount, 2);
                         ASSERT_LE(amount, 21);
                     }
                 });
}

TEST(TextWorksheet, BytesOnDisk) {
    StringSink sink;
    RandomDraw random(1, 0);
    generateTextWorksheet(401, FixedTextFields(u"1"_qs, u"2"_qs, u"2"_qs), random, sink);
    EXPECT_EQ(sink.bytes, std::string("4\xF7"
                                      "2=\r\n"));
    StringSink time;
    generateTextWorksheet(603, FixedTextFields(u"200"_qs), random, time);
    EXPECT_NE(time.bytes.find("g\xFCn"), std::string::npos);  // gün
    EXPECT_NE(time.bytes.find("y\xFDl"), std::string::npos);  // yıl
}

TEST(TextWorksheet, ConversionErrorsInReadingOrder) {
    EXPECT_EQ(errorOf(101, {u""_qs, u"5"_qs}), "'' is not a valid integer value");
    EXPECT_EQ(errorOf(101, {u"x"_qs, u"y"_qs}), "'y' is not a valid integer value");  // L first
    EXPECT_EQ(errorOf(102, {u"3"_qs, u"a"_qs, u"b"_qs}), "'a' is not a valid integer value");
    EXPECT_EQ(errorOf(301, {u"c"_qs, u" 4"_qs}), "' 4' is not a valid integer value");
    EXPECT_EQ(errorOf(501, {u"3,5"_qs, u"7"_qs}), "'3,5' is not a valid integer value");
    // The divisor's digit count is worked out before the count is read.
    EXPECT_EQ(errorOf(402, {u""_qs, u"0"_qs, u"1"_qs}), "Division by zero");
    // Measures read their lists as words, never as numbers.
    EXPECT_EQ(errorOf(601, {u"2"_qs, u"7"_qs, u"8"_qs}), "no error");
}

TEST(TextWorksheet, DivisionByZeroForZeroBounds) {
    const std::vector<std::pair<int, FixedTextFields>> cases = {
        {101, {u"1"_qs, u"-1"_qs}},          {102, {u"1"_qs, u"0"_qs, u"3"_qs}},
        {102, {u"1"_qs, u"3"_qs, u"0"_qs}},  {104, {u"1"_qs, u"-1"_qs, u"2"_qs}},
        {105, {u"1"_qs, u"1"_qs, u"5"_qs}},  {105, {u"1"_qs, u"5"_qs, u"1"_qs}},
        {106, {u"1"_qs, u"0"_qs, u"3"_qs}},  {201, {u"1"_qs, u"2"_qs}},
        {201, {u"1"_qs, u"1"_qs, {}, true}}, {201, {u"1"_qs, u"0"_qs, {}, true}},
        {203, {u"1"_qs, u"1"_qs}},           {204, {u"1"_qs, u"0"_qs}},
        {204, {u"1"_qs, u"-3"_qs}},          {205, {u"1"_qs, u"4"_qs, u"0"_qs}},
        {301, {u"1"_qs, u"1"_qs}},           {302, {u"1"_qs, u"1"_qs}},
        {303, {u"1"_qs, u"1"_qs, u"1"_qs}},  {304, {u"1"_qs, u"3"_qs, u"1"_qs}},
        {304, {u"1"_qs, u"0"_qs, u"3"_qs}},  {305, {u"1"_qs, u"1"_qs, u"3"_qs}},
        {306, {u"1"_qs, u"0"_qs, u"2"_qs}},  {307, {u"1"_qs, u"2"_qs, u"0"_qs}},
        {308, {u"1"_qs, u"-1"_qs}},          {401, {u"1"_qs, u"1"_qs, u"4"_qs}},
        {401, {u"1"_qs, u"4"_qs, u"1"_qs}},  {402, {u"1"_qs, u"-2"_qs, u"1"_qs}},
        {403, {u"1"_qs, u"0"_qs, u"1"_qs}},  {404, {u"1"_qs, u"3"_qs, u"0"_qs}},
        {501, {u"1"_qs, u"0"_qs}},           {502, {u"1"_qs, u"0"_qs, u"3"_qs}},
    };
    for (const auto& [kind, fields] : cases)
        EXPECT_EQ(errorOf(kind, fields), "Division by zero")
            << kind << " " << fields.first.toStdString() << " " << fields.second.toStdString();
    // A count of 0 draws nothing, so nothing fails.
    EXPECT_EQ(errorOf(203, {u"0"_qs, u"1"_qs}), "no error");
}

TEST(TextWorksheet, OpenValuesAreRefusedBeforeDrawing) {
    const std::vector<std::pair<int, FixedTextFields>> refused = {
        {101, {u"1"_qs, u"0"_qs}},
        {101, {u"1"_qs, u"-2"_qs}},
        {101, {u"1"_qs, u"2147483647"_qs, {}, true}},
        {102, {u"1"_qs, u"11"_qs, u"3"_qs}},
        {102, {u"1"_qs, u"5"_qs, u"11"_qs}},
        {102, {u"1"_qs, u"-11"_qs, u"-20"_qs}},
        {104, {u"1"_qs, u"0"_qs, u"3"_qs}},
        {104, {u"1"_qs, u"3"_qs, u"0"_qs}},
        {104, {u"1"_qs, u"10"_qs, u"3"_qs}},
        {105, {u"1"_qs, u"5"_qs, u"10"_qs}},
        {105, {u"1"_qs, u"5"_qs, u"-8"_qs}},
        {105, {u"1"_qs, u"-2147483648"_qs, u"3"_qs}},
        {106, {u"1"_qs, u"10"_qs, u"2"_qs}},
        {106, {u"1"_qs, u"2"_qs, u"-10"_qs}},
        {201, {u"1"_qs, u"-2147483648"_qs}},
        {203, {u"1"_qs, u"11"_qs}},
        {203, {u"1"_qs, u"-9"_qs}},
        {204, {u"1"_qs, u"10"_qs}},
        {205, {u"1"_qs, u"12"_qs, u"1"_qs}},
        {303, {u"1"_qs, u"7"_qs, u"1"_qs}},
        {303, {u"1"_qs, u"-5"_qs, u"1"_qs}},
        {304, {u"1"_qs, u"-1"_qs, u"3"_qs}},
        {304, {u"1"_qs, u"10"_qs, u"3"_qs}},
        {305, {u"1"_qs, u"10"_qs, u"2"_qs}},
        {306, {u"1"_qs, u"2"_qs, u"15"_qs}},
        {308, {u"1"_qs, u"10"_qs}},
        {401, {u"1"_qs, u"100000"_qs, u"100000"_qs}},
        {402, {u"1"_qs, u"1"_qs, u"1"_qs}},
        {402, {u"1"_qs, u"10"_qs, u"1"_qs}},
        {402, {u"1"_qs, u"-20"_qs, u"15"_qs}},
        {403, {u"1"_qs, u"-10"_qs, u"1"_qs}},
        {404, {u"1"_qs, u"1"_qs, u"10"_qs}},
    };
    for (const auto& [kind, fields] : refused) {
        RandomDraw random(12345, 0);
        StringSink sink;
        try {
            generateTextWorksheet(kind, fields, random, sink);
            ADD_FAILURE() << "accepted " << kind << " " << fields.first.toStdString();
        } catch (const InputRefused& e) {
            EXPECT_TRUE(e.message().contains(u"alan"_qs)) << e.message().toStdString();
        }
        EXPECT_EQ(random.low(), 12345u) << "drew before refusing kind " << kind;
    }
    // Values the lists do not offer but that work stay accepted.
    for (const auto& [kind, fields] :
         std::vector<std::pair<int, FixedTextFields>>{{101, {u"5"_qs, u"20"_qs}},
                                                      {101, {u"5"_qs, u"-2"_qs, {}, true}},
                                                      {102, {u"5"_qs, u"10"_qs, u"10"_qs}},
                                                      {105, {u"5"_qs, u"0"_qs, u"-7"_qs}},
                                                      {203, {u"5"_qs, u"-8"_qs}},
                                                      {303, {u"5"_qs, u"-4"_qs, u"2"_qs}},
                                                      {305, {u"5"_qs, u"0"_qs, u"-3"_qs}},
                                                      {401, {u"5"_qs, u"30"_qs, u"40"_qs, true}},
                                                      {402, {u"5"_qs, u"-3"_qs, u"5"_qs}}})
        EXPECT_NE(errorOf(kind, fields).find(kind == 402 ? "Division" : "no error"),
                  std::string::npos)
            << kind;
}

// Values that would cost minutes and gigabytes are refused at the stated
// limits, naming the field, before anything is drawn; the limits themselves
// and every list item still work, and older refusals keep their precedence.
TEST(TextWorksheet, LimitsAreRefusedBeforeDrawing) {
    const auto limit = [](int value) { return QString::number(value); };
    const QString mostExercises = limit(limits::kMostExercises);
    const QString mostDigits = limit(limits::kMostDigitsToRead);
    const QString mostTerms = limit(limits::kMostTermsInSum);
    const std::vector<std::tuple<int, FixedTextFields, QString>> refused = {
        {101, {u"2147483647"_qs, u"9"_qs}, u"Alıştırma sayısı"_qs},
        {305, {limit(limits::kMostExercises + 1), u"9"_qs, u"9"_qs}, u"Alıştırma sayısı"_qs},
        {501, {u"1"_qs, u"2147483647"_qs}, u"kaç basamaklı"_qs},
        {501, {u"1"_qs, limit(limits::kMostDigitsToRead + 1)}, u"kaç basamaklı"_qs},
        {502, {u"5"_qs, u"-2147483648"_qs, u"3"_qs}, u"tam kısmı"_qs},
        {502, {u"5"_qs, u"3"_qs, limit(-limits::kMostDigitsToRead - 1)}, u"kesir kısmı"_qs},
        {105, {u"1"_qs, limit(limits::kMostTermsInSum + 1), u"3"_qs}, u"kaç sayı"_qs},
        {105, {u"1"_qs, limit(2 - limits::kMostTermsInSum - 1), u"3"_qs}, u"kaç sayı"_qs},
    };
    for (const auto& [kind, fields, field] : refused) {
        RandomDraw random(12345, 0);
        StringSink sink;
        try {
            generateTextWorksheet(kind, fields, random, sink);
            ADD_FAILURE() << "accepted " << kind << " " << fields.first.toStdString();
        } catch (const InputRefused& e) {
            EXPECT_TRUE(e.message().simplified().contains(field)) << e.message().toStdString();
        }
        EXPECT_EQ(random.low(), 12345u) << "drew before refusing kind " << kind;
        EXPECT_TRUE(sink.bytes.empty());
    }
    // Today's refusals come first: a count beyond the limit does not hide them.
    EXPECT_NE(errorOf(105, {u"2147483647"_qs, u"50"_qs, u"10"_qs}).find("2 ile 9"),
              std::string::npos);
    EXPECT_NE(errorOf(105, {u"x"_qs, u"50"_qs, u"3"_qs}).find("not a valid integer"),
              std::string::npos);
    for (const auto& [kind, fields] : std::vector<std::pair<int, FixedTextFields>>{
             {501, {u"2"_qs, mostDigits}},
             {501, {u"2"_qs, u"-2147483647"_qs}},
             {502, {u"2"_qs, mostDigits, limit(-limits::kMostDigitsToRead)}},
             {105, {u"2"_qs, mostTerms, u"9"_qs}},
             {105, {u"2"_qs, limit(2 - limits::kMostTermsInSum), u"9"_qs}}})
        EXPECT_EQ(errorOf(kind, fields), "no error") << kind;
    RandomDraw random;
    random.seed(1);
    EXPECT_EQ(generateLines(101, {mostExercises, u"9"_qs}, random).size(),
              size_t(limits::kMostExercises));
}

TEST(TextWorksheet, SameSeedSameBytesAndPressesMoveOn) {
    RandomDraw first, second;
    first.seed(1222833600);
    second.seed(1222833600);
    StringSink a, b, c;
    const FixedTextFields fields(u"50"_qs, u"9"_qs, u"9"_qs);
    generateTextWorksheet(105, fields, first, a);
    generateTextWorksheet(105, fields, second, b);
    generateTextWorksheet(105, fields, first, c);
    EXPECT_EQ(a.bytes, b.bytes);
    EXPECT_NE(a.bytes, c.bytes);
}
