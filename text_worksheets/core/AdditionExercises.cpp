// Addition exercises.

#include <algorithm>

#include "common/core/Limits.h"
#include "text_worksheets/core/GeneratorSupport.h"

namespace zarvik::text {

void checkSingleDigitAddition(const TextKind& kind, const TextValues& values) {
    const int32_t largest = values.first;
    // draw(1) and draw(-1) only ever give 0, which an unticked box redraws for ever.
    if (!values.checked && (largest == 0 || largest == -2))
        refuse(kind.first, largest, QStringLiteral("kutu işaretli değilken 1 ile 9 arası"));
    if (largest == INT32_MAX) refuse(kind.first, largest, QStringLiteral("1 ile 9 arası"));
}

void singleDigitAddition(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const bool zeroAllowed = values.checked;
    const int32_t bound = values.first + 1;
    forEachExercise(values.count, [&] {
        int32_t a = random.draw(bound);
        while (!zeroAllowed && a == 0)
            a = random.draw(bound);
        int32_t b = random.draw(bound);
        while (!zeroAllowed && b == 0)
            b = random.draw(bound);
        writeTwoNumbers(out, a, '+', b);
    });
}

void checkAdditionWithoutCarry(const TextKind& kind, const TextValues& values) {
    // The digits are kept in stores of ten; a count of -n draws up to n digits.
    if (values.first > 10 || values.first < -10)
        refuse(kind.first, values.first, QStringLiteral("1 ile 9 arası"));
    // The second count is refused as asked, before it is capped to the first.
    if (values.second > 10) refuse(kind.second, values.second, QStringLiteral("1 ile 9 arası"));
}

void additionWithoutCarry(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t firstDigits = values.first;
    const int32_t secondDigits = std::min(values.first, values.second);
    forEachExercise(values.count, [&] {
        const int32_t p = random.draw(firstDigits) + 1;
        int32_t q = random.draw(secondDigits) + 1;
        if (q > p) q = p;
        int32_t a[10];
        int32_t b[10];
        for (int32_t j = 0; j < p; ++j) {
            a[j] = random.draw(9);
            if (j == p - 1)
                while (a[j] == 0)
                    a[j] = random.draw(9);
        }
        for (int32_t j = 0; j < q; ++j) {
            do {
                b[j] = random.draw(10 - a[j]);
                if (b[j] == 0) b[j] = random.draw(10 - a[j]);
            } while (j == q - 1 && b[j] == 0);
        }
        for (int32_t j = p - 1; j >= 0; --j)
            out.putNumber(a[j]);
        out.put('+');
        for (int32_t j = q - 1; j >= 0; --j)
            out.putNumber(b[j]);
        out.put('=');
        out.endLine();
        if (out.exercises()) out.record({digitsValue(a, p), digitsValue(b, q)});
    });
}

void simpleAdditionWithCarry(const TextValues& values, RandomDraw& random, LineWriter& out) {
    forEachExercise(values.count, [&] {
        int32_t units = random.draw(10);
        while (units == 0)
            units = random.draw(10);
        int32_t tens = random.draw(10);
        while (tens == 0)
            tens = random.draw(10);
        int32_t second = random.draw(10);
        while (units + second < 10)
            second = random.draw(10);
        out.putNumber(tens);
        out.putNumber(units);
        out.put('+');
        out.putNumber(second);
        out.put('=');
        out.endLine();
        out.record({10 * tens + units, second});
    });
}

void checkMixedAddition(const TextKind& kind, const TextValues& values) {
    // 10^0 = 1 only ever gives 0, which is redrawn for ever.
    if (values.first == 0 || values.first >= 10)
        refuse(kind.first, values.first, QStringLiteral("1 ile 9 arası"));
    if (values.second == 0 || values.second >= 10)
        refuse(kind.second, values.second, QStringLiteral("1 ile 9 arası"));
}

void mixedAddition(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t firstBound = powerOfTen(values.first);
    const int32_t secondBound = powerOfTen(values.second);
    forEachExercise(values.count, [&] {
        int32_t a = random.draw(firstBound);
        while (a == 0)
            a = random.draw(firstBound);
        int32_t b = random.draw(secondBound);
        while (b == 0 || b > a)
            b = random.draw(secondBound);
        writeTwoNumbers(out, a, '+', b);
    });
}

void checkAdditionOfSeveralNumbers(const TextKind& kind, const TextValues& values) {
    if (values.first == INT32_MIN)
        refuse(kind.first, values.first, QStringLiteral("3 ile 9 arası"));
    // A term has rd(E - 1) + 2 digits: 2..E, or 2..2-E for E <= 0.
    if (values.second >= 10 || values.second <= -8)
        refuse(kind.second, values.second, QStringLiteral("2 ile 9 arası"));
    // A sum has 2..N numbers, or 2..2-N for N <= 0.
    if (values.first > limits::kMostTermsInSum ||
        2 - int64_t{values.first} > limits::kMostTermsInSum)
        refuse(kind.first, values.first,
               QStringLiteral("3 ile %1 arası").arg(limits::kMostTermsInSum));
}

void additionOfSeveralNumbers(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t termsBound = values.first - 1;
    const int32_t digitsBound = values.second - 1;
    forEachExercise(values.count, [&] {
        const int32_t terms = random.draw(termsBound) + 2;
        TextExercise exercise;
        for (int32_t j = 1; j <= terms; ++j) {
            const int32_t digits = random.draw(digitsBound) + 2;
            const int32_t term = random.draw(powerOfTen(digits));
            out.putNumber(term);
            if (out.exercises()) exercise.values.push_back(term);
            if (j < terms) {
                out.put('+');
            } else {
                out.put('=');
                out.endLine();
            }
        }
        out.report(std::move(exercise));
    });
}

void decimalAddition(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t wholeDigits = values.first, fractionDigits = values.second;
    forEachExercise(values.count, [&] {
        const int32_t w1 = drawPart(random, wholeDigits);
        const int32_t f1 = drawPart(random, fractionDigits);
        const int32_t w2 = drawPart(random, wholeDigits);
        const int32_t f2 = drawPart(random, fractionDigits);
        writeTwoDecimals(out, w1, f1, '+', w2, f2);
    });
}

}  // namespace zarvik::text
