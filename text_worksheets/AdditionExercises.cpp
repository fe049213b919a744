// Kinds 101..106: addition exercises.

#include "text_worksheets/GeneratorSupport.h"

namespace zarvik::text {

namespace {
const QString kLargestValue = QStringLiteral("Sayıların en büyük değeri");
const QString kFirstDigits = QStringLiteral("1. sayının basamak sayısı");
const QString kSecondDigits = QStringLiteral("2. sayının basamak sayısı");
const QString kMostNumbers = QStringLiteral("Bir işlemde en fazla kaç sayı bulunsun?");
const QString kMostDigits = QStringLiteral("Sayılar en fazla kaç basamaklı olsun?");
}  // namespace

void kind101(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t largest = readField(fields.comboBox1());
    const int32_t count = readField(fields.edit1());
    const bool zeroAllowed = fields.checkBox1();
    // draw(1) and draw(-1) only ever give 0, which an unticked box redraws for ever.
    if (!zeroAllowed && (largest == 0 || largest == -2))
        refuse(kLargestValue, largest, QStringLiteral("kutu işaretli değilken 1 ile 9 arası"));
    if (largest == INT32_MAX) refuse(kLargestValue, largest, QStringLiteral("1 ile 9 arası"));
    const int32_t bound = largest + 1;
    forEachExercise(count, [&] {
        int32_t a = random.draw(bound);
        while (!zeroAllowed && a == 0)
            a = random.draw(bound);
        int32_t b = random.draw(bound);
        while (!zeroAllowed && b == 0)
            b = random.draw(bound);
        writeTwoNumbers(out, 101, a, '+', b);
    });
}

void kind102(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t firstDigits = readField(fields.comboBox1());
    int32_t secondDigits = readField(fields.comboBox2());
    const int32_t askedSecondDigits = secondDigits;
    if (firstDigits < secondDigits) secondDigits = firstDigits;
    const int32_t count = readField(fields.edit1());
    // The digits are kept in stores of ten; a count of -n draws up to n digits.
    if (firstDigits > 10 || firstDigits < -10)
        refuse(kFirstDigits, firstDigits, QStringLiteral("1 ile 9 arası"));
    if (askedSecondDigits > 10)
        refuse(kSecondDigits, askedSecondDigits, QStringLiteral("1 ile 9 arası"));
    forEachExercise(count, [&] {
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
        if (out.exercises()) out.record(102, {digitsValue(a, p), digitsValue(b, q)});
    });
}

void kind103(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t count = readField(fields.edit1());
    forEachExercise(count, [&] {
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
        out.record(103, {10 * tens + units, second});
    });
}

void kind104(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t firstDigits = readField(fields.comboBox1());
    const int32_t secondDigits = readField(fields.comboBox2());
    const int32_t count = readField(fields.edit1());
    // 10^0 = 1 only ever gives 0, which is redrawn for ever.
    if (firstDigits == 0 || firstDigits >= 10)
        refuse(kFirstDigits, firstDigits, QStringLiteral("1 ile 9 arası"));
    if (secondDigits == 0 || secondDigits >= 10)
        refuse(kSecondDigits, secondDigits, QStringLiteral("1 ile 9 arası"));
    const int32_t firstBound = power10(firstDigits);
    const int32_t secondBound = power10(secondDigits);
    forEachExercise(count, [&] {
        int32_t a = random.draw(firstBound);
        while (a == 0)
            a = random.draw(firstBound);
        int32_t b = random.draw(secondBound);
        while (b == 0 || b > a)
            b = random.draw(secondBound);
        writeTwoNumbers(out, 104, a, '+', b);
    });
}

void kind105(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t mostNumbers = readField(fields.comboBox1());
    const int32_t mostDigits = readField(fields.comboBox2());
    const int32_t count = readField(fields.edit1());
    if (mostNumbers == INT32_MIN)
        refuse(kMostNumbers, mostNumbers, QStringLiteral("3 ile 9 arası"));
    // A term has rd(E - 1) + 2 digits: 2..E, or 2..2-E for E <= 0.
    if (mostDigits >= 10 || mostDigits <= -8)
        refuse(kMostDigits, mostDigits, QStringLiteral("2 ile 9 arası"));
    const int32_t termsBound = mostNumbers - 1;
    const int32_t digitsBound = mostDigits - 1;
    forEachExercise(count, [&] {
        const int32_t terms = random.draw(termsBound) + 2;
        TextExercise exercise{105, {}, {}, {}, {}};
        for (int32_t j = 1; j <= terms; ++j) {
            const int32_t digits = random.draw(digitsBound) + 2;
            const int32_t term = random.draw(power10(digits));
            out.putNumber(term);
            if (out.exercises()) exercise.values.push_back(term);
            if (j < terms) {
                out.put('+');
            } else {
                out.put('=');
                out.endLine();
            }
        }
        if (out.exercises()) out.exercises()->exercise(std::move(exercise));
    });
}

void kind106(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const DecimalFields read = readDecimalFields(fields, DecimalCaptions::Most);
    const int32_t wholeDigits = read.wholeDigits, fractionDigits = read.fractionDigits;
    forEachExercise(read.count, [&] {
        const int32_t w1 = drawPart(random, wholeDigits);
        const int32_t f1 = drawPart(random, fractionDigits);
        const int32_t w2 = drawPart(random, wholeDigits);
        const int32_t f2 = drawPart(random, fractionDigits);
        writeTwoDecimals(out, 106, w1, f1, '+', w2, f2);
    });
}

}  // namespace zarvik::text
