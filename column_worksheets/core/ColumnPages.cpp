#include "column_worksheets/core/ColumnPages.h"

#include <algorithm>

#include "common/core/Names.h"
#include "common/core/PageCells.h"

namespace zarvik {

namespace {

// Both windows print with 5 mm at top and bottom and 10 mm at the sides.
constexpr double kMarginTopBottom = 50;
constexpr double kMarginSides = 100;

// Header and footer captions; on screen 10 pt bold is about 17 units high.
constexpr int kFrameLabelHeight = 17;
const CellFont kFrameLabelFont{QStringLiteral("Comic Sans MS"), 10, true, false};

CellFont arial(int points) {
    return CellFont{QStringLiteral("Arial"), points, false, false};
}

// The tables are on the window's 1/96 inch grid; this is the one place where
// their units become the page's.
CellBox box(QString name, int left, int top, int width, int height) {
    return CellBox{std::move(name), fromDesignUnits(left), fromDesignUnits(top),
                   fromDesignUnits(width), fromDesignUnits(height)};
}

// Labels are sized to their caption by the renderer; the width here is only a
// first estimate of the caption at the label's font.
CellBox labelBox(const LabelPlace& place, QStringView caption) {
    const int estimatedWidth = static_cast<int>(caption.size()) * kFrameLabelFont.pointSize * 3 / 4;
    return box(place.name.toString(), place.left, place.top, estimatedWidth, kFrameLabelHeight);
}

PictureBox ribbon(const ImagePlace& place, QStringView picture, const PictureSize& size) {
    return PictureBox{box(place.name.toString(), place.left, place.top, place.width, place.height),
                      picture.toString(), fromDesignUnits(size.width),
                      fromDesignUnits(size.height)};
}

// White space kept between a number and the operator or frame next to it.
constexpr int kGap = 1;
// "+" is the widest of the operators + - x.
const QString kWidestOperator = QStringLiteral("+");

void fitInto(Cell& cell, int roomDesignUnits, const QString& beside = QString()) {
    cell.fit.group = 1;
    cell.fit.room = fromDesignUnits(roomDesignUnits);
    cell.fit.beside = beside;
    cell.fit.smallest = kSmallestGridPoints;
}

Page emptyPage(const QString& name, const ColumnWindowDesign& design,
               const PageFrameDesign& frame) {
    Page page(name, design.paper);
    page.marginTop = kMarginTopBottom;
    page.marginBottom = kMarginTopBottom;
    page.marginLeft = kMarginSides;
    page.marginRight = kMarginSides;
    page.bandWidth = fromDesignUnits(frame.bandWidth);
    page.bandHeight = fromDesignUnits(frame.bandHeight);
    return page;
}

void addHeaderAndFooter(Page& page, const ColumnWindowDesign& design,
                        const PageFrameDesign& frame) {
    addPupilHeader(page, {kFrameLabelFont, labelBox(frame.nameLabel, kPupilNameCaption),
                          labelBox(frame.classLabel, kPupilClassCaption),
                          labelBox(frame.numberLabel, kPupilNumberCaption),
                          ribbon(frame.headerRibbon, kHeaderRibbonPicture, design.headerPicture)});
    addTeacherFooter(page, {kFrameLabelFont,
                            ribbon(frame.footerRibbon, kFooterRibbonPicture, design.footerPicture),
                            labelBox(frame.teacherLabel, kUnsetFooterCaption),
                            labelBox(frame.dateLabel, kUnsetFooterCaption),
                            labelBox(frame.publisherLabel, names::kPublisherWebAddress)});
}

QString numbered(QStringView prefix, int number) {
    return prefix.toString() + QString::number(number);
}

}  // namespace

void setGridNumberRoom(Cell& numberBox, int lineWidth) {
    fitInto(numberBox, lineWidth - kGap, kWidestOperator);
}

QString gridFirstBoxName(int slot) {
    return numbered(u"QRRichText", 2 * slot - 1);
}
QString gridSecondBoxName(int slot) {
    return numbered(u"QRRichText", 2 * slot);
}
QString gridOperatorName(int slot) {
    return numbered(u"QRLabel", slot);
}
QString gridLineName(int slot) {
    return numbered(u"QRShape", slot);
}
QString divisionDividendBoxName(int slot) {
    return numbered(u"QRRichText", 100 + 2 * slot - 1);
}
QString divisionDivisorBoxName(int slot) {
    return numbered(u"QRRichText", 100 + 2 * slot);
}

Page buildGridPage(const ColumnWindowDesign& design) {
    const GridGeometry& grid = design.grid;
    Page page = emptyPage(QStringLiteral("QuickRep1"), design, design.gridPage);
    const CellFont numberFont = arial(grid.fontPoints);
    constexpr int kBoxWidth = 50;
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int row = (slot - 1) / 5;
        const int column = (slot - 1) % 5;
        const int top = grid.rowTops[static_cast<size_t>(row)];
        // As designed, line and operator start where the number boxes start.
        const int left = design.columnEdge(column) - kBoxWidth;

        Cell& first =
            page.add(richTextCell(box(gridFirstBoxName(slot), left, top, kBoxWidth, grid.boxHeight),
                                  numberFont, Align::Right));
        setGridNumberRoom(first, kBoxWidth);

        const int secondOffset = row == 8 ? grid.secondNumberOffsetRow8 : grid.secondNumberOffset;
        Cell& second = page.add(richTextCell(
            box(gridSecondBoxName(slot), left, top + secondOffset, kBoxWidth, grid.boxHeight),
            numberFont, Align::Right));
        setGridNumberRoom(second, kBoxWidth);

        page.add(labelCell(
            box(gridOperatorName(slot), left, top + grid.operatorOffset, grid.operatorWidth,
                row == 0 ? grid.operatorHeightRow0 : grid.operatorHeight),
            numberFont, QStringLiteral("+")));
        page.add(lineCell(box(gridLineName(slot), left, top + grid.lineOffset, kBoxWidth, 5),
                          grid.linePen));
    }
    addHeaderAndFooter(page, design, design.gridPage);
    return page;
}

Page buildDivisionPage(const ColumnWindowDesign& design) {
    const DivisionGeometry& division = design.division;
    Page page = emptyPage(QStringLiteral("QuickRep2"), design, design.divisionPage);
    const CellFont numberFont = arial(division.fontPoints);
    // The dividend grows left within its box; the divisor grows right up to
    // the next frame (the narrowest column pitch).
    int narrowestPitch = division.columnLefts[1] - division.columnLefts[0];
    for (size_t c = 1; c + 1 < division.columnLefts.size(); ++c)
        narrowestPitch =
            std::min(narrowestPitch, division.columnLefts[c + 1] - division.columnLefts[c]);
    for (int slot = 1; slot <= division.slotCount; ++slot) {
        const int row = (slot - 1) / 5;
        const int left = division.columnLefts[static_cast<size_t>((slot - 1) % 5)];
        const int top = division.firstRowTop + division.rowPitch * row;

        // The dividend's right side is the bar of the division sign, the
        // divisor's bottom side the bar under the divisor.
        Cell& dividend = page.add(richTextCell(box(divisionDividendBoxName(slot), left, top,
                                                   division.dividendWidth, division.dividendHeight),
                                               numberFont, Align::Right));
        dividend.frame.right = true;
        fitInto(dividend, division.dividendWidth - 2 * kGap);

        Cell& divisor =
            page.add(richTextCell(box(divisionDivisorBoxName(slot), left + division.dividendWidth,
                                      top, division.divisorWidth, division.divisorHeight),
                                  numberFont, Align::Left));
        divisor.frame.bottom = true;
        fitInto(divisor, narrowestPitch - division.dividendWidth - 4 * kGap);
    }
    addHeaderAndFooter(page, design, design.divisionPage);
    return page;
}

}  // namespace zarvik
