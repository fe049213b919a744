#include "column_worksheets/core/ColumnAnswers.h"

#include <algorithm>

namespace zarvik {

namespace {

QString columnSign(ColumnOperation operation) {
    switch (operation) {
        case ColumnOperation::Addition:
            return QStringLiteral("+");
        case ColumnOperation::Subtraction:
            return QStringLiteral("-");
        case ColumnOperation::Multiplication:
            return QStringLiteral("x");
        case ColumnOperation::Division:
            return QStringLiteral("÷");
    }
    return {};
}

}  // namespace

ExerciseList columnExercises(const std::vector<ColumnProblem>& problems, qsizetype most) {
    const size_t count =
        most < 0 ? problems.size() : std::min(problems.size(), static_cast<size_t>(most));
    ExerciseList exercises;
    exercises.reserve(count);
    int number = 0;
    for (size_t i = 0; i < count; ++i) {
        const ColumnProblem& p = problems[i];
        Exercise e;
        e.number = ++number;
        const QString sign = columnSign(p.operation);
        e.text = QString::number(p.first) + u' ' + sign + u' ' + QString::number(p.second);
        switch (p.operation) {
            case ColumnOperation::Addition:
                e.answer = QString::number(p.first + p.second);
                break;
            case ColumnOperation::Subtraction:
                e.answer = QString::number(p.first - p.second);
                break;
            case ColumnOperation::Multiplication:
                e.answer = QString::number(p.first * p.second);
                break;
            case ColumnOperation::Division:
                e.answer = QString::number(p.first / p.second);
                if (p.first % p.second)
                    e.answer += QStringLiteral(", kalan %1").arg(p.first % p.second);
                break;
        }
        e.key = e.text + QStringLiteral(" = ") + e.answer;
        if (p.operation == ColumnOperation::Division) {
            e.shape = ExerciseShape::LongDivision;
            e.values = {{QStringLiteral("dividend"), p.first},
                        {QStringLiteral("divisor"), p.second},
                        {QStringLiteral("quotient"), p.first / p.second},
                        {QStringLiteral("remainder"), p.first % p.second}};
        } else {
            e.shape = ExerciseShape::Column;
            e.values = {{QStringLiteral("first"), p.first},
                        {QStringLiteral("operator"), sign},
                        {QStringLiteral("second"), p.second}};
        }
        exercises.push_back(std::move(e));
    }
    return exercises;
}

QStringList columnAnswers(const std::vector<ColumnProblem>& problems) {
    return keyLines(columnExercises(problems));
}

}  // namespace zarvik
