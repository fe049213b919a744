#pragma once
// The four printed pages of the column worksheets, built from a window's
// design table: the grid page QuickRep1 (50 stacked problems) and the division
// page QuickRep2 (35 or 30 long-division frames), each with the pupil fields
// and ribbon on top and the ribbon, teacher, date and publisher at the foot.

#include <QString>

#include "column_worksheets/core/ColumnDesign.h"
#include "common/core/Page.h"
#include "common/core/PageCells.h"

namespace zarvik {

inline constexpr int kGridSlotCount = 50;
// Numbers of a page share one size, never smaller than this.
inline constexpr int kSmallestGridPoints = 6;

// Cell names of grid slot k (1..50) and division slot k.
QString gridFirstBoxName(int slot);
QString gridSecondBoxName(int slot);
QString gridOperatorName(int slot);
QString gridLineName(int slot);
QString divisionDividendBoxName(int slot);
QString divisionDivisorBoxName(int slot);

// The picture names the renderer knows the ribbon drawings by.
inline constexpr QStringView kHeaderRibbonPicture = u"ribbon-header";
inline constexpr QStringView kFooterRibbonPicture = u"ribbon-footer";

// A grid number shares the answer line's width with the operator; numbers
// wider than that get one smaller size for the whole page when it is painted.
void setGridNumberRoom(Cell& numberBox, int lineWidth);

Page buildGridPage(const ColumnWindowDesign& design);
Page buildDivisionPage(const ColumnWindowDesign& design);

}  // namespace zarvik
