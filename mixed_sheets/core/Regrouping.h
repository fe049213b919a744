#pragma once
// Whether an exercise's written method carries ("elde") or borrows ("onluk
// bozma"), read from the exercise itself, so that any family's addition,
// subtraction or multiplication can be filtered for it: stacked problems
// from their numbers, lines such as "45+713=" or "3,25-1,5=" from their text.

#include "common/core/Exercise.h"

namespace zarvik {

enum class Regrouping {
    NotArithmetic,  // not an addition, subtraction or multiplication of numbers
    None,
    Regroups,
};

// Addition (of two or more numbers) carries when a column's digits and the
// carry make 10 or more; subtraction borrows when a column's upper digit,
// less what was borrowed, is below the lower one; multiplication carries
// when a digit product and the carry make 10 or more (the addition of the
// partial products is not counted). Decimal numbers are lined up at their
// commas first.
Regrouping regroupingOf(const Exercise& exercise);

}  // namespace zarvik
