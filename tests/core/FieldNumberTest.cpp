#include <gtest/gtest.h>

#include "common/core/Errors.h"
#include "common/core/FieldNumber.h"

using zarvik::ConversionError;
using zarvik::fieldNumber;

TEST(FieldNumber, AcceptsSignAndDigits) {
    EXPECT_EQ(fieldNumber(u"0"), 0);
    EXPECT_EQ(fieldNumber(u"42"), 42);
    EXPECT_EQ(fieldNumber(u"-3"), -3);
    EXPECT_EQ(fieldNumber(u"+7"), 7);
    EXPECT_EQ(fieldNumber(u"007"), 7);
    EXPECT_EQ(fieldNumber(u"2147483647"), INT32_MAX);
    EXPECT_EQ(fieldNumber(u"-2147483648"), INT32_MIN);
}

TEST(FieldNumber, RefusesEverythingElseWithTheText) {
    for (const char16_t* text :
         {u"", u" ", u" 5", u"5 ", u"-", u"+", u"1a", u"abc", u"1,5", u"0x10", u"$10",
          u"2147483648", u"-2147483649", u"99999999999999999999", u"٣", u"--1", u"１"}) {
        try {
            fieldNumber(text);
            ADD_FAILURE() << "accepted " << QString::fromUtf16(text).toStdString();
        } catch (const ConversionError& e) {
            EXPECT_EQ(
                e.message(),
                QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf16(text)));
        }
    }
}
