#include "common/render/PupilName.h"

#include <QFont>
#include <QFontMetricsF>

#include "common/core/PageCells.h"
#include "common/render/PageRenderer.h"

namespace zarvik {

namespace {

const QString kCellName = QStringLiteral("PupilName");

// Width of a text in tenths of a millimetre at the given point size.
double textWidth(const CellFont& font, int pointSize, const QString& text) {
    QFont face(resolvedFontFamily(font.family));
    face.setPointSizeF(pointSize * 10.0);  // measured ten times larger for precision
    face.setBold(font.bold);
    const QFontMetricsF metrics(face);
    const double pixels = metrics.horizontalAdvance(text) / 10.0;
    return pixels / metrics.fontDpi() * 254.0;
}

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
    cell.left = label->left + textWidth(label->font, label->font.pointSize, caption) + 15;
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
