#include <gtest/gtest.h>

#include <QHash>
#include <QStringList>
#include <random>

#include "TurkishWords.h"
#include "common/core/AnswerFormat.h"

using namespace zarvik::answers;

using zarvik::test::readTurkishWords;

TEST(AnswerFormat, KnownNumberWords) {
    EXPECT_EQ(numberWords(0), u"sıfır"_qs);
    EXPECT_EQ(numberWords(10), u"on"_qs);
    EXPECT_EQ(numberWords(100), u"yüz"_qs);
    EXPECT_EQ(numberWords(1000), u"bin"_qs);
    EXPECT_EQ(numberWords(1100), u"bin yüz"_qs);
    EXPECT_EQ(numberWords(2001), u"iki bin bir"_qs);
    EXPECT_EQ(numberWords(101000), u"yüz bir bin"_qs);
    EXPECT_EQ(numberWords(1000001), u"bir milyon bir"_qs);
    EXPECT_EQ(numberWords(1000000000000ull), u"bir trilyon"_qs);
    EXPECT_EQ(numberWords(u"000045"), u"kırk beş"_qs);
    EXPECT_EQ(numberWords(u"999999999999999"),
              u"dokuz yüz doksan dokuz trilyon dokuz yüz doksan dokuz milyar dokuz yüz doksan "
              "dokuz milyon dokuz yüz doksan dokuz bin dokuz yüz doksan dokuz"_qs);
    EXPECT_THROW(numberWords(QString(22, u'9')), std::invalid_argument);
}

TEST(AnswerFormat, WordsReadBackToTheNumber) {
    std::mt19937_64 engine(7);
    for (int i = 0; i < 20000; ++i) {
        const int digits = 1 + static_cast<int>(engine() % 15);
        uint64_t limit = 1;
        for (int d = 0; d < digits; ++d)
            limit *= 10;
        const uint64_t value = engine() % limit;
        ASSERT_EQ(readTurkishWords(numberWords(value)), value) << numberWords(value).toStdString();
    }
}

TEST(AnswerFormat, DecimalsReadAsSchoolsReadThem) {
    EXPECT_EQ(decimalWords(u"12", u"05"), u"on iki tam yüzde beş"_qs);
    EXPECT_EQ(decimalWords(u"3", u"7"), u"üç tam onda yedi"_qs);
    EXPECT_EQ(decimalWords(u"1000", u"125"), u"bin tam binde yüz yirmi beş"_qs);
    EXPECT_EQ(decimalWords(u"7", u"000001"), u"yedi tam milyonda bir"_qs);
}

TEST(AnswerFormat, DecimalArithmetic) {
    const Decimal a = Decimal::fromWritten(3, 5);   // 3,5
    const Decimal b = Decimal::fromWritten(2, 75);  // 2,75
    EXPECT_EQ(format(add(a, b)), u"6,25"_qs);
    EXPECT_EQ(format(subtract(a, b)), u"0,75"_qs);
    EXPECT_EQ(format(multiply(a, b)), u"9,625"_qs);
    EXPECT_EQ(format(add(Decimal::fromWritten(1, 5), Decimal::fromWritten(2, 5))), u"4"_qs);
    EXPECT_EQ(format(Decimal::fromWritten(0, 0)), u"0"_qs);
    EXPECT_EQ(format(multiply(Decimal::fromWritten(4, 2), Decimal::whole(1000))), u"4200"_qs);
    EXPECT_EQ(divide(Decimal::fromWritten(4, 2), Decimal::whole(100)), u"0,042"_qs);
    EXPECT_EQ(divide(Decimal::fromWritten(1, 0), Decimal::fromWritten(0, 3)), u"yaklaşık 3,333"_qs);
    EXPECT_EQ(divide(Decimal::fromWritten(7, 5), Decimal::fromWritten(2, 5)), u"3"_qs);
    // The largest products of the decimal kinds stay exact.
    const Decimal big = Decimal::fromWritten(999999999, 999999999);
    EXPECT_EQ(format(multiply(big, big)), u"999999999999999998,000000000000000001"_qs);
}

TEST(AnswerFormat, FractionsInLowestTerms) {
    EXPECT_EQ(formatFraction(6, 8), u"3/4"_qs);
    EXPECT_EQ(formatFraction(14, 6), u"2 1/3"_qs);
    EXPECT_EQ(formatFraction(10, 5), u"2"_qs);
    EXPECT_EQ(formatFraction(0, 7), u"0"_qs);
    EXPECT_EQ(formatFraction(-3, 6), u"-1/2"_qs);
}
