#pragma once
// The number page as it goes to paper. An exercise text at 14 pt may be far
// wider than its cell: number words of nine digits, or five nine-digit
// numbers, measure twice a column. The renderer never cuts text, so such a
// line would run into the right column or off the sheet. Before the page is
// previewed, printed or saved, every exercise line gets the room up to the next
// text in its row (or the band's right edge) and is made to fit there: first
// by a smaller font, and where that would get too small to read, on two lines.
// The worksheet's own texts and widths stay as they are.

#include "common/Page.h"

namespace zarvik {

Page numberPageForPrint(const Page& page);

}  // namespace zarvik
