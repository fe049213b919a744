#pragma once
// The exercises of a fraction worksheet as values, with the answers for the
// teacher's key worked out from the numbers of each row as drawn.

#include <QStringList>

#include "common/core/Exercise.h"
#include "fractions/core/FractionGenerators.h"

namespace zarvik::fractions {

// One exercise per drawn row, numbered by its row: "2 1/4 - 1 3/8" answered
// "7/8", in lowest terms and as a mixed number when above 1.
ExerciseList fractionExercises(const ExerciseTable& table);

// "3) 2 1/4 - 1 3/8 = 7/8": one line per drawn row.
QStringList fractionAnswers(const ExerciseTable& table);

}  // namespace zarvik::fractions
