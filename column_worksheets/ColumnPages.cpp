#include "column_worksheets/ColumnPages.h"

#include "common/Names.h"

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

Cell placed(QString name, CellKind kind, int left, int top, int width, int height) {
    Cell cell;
    cell.name = std::move(name);
    cell.kind = kind;
    cell.left = fromDesignUnits(left);
    cell.top = fromDesignUnits(top);
    cell.width = fromDesignUnits(width);
    cell.height = fromDesignUnits(height);
    return cell;
}

// Labels are sized to their caption by the renderer; the width here is only a
// first estimate of the caption at the label's font.
Cell label(const LabelPlace& place, const QString& caption, const CellFont& font) {
    const int estimatedWidth = static_cast<int>(caption.size()) * font.pointSize * 3 / 4;
    Cell cell = placed(place.name.toString(), CellKind::Label, place.left, place.top,
                       estimatedWidth, kFrameLabelHeight);
    cell.font = font;
    cell.text = caption;
    return cell;
}

Cell ribbon(const ImagePlace& place, QStringView picture, const PictureSize& size) {
    Cell cell = placed(place.name.toString(), CellKind::Image, place.left, place.top, place.width,
                       place.height);
    cell.picture = picture.toString();
    cell.pictureWidth = fromDesignUnits(size.width);
    cell.pictureHeight = fromDesignUnits(size.height);
    return cell;
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
    page.add(label(frame.nameLabel, QStringLiteral("Adı Soyadı:"), kFrameLabelFont));
    page.add(label(frame.classLabel, QStringLiteral("Sınıfı:"), kFrameLabelFont));
    page.add(label(frame.numberLabel, QStringLiteral("Nu.:"), kFrameLabelFont));
    page.add(ribbon(frame.headerRibbon, kHeaderRibbonPicture, design.headerPicture));
    page.add(ribbon(frame.footerRibbon, kFooterRibbonPicture, design.footerPicture));
    page.add(label(frame.teacherLabel, kUnsetFooterCaption.toString(), kFrameLabelFont));
    page.add(label(frame.dateLabel, kUnsetFooterCaption.toString(), kFrameLabelFont));
    page.add(label(frame.publisherLabel, names::kPublisherWebAddress.toString(), kFrameLabelFont));
}

QString numbered(QStringView prefix, int number) {
    return prefix.toString() + QString::number(number);
}

}  // namespace

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

        Cell first = placed(gridFirstBoxName(slot), CellKind::RichText, left, top, kBoxWidth,
                            grid.boxHeight);
        first.font = numberFont;
        first.align = Align::Right;
        page.add(std::move(first));

        const int secondOffset = row == 8 ? grid.secondNumberOffsetRow8 : grid.secondNumberOffset;
        Cell second = placed(gridSecondBoxName(slot), CellKind::RichText, left, top + secondOffset,
                             kBoxWidth, grid.boxHeight);
        second.font = numberFont;
        second.align = Align::Right;
        page.add(std::move(second));

        Cell sign =
            placed(gridOperatorName(slot), CellKind::Label, left, top + grid.operatorOffset,
                   grid.operatorWidth, row == 0 ? grid.operatorHeightRow0 : grid.operatorHeight);
        sign.font = numberFont;
        sign.text = QStringLiteral("+");
        page.add(std::move(sign));

        Cell line =
            placed(gridLineName(slot), CellKind::Line, left, top + grid.lineOffset, kBoxWidth, 5);
        line.penWidth = grid.linePen;
        page.add(std::move(line));
    }
    addHeaderAndFooter(page, design, design.gridPage);
    return page;
}

Page buildDivisionPage(const ColumnWindowDesign& design) {
    const DivisionGeometry& division = design.division;
    Page page = emptyPage(QStringLiteral("QuickRep2"), design, design.divisionPage);
    const CellFont numberFont = arial(division.fontPoints);
    for (int slot = 1; slot <= division.slotCount; ++slot) {
        const int row = (slot - 1) / 5;
        const int left = division.columnLefts[static_cast<size_t>((slot - 1) % 5)];
        const int top = division.firstRowTop + division.rowPitch * row;

        // The dividend's right side is the bar of the division sign, the
        // divisor's bottom side the bar under the divisor.
        Cell dividend = placed(divisionDividendBoxName(slot), CellKind::RichText, left, top,
                               division.dividendWidth, division.dividendHeight);
        dividend.font = numberFont;
        dividend.align = Align::Right;
        dividend.frame.right = true;
        page.add(std::move(dividend));

        Cell divisor =
            placed(divisionDivisorBoxName(slot), CellKind::RichText, left + division.dividendWidth,
                   top, division.divisorWidth, division.divisorHeight);
        divisor.font = numberFont;
        divisor.align = Align::Left;
        divisor.frame.bottom = true;
        page.add(std::move(divisor));
    }
    addHeaderAndFooter(page, design, design.divisionPage);
    return page;
}

}  // namespace zarvik
