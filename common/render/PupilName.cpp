#include "common/render/PupilName.h"

#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"

namespace zarvik {

namespace {

const QString kCellName = QStringLiteral("PupilName");

}  // namespace

void printPupilName(Page& page, const QString& name) {
    const QString caption = kPupilNameCaption.toString();
    const Cell* label = nullptr;
    for (const Cell& cell : page.cells())
        if (cell.kind == CellKind::Label && cell.text == caption) label = &cell;
    if (!label) return;
    // The room ends at the next header caption to the right, or at the band's edge.
    double end = page.bandWidth;
    for (const Cell& cell : page.cells())
        if (cell.kind == CellKind::Label && cell.top == label->top && cell.left > label->left &&
            cell.name != kCellName)
            end = std::min(end, cell.left);
    Cell cell;
    cell.name = kCellName;
    cell.kind = CellKind::Label;
    cell.font = label->font;
    cell.top = label->top;
    cell.height = label->height;
    cell.left = label->left + textMeasure().width(caption, label->font, label->font.pointSize) + 15;
    const double room = end - cell.left - kHeaderFooterGap;
    cell.width = room;
    cell.text = name;
    // Smaller for a long name, down to the floor, then cut (when painted).
    fitHeaderFooterText(cell, kPupilNameFitGroup, room);
    if (page.has(kCellName))
        page.cell(kCellName) = cell;
    else
        page.add(cell);
}

}  // namespace zarvik
