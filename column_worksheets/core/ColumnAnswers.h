#pragma once
// The exercises of a column worksheet as values, with the answers for the
// teacher's key worked out from the numbers of each problem as drawn.

#include <QStringList>
#include <vector>

#include "column_worksheets/core/ColumnSheet.h"
#include "common/core/Exercise.h"

namespace zarvik {

// One exercise per problem, in slot order: "45 + 23" answered "68", a
// stacked problem; "89 ÷ 9" answered "9, kalan 8", a long-division frame.
// Only the first `most` problems when most >= 0.
ExerciseList columnExercises(const std::vector<ColumnProblem>& problems, qsizetype most = -1);

// "7) 45 + 23 = 68", "3) 89 ÷ 9 = 9, kalan 8": one line per problem.
QStringList columnAnswers(const std::vector<ColumnProblem>& problems);

}  // namespace zarvik
