#include "activities/core/ActivityPage.h"

#include <algorithm>

#include "activities/core/ActivityTime.h"
#include "common/core/ExerciseFigure.h"
#include "common/core/PageCells.h"

namespace zarvik {

namespace {

// Band: A4 less 1 cm on every side.
constexpr double kMargin = 100;
constexpr double kBandWidth = 1900;
constexpr double kBandHeight = 2770;
constexpr double kLabelHeight = 53;
constexpr double kItemsTop = 250;
constexpr double kItemsBottom = 2600;
// Room to write: a blank is this many underscores on paper.
constexpr int kBlankLength = 8;

CellFont comicBold() {
    return {QStringLiteral("Comic Sans MS"), 10, true, false};
}
CellFont arial(int size, bool bold = false) {
    return {QStringLiteral("Arial"), size, bold, false};
}

CellBox box(QString name, double left, double top, double width, double height) {
    return CellBox{std::move(name), left, top, width, height};
}

PictureBox strip(const char* name, double top, double height, const char* picture) {
    return PictureBox{box(QString::fromLatin1(name), 0, top, kBandWidth, height),
                      QString::fromLatin1(picture), kBandWidth, height};
}

// Items of one page share a size; a text too wide for its room gets smaller,
// or two lines where one line would be too small to read.
void fitItem(Cell& cell, double room, bool twoLines) {
    cell.fit.group = 1;
    cell.fit.room = room * 0.97;
    cell.fit.smallest = 8;
    if (twoLines) {
        cell.fit.smallestOnOneLine = 11;
        cell.fit.largestOnTwoLines = 12;
    }
}

QString itemName(const char* what, size_t index) {
    return QStringLiteral("%1%2").arg(QLatin1String(what)).arg(index + 1);
}

void addClockFaces(Page& page, const ActivityKind& kind, const ActivitySheet& sheet, bool key) {
    constexpr int kColumns = 3;
    constexpr double kColumnWidth = kBandWidth / kColumns;
    constexpr double kFace = 400;
    const double rowHeight = (kItemsBottom - kItemsTop) / 4;
    for (size_t i = 0; i < sheet.items.size(); ++i) {
        const ActivityItem& item = sheet.items[i];
        const double left = kColumnWidth * static_cast<double>(i % kColumns);
        const double top = kItemsTop + rowHeight * static_cast<double>(i / kColumns);
        page.add(labelCell(box(itemName("Number", i), left + 20, top, 80, kLabelHeight),
                           arial(14, true), QStringLiteral("%1)").arg(i + 1)));
        Cell face = richTextCell(
            box(itemName("Face", i), left + (kColumnWidth - kFace) / 2, top + 20, kFace, kFace),
            arial(12, true));
        face.kind = CellKind::Clock;
        face.clock.hands = key || kind.handsOnPage;
        face.clock.hour = item.hour;
        face.clock.minute = item.minute;
        page.add(face);
        const double under = top + 20 + kFace + 30;
        if (!key && item.text == kActivityBlank) {
            page.add(lineCell(
                box(itemName("Line", i), left + 60, under + 40, kColumnWidth - 120, 10), 1));
            continue;
        }
        Cell text = richTextCell(box(itemName("Item", i), left + 10, under, kColumnWidth - 20, 60),
                                 arial(14), Align::Center);
        text.text = key ? item.answer.section(QStringLiteral(" ("), 0, 0) + u'\n' +
                              timeInDigits(item.hour, item.minute)
                        : item.text;
        fitItem(text, kColumnWidth - 20, false);
        page.add(text);
    }
}

void addTextItems(Page& page, const ActivityKind& kind, const ActivitySheet& sheet) {
    const bool two = kind.layout == ActivityLayout::TwoColumns;
    const size_t count = sheet.items.size();
    const size_t rows = two ? (count + 1) / 2 : count;
    const double pitch = (kItemsBottom - kItemsTop) / static_cast<double>(rows);
    const double columnWidth = two ? kBandWidth / 2 : kBandWidth;
    for (size_t i = 0; i < count; ++i) {
        const size_t column = two ? i / rows : 0;
        const size_t row = two ? i % rows : i;
        const double left = 40 + columnWidth * static_cast<double>(column);
        const double top = kItemsTop + pitch * static_cast<double>(row) + 20;
        Cell text =
            richTextCell(box(itemName("Item", i), left, top, columnWidth - 60, 60), arial(14));
        text.text = QStringLiteral("%1) %2").arg(i + 1).arg(printedItemText(sheet.items[i].text));
        fitItem(text, columnWidth - 60, !two);
        page.add(text);
    }
}

// Picture items in rows, each row as many as fit across: the same widths
// share the band's columns, so that rows line up; the rows spread down the
// page. The key shows the answer cells, the pupil's page leaves them out.
void addPictureItems(Page& page, const ActivitySheet& sheet, bool key) {
    constexpr double kNumberRoom = 110;
    constexpr double kLeast = 40;  // between rows and between items of a row
    struct Row {
        size_t first = 0, end = 0;
        double height = 0;
    };
    std::vector<double> widths, heights;
    for (const ActivityItem& item : sheet.items) {
        double width = 0, height = kLabelHeight;
        for (const Cell& cell : item.picture) {
            width = std::max(width, cell.left + cell.width);
            height = std::max(height, cell.top + cell.height);
        }
        widths.push_back(kNumberRoom + width);
        heights.push_back(height);
    }
    std::vector<Row> rows;
    double across = 0;
    for (size_t i = 0; i < sheet.items.size(); ++i) {
        if (rows.empty() || across + widths[i] > kBandWidth) {
            rows.push_back({i, i, 0});
            across = 0;
        }
        across += widths[i] + kLeast;
        rows.back().end = i + 1;
        rows.back().height = std::max(rows.back().height, heights[i]);
    }
    double total = 0;
    for (const Row& row : rows)
        total += row.height;
    const double gap = std::clamp((kItemsBottom - kItemsTop - total) / static_cast<double>(rows.size()),
                                  kLeast, 250.0);
    double top = kItemsTop + gap / 2;
    for (const Row& row : rows) {
        const size_t count = row.end - row.first;
        const double column = kBandWidth / static_cast<double>(count);
        double used = 0;
        bool columns = true;
        for (size_t i = row.first; i < row.end; ++i) {
            used += widths[i];
            columns = columns && widths[i] <= column;
        }
        const double spread = (kBandWidth - used) / static_cast<double>(count);
        double left = 0;
        for (size_t i = row.first; i < row.end; ++i) {
            const double x = columns ? column * static_cast<double>(i - row.first) : left;
            left += widths[i] + spread;
            page.add(labelCell(box(itemName("Number", i), x, top, kNumberRoom, kLabelHeight),
                               arial(14, true), QStringLiteral("%1)").arg(i + 1)));
            const QString prefix = itemName("Item", i) + u'.';
            for (Cell cell : sheet.items[i].picture) {
                if (!key && isAnswerCell(cell)) continue;
                cell.name = prefix + cell.name;
                cell.left += x + kNumberRoom;
                cell.top += top;
                page.add(std::move(cell));
            }
        }
        top += row.height + gap;
    }
}

}  // namespace

bool hasPictures(const ActivitySheet& sheet) {
    return std::any_of(sheet.items.begin(), sheet.items.end(),
                       [](const ActivityItem& item) { return !item.picture.empty(); });
}

QString printedItemText(const QString& text) {
    QString printed = text;
    return printed.replace(kActivityBlank.toString(), QString(kBlankLength, u'_'));
}

Page makeActivityPage(const ActivityKind& kind, const ActivitySheet& sheet, bool key) {
    Page page(QStringLiteral("Etkinlik"), Paper::A4);
    page.marginTop = kMargin;
    page.marginBottom = kMargin;
    page.marginLeft = kMargin;
    page.marginRight = kMargin;
    page.bandWidth = kBandWidth;
    page.bandHeight = kBandHeight;

    addPupilHeader(page, {comicBold(), box(QStringLiteral("NameLabel"), 100, 0, 210, kLabelHeight),
                          box(QStringLiteral("ClassLabel"), 1120, 0, 110, kLabelHeight),
                          box(QStringLiteral("NumberLabel"), 1500, 0, 85, kLabelHeight),
                          strip("TopStrip", 60, 66, "strip-numbers-top")});

    Cell title = richTextCell(box(kActivityTitleCell.toString(), 40, 150, kBandWidth - 80, 60),
                              arial(14, true), Align::Center);
    title.font.underline = true;
    title.text = key ? sheet.title + QStringLiteral(" (Cevap Anahtarı)") : sheet.title;
    fitItem(title, kBandWidth - 80, false);
    title.fit.group = 2;
    page.add(title);

    if (kind.layout == ActivityLayout::ClockFaces)
        addClockFaces(page, kind, sheet, key);
    else if (hasPictures(sheet))
        addPictureItems(page, sheet, key);
    else
        addTextItems(page, kind, sheet);

    addTeacherFooter(page, {comicBold(), strip("BottomStrip", 2615, 87, "strip-numbers-bottom"),
                            box(kActivityTeacherLabel.toString(), 150, 2712, 240, kLabelHeight),
                            box(kActivityDateLabel.toString(), 1080, 2712, 240, kLabelHeight),
                            box(QStringLiteral("PublisherLabel"), 1500, 2712, 265, kLabelHeight)});
    return page;
}

}  // namespace zarvik
