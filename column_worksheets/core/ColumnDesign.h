#pragma once
// The two column worksheet windows are one design at two scales: the half-page
// window (A5) and the full-page window (A4). Everything that differs between
// them (window size, page geometry, cell names of the header and footer, the
// generators' question rules and line widths) is one table per window; the
// page builders, the generators and the window read only these tables.
//
// Geometry is in design units (1/96 inch); the page builders convert.

#include <QStringView>
#include <array>
#include <cstdint>

#include "common/core/Page.h"

namespace zarvik {

// A question of AskNumber: the text in the box, and what is accepted.
struct NumberQuestionRule {
    QStringView defaultText;
    int32_t lowest;
    int32_t highest;
    int32_t fallback;
};

// The questions and line widths of the generators that differ between windows.
struct ColumnGeneratorConstants {
    int divisionProblemCount;
    int addSingleDigitLine;
    int addWithCarrySimpleLine;
    int subSingleDigitLine;
    int subUnderTwentyLine;
    int mulSmallNumbersLine;  // MulSingleDigit and MulTable
    // The digit-count kinds draw a line of 10 per digit plus this.
    int lineExtra;
    // "En fazla kaç basamaklı olsun?" of AddWithoutCarry, SubWithoutBorrow,
    // SubWithBorrow, MulWithoutCarry and the first question of MulByOneDigitWithCarry.
    NumberQuestionRule digitCount;
    NumberQuestionRule addMixedDigitCount;
    NumberQuestionRule mulWithCarryFirstDigits;
    NumberQuestionRule mulWithCarrySecondDigits;
    NumberQuestionRule divDividendDigits;
    NumberQuestionRule divDivisorDigits;
};

struct GridGeometry {
    int columnPitch;
    std::array<int, 10> rowTops;
    int boxHeight;
    int fontPoints;
    int secondNumberOffset;
    int secondNumberOffsetRow8;
    int operatorOffset;
    int operatorWidth;
    int operatorHeight;
    int operatorHeightRow0;
    int lineOffset;
    int linePen;
};

struct DivisionGeometry {
    int slotCount;
    std::array<int, 5> columnLefts;
    int firstRowTop;
    int rowPitch;
    int dividendWidth;
    int dividendHeight;
    int divisorWidth;
    int divisorHeight;
    int fontPoints;
};

struct LabelPlace {
    QStringView name;
    int left;
    int top;
};

struct ImagePlace {
    QStringView name;
    int left;
    int top;
    int width;
    int height;
};

// Header and footer of one page; the number cells come from the geometry.
struct PageFrameDesign {
    int bandWidth;
    int bandHeight;
    LabelPlace nameLabel;
    LabelPlace classLabel;
    LabelPlace numberLabel;
    ImagePlace headerRibbon;
    ImagePlace footerRibbon;
    LabelPlace teacherLabel;
    LabelPlace dateLabel;
    LabelPlace publisherLabel;
};

struct PictureSize {
    int width;
    int height;
};

struct ColumnWindowDesign {
    QStringView objectName;
    QStringView caption;
    int clientWidth;
    int clientHeight;
    QStringView releaseText;  // Panel2
    Paper paper;
    GridGeometry grid;
    DivisionGeometry division;
    PageFrameDesign gridPage;
    PageFrameDesign divisionPage;
    PictureSize headerPicture;
    PictureSize footerPicture;
    ColumnGeneratorConstants generators;

    // Right edge of grid column c's number boxes, where numbers and lines end.
    int columnEdge(int column) const { return 80 + grid.columnPitch * column; }
};

// The half-page window TFormZarvikAltAlta.
const ColumnWindowDesign& halfPageDesign();
// The full-page window TFormZarvikAltAltaTamSayfa.
const ColumnWindowDesign& fullPageDesign();

}  // namespace zarvik
