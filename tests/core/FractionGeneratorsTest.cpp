// The sixteen fraction generators: what each guarantees over many seeds, the
// texts of a row, the dispatch on the window's list texts, and the draws.

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "fractions/core/FractionGenerators.h"

namespace zarvik::fractions {
namespace {

constexpr int kSeeds = 300;

// Every row of the kind over many seeds.
void forEachRow(FractionKind kind, const std::function<void(const FractionRow&)>& check) {
    for (int seed = 0; seed < kSeeds; ++seed) {
        RandomDraw random;
        random.seed(1'200'000'000 + seed * 7919);
        ExerciseTable table;
        clearTable(table);
        generateFractions(kind, random, table);
        for (const FractionRow& row : table) {
            ASSERT_TRUE(row.drawn);
            check(row);
        }
    }
}

// a/d + w compared exactly: first operand minus second, times d1*d2.
long long difference(const FractionRow& r) {
    return static_cast<long long>(r.w1 * r.d1 + r.a1) * r.d2 -
           static_cast<long long>(r.w2 * r.d2 + r.a2) * r.d1;
}

bool isMultiplePair(int d1, int d2) {
    const int small = std::min(d1, d2), large = std::max(d1, d2);
    return small >= 2 && small <= 5 && large % small == 0 && large / small >= 2 &&
           large / small <= 4;
}

const FractionKind kAllKinds[] = {
    FractionKind::SimpleAdditionEqual,
    FractionKind::SimpleAdditionDifferent,
    FractionKind::SimpleAdditionMultiple,
    FractionKind::MixedAdditionEqual,
    FractionKind::MixedAdditionDifferent,
    FractionKind::MixedAdditionMultiple,
    FractionKind::SimpleSubtractionEqual,
    FractionKind::SimpleSubtractionDifferent,
    FractionKind::SimpleSubtractionMultiple,
    FractionKind::MixedSubtractionEqual,
    FractionKind::MixedSubtractionDifferent,
    FractionKind::MixedSubtractionMultiple,
    FractionKind::SimpleMultiplication,
    FractionKind::MixedMultiplication,
    FractionKind::SimpleDivision,
    FractionKind::MixedDivision,
};

bool isMixed(FractionKind kind) {
    switch (kind) {
        case FractionKind::MixedAdditionEqual:
        case FractionKind::MixedAdditionDifferent:
        case FractionKind::MixedAdditionMultiple:
        case FractionKind::MixedSubtractionEqual:
        case FractionKind::MixedSubtractionDifferent:
        case FractionKind::MixedSubtractionMultiple:
        case FractionKind::MixedMultiplication:
        case FractionKind::MixedDivision:
            return true;
        default:
            return false;
    }
}

TEST(FractionGenerators, TextsOfEveryRowFollowTheDrawnNumbers) {
    const QString signs[] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("x"),
                             QStringLiteral("÷")};
    for (const FractionKind kind : kAllKinds) {
        const bool mixed = isMixed(kind);
        forEachRow(kind, [&](const FractionRow& row) {
            const QString sign = signs[static_cast<int>(row.operation)];
            EXPECT_EQ(row.firstNumerator, QString::number(row.a1));
            EXPECT_EQ(row.firstDenominator, QString::number(row.d1));
            EXPECT_EQ(row.secondNumerator, QString::number(row.a2));
            EXPECT_EQ(row.secondDenominator, QString::number(row.d2));
            if (!mixed) {
                EXPECT_EQ(row.w1, 0);
                EXPECT_EQ(row.w2, 0);
            }
            EXPECT_EQ(row.firstWhole, row.w1 == 0 ? QString() : QString::number(row.w1));
            EXPECT_EQ(row.operatorText,
                      row.w2 == 0 ? sign : sign + QStringLiteral(" ") + QString::number(row.w2));
            EXPECT_GE(row.a1, 1);
            EXPECT_GE(row.a2, 1);
            EXPECT_GE(row.d1, 2);
            EXPECT_GE(row.d2, 2);
        });
    }
}

TEST(FractionGenerators, AdditionRanges) {
    forEachRow(FractionKind::SimpleAdditionEqual, [](const FractionRow& r) {
        EXPECT_EQ(r.d1, r.d2);
        EXPECT_LE(r.d1, 9);
        EXPECT_LT(r.a1, r.d1);  // never d/d
        EXPECT_LT(r.a2, r.d2);
    });
    std::set<int> denominators;
    std::set<int> wholes;
    forEachRow(FractionKind::MixedAdditionEqual, [&](const FractionRow& r) {
        EXPECT_EQ(r.d1, r.d2);
        EXPECT_LE(r.d1, 11);
        EXPECT_LT(r.a1, r.d1);
        denominators.insert(r.d1);
        wholes.insert(r.w1);
        wholes.insert(r.w2);
    });
    EXPECT_EQ(denominators.size(), 10u);  // 2..11
    EXPECT_EQ(wholes, (std::set<int>{0, 1, 2, 3, 4}));
    for (const FractionKind kind :
         {FractionKind::SimpleAdditionMultiple, FractionKind::MixedAdditionMultiple}) {
        forEachRow(kind, [](const FractionRow& r) {
            EXPECT_TRUE(isMultiplePair(r.d1, r.d2)) << r.d1 << "/" << r.d2;
            EXPECT_LT(r.a1, r.d1);
            EXPECT_LT(r.a2, r.d2);
        });
    }
}

TEST(FractionGenerators, DifferentDenominatorsAreSmallOrMultiplesAndEqualInOneCaseOfEight) {
    int rows = 0, equal = 0;
    forEachRow(FractionKind::SimpleAdditionDifferent, [&](const FractionRow& r) {
        ++rows;
        const bool small = r.d1 <= 5 && r.d2 <= 5;
        EXPECT_TRUE(small || isMultiplePair(r.d1, r.d2)) << r.d1 << "/" << r.d2;
        if (r.d1 == r.d2) ++equal;
    });
    EXPECT_NEAR(static_cast<double>(equal) / rows, 1.0 / 8, 0.02);
}

TEST(FractionGenerators, SubtractionsNeverGoBelowZero) {
    forEachRow(FractionKind::SimpleSubtractionEqual, [](const FractionRow& r) {
        EXPECT_EQ(r.d1, r.d2);
        EXPECT_GE(r.d1, 3);
        EXPECT_LE(r.d1, 9);
        EXPECT_GE(r.a1, 2);
        EXPECT_LT(r.a1, r.d1);
        EXPECT_LT(r.a2, r.a1);
    });
    for (const FractionKind kind :
         {FractionKind::SimpleSubtractionDifferent, FractionKind::SimpleSubtractionMultiple}) {
        forEachRow(kind, [](const FractionRow& r) {
            EXPECT_GT(difference(r), 0) << r.a1 << "/" << r.d1 << " - " << r.a2 << "/" << r.d2;
            EXPECT_LE(r.a1, r.d1);
        });
    }
    bool sawWholeFraction = false;
    forEachRow(FractionKind::MixedSubtractionEqual, [&](const FractionRow& r) {
        EXPECT_EQ(r.d1, r.d2);
        EXPECT_LE(r.w2, r.w1);
        EXPECT_LE(r.w1, 4);
        EXPECT_LE(r.a1, r.d1);
        EXPECT_GT(difference(r), 0);
        if (r.a1 == r.d1) sawWholeFraction = true;  // such as 2 5/5 - 2 2/5
    });
    EXPECT_TRUE(sawWholeFraction);
}

TEST(FractionGenerators, MixedSubtractionFirstOperandAlwaysLarger) {
    for (const FractionKind kind :
         {FractionKind::MixedSubtractionDifferent, FractionKind::MixedSubtractionMultiple}) {
        int highest = 0;
        forEachRow(kind, [&](const FractionRow& r) {
            EXPECT_GT(difference(r), 0) << r.w1 << " " << r.a1 << "/" << r.d1 << " - " << r.w2
                                        << " " << r.a2 << "/" << r.d2;
            EXPECT_GE(r.w1, 0);
            EXPECT_LE(r.w1, 6);
            EXPECT_LE(r.w2, 4);
            EXPECT_LT(r.a1, r.d1);  // a whole fraction is carried into w1
            highest = std::max(highest, r.w1);
        });
        EXPECT_GE(highest, 5);
    }
}

TEST(FractionGenerators, MultiplicationAndDivisionRanges) {
    for (const FractionKind kind :
         {FractionKind::SimpleMultiplication, FractionKind::MixedMultiplication,
          FractionKind::SimpleDivision, FractionKind::MixedDivision}) {
        std::set<int> denominators;
        forEachRow(kind, [&](const FractionRow& r) {
            EXPECT_LE(r.d1, 6);
            EXPECT_LE(r.d2, 6);
            EXPECT_LT(r.a1, r.d1);
            EXPECT_LT(r.a2, r.d2);
            EXPECT_LE(r.w1, 4);
            EXPECT_LE(r.w2, 4);
            denominators.insert(r.d1);
            denominators.insert(r.d2);
        });
        EXPECT_EQ(denominators, (std::set<int>{2, 3, 4, 5, 6}));
    }
}

TEST(FractionGenerators, SameSeedSamePageAndFixedDrawCounts) {
    for (const FractionKind kind : kAllKinds) {
        RandomDraw first, second;
        first.seed(1234567);
        second.seed(1234567);
        ExerciseTable a, b;
        clearTable(a);
        clearTable(b);
        generateFractions(kind, first, a);
        generateFractions(kind, second, b);
        for (int i = 0; i < kRowCount; ++i) {
            EXPECT_EQ(a[i].firstNumerator, b[i].firstNumerator);
            EXPECT_EQ(a[i].operatorText, b[i].operatorText);
            EXPECT_EQ(a[i].secondDenominator, b[i].secondDenominator);
        }
        EXPECT_EQ(first.low(), second.low());
    }
    // Kinds without retries take a fixed number of draws per row.
    const std::pair<FractionKind, int> drawsPerRow[] = {
        {FractionKind::SimpleAdditionEqual, 3},    {FractionKind::MixedAdditionEqual, 5},
        {FractionKind::SimpleSubtractionEqual, 3}, {FractionKind::SimpleMultiplication, 4},
        {FractionKind::MixedDivision, 6},
    };
    for (const auto& [kind, draws] : drawsPerRow) {
        RandomDraw generated, counted;
        generated.seed(99);
        counted.seed(99);
        ExerciseTable table;
        generateFractions(kind, generated, table);
        for (int i = 0; i < kRowCount * draws; ++i)
            counted.draw(1);
        EXPECT_EQ(generated.low(), counted.low()) << static_cast<int>(kind);
    }
}

TEST(FractionGenerators, FirstRowsFollowTheDrawOrder) {
    // Simple addition, equal denominators: d, then a1, then a2.
    RandomDraw random, replay;
    random.seed(42);
    replay.seed(42);
    ExerciseTable table;
    generateFractions(FractionKind::SimpleAdditionEqual, random, table);
    const int d = replay.draw(8) + 2;
    const int a1 = replay.draw(d - 1) + 1;
    const int a2 = replay.draw(d - 1) + 1;
    EXPECT_EQ(table[0].d1, d);
    EXPECT_EQ(table[0].a1, a1);
    EXPECT_EQ(table[0].a2, a2);

    // Mixed addition, different denominators: the whole parts come first.
    random.seed(7);
    replay.seed(7);
    generateFractions(FractionKind::MixedAdditionDifferent, random, table);
    const int w1 = replay.draw(5);
    const int w2 = replay.draw(5);
    const int t = replay.draw(2);
    int d1, d2;
    if (t == 0) {
        d1 = replay.draw(4) + 2;
        d2 = replay.draw(4) + 2;
    } else if (replay.draw(2) != 0) {
        d1 = replay.draw(4) + 2;
        d2 = d1 * (replay.draw(3) + 2);
    } else {
        d2 = replay.draw(4) + 2;
        d1 = d2 * (replay.draw(3) + 2);
    }
    EXPECT_EQ(table[0].w1, w1);
    EXPECT_EQ(table[0].w2, w2);
    EXPECT_EQ(table[0].d1, d1);
    EXPECT_EQ(table[0].d2, d2);
    EXPECT_EQ(table[0].a1, replay.draw(d1 - 1) + 1);
    EXPECT_EQ(table[0].a2, replay.draw(d2 - 1) + 1);
}

TEST(FractionGenerators, DispatchComparesTheListTextsExactly) {
    EXPECT_EQ(fractionKindFor(QStringLiteral("Toplama"), QStringLiteral("Basit Kesir"),
                              QStringLiteral("Paydaları Eşit")),
              FractionKind::SimpleAdditionEqual);
    EXPECT_EQ(fractionKindFor(QStringLiteral("Çıkarma"), QStringLiteral("Tam Sayılı Kesir"),
                              QStringLiteral("Paydaları Birbirinin Katı")),
              FractionKind::MixedSubtractionMultiple);
    // Multiplication and division ignore the relation list.
    EXPECT_EQ(fractionKindFor(QStringLiteral("Bölme"), QStringLiteral("Tam Sayılı Kesir"),
                              QStringLiteral("Paydaları Eşit")),
              FractionKind::MixedDivision);
    EXPECT_EQ(fractionKindFor(QStringLiteral("Çarpma"), QStringLiteral("Basit Kesir"), {}),
              FractionKind::SimpleMultiplication);
    // No match, no generator.
    EXPECT_FALSE(fractionKindFor(QStringLiteral("Toplama"), QStringLiteral("Basit Kesir"), {}));
    EXPECT_FALSE(fractionKindFor(QStringLiteral("toplama"), QStringLiteral("Basit Kesir"),
                                 QStringLiteral("Paydaları Eşit")));
    EXPECT_FALSE(fractionKindFor(QStringLiteral("Çarpma"), QStringLiteral("Basit Kesir "), {}));
    EXPECT_FALSE(fractionKindFor({}, {}, {}));
}

}  // namespace
}  // namespace zarvik::fractions
