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

}  // namespace

QStringList numberAnswers(const NumberSheet& sheet, bool oneColumn) {
    QStringList lines;
    const int count = oneColumn ? kNumberRows : kNumberExercises;
    for (int p = 1; p <= count; ++p) {
        const NumberExercise& exercise = sheet.exercises[size_t(p - 1)];
        lines << QStringLiteral("%1) %2: %3")
                     .arg(p)
                     .arg(exercise.text.simplified(), answerOf(sheet, exercise));
    }
    return lines;
}

}  // namespace zarvik
