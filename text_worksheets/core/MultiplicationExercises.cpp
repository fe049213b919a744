// Multiplication exercises, written with a capital X.

#include <algorithm>

#include "text_worksheets/core/GeneratorSupport.h"

namespace zarvik::text {

void checkLargestFactor(const TextKind& kind, const TextValues& values) {
    if (values.first == INT32_MIN)
        refuse(kind.first, values.first, QStringLiteral("2 ile 9 arası"));
}

void timesTable(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t largest = values.first;
    forEachExercise(values.count, [&] {
        const int32_t a = random.draw(largest - 1) + 2;
        const int32_t b = random.draw(10) + 1;
        writeTwoNumbers(out, a, 'X', b);
    });
}

void singleDigitMultiplication(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t largest = values.first;
    forEachExercise(values.count, [&] {
        const int32_t a = random.draw(largest - 1) + 2;
        const int32_t b = random.draw(largest - 1) + 2;
        writeTwoNumbers(out, a, 'X', b);
    });
}

void checkMultiplicationWithoutCarry(const TextKind& kind, const TextValues& values) {
    // The first factor is kept in a store of six digits: 2..L, or 2..2-L for L <= 0.
    if (values.first > 6 || values.first < -4)
        refuse(kind.first, values.first, QStringLiteral("1 ile 5 arası"));
}

void multiplicationWithoutCarry(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = values.first;
    const int32_t multiplierDigits = values.second;
    forEachExercise(values.count, [&] {
        int32_t multiplier;
        int32_t limit;
        if (multiplierDigits == 2) {
            int32_t units = random.draw(5);
            int32_t tens = random.draw(3) + 2;
            if (tens == units) {  // one second chance only; equal digits may stay
                units = random.draw(5);
                tens = random.draw(3) + 2;
            }
            multiplier = 10 * tens + units;
            limit = std::max(tens, units);
        } else {
            multiplier = random.draw(3) + 2;
            limit = multiplier;
        }
        const int32_t digits = random.draw(mostDigits - 1) + 2;
        int64_t first = 0;
        for (int32_t i = 0; i < digits; ++i) {
            int32_t d;
            do {
                d = random.draw(10);
            } while (d * limit > 9 || (i == 0 && d == 0));
            out.putNumber(d);
            first = first * 10 + d;
        }
        out.put('X');
        out.putNumber(multiplier);
        out.put('=');
        out.endLine();
        out.record({first, multiplier});
    });
}

void checkMultiplicationBySingleDigit(const TextKind& kind, const TextValues& values) {
    // No first factor has a negative number of digits.
    if (values.first < 0 || values.first >= 10)
        refuse(kind.first, values.first, QStringLiteral("1 ile 9 arası"));
    if (values.second == INT32_MIN)
        refuse(kind.second, values.second, QStringLiteral("1 ile 9 arası"));
}

void multiplicationBySingleDigit(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t largest = values.second;
    const int32_t firstBound = powerOfTen(values.first) - 1;
    forEachExercise(values.count, [&] {
        const int32_t a = random.draw(firstBound) + 1;
        const int32_t b = random.draw(largest - 1) + 2;
        writeTwoNumbers(out, a, 'X', b);
    });
}

void checkMultiDigitMultiplication(const TextKind& kind, const TextValues& values) {
    if (values.first >= 10) refuse(kind.first, values.first, QStringLiteral("1 ile 9 arası"));
    if (values.second >= 10) refuse(kind.second, values.second, QStringLiteral("1 ile 9 arası"));
}

void multiDigitMultiplication(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t firstBound = powerOfTen(values.first) - 10;
    const int32_t secondBound = powerOfTen(values.second) - 10;
    forEachExercise(values.count, [&] {
        const int32_t a = random.draw(firstBound) + 10;
        const int32_t b = random.draw(secondBound) + 10;
        writeTwoNumbers(out, a, 'X', b);
    });
}

void decimalMultiplication(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t wholeDigits = values.first, fractionDigits = values.second;
    forEachExercise(values.count, [&] {
        const int32_t w1 = drawPart(random, wholeDigits);
        const int32_t f1 = drawPart(random, fractionDigits);
        const int32_t w2 = drawPart(random, wholeDigits);
        const int32_t f2 = drawPart(random, fractionDigits);
        writeTwoDecimals(out, w1, f1, 'X', w2, f2);
    });
}

void decimalMultiplicationByPowerOfTen(const TextValues& values, RandomDraw& random,
                                       LineWriter& out) {
    const int32_t wholeDigits = values.first, fractionDigits = values.second;
    forEachExercise(values.count, [&] {
        const int32_t whole = drawPart(random, wholeDigits);
        const int32_t fraction = drawPart(random, fractionDigits);
        const int32_t power = powerOfTen(random.draw(3) + 1);
        writeDecimalAndPower(out, whole, fraction, 'X', power);
    });
}

void checkMultiplicationByPowerOfTen(const TextKind& kind, const TextValues& values) {
    if (values.first >= 10) refuse(kind.first, values.first, QStringLiteral("1 ile 9 arası"));
}

void multiplicationByPowerOfTen(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t bound = powerOfTen(values.first);
    forEachExercise(values.count, [&] {
        const int32_t a = random.draw(bound);
        const int32_t power = powerOfTen(random.draw(3) + 1);
        writeTwoNumbers(out, a, 'X', power);
    });
}

}  // namespace zarvik::text
