#include "numbers/core/NumberAnswers.h"

#include <algorithm>

#include "common/core/AnswerFormat.h"

namespace zarvik {

namespace {

QString joined(const std::vector<int32_t>& numbers) {
    QStringList texts;
    for (const int32_t n : numbers)
        texts << QString::number(n);
    return texts.join(QStringLiteral(", "));
}

QString answerOf(const NumberSheet& sheet, const NumberExercise& exercise) {
    const std::vector<int32_t>& n = exercise.numbers;
    switch (sheet.kind) {
        case NumberKind::Reading:
            return answers::numberWords(static_cast<uint64_t>(n[0]));
        case NumberKind::Writing:
            return QString::number(n[0]);
        case NumberKind::Comparing: {
            const QChar sign = n[0] < n[1] ? u'<' : n[0] > n[1] ? u'>' : u'=';
            return QString::number(n[0]) + u' ' + sign + u' ' + QString::number(n[1]);
        }
        case NumberKind::Ordering: {
            std::vector<int32_t> sorted = n;
            std::sort(sorted.begin(), sorted.end());
            if (sheet.titleChoice) std::reverse(sorted.begin(), sorted.end());
            return joined(sorted);
        }
        case NumberKind::OddEven: {
            std::vector<int32_t> marked;
            const int wanted = sheet.titleChoice ? 1 : 0;  // odd ones or even ones
            for (const int32_t v : n)
                if (v % 2 == wanted) marked.push_back(v);
            return marked.empty() ? QStringLiteral("(hiçbiri)") : joined(marked);
        }
        case NumberKind::Rounding: {
            int64_t unit = 1;
            for (int i = 0; i < exercise.place; ++i)
                unit *= 10;
            // Half a unit or more rounds up, as pupils learn it.
            return QString::number((int64_t{n[0]} + unit / 2) / unit * unit);
        }
    }
    return {};
}

ExerciseValues valuesOf(const NumberSheet& sheet, const NumberExercise& exercise) {
    const std::vector<int32_t>& n = exercise.numbers;
    const std::vector<int64_t> all(n.begin(), n.end());
    switch (sheet.kind) {
        case NumberKind::Reading:
        case NumberKind::Writing:
            return {{QStringLiteral("number"), int64_t{n[0]}}};
        case NumberKind::Comparing:
            return {{QStringLiteral("first"), int64_t{n[0]}},
                    {QStringLiteral("second"), int64_t{n[1]}}};
        case NumberKind::Ordering:
            return {{QStringLiteral("numbers"), all},
                    {QStringLiteral("descending"), sheet.titleChoice}};
        case NumberKind::OddEven:
            return {{QStringLiteral("numbers"), all}, {QStringLiteral("odd"), sheet.titleChoice}};
        case NumberKind::Rounding:
            return {{QStringLiteral("number"), int64_t{n[0]}},
                    {QStringLiteral("place"), int64_t{exercise.place}}};
    }
    return {};
}

}  // namespace

ExerciseList numberExercises(const NumberSheet& sheet, bool oneColumn) {
    ExerciseList exercises;
    const int count = oneColumn ? kNumberRows : kNumberExercises;
    exercises.reserve(static_cast<size_t>(count));
    for (int p = 1; p <= count; ++p) {
        const NumberExercise& exercise = sheet.exercises[size_t(p - 1)];
        Exercise e;
        e.number = p;
        e.text = exercise.text.simplified();
        e.answer = answerOf(sheet, exercise);
        e.key = e.text + QStringLiteral(": ") + e.answer;
        e.values = valuesOf(sheet, exercise);
        exercises.push_back(std::move(e));
    }
    return exercises;
}

QStringList numberAnswers(const NumberSheet& sheet, bool oneColumn) {
    return keyLines(numberExercises(sheet, oneColumn));
}

}  // namespace zarvik
