#include "numbers/NumberPrintLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <tuple>
#include <vector>

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
        return metrics(design, pointSize).horizontalAdvance(text) / device_.logicalDpiX() * 254.0;
    }
    double width(QChar letter, const CellFont& design, int pointSize) {
        return metrics(design, pointSize).horizontalAdvance(letter) / device_.logicalDpiX() * 254.0;
    }

  private:
    const QFontMetricsF& metrics(const CellFont& design, int pointSize) {
        for (const auto& [key, size, metrics] : cache_)
            if (size == pointSize && key.family == design.family && key.bold == design.bold &&
                key.underline == design.underline)
                return metrics;
        QFont font(resolvedFontFamily(design.family));
        font.setPointSize(pointSize);
        font.setBold(design.bold);
        font.setUnderline(design.underline);
        font.setHintingPreference(QFont::PreferNoHinting);
        cache_.push_back({design, pointSize, QFontMetricsF(font, &device_)});
        return std::get<2>(cache_.back());
    }

    QImage device_;
    std::vector<std::tuple<CellFont, int, QFontMetricsF>> cache_;
};

// The largest size from `largest` down whose every line fits the room.
int fittingSize(TextMeasure& measure, const QStringList& lines, const CellFont& font, double room,
                int largest) {
    // Widths grow in proportion to the size (unhinted outlines), so one
    // measurement gives the size; the loop only corrects a rounding.
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, measure.width(line, font, largest));
    int size = widest <= room ? largest
                              : std::max(kSmallestSize, static_cast<int>(largest * room / widest));
    const auto fits = [&](int s) {
        for (const QString& line : lines)
            if (measure.width(line, font, s) > room) return false;
        return true;
    };
    while (size > kSmallestSize && !fits(size))
        --size;
    return size;
}

// Two lines split at the space that makes the longer one shortest; the
// second line is indented past the exercise's number. The split is chosen on
// summed letter widths; the size is then set on measured lines.
QStringList twoLines(TextMeasure& measure, const QString& text, const CellFont& font) {
    const int size = font.pointSize;
    std::vector<double> before(static_cast<size_t>(text.size()) + 1, 0.0);
    for (qsizetype i = 0; i < text.size(); ++i)
        before[i + 1] = before[i] + measure.width(text[i], font, size);
    const qsizetype numberEnd = text.indexOf(QLatin1String(") "));
    const qsizetype bodyStart = numberEnd < 0 ? 0 : numberEnd + 2;
    const double spaceWidth = measure.width(QChar(u' '), font, size);
    const qsizetype indentSpaces =
        static_cast<qsizetype>(std::ceil(before[bodyStart] / spaceWidth));

    qsizetype bestSplit = -1;
    double bestWidth = 0;
    for (qsizetype i = text.indexOf(u' ', bodyStart); i >= 0; i = text.indexOf(u' ', i + 1)) {
        qsizetype next = i;
        while (next < text.size() && text[next] == u' ')
            ++next;
        if (next == text.size()) break;
        if (QStringView(text).mid(bodyStart, i - bodyStart).trimmed().isEmpty()) continue;
        const double longer =
            std::max(before[i], indentSpaces * spaceWidth + before.back() - before[next]);
        if (bestSplit < 0 || longer < bestWidth) {
            bestSplit = i;
            bestWidth = longer;
        }
    }
    if (bestSplit < 0) return {};
    return {text.left(bestSplit), QString(indentSpaces, u' ') + text.mid(bestSplit).trimmed()};
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
    // Made once: finding the font takes far longer than measuring with it. Left
    // alive to the end so it never outlives the application's fonts.
    static TextMeasure& measure = *new TextMeasure;
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
