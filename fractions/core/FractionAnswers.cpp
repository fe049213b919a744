#include "fractions/core/FractionAnswers.h"

#include "common/core/AnswerFormat.h"

namespace zarvik::fractions {

namespace {

QString operand(int whole, int numerator, int denominator) {
    const QString fraction = QStringLiteral("%1/%2").arg(numerator).arg(denominator);
    return whole ? QStringLiteral("%1 %2").arg(whole).arg(fraction) : fraction;
}

}  // namespace

QStringList fractionAnswers(const ExerciseTable& table) {
    QStringList lines;
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
        lines << QStringLiteral("%1) %2 %3 %4 = %5")
                     .arg(number)
                     .arg(operand(row.w1, row.a1, row.d1), sign, operand(row.w2, row.a2, row.d2),
                          answers::formatFraction(numerator, denominator));
    }
    return lines;
}

}  // namespace zarvik::fractions
