// Kinds 201..205: subtraction exercises; no difference is ever negative.

#include "text_worksheets/GeneratorSupport.h"

namespace zarvik::text {

namespace {
const QString kLargestNumber = QStringLiteral("En büyük sayı kaç olsun?");
const QString kMostDigits = QStringLiteral("Sayılar en fazla kaç basamaklı olsun?");
}  // namespace

void kind201(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t largest = readField(fields.comboBox1());
    const int32_t count = readField(fields.edit1());
    const int32_t z = fields.checkBox1() ? 0 : 1;
    if (largest < INT32_MIN + 2) refuse(kLargestNumber, largest, QStringLiteral("2 ile 9 arası"));
    forEachExercise(count, [&] {
        int32_t x;
        int32_t y;
        do {
            x = random.draw(largest - 1 - z) + z + 1;
            y = random.draw(largest - z) + z;
        } while (y > x);
        writeTwoNumbers(out, 201, x, '-', y);
    });
}

void kind202(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t count = readField(fields.edit1());
    forEachExercise(count, [&] {
        int32_t a = random.draw(20);
        while (a < 10)
            a = random.draw(20);
        const int32_t b = random.draw(9) + 1;
        writeTwoNumbers(out, 202, a, '-', b);
    });
}

void kind203(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = readField(fields.comboBox1());
    const int32_t count = readField(fields.edit1());
    // The digits are kept in stores of ten: 2..D digits, or 2..2-D for D <= 0.
    if (mostDigits > 10 || mostDigits <= -9)
        refuse(kMostDigits, mostDigits, QStringLiteral("2 ile 9 arası"));
    forEachExercise(count, [&] {
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
        if (out.exercises()) out.record(203, {digitsValue(a, p), digitsValue(b, q)});
    });
}

void kind204(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = readField(fields.comboBox1());
    const int32_t count = readField(fields.edit1());
    if (mostDigits >= 10) refuse(kMostDigits, mostDigits, QStringLiteral("2 ile 9 arası"));
    // 10^D - 1 is taken in floating point before truncation: 0 for every D <= 0.
    const int32_t bound = mostDigits <= 0 ? 0 : power10(mostDigits) - 1;
    forEachExercise(count, [&] {
        const int32_t a = random.draw(bound) + 1;
        const int32_t b = random.draw(a) + 1;
        writeTwoNumbers(out, 204, a, '-', b);
    });
}

void kind205(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const DecimalFields read = readDecimalFields(fields, DecimalCaptions::Most);
    const int32_t wholeDigits = read.wholeDigits, fractionDigits = read.fractionDigits;
    forEachExercise(read.count, [&] {
        const int32_t w1 = drawPart(random, wholeDigits) + 1;
        const int32_t f1 = drawPart(random, fractionDigits);
        const int32_t w2 = random.draw(w1);
        const int32_t f2 = drawPart(random, fractionDigits);
        writeTwoDecimals(out, 205, w1, f1, '-', w2, f2);
    });
}

}  // namespace zarvik::text
