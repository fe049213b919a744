#pragma once
// Answers of a fraction worksheet for the teacher's key, worked out from the
// numbers of each row as drawn.

#include <QStringList>

#include "fractions/core/FractionGenerators.h"

namespace zarvik::fractions {

// "3) 2 1/4 - 1 3/8 = 7/8": one line per drawn row, the result in lowest
// terms and as a mixed number when above 1.
QStringList fractionAnswers(const ExerciseTable& table);

}  // namespace zarvik::fractions
