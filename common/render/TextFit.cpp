#include "common/render/TextFit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/render/FontMeasure.h"

namespace zarvik {

namespace {

// The width of the text sharing a room (the operator before a number): the
// same for every cell of a group, so the last one is kept.
double besideWidth(const FontMeasure& measure, const Cell& cell, int pointSize) {
    struct Kept {
        QString text;
        CellFont font;
        int size = 0;
        double width = 0;
    };
    thread_local Kept kept;
    if (kept.size != pointSize || kept.text != cell.fit.beside ||
        kept.font.bold != cell.font.bold || kept.font.family != cell.font.family) {
        kept = {cell.fit.beside, cell.font, pointSize,
                measure.width(cell.fit.beside, cell.font, pointSize)};
    }
    return kept.width;
}

// The width a text takes in its room, with the text that shares it.
double takenWidth(const FontMeasure& measure, const QString& text, const Cell& cell,
                  int pointSize) {
    const double beside = cell.fit.beside.isEmpty() ? 0.0 : besideWidth(measure, cell, pointSize);
    return measure.width(text, cell.font, pointSize) + beside;
}

// The largest size from `largest` down whose every line fits the room.
int fittingSize(const FontMeasure& measure, const QStringList& lines, const Cell& cell,
                int largest) {
    const double room = cell.fit.room;
    const int smallest = cell.fit.smallest;
    // Widths grow in proportion to the size (unhinted outlines), so one
    // measurement gives the size; the loop only corrects a rounding.
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, takenWidth(measure, line, cell, largest));
    int size =
        widest <= room ? largest : std::max(smallest, static_cast<int>(largest * room / widest));
    const auto fits = [&](int s) {
        for (const QString& line : lines)
            if (takenWidth(measure, line, cell, s) > room) return false;
        return true;
    };
    while (size > smallest && !fits(size))
        --size;
    return size;
}

// Two lines split at the space that makes the longer one shortest; the
// second line is indented past the exercise's number. The split is chosen on
// summed letter widths; the size is then set on measured lines.
QStringList twoLines(const FontMeasure& measure, const QString& text, const CellFont& font) {
    const int size = font.pointSize;
    std::vector<double> before(static_cast<size_t>(text.size()) + 1, 0.0);
    for (qsizetype i = 0; i < text.size(); ++i)
        before[i + 1] = before[i] + measure.letterWidth(text[i], font, size);
    const qsizetype numberEnd = text.indexOf(QLatin1String(") "));
    const qsizetype bodyStart = numberEnd < 0 ? 0 : numberEnd + 2;
    const double spaceWidth = measure.letterWidth(QChar(u' '), font, size);
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

// The largest size the text reaches on one line, or on two where one line
// would get too small.
int largestSize(const Cell& cell, const FontMeasure& measure) {
    const int designSize = cell.font.pointSize;
    const int single = fittingSize(measure, {cell.text}, cell, designSize);
    if (cell.fit.smallestOnOneLine == 0 || single >= cell.fit.smallestOnOneLine) return single;
    const QStringList lines = twoLines(measure, cell.text, cell.font);
    if (lines.isEmpty()) return single;
    return std::max(single, fittingSize(measure, lines, cell,
                                        std::min(designSize, cell.fit.largestOnTwoLines)));
}

// Sets the text at the given size, on two lines if one does not fit.
void setAt(Cell& cell, int size, const FontMeasure& measure) {
    // At its own size too: two lines may hold at the size one line had.
    if (cell.fit.smallestOnOneLine != 0 &&
        takenWidth(measure, cell.text, cell, size) > cell.fit.room)
        cell.text = twoLines(measure, cell.text, cell.font).join(u'\n');
    cell.font.pointSize = size;
}

// No room of any page holds this many letters at the smallest size, so a
// longer text (a pasted page) is measured only this far.
constexpr qsizetype kLongestCutText = 1000;

// The longest start of the text, without trailing spaces and whole
// characters only, that fits the room with "…" after it.
void cutToRoom(Cell& cell, const FontMeasure& measure, bool alreadyShortened) {
    const int size = cell.font.pointSize;
    if (!alreadyShortened && takenWidth(measure, cell.text, cell, size) <= cell.fit.room) return;
    const QString ellipsis = QStringLiteral("…");
    qsizetype fits = 0;  // a start of this length fits, one of `tooLong` does not
    qsizetype tooLong = cell.text.size() + 1;
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (takenWidth(measure, cell.text.left(middle) + ellipsis, cell, size) <= cell.fit.room)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits > 0 && fits < cell.text.size() && cell.text[fits - 1].isHighSurrogate()) --fits;
    while (fits > 0 && cell.text[fits - 1].isSpace())
        --fits;
    cell.text = cell.text.left(fits) + ellipsis;
}

void fitGroup(std::vector<Cell*>& group, const FontMeasure& measure) {
    int size = group.front()->font.pointSize;
    // In reading order, as a pupil meets them.
    std::stable_sort(group.begin(), group.end(), [](const Cell* a, const Cell* b) {
        return a->top != b->top ? a->top < b->top : a->left < b->left;
    });
    std::vector<bool> shortened(group.size(), false);
    for (size_t i = 0; i < group.size(); ++i) {
        Cell& cell = *group[i];
        if (cell.fit.cut && cell.text.size() > kLongestCutText) {
            cell.text.truncate(kLongestCutText);
            shortened[i] = true;
        }
    }
    for (const Cell* cell : group) {
        if (cell->text.isEmpty()) continue;
        if (takenWidth(measure, cell->text, *cell, size) <= cell->fit.room) continue;
        size = std::min(size, largestSize(*cell, measure));
    }
    for (size_t i = 0; i < group.size(); ++i) {
        Cell& cell = *group[i];
        setAt(cell, size, measure);
        if (cell.fit.cut && !cell.text.isEmpty()) cutToRoom(cell, measure, shortened[i]);
        cell.fit = TextFit{};
    }
}

}  // namespace

bool hasTextFits(const Page& page) {
    return std::any_of(page.cells().begin(), page.cells().end(),
                       [](const Cell& cell) { return cell.fit.group != 0; });
}

FittedCells fittedCells(const Page& page) {
    FittedCells result;
    const std::vector<Cell>& cells = page.cells();
    std::vector<int> groups;
    size_t grouped = 0;
    for (const Cell& cell : cells) {
        if (cell.fit.group == 0) continue;
        ++grouped;
        if (std::find(groups.begin(), groups.end(), cell.fit.group) == groups.end())
            groups.push_back(cell.fit.group);
    }
    // Only the grouped cells are copied; the copies never move once taken.
    result.fitted.reserve(grouped);
    result.cells.reserve(cells.size());
    for (const Cell& cell : cells) {
        if (cell.fit.group == 0) {
            result.cells.push_back(&cell);
        } else {
            result.fitted.push_back(cell);
            result.cells.push_back(&result.fitted.back());
        }
    }
    const FontMeasure& measure = FontMeasure::instance();
    for (const int group : groups) {
        std::vector<Cell*> members;
        for (Cell& cell : result.fitted)
            if (cell.fit.group == group) members.push_back(&cell);
        fitGroup(members, measure);
    }
    return result;
}

Page fitPageTexts(const Page& page) {
    Page fitted = page;
    if (!hasTextFits(page)) return fitted;
    for (const Cell& cell : fittedCells(page).fitted)
        fitted.cell(cell.name) = cell;
    return fitted;
}

}  // namespace zarvik
