// Kinds 301..308: multiplication exercises, written with a capital X.

#include <algorithm>

#include "text_worksheets/GeneratorSupport.h"

namespace zarvik::text {

namespace {
const QString kTableLargest = QStringLiteral("Çarpım tablosunda en büyük sayı kaç olsun?");
const QString kFactorLargest = QStringLiteral("Çarpılan sayıların en büyük değeri kaç olsun?");
const QString kFirstMostDigits = QStringLiteral("1. sayı en fazla kaç basamaklı olsun?");
const QString kSecondMostDigits = QStringLiteral("2. sayı en fazla kaç basamaklı olsun?");
const QString kSecondLargest = QStringLiteral("2. sayının değeri en fazla kaç olsun?");
const QString kNaturalDigits = QStringLiteral("Doğal sayı en fazla kaç basamaklı olsun?");

}  // namespace

void kind301(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t largest = readField(fields.comboBox1());
    const int32_t count = readField(fields.edit1());
    if (largest == INT32_MIN) refuse(kTableLargest, largest, QStringLiteral("2 ile 9 arası"));
    forEachExercise(count, [&] {
        const int32_t a = random.draw(largest - 1) + 2;
        const int32_t b = random.draw(10) + 1;
        writeTwoNumbers(out, 301, a, 'X', b);
    });
}

void kind302(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t largest = readField(fields.comboBox1());
    const int32_t count = readField(fields.edit1());
    if (largest == INT32_MIN) refuse(kFactorLargest, largest, QStringLiteral("2 ile 9 arası"));
    forEachExercise(count, [&] {
        const int32_t a = random.draw(largest - 1) + 2;
        const int32_t b = random.draw(largest - 1) + 2;
        writeTwoNumbers(out, 302, a, 'X', b);
    });
}

void kind303(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = readField(fields.comboBox1());
    const int32_t multiplierDigits = readField(fields.comboBox2());
    const int32_t count = readField(fields.edit1());
    // The first factor is kept in a store of six digits: 2..L, or 2..2-L for L <= 0.
    if (mostDigits > 6 || mostDigits < -4)
        refuse(kFirstMostDigits, mostDigits, QStringLiteral("1 ile 5 arası"));
    forEachExercise(count, [&] {
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
        out.record(303, {first, multiplier});
    });
}

void kind304(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = readField(fields.comboBox1());
    const int32_t largest = readField(fields.comboBox2());
    const int32_t count = readField(fields.edit1());
    // No first factor has a negative number of digits.
    if (mostDigits < 0 || mostDigits >= 10)
        refuse(kFirstMostDigits, mostDigits, QStringLiteral("1 ile 9 arası"));
    if (largest == INT32_MIN) refuse(kSecondLargest, largest, QStringLiteral("1 ile 9 arası"));
    const int32_t firstBound = power10(mostDigits) - 1;
    forEachExercise(count, [&] {
        const int32_t a = random.draw(firstBound) + 1;
        const int32_t b = random.draw(largest - 1) + 2;
        writeTwoNumbers(out, 304, a, 'X', b);
    });
}

void kind305(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t firstDigits = readField(fields.comboBox1());
    const int32_t secondDigits = readField(fields.comboBox2());
    const int32_t count = readField(fields.edit1());
    if (firstDigits >= 10) refuse(kFirstMostDigits, firstDigits, QStringLiteral("1 ile 9 arası"));
    if (secondDigits >= 10)
        refuse(kSecondMostDigits, secondDigits, QStringLiteral("1 ile 9 arası"));
    const int32_t firstBound = power10(firstDigits) - 10;
    const int32_t secondBound = power10(secondDigits) - 10;
    forEachExercise(count, [&] {
        const int32_t a = random.draw(firstBound) + 10;
        const int32_t b = random.draw(secondBound) + 10;
        writeTwoNumbers(out, 305, a, 'X', b);
    });
}

void kind306(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const DecimalFields read = readDecimalFields(fields, DecimalCaptions::Utmost);
    const int32_t wholeDigits = read.wholeDigits, fractionDigits = read.fractionDigits;
    forEachExercise(read.count, [&] {
        const int32_t w1 = drawPart(random, wholeDigits);
        const int32_t f1 = drawPart(random, fractionDigits);
        const int32_t w2 = drawPart(random, wholeDigits);
        const int32_t f2 = drawPart(random, fractionDigits);
        writeTwoDecimals(out, 306, w1, f1, 'X', w2, f2);
    });
}

void kind307(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const DecimalFields read = readDecimalFields(fields, DecimalCaptions::Utmost);
    const int32_t wholeDigits = read.wholeDigits, fractionDigits = read.fractionDigits;
    forEachExercise(read.count, [&] {
        const int32_t whole = drawPart(random, wholeDigits);
        const int32_t fraction = drawPart(random, fractionDigits);
        const int32_t power = power10(random.draw(3) + 1);
        writeDecimalAndPower(out, 307, whole, fraction, 'X', power);
    });
}

void kind308(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = readField(fields.comboBox1());
    const int32_t count = readField(fields.edit1());
    if (mostDigits >= 10) refuse(kNaturalDigits, mostDigits, QStringLiteral("1 ile 9 arası"));
    const int32_t bound = power10(mostDigits);
    forEachExercise(count, [&] {
        const int32_t a = random.draw(bound);
        const int32_t power = power10(random.draw(3) + 1);
        writeTwoNumbers(out, 308, a, 'X', power);
    });
}

}  // namespace zarvik::text
