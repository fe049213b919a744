#pragma once
// The fraction worksheet page QuickRep1: A4, pupil fields and a strip at the
// top, 26 exercises in 13 rows of two, a strip and the teacher, date and
// publisher at the foot. Exercise k has the seven rich-text boxes
// QRRichText(7k-6) .. QRRichText(7k).

#include <QString>

#include "common/core/Page.h"
#include "common/core/PageCells.h"
#include "fractions/core/FractionGenerators.h"

namespace zarvik::fractions {

// The seven boxes of an exercise, in numbering order.
enum class BoxRole {
    FirstNumerator,
    FirstDenominator,
    FirstWhole,
    OperatorText,
    SecondNumerator,
    SecondDenominator,
    EqualsSign,
};
inline constexpr int kBoxesPerExercise = 7;

inline constexpr const char16_t* kTeacherLabel = u"QRLabel53";
inline constexpr const char16_t* kDateLabel = u"QRLabel54";

// "QRRichText<n>" for exercise 1..26 and a role.
QString exerciseBoxName(int exercise, BoxRole role);

Page makeFractionPage();

// Copies the six texts of every row into its exercise's boxes; the equals
// signs stay.
void fillFractionPage(Page& page, const ExerciseTable& table);

// The footer of a preparation: the teacher line and the date as typed.
void setFractionFooter(Page& page, const QString& teacherName, const QString& date);

}  // namespace zarvik::fractions
