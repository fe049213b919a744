#include "common/PupilName.h"

#include <QFont>
#include <QFontMetricsF>
#include <limits>

#include "common/PageRenderer.h"

namespace zarvik {

namespace {

const QString kCaption = QStringLiteral("Adı Soyadı:");
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
    const Cell* caption = nullptr;
    for (const Cell& cell : page.cells())
        if (cell.kind == CellKind::Label && cell.text == kCaption) caption = &cell;
    if (!caption) return;
    // The room ends at the next header caption to the right, or at the band's edge.
    double end = page.bandWidth;
    for (const Cell& cell : page.cells())
        if (cell.kind == CellKind::Label && cell.top == caption->top && cell.left > caption->left &&
            cell.name != kCellName)
            end = std::min(end, cell.left);
    Cell cell;
    cell.name = kCellName;
    cell.kind = CellKind::Label;
    cell.font = caption->font;
    cell.top = caption->top;
    cell.height = caption->height;
    cell.left = caption->left + textWidth(caption->font, caption->font.pointSize, kCaption) + 15;
    const double room = end - cell.left - 20;
    while (cell.font.pointSize > 6 && textWidth(cell.font, cell.font.pointSize, name) > room)
        --cell.font.pointSize;
    cell.width = room;
    cell.text = name;
    if (page.has(kCellName))
        page.cell(kCellName) = cell;
    else
        page.add(cell);
}

}  // namespace zarvik
