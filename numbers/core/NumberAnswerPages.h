#pragma once
// Number sheets whose answers the pupil writes: "Sayı Okuma" (the number in
// words), "Sayı Yazma" (in digits), "Sıralama" (the five numbers in order)
// and "Sayı Yuvarlama" (the rounded number). A pupil writes about 4 mm a
// character on lines 8 mm apart, so every exercise gets writing lines long
// enough for the longest answer of its kind at its digit count (or of the
// sheet, when one of its answers is longer still): one beside the exercise
// where its row leaves that room, else as many as it takes under it. The
// exercises keep their texts and order and run over as many pages as they
// need, each with the pupil header, the title, "2/3" and the footer.

#include <QStringList>
#include <vector>

#include "common/core/Exercise.h"
#include "common/core/Page.h"
#include "numbers/core/NumberGenerators.h"

namespace zarvik {

// A pupil's handwriting: 4 mm a character, on lines 8 mm apart (tenths of a
// millimetre).
inline constexpr double kHandwrittenCharacter = 40;
inline constexpr double kWritingLinePitch = 80;

// Whether the kind's answer is written on the sheet (the others are marked
// or go between the printed numbers).
bool writesNumberAnswers(NumberKind kind);

// The characters the longest answer takes: the kind's longest at the digit
// count, or the longest of the sheet's answers; ", " between numbers counts
// as one (the comma).
int longestNumberAnswer(NumberKind kind, int digits, const ExerciseList& exercises);

// The printed pages: texts are the exercises as numbered on the sheet (24 or
// 48), down the first column, then the second. The design gives the header,
// title and footer cells.
std::vector<Page> numberAnswerPages(const Page& design, const QStringList& texts, int columns,
                                    int answerCharacters);

// Cell names of the printed pages, by exercise (1..48) and writing line (1..).
QString numberExerciseCell(int exercise);
QString numberAnswerLineCell(int exercise, int line);
inline constexpr QStringView kNumberPageNumberCell = u"PageNumber";

}  // namespace zarvik
