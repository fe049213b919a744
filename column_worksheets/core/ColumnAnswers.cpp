#include "column_worksheets/core/ColumnAnswers.h"

namespace zarvik {

QStringList columnAnswers(const std::vector<ColumnProblem>& problems) {
    QStringList lines;
    int number = 0;
    for (const ColumnProblem& p : problems) {
        QString sign, answer;
        switch (p.operation) {
            case ColumnOperation::Addition:
                sign = QStringLiteral("+");
                answer = QString::number(p.first + p.second);
                break;
            case ColumnOperation::Subtraction:
                sign = QStringLiteral("-");
                answer = QString::number(p.first - p.second);
                break;
            case ColumnOperation::Multiplication:
                sign = QStringLiteral("x");
                answer = QString::number(p.first * p.second);
                break;
            case ColumnOperation::Division:
                sign = QStringLiteral("÷");
                answer = QString::number(p.first / p.second);
                if (p.first % p.second)
                    answer += QStringLiteral(", kalan %1").arg(p.first % p.second);
                break;
        }
        lines << QStringLiteral("%1) %2 %3 %4 = %5")
                     .arg(++number)
                     .arg(p.first)
                     .arg(sign)
                     .arg(p.second)
                     .arg(answer);
    }
    return lines;
}

}  // namespace zarvik
