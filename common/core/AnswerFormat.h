#pragma once
// Writing answers for the teacher's answer keys: Turkish number words, decimal
// numbers read the way schools read them, exact decimal arithmetic with the
// decimal comma, and fractions in lowest terms. Everything is exact integer
// arithmetic on the numbers as drawn.

#include <QString>
#include <cstdint>

namespace zarvik::answers {

// Turkish words for a whole number given by its decimal digits (leading zeros
// allowed): "sıfır", "on", "yüz", "bin", "bir milyon bir", ... up to 21 digits
// (trilyon, katrilyon). Throws std::invalid_argument beyond that.
QString numberWords(QStringView digits);
QString numberWords(uint64_t value);

// A decimal number read aloud: "on iki tam yüzde beş" for 12,05. The fraction's
// digits are given as written after the comma (leading zeros count).
QString decimalWords(QStringView wholeDigits, QStringView fractionDigits);

// An exact decimal number: units / 10^scale.
struct Decimal {
    __int128 units = 0;
    int scale = 0;

    // The number a worksheet shows as "whole,fraction", the fraction written
    // as a plain integer (so 3 and 5 are 3,5 and 3 and 50 are 3,50).
    static Decimal fromWritten(int64_t whole, int64_t fraction);
    static Decimal whole(int64_t value) { return {value, 0}; }
};

Decimal add(Decimal a, Decimal b);
Decimal subtract(Decimal a, Decimal b);
Decimal multiply(Decimal a, Decimal b);
// a ÷ b: exact when the quotient ends within six decimals, otherwise rounded
// to three decimals and marked "yaklaşık ". b must not be 0.
QString divide(Decimal a, Decimal b);
// With the decimal comma, no trailing zeros after it: "6,25", "6", "0,05".
QString format(Decimal value);

// A fraction in lowest terms, as a mixed number when above 1: "2 1/3",
// "3/4", "2", "0".
QString formatFraction(int64_t numerator, int64_t denominator);

}  // namespace zarvik::answers
