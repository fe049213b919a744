#include "numbers/NumberPrintLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <cmath>

#include "common/PageRenderer.h"
#include "numbers/NumberGenerators.h"
#include "numbers/NumberPage.h"

namespace zarvik {

namespace {

// Below this a single line is hard to read for a pupil; two lines are better.
constexpr int kSmallestSingleLine = 11;
// Two lines of this size still end before the next row (rows are 40 px apart).
constexpr int kLargestTwoLines = 12;
constexpr int kSmallestSize = 5;
// Space kept free before the right column's text.
constexpr double kColumnGap = 20.0;
// Widths are measured at one resolution and painted at others; keep a little slack.
constexpr double kSlack = 0.97;

class TextMeasure {
  public:
    TextMeasure() : device_(1, 1, QImage::Format_Mono) {
        // 1200 dpi: fine enough that rounding does not matter.
        const int dotsPerMeter = static_cast<int>(std::lround(1200 / 0.0254));
        device_.setDotsPerMeterX(dotsPerMeter);
        device_.setDotsPerMeterY(dotsPerMeter);
    }

    // Width in tenths of a millimetre, as the renderer sets the font.
    double width(const QString& text, const CellFont& design, int pointSize) {
        QFont font(resolvedFontFamily(design.family));
        font.setPointSize(pointSize);
        font.setBold(design.bold);
        font.setUnderline(design.underline);
        font.setHintingPreference(QFont::PreferNoHinting);
        const QFontMetricsF metrics(font, &device_);
        return metrics.horizontalAdvance(text) / device_.logicalDpiX() * 254.0;
    }

  private:
    QImage device_;
};

// The largest size from `largest` down whose every line fits the room.
int fittingSize(TextMeasure& measure, const QStringList& lines, const CellFont& font, double room,
                int largest) {
    int size = largest;
    for (; size > kSmallestSize; --size) {
        bool fits = true;
        for (const QString& line : lines)
            fits = fits && measure.width(line, font, size) <= room;
        if (fits) break;
    }
    return size;
}

// Two lines split at the space that makes the longer one shortest; the
// second line is indented past the exercise's number.
QStringList twoLines(TextMeasure& measure, const QString& text, const CellFont& font) {
    const qsizetype numberEnd = text.indexOf(QLatin1String(") "));
    const qsizetype bodyStart = numberEnd < 0 ? 0 : numberEnd + 2;
    const double numberWidth = measure.width(text.left(bodyStart), font, 14);
    const double spaceWidth = measure.width(QStringLiteral(" "), font, 14);
    const QString indent(static_cast<qsizetype>(std::ceil(numberWidth / spaceWidth)), u' ');

    QStringList best;
    double bestWidth = 0;
    for (qsizetype i = text.indexOf(u' ', bodyStart); i >= 0; i = text.indexOf(u' ', i + 1)) {
        const QString first = text.left(i);
        const QString second = text.mid(i).trimmed();
        if (first.trimmed().size() <= bodyStart || second.isEmpty()) continue;
        const double longer =
            std::max(measure.width(first, font, 14), measure.width(indent + second, font, 14));
        if (best.isEmpty() || longer < bestWidth) {
            best = {first, indent + second};
            bestWidth = longer;
        }
    }
    return best;
}

struct Layout {
    Cell* cell;
    double room;
};

// The largest size the text reaches on one line, or on two where one line
// would get too small.
int largestSize(const Cell& cell, double room, TextMeasure& measure) {
    const int designSize = cell.font.pointSize;
    const int single = fittingSize(measure, {cell.text}, cell.font, room, designSize);
    if (single >= kSmallestSingleLine) return single;
    const QStringList lines = twoLines(measure, cell.text, cell.font);
    if (lines.isEmpty()) return single;
    return std::max(single, fittingSize(measure, lines, cell.font, room,
                                        std::min(designSize, kLargestTwoLines)));
}

// Sets the text at the given size, on two lines if one does not fit.
void setAt(Cell& cell, double room, int size, TextMeasure& measure) {
    if (size == cell.font.pointSize) return;
    if (measure.width(cell.text, cell.font, size) > room)
        cell.text = twoLines(measure, cell.text, cell.font).join(u'\n');
    cell.font.pointSize = size;
}

}  // namespace

Page numberPageForPrint(const Page& page) {
    Page printed = page;
    TextMeasure measure;
    std::vector<Layout> layouts;
    for (int r = 1; r <= kNumberRows; ++r) {
        Cell& left = printed.cell(numberLeftCell(r));
        Cell& right = printed.cell(numberRightCell(r));
        // A left text may run on into the empty right column, whatever its cell's width.
        const double leftRoom =
            right.text.isEmpty() ? page.bandWidth - left.left : right.left - kColumnGap - left.left;
        layouts.push_back({&left, leftRoom * kSlack});
        layouts.push_back({&right, (page.bandWidth - right.left) * kSlack});
    }
    // One size for every exercise of the sheet, set by the text that needs the smallest.
    int size = printed.cell(numberLeftCell(1)).font.pointSize;
    for (Layout& layout : layouts) {
        if (layout.cell->text.isEmpty()) continue;
        if (measure.width(layout.cell->text, layout.cell->font, size) <= layout.room) continue;
        size = std::min(size, largestSize(*layout.cell, layout.room, measure));
    }
    for (Layout& layout : layouts) {
        if (!layout.cell->text.isEmpty()) setAt(*layout.cell, layout.room, size, measure);
    }
    return printed;
}

}  // namespace zarvik
