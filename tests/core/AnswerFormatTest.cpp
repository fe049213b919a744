#include <gtest/gtest.h>

#include <QHash>
#include <QStringList>
#include <random>

#include "common/AnswerFormat.h"

using namespace zarvik::answers;

namespace {

// Reads Turkish number words back into a value, independently of how they were made.
uint64_t readWords(const QString& text) {
    static const QHash<QString, uint64_t> small = {
        {u"bir"_qs, 1},     {u"iki"_qs, 2},    {u"üç"_qs, 3},      {u"dört"_qs, 4},
        {u"beş"_qs, 5},     {u"altı"_qs, 6},   {u"yedi"_qs, 7},    {u"sekiz"_qs, 8},
        {u"dokuz"_qs, 9},   {u"on"_qs, 10},    {u"yirmi"_qs, 20},  {u"otuz"_qs, 30},
        {u"kırk"_qs, 40},   {u"elli"_qs, 50},  {u"altmış"_qs, 60}, {u"yetmiş"_qs, 70},
        {u"seksen"_qs, 80}, {u"doksan"_qs, 90}};
    static const QHash<QString, uint64_t> scales = {{u"bin"_qs, 1000ull},
                                                    {u"milyon"_qs, 1000000ull},
                                                    {u"milyar"_qs, 1000000000ull},
                                                    {u"trilyon"_qs, 1000000000000ull}};
    if (text == u"sıfır"_qs) return 0;
    uint64_t total = 0, group = 0;
    for (const QString& word : text.split(u' ')) {
        if (small.contains(word)) {
            group += small[word];
        } else if (word == u"yüz"_qs) {
            group = (group == 0 ? 1 : group) * 100;
        } else if (scales.contains(word)) {
            total += (group == 0 ? 1 : group) * scales[word];
            group = 0;
        } else {
            ADD_FAILURE() << "unknown word " << word.toStdString() << " in " << text.toStdString();
        }
    }
    return total + group;
}

}  // namespace

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
        ASSERT_EQ(readWords(numberWords(value)), value) << numberWords(value).toStdString();
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
    EXPECT_EQ(divide(Decimal::fromWritten(1, 0), Decimal::fromWritten(0, 3)), u"≈ 3,333"_qs);
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
