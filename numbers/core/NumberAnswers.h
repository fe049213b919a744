#pragma once
// Answers of a number worksheet for the teacher's key, worked out from the
// numbers each exercise was drawn from.

#include <QStringList>

#include "numbers/core/NumberGenerators.h"

namespace zarvik {

// One line per exercise on the page: "7) 4752   (yüzler): 4800". With one
// column only exercises 1..24 are on the page.
QStringList numberAnswers(const NumberSheet& sheet, bool oneColumn);

}  // namespace zarvik
