#pragma once
// Shared pieces of the text generators: powers of ten as the generators form
// them, wrapping arithmetic on field values, the lines they write, and the
// refusal of field values that would loop for ever or leave 32 bits.

#include <QString>
#include <cstdint>
#include <stdexcept>

#include "common/core/Digits.h"
#include "common/core/Errors.h"
#include "common/core/RandomDraw.h"
#include "text_worksheets/core/LineWriter.h"
#include "text_worksheets/core/TextGenerators.h"
#include "text_worksheets/core/TextWorksheet.h"

namespace zarvik::text {

// Field values are 32-bit and the arithmetic on them wraps, as it did where
// these generators come from; values for which wrapping would matter are
// refused, so this only keeps the computation well defined.
inline int32_t wrap(int64_t value) {
    return static_cast<int32_t>(value);
}

// The largest value random draw(n) can give: below |n| and below 10^9.
inline int64_t largestDraw(int64_t n) {
    const int64_t magnitude = n < 0 ? -n : n;
    return (magnitude < 1000000000 ? magnitude : 1000000000) - 1;
}

// A number of at most `digits` digits drawn in two steps: the digit count
// e = draw(digits) + 1, then the number draw(10^e).
inline int32_t drawPart(RandomDraw& random, int32_t digits) {
    const int32_t e = random.draw(digits) + 1;
    return random.draw(powerOfTen(e));
}

// The value of digits kept units first.
inline int64_t digitsValue(const int32_t* digits, int32_t count) {
    int64_t value = 0;
    for (int32_t j = count - 1; j >= 0; --j)
        value = value * 10 + digits[j];
    return value;
}

// "a+b=" (or -, X, ÷) as a line, reported as the kind's exercise.
inline void writeTwoNumbers(LineWriter& out, int64_t a, char sign, int64_t b) {
    out.putNumber(a);
    out.put(sign);
    out.putNumber(b);
    out.put('=');
    out.endLine();
    out.record({a, b});
}

// "w1,f1+w2,f2=": two decimal numbers, each fraction written as drawn.
inline void writeTwoDecimals(LineWriter& out, int32_t w1, int32_t f1, char sign, int32_t w2,
                             int32_t f2) {
    out.putNumber(w1);
    out.put(',');
    out.putNumber(f1);
    out.put(sign);
    out.putNumber(w2);
    out.put(',');
    out.putNumber(f2);
    out.put('=');
    out.endLine();
    out.record({w1, f1, w2, f2});
}

// "w,fX100=": a decimal number and a power of ten.
inline void writeDecimalAndPower(LineWriter& out, int32_t whole, int32_t fraction, char sign,
                                 int32_t power) {
    out.putNumber(whole);
    out.put(',');
    out.putNumber(fraction);
    out.put(sign);
    out.putNumber(power);
    out.put('=');
    out.endLine();
    out.record({whole, fraction, power});
}

[[noreturn]] void refuse(const QString& field, int32_t value, const QString& accepted);
// The same, naming the list by its caption as the window shows it on one line.
[[noreturn]] void refuse(const ParameterList& list, int32_t value, const QString& accepted);

// The count loop: for i = 1 to count, nothing when count <= 0.
template <typename Exercise>
void forEachExercise(int32_t count, Exercise&& exercise) {
    for (int64_t i = 1; i <= count; ++i)
        exercise();
}

}  // namespace zarvik::text
