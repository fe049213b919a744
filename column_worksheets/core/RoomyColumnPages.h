#pragma once
// "Daha az işlem, daha çok yer": the same problems as a column sheet's page,
// each with room to be worked on the paper, over as many pages as they take.
// A pupil writes about 4 mm a digit on lines 8 mm apart, so the numbers are
// printed as wide, and below its answer line a problem keeps 8 mm lines: one
// for a sum or difference, one per digit of the lower number and one more for
// a multiplication; a long division keeps as many below its frame as its
// dividend has digits. Header and footer are the classic page's, the page
// number sits in the footer ribbon.

#include <QString>
#include <vector>

#include "column_worksheets/core/ColumnSheet.h"
#include "common/core/Page.h"

namespace zarvik {

// A handwritten digit and the lines under a problem (tenths of a millimetre).
inline constexpr double kWorkDigit = 40;
inline constexpr double kWorkLine = 80;

// The prepared sheet's problems for the operation's page; the classic page
// alone when the sheet has none.
std::vector<Page> roomyColumnPages(ColumnSheet& sheet, const QString& operation);

// Cell names of the roomy pages, by problem (slot order) for the tests.
QString roomyFirstCell(int problem);   // upper number, or the dividend
QString roomySecondCell(int problem);  // lower number, or the divisor
QString roomyLineCell(int problem);    // the answer line, or the underline of the divisor
QString roomyBarCell(int problem);     // a division's bar
inline constexpr QStringView kRoomyPageNumberCell = u"PageNumber";

}  // namespace zarvik
