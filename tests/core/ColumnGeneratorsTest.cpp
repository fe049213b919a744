// The promises of the sixteen column generators, checked over many seeds in
// both windows, and their questions, defaults, fallbacks and errors.

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "ColumnTestSupport.h"
#include "common/core/Errors.h"

using namespace zarvik;
using zarvik::test::designFor;
using zarvik::test::runGenerator;

namespace {

constexpr int kSeeds = 120;

QString digits(int64_t value) {
    return QString::number(value);
}
int digitCount(int64_t value) {
    return static_cast<int>(digits(value).size());
}
int digitAt(int64_t value, int place) {  // place 0 = units
    for (int i = 0; i < place; ++i)
        value /= 10;
    return static_cast<int>(value % 10);
}
int64_t power10(int e) {
    int64_t p = 1;
    while (e-- > 0)
        p *= 10;
    return p;
}

struct GuaranteeCase {
    const char* label;
    const char16_t* generator;
    bool halfPage;
    QStringList answers;
    int lineWidth;  // 0 for the division kinds
    const char* op;
    std::function<void(const ColumnProblem&)> check;
};

std::ostream& operator<<(std::ostream& out, const GuaranteeCase& c) {
    return out << c.label;
}

class ColumnGuarantees : public ::testing::TestWithParam<GuaranteeCase> {};

TEST_P(ColumnGuarantees, HoldOverManySeeds) {
    const GuaranteeCase& c = GetParam();
    const ColumnWindowDesign& design = designFor(c.halfPage);
    const bool division = c.lineWidth == 0;
    const int count = division ? design.division.slotCount : 50;
    for (int seed = 0; seed < kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        auto run = runGenerator(design, c.generator, c.answers, 1200000000 + 7919 * seed);
        const ColumnSheet& sheet = run->sheet;
        ASSERT_EQ(static_cast<int>(sheet.problems().size()), count);
        for (int k = 1; k <= 50; ++k) {
            if (k > count) {
                ASSERT_TRUE(sheet.FirstTexts[k].isEmpty() && sheet.SecondTexts[k].isEmpty());
                continue;
            }
            const ColumnProblem& p = sheet.problems()[static_cast<size_t>(k - 1)];
            ASSERT_EQ(sheet.FirstTexts[k], digits(p.first)) << k;
            ASSERT_EQ(sheet.SecondTexts[k], digits(p.second)) << k;
            if (division) {
                ASSERT_EQ(p.operation, ColumnOperation::Division);
                ASSERT_EQ(p.first, p.second * p.quotient + p.remainder);
                ASSERT_TRUE(p.remainder >= 0 && p.remainder < p.second);
            }
            c.check(p);
            if (::testing::Test::HasFailure()) return;
        }
        if (division) {
            EXPECT_FALSE(sheet.lineSetting().has_value());
        } else {
            ASSERT_TRUE(sheet.lineSetting().has_value());
            EXPECT_EQ(sheet.lineSetting()->width, c.lineWidth);
            EXPECT_EQ(sheet.lineSetting()->op, QString::fromLatin1(c.op));
        }
    }
}

// Numbers in lo..hi.
bool within(int64_t value, int64_t lo, int64_t hi) {
    return value >= lo && value <= hi;
}

auto singleDigits(int lo, int hi) {
    return [=](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.first, lo, hi) && within(p.second, lo, hi))
            << p.first << " " << p.second;
    };
}

auto withCarrySimple() {
    return [](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.first, 11, 99) && p.first % 10 != 0) << p.first;
        EXPECT_TRUE(within(p.second, 1, 9)) << p.second;
        EXPECT_GE(p.first % 10 + p.second, 10) << p.first << " + " << p.second;
    };
}

auto withoutCarry(int d) {
    return [=](const ColumnProblem& p) {
        const int u = digitCount(p.first), l = digitCount(p.second);
        EXPECT_TRUE(u > d / 2 && u <= d) << p.first;
        EXPECT_TRUE(l >= d / 2 && l <= u) << p.first << " + " << p.second;
        EXPECT_GT(p.second, 0);
        for (int place = 0; place < u; ++place) {
            EXPECT_LE(digitAt(p.first, place), 8) << p.first;
            EXPECT_LE(digitAt(p.first, place) + digitAt(p.second, place), 9)
                << p.first << " + " << p.second;
        }
    };
}

auto mixed(int d) {
    return [=](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.first, 1, power10(d) - 1)) << p.first;
        EXPECT_TRUE(within(p.second, 1, p.first)) << p.first << " + " << p.second;
    };
}

auto subSingle(int upperLo, int upperHi, int lowerLo) {
    return [=](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.first, upperLo, upperHi)) << p.first;
        EXPECT_TRUE(within(p.second, lowerLo, p.first)) << p.first << " - " << p.second;
    };
}

auto underTwenty() {
    return [](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.first, 10, 19) && within(p.second, 1, 9));
    };
}

auto withoutBorrow(int d) {
    return [=](const ColumnProblem& p) {
        const int u = digitCount(p.first), l = digitCount(p.second);
        EXPECT_TRUE(u >= 2 && u <= d && l >= 2 && l <= u) << p.first << " - " << p.second;
        for (int place = 0; place < u; ++place) {
            EXPECT_NE(digitAt(p.first, place), 0) << p.first;
            if (place < l) {
                EXPECT_NE(digitAt(p.second, place), 0) << p.second;
                EXPECT_LE(digitAt(p.second, place), digitAt(p.first, place))
                    << p.first << " - " << p.second;
            }
        }
    };
}

auto withBorrow(int d) {
    return [=](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.first, 1, power10(d) - 1)) << p.first;
        EXPECT_TRUE(within(p.second, 1, p.first)) << p.first << " - " << p.second;
    };
}

auto factors(int upperLo, int upperHi, int lowerLo, int lowerHi) {
    return [=](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.first, upperLo, upperHi) && within(p.second, lowerLo, lowerHi))
            << p.first << " x " << p.second;
    };
}

auto withoutCarryMul(int d) {
    return [=](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.second, 2, 4)) << p.second;
        const int u = digitCount(p.first);
        EXPECT_TRUE(u >= 2 && u <= d) << p.first;
        for (int place = 0; place < u; ++place)
            EXPECT_LE(digitAt(p.first, place) * p.second, 9) << p.first << " x " << p.second;
    };
}

auto multiDigitSimple(int places1, int places2, int g) {
    return [=](const ColumnProblem& p) {
        EXPECT_GE(p.second, 10);
        EXPECT_GE(p.first, p.second);
        for (int64_t n : {p.first, p.second}) {
            EXPECT_LE(digitCount(n), std::max(places1, places2)) << n;
            bool digitsWithin = true;
            for (int place = 0; place < digitCount(n); ++place)
                digitsWithin &= digitAt(n, place) <= g;
            // A one-digit draw d shows as d + 10.
            EXPECT_TRUE(digitsWithin || (n < 20 && n - 10 <= g)) << n;
        }
    };
}

auto multiDigitWithCarry(int p1, int p2) {
    return [=](const ColumnProblem& p) {
        const int64_t hi = power10(std::max(p1, p2)) - 1;
        const int64_t lowerHi = power10(std::min(p1, p2)) - 1;
        EXPECT_TRUE(within(p.first, 10, hi)) << p.first;
        EXPECT_TRUE(within(p.second, 10, std::min(p.first, lowerHi))) << p.second;
    };
}

auto basicDivision(int s, int q, bool remainder) {
    return [=](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.second, 2, s) && within(p.quotient, 2, q));
        if (!remainder) {
            EXPECT_EQ(p.remainder, 0);
        }
        EXPECT_LE(p.first, 89);
    };
}

auto advancedDivision(int n, int divisorDigits, bool remainder) {
    return [=](const ColumnProblem& p) {
        EXPECT_TRUE(within(p.second, 2, power10(divisorDigits) - 1)) << p.second;
        EXPECT_GE(p.quotient, 1);
        EXPECT_LT(p.first, power10(n)) << p.first;
        if (!remainder) {
            EXPECT_EQ(p.remainder, 0);
        }
    };
}

const GuaranteeCase kCases[] = {
    {"A4_AddSingleDigit_5_zeros",
     u"AddSingleDigit",
     false,
     {"5", "e"},
     30,
     "+",
     singleDigits(0, 5)},
    {"A5_AddSingleDigit_5_nozeros",
     u"AddSingleDigit",
     true,
     {"5", "h"},
     20,
     "+",
     singleDigits(1, 5)},
    {"A4_AddSingleDigit_2_fallback",
     u"AddSingleDigit",
     false,
     {"2", "n"},
     30,
     "+",
     singleDigits(1, 9)},
    {"A5_AddSingleDigit_10_fallback",
     u"AddSingleDigit",
     true,
     {"10", "y"},
     20,
     "+",
     singleDigits(0, 9)},
    {"A4_AddWithCarrySimple", u"AddWithCarrySimple", false, {}, 40, "+", withCarrySimple()},
    {"A5_AddWithCarrySimple", u"AddWithCarrySimple", true, {}, 30, "+", withCarrySimple()},
    {"A4_AddWithoutCarry_2", u"AddWithoutCarry", false, {"2"}, 42, "+", withoutCarry(2)},
    {"A4_AddWithoutCarry_3", u"AddWithoutCarry", false, {"3"}, 52, "+", withoutCarry(3)},
    {"A4_AddWithoutCarry_4", u"AddWithoutCarry", false, {"4"}, 62, "+", withoutCarry(4)},
    {"A5_AddWithoutCarry_5", u"AddWithoutCarry", true, {"5"}, 60, "+", withoutCarry(5)},
    {"A5_AddWithoutCarry_9", u"AddWithoutCarry", true, {"9"}, 100, "+", withoutCarry(9)},
    {"A4_AddMixed_2", u"AddMixed", false, {"2"}, 42, "+", mixed(2)},
    {"A4_AddMixed_6", u"AddMixed", false, {"6"}, 82, "+", mixed(6)},
    {"A5_AddMixed_9", u"AddMixed", true, {"9"}, 100, "+", mixed(9)},
    {"A4_SubSingleDigit_9_zeros",
     u"SubSingleDigit",
     false,
     {"9", "evet"},
     30,
     "-",
     subSingle(1, 8, 0)},
    {"A5_SubSingleDigit_9_nozeros",
     u"SubSingleDigit",
     true,
     {"9", "hayır"},
     25,
     "-",
     subSingle(2, 8, 1)},
    {"A5_SubSingleDigit_2_zeros",
     u"SubSingleDigit",
     true,
     {"2", "yes"},
     25,
     "-",
     subSingle(1, 1, 0)},
    {"A4_SubUnderTwenty", u"SubUnderTwenty", false, {}, 40, "-", underTwenty()},
    {"A5_SubUnderTwenty", u"SubUnderTwenty", true, {}, 30, "-", underTwenty()},
    {"A4_SubWithoutBorrow_2", u"SubWithoutBorrow", false, {"2"}, 42, "-", withoutBorrow(2)},
    {"A4_SubWithoutBorrow_4", u"SubWithoutBorrow", false, {"4"}, 62, "-", withoutBorrow(4)},
    {"A5_SubWithoutBorrow_9", u"SubWithoutBorrow", true, {"9"}, 100, "-", withoutBorrow(9)},
    {"A4_SubWithBorrow_3", u"SubWithBorrow", false, {"3"}, 52, "-", withBorrow(3)},
    {"A5_SubWithBorrow_9", u"SubWithBorrow", true, {"9"}, 100, "-", withBorrow(9)},
    {"A4_MulSingleDigit_2", u"MulSingleDigit", false, {"2"}, 30, "x", factors(2, 2, 2, 2)},
    {"A5_MulSingleDigit_9", u"MulSingleDigit", true, {"9"}, 25, "x", factors(2, 9, 2, 9)},
    {"A4_MulTable_3", u"MulTable", false, {"3"}, 30, "x", factors(2, 9, 2, 3)},
    {"A5_MulTable_default", u"MulTable", true, {}, 25, "x", factors(2, 9, 2, 4)},
    {"A4_MulWithoutCarry_4", u"MulWithoutCarry", false, {"4"}, 62, "x", withoutCarryMul(4)},
    {"A5_MulWithoutCarry_6", u"MulWithoutCarry", true, {"6"}, 70, "x", withoutCarryMul(6)},
    {"A5_MulWithoutCarry_9", u"MulWithoutCarry", true, {"9"}, 100, "x", withoutCarryMul(9)},
    {"A4_MulByOneDigitWithCarry_2_9",
     u"MulByOneDigitWithCarry",
     false,
     {"2", "9"},
     42,
     "x",
     factors(1, 99, 2, 9)},
    {"A5_MulByOneDigitWithCarry_9_3",
     u"MulByOneDigitWithCarry",
     true,
     {"9", "3"},
     100,
     "x",
     factors(1, 999999999, 2, 3)},
    {"A4_MulMultiDigitSimple_3_2_2",
     u"MulMultiDigitSimple",
     false,
     {"3", "2", "2"},
     52,
     "x",
     multiDigitSimple(3, 2, 2)},
    {"A5_MulMultiDigitSimple_5_4_9",
     u"MulMultiDigitSimple",
     true,
     {"5", "4", "9"},
     72,
     "x",
     multiDigitSimple(5, 4, 9)},
    {"A4_MulMultiDigitWithCarry_2_4",
     u"MulMultiDigitWithCarry",
     false,
     {"2", "4"},
     62,
     "x",
     multiDigitWithCarry(2, 4)},
    {"A5_MulMultiDigitWithCarry_9_9",
     u"MulMultiDigitWithCarry",
     true,
     {"9", "9"},
     100,
     "x",
     multiDigitWithCarry(9, 9)},
    {"A4_DivBasic_9_9_remainder",
     u"DivBasic",
     false,
     {"9", "9", "e"},
     0,
     "",
     basicDivision(9, 9, true)},
    {"A5_DivBasic_5_3_exact",
     u"DivBasic",
     true,
     {"5", "3", "h"},
     0,
     "",
     basicDivision(5, 3, false)},
    {"A4_DivAdvanced_2_1",
     u"DivAdvanced",
     false,
     {"2", "1", "e"},
     0,
     "",
     advancedDivision(2, 1, true)},
    {"A4_DivAdvanced_6_4",
     u"DivAdvanced",
     false,
     {"6", "4", "e"},
     0,
     "",
     advancedDivision(6, 4, true)},
    {"A5_DivAdvanced_3_3",
     u"DivAdvanced",
     true,
     {"3", "3", "e"},
     0,
     "",
     advancedDivision(3, 1, true)},
    {"A5_DivAdvanced_9_8",
     u"DivAdvanced",
     true,
     {"9", "8", "e"},
     0,
     "",
     advancedDivision(9, 8, true)},
    {"A5_DivAdvanced_5_4_exact",
     u"DivAdvanced",
     true,
     {"5", "4", "h"},
     0,
     "",
     advancedDivision(5, 4, false)},
};

INSTANTIATE_TEST_SUITE_P(Column, ColumnGuarantees, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- Distribution facts the guarantees alone would not catch ----------------

TEST(ColumnGenerators, AddWithCarrySimpleReachesNineteenPlusOne) {
    bool seen = false;
    for (int seed = 0; seed < 200 && !seen; ++seed) {
        // The run must outlive the loop over its problems.
        const auto run = runGenerator(fullPageDesign(), u"AddWithCarrySimple", {}, seed);
        for (const auto& p : run->sheet.problems())
            seen |= p.first == 19 && p.second == 1;
    }
    EXPECT_TRUE(seen);
}

TEST(ColumnGenerators, SubWithBorrowAllowsEqualNumbers) {
    bool equal = false;
    for (int seed = 0; seed < 40 && !equal; ++seed) {
        auto run = runGenerator(fullPageDesign(), u"SubWithBorrow", {"3"}, seed);
        for (const auto& p : run->sheet.problems())
            equal |= p.first == p.second;
    }
    EXPECT_TRUE(equal);
}

// Seven to nine digits in the half-page window: the multiplicand is built in
// full, as many digits as drawn, never cut to six.
TEST(ColumnGenerators, MulWithoutCarryBuildsLongMultiplicandsInFull) {
    std::set<int> lengths;
    for (int seed = 0; seed < 60; ++seed) {
        auto run = runGenerator(halfPageDesign(), u"MulWithoutCarry", {"9"}, seed);
        for (const auto& p : run->sheet.problems())
            lengths.insert(digitCount(p.first));
    }
    EXPECT_EQ(lengths, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(ColumnGenerators, DivBasicLargestDividendIs89) {
    int64_t largest = 0;
    for (int seed = 0; seed < 200; ++seed) {
        auto run = runGenerator(fullPageDesign(), u"DivBasic", {"9", "9", "e"}, seed);
        for (const auto& p : run->sheet.problems())
            largest = std::max(largest, p.first);
    }
    EXPECT_EQ(largest, 89);
}

TEST(ColumnGenerators, DivAdvancedDivisorDigitsFollowTheDividendCount) {
    // V mod N: N = 5 with V = 4 keeps four digits, N = 3 with V = 3 gives one.
    std::set<int> fourDigit, oneDigit;
    for (int seed = 0; seed < 60; ++seed) {
        const auto five = runGenerator(halfPageDesign(), u"DivAdvanced", {"5", "4", "h"}, seed);
        for (const auto& p : five->sheet.problems())
            fourDigit.insert(digitCount(p.second));
        const auto three = runGenerator(halfPageDesign(), u"DivAdvanced", {"3", "3", "h"}, seed);
        for (const auto& p : three->sheet.problems())
            oneDigit.insert(digitCount(p.second));
    }
    EXPECT_TRUE(fourDigit.count(4));
    EXPECT_EQ(oneDigit, std::set<int>{1});
}

TEST(ColumnGenerators, SameSeedSameSheet) {
    for (const ColumnKind& kind : columnKinds()) {
        auto a = runGenerator(halfPageDesign(), kind.generatorName, {}, 1700000000);
        auto b = runGenerator(halfPageDesign(), kind.generatorName, {}, 1700000000);
        EXPECT_EQ(a->sheet.FirstTexts.first(50), b->sheet.FirstTexts.first(50))
            << kind.generatorName.toString().toStdString();
        EXPECT_EQ(a->random.low(), b->random.low());
    }
}

// --- Questions: order, defaults, cancel, fallback, errors -------------------

struct QuestionCase {
    const char16_t* generator;
    bool halfPage;
    QStringList expectedQuestions;
    QStringList expectedDefaults;
};

TEST(ColumnQuestions, AskedInOrderWithTheWindowsDefaults) {
    const QString most = QStringLiteral("En fazla kaç basamaklı olsun?");
    const QString first = QStringLiteral("1. sayı en fazla kaç basamaklı olsun?");
    const QString second = QStringLiteral("2. sayı en fazla kaç basamaklı olsun?");
    const QString remainder = QStringLiteral("Bölmede kalan olsun mu?");
    const QuestionCase cases[] = {
        {u"AddSingleDigit",
         false,
         {"En büyük sayı kaç olsun?", "İşlemlerde sıfır bulunmasını ister misiniz?"},
         {"9"}},
        {u"AddWithCarrySimple", true, {}, {}},
        {u"SubUnderTwenty", false, {}, {}},
        {u"AddWithoutCarry", false, {most}, {"2"}},
        {u"AddWithoutCarry", true, {most}, {"4"}},
        {u"AddMixed", true, {most}, {"4"}},
        {u"SubWithBorrow", false, {most}, {"2"}},
        {u"MulWithoutCarry", true, {most}, {"4"}},
        {u"MulByOneDigitWithCarry", false, {first, "2. sayı en fazla kaç! olsun?"}, {"2", "4"}},
        {u"MulMultiDigitSimple",
         true,
         {first, second, "En büyük rakam kaç olsun?"},
         {"3", "2", "5"}},
        {u"MulMultiDigitWithCarry", false, {first, second}, {"3", "2"}},
        {u"MulMultiDigitWithCarry", true, {first, second}, {"4", "2"}},
        {u"DivBasic",
         true,
         {"Bölen sayı en fazla kaç olsun?", "Bölmenin sonucu (bölüm) en fazla kaç olsun?",
          remainder},
         {"4", "4"}},
        {u"DivAdvanced",
         false,
         {"Bölünen en fazla kaç basamaklı olsun?", "Bölen en fazla kaç basamaklı olsun?",
          remainder},
         {"2", "1"}},
        {u"DivAdvanced",
         true,
         {"Bölünen en fazla kaç basamaklı olsun?", "Bölen en fazla kaç basamaklı olsun?",
          remainder},
         {"4", "1"}},
    };
    for (const QuestionCase& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.generator).toStdString() + (c.halfPage ? " A5" : " A4"));
        auto run = runGenerator(designFor(c.halfPage), c.generator, {}, 5);
        EXPECT_EQ(run->questions.asked(), c.expectedQuestions);
        EXPECT_EQ(run->questions.defaults(), c.expectedDefaults);
    }
}

// Line widths tell which digit count a generator ended up with.
TEST(ColumnQuestions, CancelGivesTheDefaultAndOutOfRangeTheFallback) {
    struct Case {
        const char16_t* generator;
        bool halfPage;
        QStringList answers;
        int lineWidth;
    };
    const Case cases[] = {
        {u"AddWithoutCarry", false, {"~"}, 42},  // default "2"
        {u"AddWithoutCarry", false, {}, 42},     // past the end: cancelled
        {u"AddWithoutCarry", false, {"5"}, 52},  // above 4: fallback 3
        {u"AddWithoutCarry", true, {"1"}, 50},   // below 2: fallback 4
        {u"AddWithoutCarry", true, {"-3"}, 50},
        {u"AddMixed", true, {"9"}, 100},                       // the widest A5 line
        {u"AddMixed", false, {"7"}, 52},                       // above 6: fallback 3
        {u"MulMultiDigitSimple", false, {"6", "1", "1"}, 52},  // fallbacks 3, 3
        {u"MulMultiDigitSimple", true, {"5", "~", "~"}, 72},
        {u"MulMultiDigitWithCarry", false, {"2", "4"}, 62},
        {u"MulMultiDigitWithCarry", true, {"~", "9"}, 100},
        {u"MulMultiDigitWithCarry", false, {"9", "9"}, 52},  // fallbacks 3, 3
        {u"SubWithoutBorrow", true, {"5a"}, 0},              // not an integer: stops
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.generator).toStdString() + " " +
                     c.answers.join(u';').toStdString());
        if (c.lineWidth == 0) {
            EXPECT_THROW(runGenerator(designFor(c.halfPage), c.generator, c.answers, 9),
                         ConversionError);
            continue;
        }
        auto run = runGenerator(designFor(c.halfPage), c.generator, c.answers, 9);
        ASSERT_TRUE(run->sheet.lineSetting().has_value());
        EXPECT_EQ(run->sheet.lineSetting()->width, c.lineWidth);
    }
}

TEST(ColumnQuestions, AnswersBeyondTheListAreNo) {
    // DivBasic without an answer to the remainder question: No, so no remainders.
    auto run = runGenerator(halfPageDesign(), u"DivBasic", {"9", "9"}, 3);
    for (const auto& p : run->sheet.problems())
        EXPECT_EQ(p.remainder, 0);
    // AddSingleDigit zeros question unanswered: No, so no zeros.
    auto add = runGenerator(fullPageDesign(), u"AddSingleDigit", {"9"}, 3);
    for (const auto& p : add->sheet.problems())
        EXPECT_TRUE(p.first != 0 && p.second != 0);
}

// A conversion error stops the generator at once: no further question, texts
// empty, grid geometry and footer labels as the previous preparation left them.
TEST(ColumnQuestions, ConversionErrorLeavesThePreviousSheet) {
    ColumnSheet sheet(fullPageDesign());
    RandomDraw random(11, 0);
    ScriptedQuestions first({"3"});
    sheet.prepare("Toplama", "Eldesiz Toplama", "Ayşe", "01/01/2009", first, random);
    ASSERT_EQ(sheet.lineSetting()->width, 52);
    const QStringList upper = sheet.FirstTexts.first(50), lower = sheet.SecondTexts.first(50);
    ASSERT_EQ(sheet.problems().size(), 50u);

    for (const QString& bad : {QString(), QStringLiteral("abc"), QStringLiteral("4x")}) {
        ScriptedQuestions questions({bad, "9", "e"});
        try {
            sheet.prepare("Çarpma", "Çok basamaklı sayılarla basit", "Veli", "02/02/2009",
                          questions, random);
            FAIL() << "no error for '" << bad.toStdString() << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(bad));
        }
        EXPECT_EQ(questions.asked().size(), 1);
        EXPECT_EQ(sheet.FirstTexts.first(50), upper);
        EXPECT_EQ(sheet.SecondTexts.first(50), lower);
        EXPECT_EQ(sheet.problems().size(), 50u);
        EXPECT_EQ(sheet.lineSetting()->width, 52);
        EXPECT_EQ(sheet.lineSetting()->op, "+");
        EXPECT_EQ(sheet.gridPage().cell(u"QRLabel1").text, "+");
        EXPECT_EQ(sheet.gridPage().cell(u"QRLabel53").text, "Hazırlayan: Ayşe");
        EXPECT_EQ(sheet.divisionPage().cell(u"QRLabel61").text, "01/01/2009");
    }
}

TEST(ColumnQuestions, SubSingleDigitWithTwoAndNoZerosIsDivisionByZero) {
    for (bool halfPage : {false, true}) {
        ColumnSheet sheet(designFor(halfPage));
        RandomDraw random(5, 0);
        ScriptedQuestions questions({"2", "h"});
        try {
            sheet.prepare("Çıkarma", "Tek Basamaklı Sayılarla", "", "d", questions, random);
            FAIL() << "no error";
        } catch (const DivisionByZero& e) {
            EXPECT_EQ(e.message(), "Division by zero");
        }
        EXPECT_TRUE(sheet.problems().empty());
        EXPECT_FALSE(sheet.lineSetting().has_value());
        EXPECT_EQ(sheet.FirstTexts[1], QString());
    }
}

TEST(ColumnQuestions, ScriptRejectsWhatIsNotYesOrNo) {
    for (const char* item : {"~", "", "maybe", "1"}) {
        ScriptedQuestions questions({item});
        EXPECT_THROW(questions.askYesNo("Bölmede kalan olsun mu?"), AnswerScriptError) << item;
    }
    ScriptedQuestions questions({"Y", "EVET", "No", "HAYIR", "Hayır"});
    EXPECT_TRUE(questions.askYesNo("q"));
    EXPECT_TRUE(questions.askYesNo("q"));
    EXPECT_FALSE(questions.askYesNo("q"));
    EXPECT_FALSE(questions.askYesNo("q"));
    EXPECT_FALSE(questions.askYesNo("q"));
}

}  // namespace
