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

// The written answer's room at the end of a row: nine handwritten digits, or
// the words after the printed number (which then takes at most kNumberRoom).
constexpr double kDigitsAnswerRoom = 220.0;
constexpr double kNumberRoom = 400.0;
constexpr double kAnswerGap = 25.0;
// Below an exercise's text: two lines of 12 pt end about 8.3 mm below the
// row's top, one line of 14 pt has its baseline 4.5 mm below it.
constexpr double kLineUnderTwoLines = 86.0;
constexpr double kLineBesideOneLine = 66.0;
constexpr int kSmallestWithAnswerRoom = 9;

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

QString numberWritingLineCell(int exercise) {
    return QStringLiteral("WritingLine%1").arg(exercise);
}

AnswerSpace answerSpaceOf(QStringView kind) {
    if (kind == u"Sayı Yazma") return AnswerSpace::Digits;
    if (kind == u"Sayı Okuma") return AnswerSpace::Words;
    return AnswerSpace::None;
}

namespace {

// The exercise's text gets its room less the answer's; the writing line
// takes the answer's room, up to the room's end.
void keepAnswerRoom(Page& page, const QString& cellName, double roomEnd, int exercise,
                    AnswerSpace answer) {
    const QString name = numberWritingLineCell(exercise);
    if (!page.has(name)) {
        Cell made = lineCell(CellBox{name, 0, 0, 0, 2}, 2);
        made.dotted = true;
        page.add(made);  // may move the page's cells: look them up after
    }
    Cell& cell = page.cell(cellName);
    Cell& line = page.cell(name);
    if (answer == AnswerSpace::None) {
        line.width = 0;
        return;
    }
    const double room = roomEnd - cell.left;
    const double textRoom = answer == AnswerSpace::Digits
                                ? room - kDigitsAnswerRoom - kAnswerGap
                                : std::min(kNumberRoom, room - kDigitsAnswerRoom - kAnswerGap);
    fitExercise(cell, textRoom, kSmallestWithAnswerRoom);
    line.left = cell.left + textRoom + kAnswerGap;
    line.width = roomEnd - line.left;
    line.top = cell.top +
               (answer == AnswerSpace::Digits ? kLineUnderTwoLines : kLineBesideOneLine) -
               line.height / 2;
}

}  // namespace

void setExerciseRooms(Page& page, AnswerSpace answer) {
    for (int r = 1; r <= kNumberRows; ++r) {
        Cell& left = page.cell(numberLeftCell(r));
        Cell& right = page.cell(numberRightCell(r));
        // A left text may run on into the empty right column, whatever its cell's width.
        const double leftEnd = right.text.isEmpty() ? page.bandWidth : right.left - kColumnGap;
        fitExercise(left, leftEnd - left.left);
        fitExercise(right, page.bandWidth - right.left);
        const bool rightUsed = !right.text.isEmpty();
        if (answer == AnswerSpace::None && !page.has(numberWritingLineCell(r))) continue;
        keepAnswerRoom(page, numberLeftCell(r), leftEnd, r, answer);
        keepAnswerRoom(page, numberRightCell(r), page.bandWidth, r + kNumberRows,
                       rightUsed ? answer : AnswerSpace::None);
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
