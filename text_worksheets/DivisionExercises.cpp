// Kinds 401..404: division exercises, written with the sign ÷ (byte 0xF7).

#include "common/Cp1254.h"
#include "text_worksheets/GeneratorSupport.h"

namespace zarvik::text {

namespace {
const QString kLargestDivisor = QStringLiteral("Bölen sayı en fazla kaç olsun?");
const QString kLargestQuotient = QStringLiteral("Bölmenin sonucu (bölüm) en fazla kaç olsun?");
const QString kDividendDigits = QStringLiteral("Bölünen en fazla kaç basamaklı olsun?");
const QString kDivisorDigits = QStringLiteral("Bölen en fazla kaç basamaklı olsun?");

char divisionSign() {
    static const char sign = toCp1254(u"÷").at(0);
    return sign;
}

}  // namespace

void kind401(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t largestDivisor = readField(fields.comboBox1());
    const int32_t largestQuotient = readField(fields.comboBox2());
    const int32_t count = readField(fields.edit1());
    const int32_t divisorBound = wrap(int64_t{largestDivisor} - 1);
    const int32_t quotientBound = wrap(int64_t{largestQuotient} - 1);
    // With bounds of 0 the draws fail with "Division by zero" first; otherwise
    // the largest dividend must stay within 32 bits.
    if (divisorBound != 0 && quotientBound != 0) {
        const int64_t d = largestDraw(int64_t{largestDivisor} - 1) + 2;
        const int64_t q = largestDraw(int64_t{largestQuotient} - 1) + 2;
        const int64_t largestDividend = d * q + (fields.checkBox1() ? d - 1 : 0);
        if (largestDividend > INT32_MAX) {
            const bool divisorTooBig = d >= q;
            refuse(divisorTooBig ? kLargestDivisor : kLargestQuotient,
                   divisorTooBig ? largestDivisor : largestQuotient,
                   QStringLiteral("2 ile 9 arası (bölünen 32 bit sınırını aşmamalı)"));
        }
    }
    forEachExercise(count, [&] {
        const int32_t d = random.draw(divisorBound) + 2;
        const int32_t q = random.draw(quotientBound) + 2;
        const int32_t r = fields.checkBox1() ? random.draw(d) : 0;
        writeTwoNumbers(out, 401, int64_t{d} * q + r, divisionSign(), d);
    });
}

void kind402(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const int32_t dividendDigits = readField(fields.comboBox1());
    const int32_t divisorDigitsAsked = readField(fields.comboBox2());
    // The divisor's digit count is worked out while the fields are read, so a
    // dividend digit count of 0 fails here, before the count field is read.
    if (dividendDigits == 0) throw DivisionByZero();
    int32_t divisorDigits = wrap(int64_t{divisorDigitsAsked} % dividendDigits);
    if (divisorDigits == 0) divisorDigits = 1;
    const int32_t count = readField(fields.edit1());
    // With one dividend digit, divisors 6..9 leave no quotient but 0, drawn for ever.
    if (dividendDigits == 1 || dividendDigits >= 10)
        refuse(kDividendDigits, dividendDigits, QStringLiteral("2 ile 9 arası"));
    if (divisorDigits >= 10)
        refuse(kDivisorDigits, divisorDigitsAsked, QStringLiteral("1 ile 9 arası"));
    const int32_t divisorBound = power10(divisorDigits) - 2;
    const int32_t dividendLimit = power10(dividendDigits);  // 0 for a negative count
    forEachExercise(count, [&] {
        const int32_t b = random.draw(divisorBound) + 2;
        const int32_t quotientBound = dividendLimit / b;
        int32_t c = random.draw(quotientBound);
        while (c == 0)
            c = random.draw(quotientBound);
        const int32_t r = fields.checkBox1() ? random.longDraw(b) : 0;
        writeTwoNumbers(out, 402, int64_t{b} * c + r, divisionSign(), b);
    });
}

void kind403(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const DecimalFields read = readDecimalFields(fields, DecimalCaptions::Utmost);
    const int32_t wholeDigits = read.wholeDigits, fractionDigits = read.fractionDigits;
    forEachExercise(read.count, [&] {
        const int32_t w1 = drawPart(random, wholeDigits);
        const int32_t f1 = drawPart(random, fractionDigits);
        int32_t w2 = drawPart(random, wholeDigits);
        int32_t f2 = drawPart(random, fractionDigits);
        // Never ask to divide by 0,0.
        while (w2 == 0 && f2 == 0) {
            w2 = drawPart(random, wholeDigits);
            f2 = drawPart(random, fractionDigits);
        }
        writeTwoDecimals(out, 403, w1, f1, divisionSign(), w2, f2);
    });
}

void kind404(const TextFields& fields, RandomDraw& random, LineWriter& out) {
    const DecimalFields read = readDecimalFields(fields, DecimalCaptions::Utmost);
    const int32_t wholeDigits = read.wholeDigits, fractionDigits = read.fractionDigits;
    forEachExercise(read.count, [&] {
        const int32_t whole = drawPart(random, wholeDigits);
        const int32_t fraction = drawPart(random, fractionDigits);
        const int32_t power = power10(random.draw(3) + 1);
        writeDecimalAndPower(out, 404, whole, fraction, divisionSign(), power);
    });
}

}  // namespace zarvik::text
