#pragma once
// The A4 number worksheet page QuickRepSayilar: pupil fields at the top, a
// picture strip, the title, 24 rows of two exercise cells, a second strip and
// the teacher, date and publisher labels at the foot.

#include <QString>

#include "common/core/Page.h"

namespace zarvik {

// Left column widths in design units (1/96 inch). The wide one lets long
// number words run across the whole sheet, past the band's right edge.
inline constexpr int kNumberLeftNormalWidth = 330;
inline constexpr int kNumberLeftWideWidth = 1000;

Page makeNumberPage();

// An exercise at 14 pt may be far wider than its cell: number words of nine
// digits, or five nine-digit numbers, measure twice a column. Every exercise
// gets the room up to the next text in its row (or the band's right edge);
// when the page is painted, texts wider than that get one smaller size for
// the sheet, or two lines where one would get too small to read. Called again
// whenever the texts change, as the room of a left text depends on whether its
// right neighbour is empty. (Sheets whose answers are written on paper go to
// paper as NumberAnswerPages lays them out.)
void setExerciseRooms(Page& page);

// Cell names for row r = 1..24.
QString numberLeftCell(int row);   // QRRichText1..24
QString numberRightCell(int row);  // QRRichText26..49

inline constexpr QStringView kNumberTitleCell = u"QRRichText25";
inline constexpr QStringView kNumberTeacherLabel = u"QRLabel53";
inline constexpr QStringView kNumberDateLabel = u"QRLabel54";

}  // namespace zarvik
