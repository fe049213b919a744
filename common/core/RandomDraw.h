#pragma once
// The one random-number source of the program: a 32-bit linear congruential
// "short step" combined six at a time into random draw(n), and a 64-bit "long
// step" on the same state for long random draw(n). The exact arithmetic decides
// which exercises a seed gives, so it must not be replaced by a library engine.
// One object per process (created at start-up, passed by reference); tests make
// their own.

#include <cstdint>

#include "common/core/Errors.h"

namespace zarvik {

class RandomDraw {
  public:
    RandomDraw() = default;
    RandomDraw(uint32_t low, uint32_t high) : low_(low), high_(high) {}

    // As a run started at calendar time t (seconds since 1970-01-01 UTC):
    // low = (t + 1) mod 2^32, high = 0, and one short step thrown away.
    void seed(int64_t calendarSeconds);
    void seedFromClock();

    uint32_t low() const { return low_; }
    uint32_t high() const { return high_; }

    // 0..32767; changes the low half only.
    int32_t shortStep() {
        low_ = low_ * 22695477u + 1u;
        return static_cast<int32_t>((low_ >> 16) & 0x7FFFu);
    }

    // 0..2^31-1; changes both halves.
    int32_t longStep() {
        uint64_t s = (static_cast<uint64_t>(high_) << 32) | low_;
        s = s * 0x0000015A00004E35ull + 1u;
        low_ = static_cast<uint32_t>(s);
        high_ = static_cast<uint32_t>(s >> 32);
        return static_cast<int32_t>(high_ & 0x7FFFFFFFu);
    }

    // 0..|n|-1 for n != 0; throws DivisionByZero for n == 0 after the six steps.
    int32_t draw(int32_t n) {
        const int32_t r1 = shortStep();
        const int32_t r2 = shortStep();
        const int32_t r3 = shortStep();
        const int32_t r4 = shortStep();
        const int32_t r5 = shortStep();
        const int32_t r6 = shortStep();
        // The 10^6 and 10^7 weights overlap on purpose; S stays below 1 090 000 000.
        const int32_t s = r1 % 100 + 100 * (r2 % 100) + 10000 * (r3 % 100) + 1000000 * (r4 % 100) +
                          10000000 * (r5 % 100);
        static constexpr int32_t kModulus[8] = {100,     1000,     10000,     100000,
                                                1000000, 10000000, 100000000, 1000000000};
        const int32_t x = s % kModulus[r6 % 8];
        if (n == 0) throw DivisionByZero();
        // x < 10^9, so x % n is safe even for n = INT32_MIN, and never negative.
        return x % n;
    }

    // 0 for n == 0 without a step; otherwise the long step's result remainder n.
    int32_t longDraw(int32_t n) {
        if (n == 0) return 0;
        return longStep() % n;
    }

  private:
    uint32_t low_ = 0;
    uint32_t high_ = 0;
};

}  // namespace zarvik
