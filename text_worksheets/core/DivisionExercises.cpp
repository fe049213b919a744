// Division exercises, written with the sign ÷ (byte 0xF7).

#include "common/core/Cp1254.h"
#include "text_worksheets/core/GeneratorSupport.h"

namespace zarvik::text {

namespace {

char divisionSign() {
    static const char sign = toCp1254(u"÷").at(0);
    return sign;
}

// The divisor's digit count: the one asked for, modulo the dividend's, 1 for 0.
// The dividend's count is not 0 here (checkLongDivisionLists).
int32_t divisorDigits(const TextValues& values) {
    const int32_t digits = wrap(int64_t{values.second} % values.first);
    return digits == 0 ? 1 : digits;
}

}  // namespace

void checkBasicDivision(const TextKind& kind, const TextValues& values) {
    const int32_t divisorBound = wrap(int64_t{values.first} - 1);
    const int32_t quotientBound = wrap(int64_t{values.second} - 1);
    // With bounds of 0 the draws fail with "Division by zero" first; otherwise
    // the largest dividend must stay within 32 bits.
    if (divisorBound == 0 || quotientBound == 0) return;
    const int64_t d = largestDraw(int64_t{values.first} - 1) + 2;
    const int64_t q = largestDraw(int64_t{values.second} - 1) + 2;
    const int64_t largestDividend = d * q + (values.checked ? d - 1 : 0);
    if (largestDividend > INT32_MAX) {
        const bool divisorTooBig = d >= q;
        refuse(divisorTooBig ? kind.first : kind.second,
               divisorTooBig ? values.first : values.second,
               QStringLiteral("2 ile 9 arası (bölünen 32 bit sınırını aşmamalı)"));
    }
}

void basicDivision(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t divisorBound = wrap(int64_t{values.first} - 1);
    const int32_t quotientBound = wrap(int64_t{values.second} - 1);
    forEachExercise(values.count, [&] {
        const int32_t d = random.draw(divisorBound) + 2;
        const int32_t q = random.draw(quotientBound) + 2;
        const int32_t r = values.checked ? random.draw(d) : 0;
        writeTwoNumbers(out, int64_t{d} * q + r, divisionSign(), d);
    });
}

void checkLongDivisionLists(const TextKind& kind, const TextValues& values) {
    // The divisor's digit count is worked out while the fields are read, so a
    // dividend digit count of 0 fails here, before the count field is read.
    if (values.first == 0) {
        DivisionByZero error;
        error.setAdvice(DivisionByZero::adviceFor({kind.first.caption.simplified()}));
        throw error;
    }
}

void checkLongDivision(const TextKind& kind, const TextValues& values) {
    // With one dividend digit, divisors 6..9 leave no quotient but 0, drawn for ever.
    if (values.first == 1 || values.first >= 10)
        refuse(kind.first, values.first, QStringLiteral("2 ile 9 arası"));
    if (divisorDigits(values) >= 10)
        refuse(kind.second, values.second, QStringLiteral("1 ile 9 arası"));
}

void longDivision(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t divisorBound = powerOfTen(divisorDigits(values)) - 2;
    const int32_t dividendLimit = powerOfTen(values.first);  // 0 for a negative count
    forEachExercise(values.count, [&] {
        const int32_t b = random.draw(divisorBound) + 2;
        const int32_t quotientBound = dividendLimit / b;
        int32_t c = random.draw(quotientBound);
        while (c == 0)
            c = random.draw(quotientBound);
        const int32_t r = values.checked ? random.longDraw(b) : 0;
        writeTwoNumbers(out, int64_t{b} * c + r, divisionSign(), b);
    });
}

void decimalDivision(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t wholeDigits = values.first, fractionDigits = values.second;
    forEachExercise(values.count, [&] {
        const int32_t w1 = drawPart(random, wholeDigits);
        const int32_t f1 = drawPart(random, fractionDigits);
        int32_t w2 = drawPart(random, wholeDigits);
        int32_t f2 = drawPart(random, fractionDigits);
        // Never ask to divide by 0,0.
        while (w2 == 0 && f2 == 0) {
            w2 = drawPart(random, wholeDigits);
            f2 = drawPart(random, fractionDigits);
        }
        writeTwoDecimals(out, w1, f1, divisionSign(), w2, f2);
    });
}

void decimalDivisionByPowerOfTen(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t wholeDigits = values.first, fractionDigits = values.second;
    forEachExercise(values.count, [&] {
        const int32_t whole = drawPart(random, wholeDigits);
        const int32_t fraction = drawPart(random, fractionDigits);
        const int32_t power = powerOfTen(random.draw(3) + 1);
        writeDecimalAndPower(out, whole, fraction, divisionSign(), power);
    });
}

}  // namespace zarvik::text
