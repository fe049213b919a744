// Subtraction exercises; no difference is ever negative.

#include "text_worksheets/core/GeneratorSupport.h"

namespace zarvik::text {

void checkSingleDigitSubtraction(const TextKind& kind, const TextValues& values) {
    if (values.first < INT32_MIN + 2)
        refuse(kind.first, values.first, QStringLiteral("2 ile 9 arası"));
}

void singleDigitSubtraction(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t largest = values.first;
    const int32_t z = values.checked ? 0 : 1;
    forEachExercise(values.count, [&] {
        int32_t x;
        int32_t y;
        do {
            x = random.draw(largest - 1 - z) + z + 1;
            y = random.draw(largest - z) + z;
        } while (y > x);
        writeTwoNumbers(out, x, '-', y);
    });
}

void subtractionBelowTwenty(const TextValues& values, RandomDraw& random, LineWriter& out) {
    forEachExercise(values.count, [&] {
        int32_t a = random.draw(20);
        while (a < 10)
            a = random.draw(20);
        const int32_t b = random.draw(9) + 1;
        writeTwoNumbers(out, a, '-', b);
    });
}

void checkSubtractionWithoutBorrow(const TextKind& kind, const TextValues& values) {
    // The digits are kept in stores of ten: 2..D digits, or 2..2-D for D <= 0.
    if (values.first > 10 || values.first <= -9)
        refuse(kind.first, values.first, QStringLiteral("2 ile 9 arası"));
}

void subtractionWithoutBorrow(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = values.first;
    forEachExercise(values.count, [&] {
        const int32_t p = random.draw(mostDigits - 1) + 2;
        const int32_t q = random.draw(p - 1) + 2;
        int32_t a[10];
        int32_t b[10];
        for (int32_t j = 0; j < p; ++j)
            a[j] = random.draw(9) + 1;
        for (int32_t j = 0; j < q; ++j)
            b[j] = random.draw(a[j]) + 1;
        for (int32_t j = p - 1; j >= 0; --j)
            out.putNumber(a[j]);
        out.put('-');
        for (int32_t j = q - 1; j >= 0; --j)
            out.putNumber(b[j]);
        out.put('=');
        out.endLine();
        if (out.exercises()) out.record({digitsValue(a, p), digitsValue(b, q)});
    });
}

void checkMixedSubtraction(const TextKind& kind, const TextValues& values) {
    if (values.first >= 10) refuse(kind.first, values.first, QStringLiteral("2 ile 9 arası"));
}

void mixedSubtraction(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = values.first;
    // 10^D - 1 is taken in floating point before truncation: 0 for every D <= 0.
    const int32_t bound = mostDigits <= 0 ? 0 : powerOfTen(mostDigits) - 1;
    forEachExercise(values.count, [&] {
        const int32_t a = random.draw(bound) + 1;
        const int32_t b = random.draw(a) + 1;
        writeTwoNumbers(out, a, '-', b);
    });
}

void decimalSubtraction(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t wholeDigits = values.first, fractionDigits = values.second;
    forEachExercise(values.count, [&] {
        const int32_t w1 = drawPart(random, wholeDigits) + 1;
        const int32_t f1 = drawPart(random, fractionDigits);
        const int32_t w2 = random.draw(w1);
        const int32_t f2 = drawPart(random, fractionDigits);
        writeTwoDecimals(out, w1, f1, '-', w2, f2);
    });
}

}  // namespace zarvik::text
