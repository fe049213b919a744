#pragma once
// Texts too wide for their room, made to fit before a page is painted. Every
// output (preview, printer, PDF, PNG) paints through paintPage, which fits the
// page first, so a page looks the same wherever it goes.
//
// Each group (Cell::fit) gets one size for all its texts, so digits stay under
// one another and a sheet does not mix sizes: the largest size at which every
// text of the group fits its room, never below the group's smallest. Where a
// group allows two lines, a text that would have to get smaller than its
// smallest one-line size is split at the space that makes the longer line
// shortest, the second line indented past the exercise's "n-) ". Where a group
// cuts (the header and footer texts), a text still too wide at the smallest
// size keeps as much of its start as fits, followed by "…".

#include <vector>

#include "common/core/Page.h"

namespace zarvik {

// The page with every group's texts at their group's size and the groups
// cleared; a page without groups comes back as it is.
Page fitPageTexts(const Page& page);
bool hasTextFits(const Page& page);

// The same without copying the page, for the renderer: every cell of the
// page in its order, those of the groups as fitted copies (the others are
// the page's own, so the page must outlive the result).
struct FittedCells {
    std::vector<Cell> fitted;
    std::vector<const Cell*> cells;
};
FittedCells fittedCells(const Page& page);

}  // namespace zarvik
