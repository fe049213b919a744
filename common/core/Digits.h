#pragma once
// Digits and powers of ten as every family's generators make them, and the
// Turkish number words that the number pages and the answer keys both spell.

#include <QStringView>
#include <array>
#include <cstdint>
#include <stdexcept>

#include "common/core/RandomDraw.h"

namespace zarvik {

// 10^e exactly, in whatever integer type the arithmetic needs.
template <typename Integer>
constexpr Integer exactPowerOfTen(int e) {
    Integer power = 1;
    for (int i = 0; i < e; ++i)
        power *= 10;
    return power;
}

// 10^e as the generators form it, a floating-point power truncated to an
// integer: 0 below e = 0, exact for 0..9. Callers refuse exponents that
// would leave 32 bits before they draw.
inline int32_t powerOfTen(int64_t e) {
    static constexpr std::array<int32_t, 10> kPowers = {
        1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
    if (e < 0) return 0;
    if (e > 9) throw std::logic_error("power of ten beyond 32 bits reached a generator");
    return kPowers[static_cast<size_t>(e)];
}

// A digit drawn up to three times, stopping at the first 0: a 0 about a
// quarter of the time, against a tenth for a plain draw.
inline int32_t zeroFavouringDigit(RandomDraw& random) {
    int32_t digit = random.draw(10);
    if (digit != 0) digit = random.draw(10);
    if (digit != 0) digit = random.draw(10);
    return digit;
}

namespace words {

// Indexed by digit; 0 has no word.
inline constexpr std::array<QStringView, 10> kOnes = {u"",    u"bir",  u"iki",  u"üç",    u"dört",
                                                      u"beş", u"altı", u"yedi", u"sekiz", u"dokuz"};
inline constexpr std::array<QStringView, 10> kTens = {
    u"", u"on", u"yirmi", u"otuz", u"kırk", u"elli", u"altmış", u"yetmiş", u"seksen", u"doksan"};
inline constexpr QStringView kHundred = u"yüz";
// Groups of three digits from the right: units, thousands, millions, ...
inline constexpr std::array<QStringView, 7> kGroups = {
    u"", u"bin", u"milyon", u"milyar", u"trilyon", u"katrilyon", u"kentilyon"};
inline constexpr QStringView kZero = u"sıfır";

}  // namespace words

}  // namespace zarvik
