#include "numbers/core/NumberPage.h"

#include "common/core/PageCells.h"
#include "numbers/core/NumberGenerators.h"

namespace zarvik {

namespace {

constexpr double kRowTop = 217.0;
constexpr double kRowPitch = 105.83;  // 40 design units
constexpr double kCellHeight = 52.9;
constexpr double kLeftColumn = 79.4;
constexpr double kRightColumn = 979.0;

// Space kept free before the right column's text.
constexpr double kColumnGap = 20.0;
// Widths are measured at one resolution and painted at others; keep a little slack.
constexpr double kSlack = 0.97;

void fitExercise(Cell& cell, double room, int smallest = 5) {
    cell.fit.group = 1;
    cell.fit.room = room * kSlack;
    cell.fit.smallest = smallest;
    // Below 11 pt a single line is hard to read for a pupil; two lines are
    // better, and two lines of 12 pt still end before the next row.
    cell.fit.smallestOnOneLine = 11;
    cell.fit.largestOnTwoLines = 12;
}

CellFont comicBold() {
    return {QStringLiteral("Comic Sans MS"), 10, true, false};
}
CellFont arial14() {
    return {QStringLiteral("Arial"), 14, false, false};
}

CellBox labelBox(const char* name, double left, double top, double width) {
    return CellBox{QString::fromLatin1(name), left, top, width, kCellHeight};
}

// The strips are as wide as the band and drawn at their cell's size.
PictureBox strip(const char* name, double left, double top, double height, const char* picture) {
    constexpr double kStripWidth = 1886.5;
    return PictureBox{CellBox{QString::fromLatin1(name), left, top, kStripWidth, height},
                      QString::fromLatin1(picture), kStripWidth, height};
}

Cell richText(QString name, double left, double top, double width, double height) {
    return richTextCell(CellBox{std::move(name), left, top, width, height}, arial14());
}

}  // namespace

QString numberLeftCell(int row) {
    return QStringLiteral("QRRichText%1").arg(row);
}
QString numberRightCell(int row) {
    return QStringLiteral("QRRichText%1").arg(25 + row);
}

void setExerciseRooms(Page& page) {
    for (int r = 1; r <= kNumberRows; ++r) {
        Cell& left = page.cell(numberLeftCell(r));
        Cell& right = page.cell(numberRightCell(r));
        // A left text may run on into the empty right column, whatever its cell's width.
        const double leftEnd = right.text.isEmpty() ? page.bandWidth : right.left - kColumnGap;
        fitExercise(left, leftEnd - left.left);
        fitExercise(right, page.bandWidth - right.left);
    }
}

Page makeNumberPage() {
    Page page(QStringLiteral("QuickRepSayilar"), Paper::A4);
    page.marginTop = 50;
    page.marginBottom = 50;
    page.marginLeft = 100;
    page.marginRight = 100;
    page.bandWidth = 1900;
    page.bandHeight = 2895;

    addPupilHeader(page,
                   {comicBold(), labelBox("QRLabel55", 105.8, 0, 203.7),
                    labelBox("QRLabel56", 1121.8, 0, 111.1), labelBox("QRLabel57", 1502.8, 0, 82.0),
                    strip("QRImage1", 21.2, 58.2, 66.1, "strip-numbers-top")});

    Cell title = richText(kNumberTitleCell.toString(), 79.4, 145.5, 1764.8, kCellHeight);
    title.font.underline = true;
    title.align = Align::Center;
    page.add(title);

    for (int r = 1; r <= kNumberRows; ++r) {
        const double top = kRowTop + kRowPitch * (r - 1);
        // Row 6's left cell is a little taller in the design; nothing else differs.
        const double leftHeight = r == 6 ? 58.2 : kCellHeight;
        page.add(richText(numberLeftCell(r), kLeftColumn, top,
                          fromDesignUnits(kNumberLeftNormalWidth), leftHeight));
    }
    for (int r = 1; r <= kNumberRows; ++r) {
        const double top = kRowTop + kRowPitch * (r - 1);
        page.add(richText(numberRightCell(r), kRightColumn, top, 873.1, kCellHeight));
    }

    addTeacherFooter(page, {comicBold(), strip("QRImage2", 0, 2730.5, 87.3, "strip-numbers-bottom"),
                            labelBox("QRLabel53", 148.2, 2815.2, 240.8),
                            labelBox("QRLabel54", 1079.5, 2815.2, 240.8),
                            labelBox("QRLabel52", 1566.3, 2815.2, 264.6)});
    setExerciseRooms(page);
    return page;
}

}  // namespace zarvik
