#include <gtest/gtest.h>

#include <set>

#include "common/core/RandomDraw.h"

using zarvik::DivisionByZero;
using zarvik::RandomDraw;

TEST(RandomDraw, ShortStepFromLowOne) {
    RandomDraw random(1, 0);
    EXPECT_EQ(random.shortStep(), 346);
    EXPECT_EQ(random.low(), 22695478u);
    EXPECT_EQ(random.high(), 0u);
}

TEST(RandomDraw, SeedingThrowsOneStepAway) {
    RandomDraw seeded;
    seeded.seed(1000);
    RandomDraw byHand(1001, 0);
    byHand.shortStep();
    EXPECT_EQ(seeded.low(), byHand.low());
    EXPECT_EQ(seeded.high(), 0u);
    EXPECT_EQ(seeded.shortStep(), byHand.shortStep());
}

TEST(RandomDraw, SeedWrapsModulo2To32) {
    RandomDraw random;
    random.seed(4294967295LL);  // t + 1 = 2^32 -> low 0 before the thrown-away step
    RandomDraw byHand(0, 0);
    byHand.shortStep();
    EXPECT_EQ(random.low(), byHand.low());
}

// Values from an independent implementation of the same arithmetic.
TEST(RandomDraw, KnownSequenceFromSeed) {
    RandomDraw random;
    random.seed(1234567);
    const int expected1000[] = {954, 189, 331, 50, 37, 115, 482, 580};
    for (int value : expected1000)
        EXPECT_EQ(random.draw(1000), value);
    const int expected7[] = {5, 3, 5, 6, 4, 3, 1, 6};
    for (int value : expected7)
        EXPECT_EQ(random.draw(7), value);
    EXPECT_EQ(random.longStep(), 2034750436);
    EXPECT_EQ(random.longStep(), 2057801025);
    EXPECT_EQ(random.longStep(), 354627506);
    EXPECT_EQ(random.low(), 78051684u);
    EXPECT_EQ(random.high(), 354627506u);
    const int expectedMinus13[] = {11, 1, 5, 5, 9};
    for (int value : expectedMinus13)
        EXPECT_EQ(random.draw(-13), value);
}

TEST(RandomDraw, DrawOfOneIsZeroAndTakesSixSteps) {
    RandomDraw random(77, 0), stepped(77, 0);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(random.draw(1), 0);
        for (int s = 0; s < 6; ++s)
            stepped.shortStep();
        ASSERT_EQ(random.low(), stepped.low());
    }
}

TEST(RandomDraw, NegativeBoundGivesZeroToMagnitudeMinusOne) {
    RandomDraw random(5, 0);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = random.draw(-4);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 3);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 4u);
    for (int i = 0; i < 1000; ++i) {
        const int v = random.draw(INT32_MIN);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 1000000000);
    }
}

TEST(RandomDraw, ZeroBoundFailsAfterSixSteps) {
    RandomDraw random(9, 0), stepped(9, 0);
    EXPECT_THROW(random.draw(0), DivisionByZero);
    for (int s = 0; s < 6; ++s)
        stepped.shortStep();
    EXPECT_EQ(random.low(), stepped.low());
    try {
        random.draw(0);
    } catch (const DivisionByZero& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Division by zero"));
    }
}

TEST(RandomDraw, LongDrawOfZeroLeavesStateAlone) {
    RandomDraw random(123, 456);
    EXPECT_EQ(random.longDraw(0), 0);
    EXPECT_EQ(random.low(), 123u);
    EXPECT_EQ(random.high(), 456u);
    for (int i = 0; i < 500; ++i) {
        const int v = random.longDraw(97);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 97);
    }
}

TEST(RandomDraw, BoundsDividingHundredDependOnFirstStepOnly) {
    RandomDraw random(42, 0);
    for (int i = 0; i < 500; ++i) {
        RandomDraw probe = random;
        const int r1 = probe.shortStep();
        for (int n : {1, 2, 4, 5, 10, 20, 25, 50, 100}) {
            RandomDraw copy = random;
            ASSERT_EQ(copy.draw(n), (r1 % 100) % n);
        }
        random.draw(3);
    }
}

TEST(RandomDraw, SmallValuesFavouredAboveHundred) {
    RandomDraw random;
    random.seed(2024);
    int below100 = 0;
    const int runs = 200000;
    for (int i = 0; i < runs; ++i) {
        const int v = random.draw(1000);
        ASSERT_LT(v, 1000);
        if (v < 100) ++below100;
    }
    // Expected share 100 * 0.002125 = 0.2125 against 0.1 for a uniform draw.
    EXPECT_NEAR(static_cast<double>(below100) / runs, 0.2125, 0.01);
}
