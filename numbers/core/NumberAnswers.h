#pragma once
// Answers of a number worksheet for the teacher's key, worked out from the
// numbers each exercise was drawn from.

#include <QStringList>

#include "common/core/Exercise.h"
#include "numbers/core/NumberGenerators.h"

namespace zarvik {

// One exercise per exercise on the page, its text as the generator wrote it
// with its spaces simplified: "4752 (yüzler)" answered "4800". With one
// column only exercises 1..24 are on the page.
ExerciseList numberExercises(const NumberSheet& sheet, bool oneColumn);

// One line per exercise on the page: "7) 4752   (yüzler): 4800". With one
// column only exercises 1..24 are on the page.
QStringList numberAnswers(const NumberSheet& sheet, bool oneColumn);

}  // namespace zarvik
