#include "common/core/Exercise.h"

#include "common/core/Json.h"

namespace zarvik {

namespace {

QString numbersJson(const std::vector<int64_t>& numbers) {
    QString out = QStringLiteral("[");
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i) out += u',';
        out += QString::number(numbers[i]);
    }
    return out + u']';
}

QString valueJson(const ExerciseValue& value) {
    struct Writer {
        QString operator()(int64_t n) const { return QString::number(n); }
        QString operator()(const QString& text) const { return jsonString(text); }
        QString operator()(const std::vector<int64_t>& numbers) const {
            return numbersJson(numbers);
        }
        QString operator()(bool yes) const {
            return yes ? QStringLiteral("true") : QStringLiteral("false");
        }
    };
    return std::visit(Writer{}, value.value);
}

}  // namespace

QString shapeName(ExerciseShape shape) {
    switch (shape) {
        case ExerciseShape::Line:
            return QStringLiteral("line");
        case ExerciseShape::Column:
            return QStringLiteral("column");
        case ExerciseShape::LongDivision:
            return QStringLiteral("division");
        case ExerciseShape::Fractions:
            return QStringLiteral("fractions");
        case ExerciseShape::Clock:
            return QStringLiteral("clock");
        case ExerciseShape::Sequence:
            return QStringLiteral("sequence");
        case ExerciseShape::FractionModel:
            return QStringLiteral("fraction-model");
        case ExerciseShape::NumberLine:
            return QStringLiteral("number-line");
        case ExerciseShape::Tally:
            return QStringLiteral("tally");
        case ExerciseShape::Graph:
            return QStringLiteral("graph");
        case ExerciseShape::Grid:
            return QStringLiteral("grid");
        case ExerciseShape::Ruler:
            return QStringLiteral("ruler");
        case ExerciseShape::Shapes:
            return QStringLiteral("shapes");
        case ExerciseShape::Money:
            return QStringLiteral("money");
        case ExerciseShape::Problem:
            return QStringLiteral("problem");
    }
    return {};
}

const ExerciseValue* Exercise::value(QStringView name) const {
    for (const ExerciseValue& v : values)
        if (v.name == name) return &v;
    return nullptr;
}

int64_t Exercise::numberValue(QStringView name, int64_t fallback) const {
    const ExerciseValue* v = value(name);
    if (!v) return fallback;
    if (const auto* n = std::get_if<int64_t>(&v->value)) return *n;
    return fallback;
}

QStringList keyLines(const ExerciseList& exercises) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(exercises.size()));
    for (const Exercise& exercise : exercises)
        lines << QString::number(exercise.number) + QStringLiteral(") ") + exercise.key;
    return lines;
}

QString exercisesJson(const ExerciseList& exercises) {
    QString out = QStringLiteral("[");
    for (size_t i = 0; i < exercises.size(); ++i) {
        const Exercise& e = exercises[i];
        if (i) out += u',';
        out += QStringLiteral("{\"number\":") + QString::number(e.number) +
               QStringLiteral(",\"text\":") + jsonString(e.text) +
               QStringLiteral(",\"answer\":") + jsonString(e.answer) +
               QStringLiteral(",\"shape\":") + jsonString(shapeName(e.shape)) +
               QStringLiteral(",\"values\":{");
        for (size_t v = 0; v < e.values.size(); ++v) {
            if (v) out += u',';
            out += jsonString(e.values[v].name) + u':' + valueJson(e.values[v]);
        }
        out += QStringLiteral("}}");
    }
    return out + u']';
}

}  // namespace zarvik
