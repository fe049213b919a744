#pragma once
// The sixteen fraction exercise generators and the 26-row exercise table they
// fill. Each row is one operation on two fractions or mixed numbers, kept both
// as the texts the page prints and as the numbers drawn (for answer keys).

#include <QString>
#include <array>
#include <optional>

#include "common/core/RandomDraw.h"

namespace zarvik::fractions {

inline constexpr int kRowCount = 26;

enum class Operation { Addition, Subtraction, Multiplication, Division };

struct FractionRow {
    // As printed: the six boxes of one exercise.
    QString firstNumerator;
    QString firstDenominator;
    QString firstWhole;    // "" when the whole part is 0 or the kind has none
    QString operatorText;  // the sign, then " " and the second whole part if any
    QString secondNumerator;
    QString secondDenominator;

    // As drawn: w1 a1/d1 (op) w2 a2/d2; whole parts are 0 for simple fractions.
    bool drawn = false;
    Operation operation = Operation::Addition;
    int w1 = 0;
    int a1 = 0;
    int d1 = 0;
    int w2 = 0;
    int a2 = 0;
    int d2 = 0;
};

using ExerciseTable = std::array<FractionRow, kRowCount>;

// Every text of every row empty, nothing drawn.
void clearTable(ExerciseTable& table);

enum class FractionKind {
    SimpleAdditionEqual,
    SimpleAdditionDifferent,
    SimpleAdditionMultiple,
    MixedAdditionEqual,
    MixedAdditionDifferent,
    MixedAdditionMultiple,
    SimpleSubtractionEqual,
    SimpleSubtractionDifferent,
    SimpleSubtractionMultiple,
    MixedSubtractionEqual,
    MixedSubtractionDifferent,
    MixedSubtractionMultiple,
    SimpleMultiplication,
    MixedMultiplication,
    SimpleDivision,
    MixedDivision,
};

// The window's list texts.
inline constexpr const char16_t* kOperationTexts[] = {u"Toplama", u"Çıkarma", u"Çarpma", u"Bölme"};
inline constexpr const char16_t* kTypeTexts[] = {u"Basit Kesir", u"Tam Sayılı Kesir"};
inline constexpr const char16_t* kRelationTexts[] = {u"Paydaları Eşit", u"Paydaları Farklı",
                                                     u"Paydaları Birbirinin Katı"};

// The generator the three list texts select, compared exactly; the relation
// counts only for addition and subtraction. No match: no generator.
std::optional<FractionKind> fractionKindFor(const QString& operation, const QString& type,
                                            const QString& relation);

// Fills all 26 rows (numerators, denominators, operator texts and, for the
// mixed kinds, the first whole part), drawing in the kind's fixed order.
void generateFractions(FractionKind kind, RandomDraw& random, ExerciseTable& table);

}  // namespace zarvik::fractions
