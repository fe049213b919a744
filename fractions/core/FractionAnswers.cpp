#include "fractions/core/FractionAnswers.h"

#include "common/core/AnswerFormat.h"

namespace zarvik::fractions {

namespace {

QString operand(int whole, int numerator, int denominator) {
    const QString fraction = QStringLiteral("%1/%2").arg(numerator).arg(denominator);
    return whole ? QStringLiteral("%1 %2").arg(whole).arg(fraction) : fraction;
}

}  // namespace

ExerciseList fractionExercises(const ExerciseTable& table) {
    ExerciseList exercises;
    int number = 0;
    for (const FractionRow& row : table) {
        ++number;
        if (!row.drawn) continue;
        // Both operands as improper fractions n / d.
        const int64_t n1 = int64_t{row.w1} * row.d1 + row.a1, d1 = row.d1;
        const int64_t n2 = int64_t{row.w2} * row.d2 + row.a2, d2 = row.d2;
        int64_t numerator = 0, denominator = d1 * d2;
        QString sign;
        switch (row.operation) {
            case Operation::Addition:
                numerator = n1 * d2 + n2 * d1;
                sign = QStringLiteral("+");
                break;
            case Operation::Subtraction:
                numerator = n1 * d2 - n2 * d1;
                sign = QStringLiteral("-");
                break;
            case Operation::Multiplication:
                numerator = n1 * n2;
                sign = QStringLiteral("x");
                break;
            case Operation::Division:
                numerator = n1 * d2;
                denominator = d1 * n2;
                sign = QStringLiteral("÷");
                break;
        }
        Exercise e;
        e.number = number;
        e.text = operand(row.w1, row.a1, row.d1) + u' ' + sign + u' ' +
                 operand(row.w2, row.a2, row.d2);
        e.answer = answers::formatFraction(numerator, denominator);
        e.key = e.text + QStringLiteral(" = ") + e.answer;
        e.shape = ExerciseShape::Fractions;
        e.values = {{QStringLiteral("operator"), sign},
                    {QStringLiteral("whole1"), int64_t{row.w1}},
                    {QStringLiteral("numerator1"), int64_t{row.a1}},
                    {QStringLiteral("denominator1"), int64_t{row.d1}},
                    {QStringLiteral("whole2"), int64_t{row.w2}},
                    {QStringLiteral("numerator2"), int64_t{row.a2}},
                    {QStringLiteral("denominator2"), int64_t{row.d2}}};
        exercises.push_back(std::move(e));
    }
    return exercises;
}

QStringList fractionAnswers(const ExerciseTable& table) {
    return keyLines(fractionExercises(table));
}

}  // namespace zarvik::fractions
