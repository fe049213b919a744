#pragma once
// Answers of a column worksheet for the teacher's key, worked out from the
// numbers of each problem as drawn.

#include <QStringList>
#include <vector>

#include "column_worksheets/core/ColumnSheet.h"

namespace zarvik {

// "7) 45 + 23 = 68", "3) 89 ÷ 9 = 9, kalan 8": one line per problem.
QStringList columnAnswers(const std::vector<ColumnProblem>& problems);

}  // namespace zarvik
