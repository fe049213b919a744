#include "fractions/core/FractionGenerators.h"

namespace zarvik::fractions {

namespace {

enum class Relation { Equal, Different, Multiple, None };

struct KindEntry {
    FractionKind kind;
    Operation operation;
    bool mixed;
    Relation relation;
};

constexpr KindEntry kKinds[] = {
    {FractionKind::SimpleAdditionEqual, Operation::Addition, false, Relation::Equal},
    {FractionKind::SimpleAdditionDifferent, Operation::Addition, false, Relation::Different},
    {FractionKind::SimpleAdditionMultiple, Operation::Addition, false, Relation::Multiple},
    {FractionKind::MixedAdditionEqual, Operation::Addition, true, Relation::Equal},
    {FractionKind::MixedAdditionDifferent, Operation::Addition, true, Relation::Different},
    {FractionKind::MixedAdditionMultiple, Operation::Addition, true, Relation::Multiple},
    {FractionKind::SimpleSubtractionEqual, Operation::Subtraction, false, Relation::Equal},
    {FractionKind::SimpleSubtractionDifferent, Operation::Subtraction, false, Relation::Different},
    {FractionKind::SimpleSubtractionMultiple, Operation::Subtraction, false, Relation::Multiple},
    {FractionKind::MixedSubtractionEqual, Operation::Subtraction, true, Relation::Equal},
    {FractionKind::MixedSubtractionDifferent, Operation::Subtraction, true, Relation::Different},
    {FractionKind::MixedSubtractionMultiple, Operation::Subtraction, true, Relation::Multiple},
    {FractionKind::SimpleMultiplication, Operation::Multiplication, false, Relation::None},
    {FractionKind::MixedMultiplication, Operation::Multiplication, true, Relation::None},
    {FractionKind::SimpleDivision, Operation::Division, false, Relation::None},
    {FractionKind::MixedDivision, Operation::Division, true, Relation::None},
};

const KindEntry& entryFor(FractionKind kind) {
    return kKinds[static_cast<int>(kind)];
}

QString signOf(Operation operation) {
    switch (operation) {
        case Operation::Addition:
            return QStringLiteral("+");
        case Operation::Subtraction:
            return QStringLiteral("-");
        case Operation::Multiplication:
            return QStringLiteral("x");
        case Operation::Division:
            return QStringLiteral("÷");
    }
    return {};
}

struct Drawn {
    int w1 = 0, a1 = 0, d1 = 0, w2 = 0, a2 = 0, d2 = 0;
};

class Draws {
  public:
    explicit Draws(RandomDraw& random) : random_(random) {}
    int operator()(int n) { return random_.draw(n); }

    // One denominator 2..5, the other 2, 3 or 4 times it; u picks which.
    void multipleDenominators(Drawn& v) {
        const int u = (*this)(2);
        if (u != 0) {
            v.d1 = (*this)(4) + 2;
            v.d2 = v.d1 * ((*this)(3) + 2);
        } else {
            v.d2 = (*this)(4) + 2;
            v.d1 = v.d2 * ((*this)(3) + 2);
        }
    }

    // Half the time two independent denominators 2..5, else multiples.
    void differentDenominators(Drawn& v) {
        const int t = (*this)(2);
        if (t == 0) {
            v.d1 = (*this)(4) + 2;
            v.d2 = (*this)(4) + 2;
        } else {
            multipleDenominators(v);
        }
    }

    void denominators(Relation relation, Drawn& v) {
        if (relation == Relation::Different)
            differentDenominators(v);
        else
            multipleDenominators(v);
    }

    // Simple subtraction: the first fraction is made larger than the second
    // (it may reach d1/d1).
    void simpleSubtractionNumerators(Drawn& v) {
        v.a2 = (*this)(v.d2 - 1) + 1;
        v.a1 = (*this)(5) + (v.d1 * v.a2) / v.d2 + 1;
        if (v.a1 > v.d1) v.a1 = v.d1;
    }

    // Mixed subtraction with w1 >= w2: numerators, then whole parts raised
    // until the first operand is the larger.
    void mixedSubtractionNumerators(Drawn& v) {
        if (v.w1 == v.w2) {
            v.a1 = (*this)(v.d1 - 1) + 2;
            v.a2 = (*this)((v.a1 * v.d2) / v.d1 + 1) + 1;
        } else {
            v.a1 = (*this)(v.d1 - 1) + 2;
            v.a2 = (*this)(((v.w1 * v.d1 + v.a1) * v.d2) / v.d1 - v.w2 * v.d2 + 1) + 1;
            if (v.a2 > v.d2) v.a2 = (*this)(v.d2 - 1) + 1;
        }
        if (v.a1 >= v.d1) {
            v.a1 = (*this)(v.d1 - 1) + 1;
            v.w1 += 1;
        }
        if ((v.w1 * v.d1 + v.a1) * v.d2 <= (v.w2 * v.d2 + v.a2) * v.d1) v.w1 += 1;
    }

  private:
    RandomDraw& random_;
};

// The draws of one exercise, in the kind's order.
Drawn drawExercise(const KindEntry& entry, Draws& rd) {
    Drawn v;
    switch (entry.kind) {
        case FractionKind::SimpleAdditionEqual: {
            const int d = rd(8) + 2;
            v.a1 = rd(d - 1) + 1;
            v.a2 = rd(d - 1) + 1;
            v.d1 = v.d2 = d;
            break;
        }
        case FractionKind::SimpleAdditionDifferent:
        case FractionKind::SimpleAdditionMultiple:
            rd.denominators(entry.relation, v);
            v.a1 = rd(v.d1 - 1) + 1;
            v.a2 = rd(v.d2 - 1) + 1;
            break;
        case FractionKind::MixedAdditionEqual: {
            const int d = rd(10) + 2;
            v.a1 = rd(d - 1) + 1;
            v.a2 = rd(d - 1) + 1;
            v.w1 = rd(5);
            v.w2 = rd(5);
            v.d1 = v.d2 = d;
            break;
        }
        case FractionKind::MixedAdditionDifferent:
        case FractionKind::MixedAdditionMultiple:
            v.w1 = rd(5);
            v.w2 = rd(5);
            rd.denominators(entry.relation, v);
            v.a1 = rd(v.d1 - 1) + 1;
            v.a2 = rd(v.d2 - 1) + 1;
            break;
        case FractionKind::SimpleSubtractionEqual: {
            const int d = rd(7) + 3;
            v.a1 = rd(d - 2) + 2;
            v.a2 = rd(v.a1 - 1) + 1;
            v.d1 = v.d2 = d;
            break;
        }
        case FractionKind::SimpleSubtractionDifferent:
        case FractionKind::SimpleSubtractionMultiple:
            rd.denominators(entry.relation, v);
            rd.simpleSubtractionNumerators(v);
            break;
        case FractionKind::MixedSubtractionEqual: {
            v.w1 = rd(5);
            v.w2 = rd(v.w1 + 1);
            const int d = rd(8) + 2;
            v.d1 = v.d2 = d;
            if (v.w1 == v.w2) {
                v.a1 = rd(d - 1) + 2;
                v.a2 = rd(v.a1 - 1) + 1;
            } else {
                v.a1 = rd(d - 1) + 2;
                v.a2 = rd(d * (v.w1 - v.w2)) + 1;
                if (v.a2 > d) v.a2 = rd(v.a1 - 1) + 1;
            }
            break;
        }
        case FractionKind::MixedSubtractionDifferent:
        case FractionKind::MixedSubtractionMultiple:
            v.w1 = rd(5);
            v.w2 = rd(v.w1 + 1);
            rd.denominators(entry.relation, v);
            rd.mixedSubtractionNumerators(v);
            break;
        case FractionKind::SimpleMultiplication:
        case FractionKind::SimpleDivision: {
            const int k = rd(5);
            v.d1 = k + 2;
            v.d2 = rd(5) + 2;
            v.a1 = rd(v.d1 - 1) + 1;
            v.a2 = rd(v.d2 - 1) + 1;
            break;
        }
        case FractionKind::MixedMultiplication:
        case FractionKind::MixedDivision:
            v.w1 = rd(5);
            v.w2 = rd(5);
            v.d1 = rd(5) + 2;
            v.d2 = rd(5) + 2;
            v.a1 = rd(v.d1 - 1) + 1;
            v.a2 = rd(v.d2 - 1) + 1;
            break;
    }
    return v;
}

void writeRow(FractionRow& row, const KindEntry& entry, const Drawn& v) {
    const QString sign = signOf(entry.operation);
    row.firstNumerator = QString::number(v.a1);
    row.firstDenominator = QString::number(v.d1);
    row.secondNumerator = QString::number(v.a2);
    row.secondDenominator = QString::number(v.d2);
    if (entry.mixed) {
        row.firstWhole = v.w1 == 0 ? QString() : QString::number(v.w1);
        row.operatorText = v.w2 == 0 ? sign : sign + u' ' + QString::number(v.w2);
    } else {
        row.operatorText = sign;
    }
    row.drawn = true;
    row.operation = entry.operation;
    row.w1 = v.w1;
    row.a1 = v.a1;
    row.d1 = v.d1;
    row.w2 = v.w2;
    row.a2 = v.a2;
    row.d2 = v.d2;
}

}  // namespace

void clearTable(ExerciseTable& table) {
    table.fill(FractionRow{});
}

std::optional<FractionKind> fractionKindFor(const QString& operation, const QString& type,
                                            const QString& relation) {
    for (const KindEntry& entry : kKinds) {
        const int op = static_cast<int>(entry.operation);
        if (operation != QStringView(kOperationTexts[op])) continue;
        if (type != QStringView(kTypeTexts[entry.mixed ? 1 : 0])) continue;
        if (entry.relation != Relation::None &&
            relation != QStringView(kRelationTexts[static_cast<int>(entry.relation)]))
            continue;
        return entry.kind;
    }
    return std::nullopt;
}

void generateFractions(FractionKind kind, RandomDraw& random, ExerciseTable& table) {
    const KindEntry& entry = entryFor(kind);
    Draws rd(random);
    for (FractionRow& row : table)
        writeRow(row, entry, drawExercise(entry, rd));
}

}  // namespace zarvik::fractions
