// Geometry of the four column pages, the line-width operation and the
// transfers of the problem texts.

#include <gtest/gtest.h>

#include "ColumnTestSupport.h"
#include "PageRules.h"
#include "column_worksheets/core/ColumnPages.h"
#include "common/render/TextFit.h"

using namespace zarvik;
using zarvik::test::designFor;

namespace {

std::vector<Page> allPages() {
    return {buildGridPage(halfPageDesign()), buildDivisionPage(halfPageDesign()),
            buildGridPage(fullPageDesign()), buildDivisionPage(fullPageDesign())};
}

TEST(ColumnPages, CellsStayInTheBandApartAndBetweenHeaderAndFooter) {
    for (const Page& page : allPages()) {
        SCOPED_TRACE(page.name().toStdString());
        test::expectInsideBand(page);
        const bool grid = page.name() == "QuickRep1";
        test::expectFrameAroundProblems(page, grid ? u"QRImage1" : u"QRImage3",
                                        grid ? u"QRImage2" : u"QRImage4");
        std::vector<const Cell*> numbers;
        for (const Cell& cell : page.cells())
            if (cell.kind == CellKind::RichText) numbers.push_back(&cell);
        EXPECT_EQ(numbers.size(), grid ? 100u : 2u * (page.paper() == Paper::A5 ? 35 : 30));
        // A slot's two boxes come one after the other; the upper and lower
        // number's boxes are stacked at the line pitch and may touch.
        for (size_t i = 0; i < numbers.size(); ++i)
            for (size_t j = (i / 2 + 1) * 2; j < numbers.size(); ++j)
                EXPECT_FALSE(test::overlap(*numbers[i], *numbers[j]))
                    << numbers[i]->name.toStdString() << " " << numbers[j]->name.toStdString();
        // Pupil fields, ribbons, teacher, date and publisher close the list.
        const auto& cells = page.cells();
        ASSERT_GE(cells.size(), 8u);
        EXPECT_EQ(cells[cells.size() - 8].text, "Adı Soyadı:");
        EXPECT_EQ(cells[cells.size() - 5].kind, CellKind::Image);
        EXPECT_EQ(cells[cells.size() - 4].kind, CellKind::Image);
        EXPECT_EQ(cells.back().text, "www.okul.example.org");
    }
}

TEST(ColumnPages, PlacesAReaderChecksByHand) {
    // Grid slot 1: the upper number's box ends at column edge 80, the answer
    // line and the operator start with it.
    for (bool halfPage : {true, false}) {
        const Page page = buildGridPage(designFor(halfPage));
        const Cell& first = page.cell(gridFirstBoxName(1));
        EXPECT_DOUBLE_EQ(first.left, fromDesignUnits(30));
        EXPECT_DOUBLE_EQ(first.top, fromDesignUnits(halfPage ? 44 : 48));
        EXPECT_DOUBLE_EQ(first.left + first.width, fromDesignUnits(80));
        EXPECT_EQ(page.cell(gridLineName(1)).left, first.left);
        EXPECT_EQ(page.cell(gridOperatorName(1)).left, first.left);
        EXPECT_LT(page.cell(gridSecondBoxName(1)).top, page.cell(gridLineName(1)).top);
    }
    // The division sign's bar is the dividend's right side; the divisor
    // starts there and is underlined.
    for (bool halfPage : {true, false}) {
        const Page page = buildDivisionPage(designFor(halfPage));
        const int slotCount = halfPage ? 35 : 30;
        EXPECT_FALSE(page.has(divisionDividendBoxName(slotCount + 1)));
        for (int k = 1; k <= slotCount; ++k) {
            const Cell& dividend = page.cell(divisionDividendBoxName(k));
            const Cell& divisor = page.cell(divisionDivisorBoxName(k));
            EXPECT_TRUE(dividend.frame.right && !dividend.frame.bottom);
            EXPECT_TRUE(divisor.frame.bottom && !divisor.frame.right);
            EXPECT_DOUBLE_EQ(divisor.left, dividend.left + dividend.width);
            EXPECT_EQ(divisor.top, dividend.top);
        }
    }
    EXPECT_EQ(divisionDividendBoxName(35), "QRRichText169");
}

TEST(ColumnPages, LineWidthMovesLinesAndOperatorsToTheColumnEdge) {
    for (bool halfPage : {true, false}) {
        ColumnSheet sheet(designFor(halfPage));
        const int pitch = halfPage ? 90 : 150;
        // 100 first, then 50: nothing of the first setting may remain.
        sheet.SetLineWidthAndOperator(100, "x");
        EXPECT_NEAR(sheet.gridPage().cell(u"QRShape1").left, fromDesignUnits(80 - 100), 1e-9);
        EXPECT_NEAR(sheet.gridPage().cell(u"QRLabel1").left, fromDesignUnits(-20), 1e-9);
        sheet.SetLineWidthAndOperator(50, "-");
        const Page designed = buildGridPage(designFor(halfPage));
        for (int k = 1; k <= 50; ++k) {
            const int edge = 80 + pitch * ((k - 1) % 5);
            const Cell& line = sheet.gridPage().cell(gridLineName(k));
            const Cell& sign = sheet.gridPage().cell(gridOperatorName(k));
            EXPECT_NEAR(line.left, fromDesignUnits(edge - 50), 1e-9);
            EXPECT_NEAR(line.width, fromDesignUnits(50), 1e-9);
            EXPECT_NEAR(sign.left, fromDesignUnits(edge - 50), 1e-9);
            EXPECT_EQ(sign.text, "-");
            // Width 50 is the page as designed; tops and heights never move.
            const Cell& designedLine = designed.cell(gridLineName(k));
            EXPECT_EQ(line.left, designedLine.left);
            EXPECT_EQ(line.top, designedLine.top);
            EXPECT_EQ(line.height, designedLine.height);
            EXPECT_EQ(sign.top, designed.cell(gridOperatorName(k)).top);
        }
    }
}

TEST(ColumnPages, WideHalfPageLinesReachPastThePreviousColumn) {
    ColumnSheet sheet(halfPageDesign());
    sheet.SetLineWidthAndOperator(100, "+");
    // Column 1 ends at 170; its line starts at 70, 10 units before column 0's edge (80).
    EXPECT_NEAR(sheet.gridPage().cell(u"QRShape2").left, fromDesignUnits(70), 1e-9);
    EXPECT_NEAR(sheet.gridPage().cell(u"QRShape46").left, fromDesignUnits(-20), 1e-9);
    // Number boxes stay where they were designed.
    EXPECT_NEAR(sheet.gridPage().cell(u"QRRichText1").left, fromDesignUnits(30), 1e-9);
}

TEST(ColumnPages, TransfersCarryEachSlotsTexts) {
    for (bool halfPage : {true, false}) {
        ColumnSheet sheet(designFor(halfPage));
        for (int k = 1; k <= 50; ++k) {
            sheet.FirstTexts[k] = QString::number(1000 + k);
            sheet.SecondTexts[k] = QString::number(k);
        }
        sheet.TransferToGridPage();
        sheet.TransferToDivisionPage();
        for (int k = 1; k <= 50; ++k) {
            EXPECT_EQ(sheet.gridPage().cell(gridFirstBoxName(k)).text, QString::number(1000 + k));
            EXPECT_EQ(sheet.gridPage().cell(gridSecondBoxName(k)).text, QString::number(k));
        }
        const int slotCount = halfPage ? 35 : 30;
        for (int k = 1; k <= slotCount; ++k) {
            EXPECT_EQ(sheet.divisionPage().cell(divisionDividendBoxName(k)).text,
                      QString::number(1000 + k));
            EXPECT_EQ(sheet.divisionPage().cell(divisionDivisorBoxName(k)).text,
                      QString::number(k));
        }
        // Emptied entries empty the boxes at the next transfer.
        sheet.clearProblems();
        sheet.TransferToGridPage();
        EXPECT_EQ(sheet.gridPage().cell(u"QRRichText1").text, QString());
    }
}

// Printed width of n Arial figures at p points, in design units.
double figuresWidth(qsizetype n, int points) {
    return n * 1139.0 / 2048.0 * points * 96.0 / 72.0;
}

TEST(ColumnPages, PrintedLongNumbersShrinkToOneCommonSizeThatFits) {
    // Half page, nine-digit dividends and eight-digit divisors: the design's
    // 12 pt would run into the neighbouring frames; never below 10 pt.
    ColumnSheet half(halfPageDesign());
    half.FirstTexts[1] = "123456789";
    half.SecondTexts[1] = "12345678";
    half.FirstTexts[2] = "12";
    half.SecondTexts[2] = "3";
    Page printed = fitPageTexts(half.transferForOperation("Bölme"));
    const int points = printed.cell(u"QRRichText101").font.pointSize;
    EXPECT_LT(points, 12);
    EXPECT_GE(points, 10);
    for (int k = 1; k <= 35; ++k) {
        EXPECT_EQ(printed.cell(divisionDividendBoxName(k)).font.pointSize, points);
        EXPECT_EQ(printed.cell(divisionDivisorBoxName(k)).font.pointSize, points);
    }
    // The design itself keeps its size; short numbers print at it.
    EXPECT_EQ(half.divisionPage().cell(u"QRRichText101").font.pointSize, 12);
    half.FirstTexts[1] = "99";
    half.SecondTexts[1] = "9";
    EXPECT_EQ(
        fitPageTexts(half.transferForOperation("Bölme")).cell(u"QRRichText101").font.pointSize, 12);

    // Full page, six-digit addends under a line of 82: the lower number must
    // leave room for the "+" at the line's left end; upper and lower share
    // one size so that their digits stand under one another.
    ColumnSheet full(fullPageDesign());
    full.SetLineWidthAndOperator(82, "+");
    full.FirstTexts[7] = "999999";
    full.SecondTexts[7] = "888888";
    full.TransferToGridPage();
    printed = fitPageTexts(full.printedGridPage());
    const int gridPoints = printed.cell(u"QRRichText13").font.pointSize;
    EXPECT_LT(gridPoints, 16);
    EXPECT_LE(figuresWidth(6, gridPoints) + 1196.0 / 2048.0 * gridPoints * 96.0 / 72.0, 82);
    EXPECT_EQ(printed.cell(u"QRRichText14").font.pointSize, gridPoints);
    EXPECT_EQ(printed.cell(u"QRRichText100").font.pointSize, gridPoints);
    // Lines print no wider than the first column's room in the band.
    EXPECT_NEAR(printed.cell(u"QRShape7").width, fromDesignUnits(80), 1e-9);
}

// The half page's widest line (100) would put every operator on the previous
// column's lower number; on paper it stops 12 units short of that column's edge.
TEST(ColumnPages, PrintedLinesStayWithinTheColumnPitch) {
    ColumnSheet sheet(halfPageDesign());
    sheet.SetLineWidthAndOperator(100, "x");
    sheet.FirstTexts[1] = "999999999";
    sheet.SecondTexts[1] = "4";
    sheet.TransferToGridPage();
    const Page printed = fitPageTexts(sheet.printedGridPage());
    for (int k = 1; k <= 50; ++k) {
        const int edge = 80 + 90 * ((k - 1) % 5);
        EXPECT_NEAR(printed.cell(gridLineName(k)).width, fromDesignUnits(78), 1e-9);
        EXPECT_NEAR(printed.cell(gridLineName(k)).left, fromDesignUnits(edge - 78), 1e-9);
        EXPECT_NEAR(printed.cell(gridOperatorName(k)).left, fromDesignUnits(edge - 78), 1e-9);
        // The sheet's own geometry stays as set.
        EXPECT_NEAR(sheet.gridPage().cell(gridLineName(k)).left, fromDesignUnits(edge - 100), 1e-9);
    }
    // Nine digits and the operator fit the shorter line.
    const int points = printed.cell(u"QRRichText1").font.pointSize;
    EXPECT_LE(figuresWidth(9, points) + 1196.0 / 2048.0 * points * 96.0 / 72.0, 78);
    EXPECT_GE(points, 9);
}

TEST(ColumnPages, ProblemTextEntriesAreOneTo50) {
    ProblemTexts texts;
    EXPECT_THROW(texts[0], std::out_of_range);
    EXPECT_THROW(texts[51], std::out_of_range);
    texts[50] = "7";
    EXPECT_EQ(texts.first(50).last(), "7");
}

}  // namespace
