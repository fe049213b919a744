// Geometry of the four column pages, the line-width operation and the
// transfers of the problem texts.

#include <gtest/gtest.h>

#include "ColumnTestSupport.h"
#include "column_worksheets/ColumnPages.h"

using namespace zarvik;
using zarvik::test::designFor;

namespace {

void expectAt(const Page& page, const QString& name, int left, int top, int width, int height) {
    SCOPED_TRACE(page.name().toStdString() + " " + name.toStdString());
    const Cell& cell = page.cell(name);
    EXPECT_NEAR(cell.left, fromDesignUnits(left), 1e-9);
    EXPECT_NEAR(cell.top, fromDesignUnits(top), 1e-9);
    if (width >= 0) {
        EXPECT_NEAR(cell.width, fromDesignUnits(width), 1e-9);
    }
    if (height >= 0) {
        EXPECT_NEAR(cell.height, fromDesignUnits(height), 1e-9);
    }
}

struct GridSlotCase {
    bool halfPage;
    int slot;
    int left, top, secondTop, operatorTop, operatorHeight, lineTop, boxHeight;
};

TEST(ColumnPages, GridSlotsSitAtTheirRowsAndColumns) {
    const GridSlotCase cases[] = {
        {true, 1, 30, 44, 60, 60, 19, 78, 18},
        {true, 10, 390, 116, 132, 132, 19, 150, 18},
        {true, 37, 120, 540, 556, 556, 19, 574, 18},  // row 7: pitch 64
        {true, 41, 30, 612, 627, 628, 19, 646, 18},   // row 8: second number + 15
        {true, 50, 390, 676, 692, 692, 19, 710, 18},
        {false, 1, 30, 48, 68, 70, 27, 88, 20},  // row 0: taller operator
        {false, 9, 480, 152, 172, 174, 25, 192, 20},
        {false, 23, 330, 448, 468, 470, 25, 488, 20},
        {false, 50, 630, 952, 972, 974, 25, 992, 20},
    };
    for (const GridSlotCase& c : cases) {
        const Page page = buildGridPage(designFor(c.halfPage));
        const int k = c.slot;
        expectAt(page, QStringLiteral("QRRichText%1").arg(2 * k - 1), c.left, c.top, 50,
                 c.boxHeight);
        expectAt(page, QStringLiteral("QRRichText%1").arg(2 * k), c.left, c.secondTop, 50,
                 c.boxHeight);
        expectAt(page, QStringLiteral("QRLabel%1").arg(k), c.left, c.operatorTop, -1,
                 c.operatorHeight);
        expectAt(page, QStringLiteral("QRShape%1").arg(k), c.left, c.lineTop, 50, 5);
        const Cell& box = page.cell(QStringLiteral("QRRichText%1").arg(2 * k));
        EXPECT_EQ(box.align, Align::Right);
        EXPECT_EQ(box.font.pointSize, c.halfPage ? 12 : 16);
        EXPECT_EQ(page.cell(QStringLiteral("QRShape%1").arg(k)).penWidth, c.halfPage ? 1 : 2);
        EXPECT_EQ(page.cell(QStringLiteral("QRLabel%1").arg(k)).text, "+");
    }
}

TEST(ColumnPages, DivisionSlotsAndTheirFrames) {
    struct Case {
        bool halfPage;
        int slot, left, top;
    };
    const Case cases[] = {{true, 1, 0, 48},     {true, 8, 200, 148}, {true, 35, 400, 648},
                          {false, 1, 0, 50},    {false, 2, 148, 50}, {false, 13, 304, 370},
                          {false, 30, 600, 850}};
    for (const Case& c : cases) {
        const ColumnWindowDesign& design = designFor(c.halfPage);
        const Page page = buildDivisionPage(design);
        const int dividendWidth = c.halfPage ? 50 : 70;
        expectAt(page, divisionDividendBoxName(c.slot), c.left, c.top, dividendWidth,
                 c.halfPage ? 30 : 40);
        expectAt(page, divisionDivisorBoxName(c.slot), c.left + dividendWidth, c.top, 25,
                 c.halfPage ? 17 : 20);
        const Cell& dividend = page.cell(divisionDividendBoxName(c.slot));
        const Cell& divisor = page.cell(divisionDivisorBoxName(c.slot));
        EXPECT_TRUE(dividend.frame.right && !dividend.frame.bottom && !dividend.frame.left);
        EXPECT_TRUE(divisor.frame.bottom && !divisor.frame.right && !divisor.frame.top);
        EXPECT_EQ(dividend.align, Align::Right);
        EXPECT_EQ(divisor.align, Align::Left);
    }
    EXPECT_EQ(divisionDividendBoxName(35), "QRRichText169");
    EXPECT_FALSE(buildDivisionPage(halfPageDesign()).has(u"QRRichText171"));
    EXPECT_FALSE(buildDivisionPage(fullPageDesign()).has(u"QRRichText161"));
}

TEST(ColumnPages, PaperMarginsAndBands) {
    struct Case {
        Page page;
        Paper paper;
        int bandWidth, bandHeight;
    };
    const Case cases[] = {{buildGridPage(halfPageDesign()), Paper::A5, 483, 766},
                          {buildDivisionPage(halfPageDesign()), Paper::A5, 483, 758},
                          {buildGridPage(fullPageDesign()), Paper::A4, 718, 1094},
                          {buildDivisionPage(fullPageDesign()), Paper::A4, 718, 1086}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.page.paper(), c.paper);
        EXPECT_EQ(c.page.marginTop, 50);
        EXPECT_EQ(c.page.marginBottom, 50);
        EXPECT_EQ(c.page.marginLeft, 100);
        EXPECT_EQ(c.page.marginRight, 100);
        EXPECT_NEAR(c.page.bandWidth, fromDesignUnits(c.bandWidth), 1e-9);
        EXPECT_NEAR(c.page.bandHeight, fromDesignUnits(c.bandHeight), 1e-9);
    }
    EXPECT_EQ(buildGridPage(halfPageDesign()).name(), "QuickRep1");
    EXPECT_EQ(buildDivisionPage(fullPageDesign()).name(), "QuickRep2");
}

TEST(ColumnPages, HeaderAndFooterCellsPerPage) {
    struct Place {
        const char* name;
        int left, top;
        const char* text;  // nullptr for pictures
    };
    struct Case {
        Page page;
        std::vector<Place> places;
    };
    const char* dots = "...............";
    const char* web = "www.okul.example.org";
    const Case cases[] = {
        {buildGridPage(halfPageDesign()),
         {{"QRLabel58", 24, 0, "Adı Soyadı:"},
          {"QRLabel59", 288, 0, "Sınıfı:"},
          {"QRLabel60", 400, 0, "Nu.:"},
          {"QRImage1", 0, 18, nullptr},
          {"QRImage2", 0, 720, nullptr},
          {"QRLabel53", 16, 745, dots},
          {"QRLabel54", 248, 745, dots},
          {"QRLabel52", 344, 745, web}}},
        {buildDivisionPage(halfPageDesign()),
         {{"QRLabel55", 24, 0, "Adı Soyadı:"},
          {"QRLabel56", 288, 0, "Sınıfı:"},
          {"QRLabel57", 400, 0, "Nu.:"},
          {"QRImage3", 26, 18, nullptr},
          {"QRImage4", 0, 696, nullptr},
          {"QRLabel61", 16, 721, dots},
          {"QRLabel62", 248, 721, dots},
          {"QRLabel51", 344, 721, web}}},
        {buildGridPage(fullPageDesign()),
         {{"QRLabel55", 40, 0, "Adı Soyadı:"},
          {"QRLabel56", 424, 0, "Sınıfı:"},
          {"QRLabel57", 568, 0, "Nu.:"},
          {"QRImage1", 8, 22, nullptr},
          {"QRImage2", 0, 1032, nullptr},
          {"QRLabel53", 56, 1064, dots},
          {"QRLabel54", 408, 1064, dots},
          {"QRLabel52", 592, 1064, web}}},
        {buildDivisionPage(fullPageDesign()),
         {{"QRLabel58", 40, 0, "Adı Soyadı:"},
          {"QRLabel59", 424, 0, "Sınıfı:"},
          {"QRLabel60", 568, 0, "Nu.:"},
          {"QRImage3", 0, 20, nullptr},
          {"QRImage4", 0, 1032, nullptr},
          {"QRLabel51", 56, 1064, dots},
          {"QRLabel61", 408, 1064, dots},
          {"QRLabel62", 592, 1064, web}}},
    };
    for (const Case& c : cases) {
        for (const Place& place : c.places) {
            expectAt(c.page, QString::fromLatin1(place.name), place.left, place.top, -1, -1);
            const Cell& cell = c.page.cell(QString::fromLatin1(place.name));
            if (place.text) {
                EXPECT_EQ(cell.kind, CellKind::Label);
                EXPECT_EQ(cell.text, QString::fromUtf8(place.text));
                EXPECT_EQ(cell.font.family, "Comic Sans MS");
                EXPECT_TRUE(cell.font.bold);
            } else {
                EXPECT_EQ(cell.kind, CellKind::Image);
                EXPECT_FALSE(cell.picture.isEmpty());
            }
        }
    }
    // Each window's pictures keep their own size on both pages.
    const Page a4 = buildDivisionPage(fullPageDesign());
    EXPECT_NEAR(a4.cell(u"QRImage3").pictureWidth, fromDesignUnits(704), 1e-9);
    EXPECT_NEAR(a4.cell(u"QRImage4").pictureHeight, fromDesignUnits(31), 1e-9);
    const Page a5 = buildGridPage(halfPageDesign());
    EXPECT_EQ(a5.cell(u"QRImage1").picture, "ribbon-header");
    EXPECT_NEAR(a5.cell(u"QRImage2").pictureWidth, fromDesignUnits(406), 1e-9);
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
    // 12 pt would run into the neighbouring frames.
    ColumnSheet half(halfPageDesign());
    half.FirstTexts[1] = "123456789";
    half.SecondTexts[1] = "12345678";
    half.FirstTexts[2] = "12";
    half.SecondTexts[2] = "3";
    half.TransferToDivisionPage();
    Page printed = half.printedDivisionPage();
    const int points = printed.cell(u"QRRichText101").font.pointSize;
    EXPECT_LT(points, 12);
    EXPECT_LE(figuresWidth(9, points), 50);
    EXPECT_LE(figuresWidth(8, points), 100 - 50);
    for (int k = 1; k <= 35; ++k) {
        EXPECT_EQ(printed.cell(divisionDividendBoxName(k)).font.pointSize, points);
        EXPECT_EQ(printed.cell(divisionDivisorBoxName(k)).font.pointSize, points);
    }
    // The design itself keeps its size; short numbers print at it.
    EXPECT_EQ(half.divisionPage().cell(u"QRRichText101").font.pointSize, 12);
    half.FirstTexts[1] = "99";
    half.SecondTexts[1] = "9";
    half.TransferToDivisionPage();
    EXPECT_EQ(half.printedDivisionPage().cell(u"QRRichText101").font.pointSize, 12);

    // Full page, six-digit addends under a line of 82: the lower number must
    // leave room for the "+" at the line's left end; upper and lower share
    // one size so that their digits stand under one another.
    ColumnSheet full(fullPageDesign());
    full.SetLineWidthAndOperator(82, "+");
    full.FirstTexts[7] = "999999";
    full.SecondTexts[7] = "888888";
    full.TransferToGridPage();
    printed = full.printedGridPage();
    const int gridPoints = printed.cell(u"QRRichText13").font.pointSize;
    EXPECT_LT(gridPoints, 16);
    EXPECT_LE(figuresWidth(6, gridPoints) + 1196.0 / 2048.0 * gridPoints * 96.0 / 72.0, 82);
    EXPECT_EQ(printed.cell(u"QRRichText14").font.pointSize, gridPoints);
    EXPECT_EQ(printed.cell(u"QRRichText100").font.pointSize, gridPoints);
    // Lines within the pitch print as set.
    EXPECT_EQ(printed.cell(u"QRShape7").left, full.gridPage().cell(u"QRShape7").left);
}

// The half page's widest line (100) would put every operator on the previous
// column's lower number; on paper it stops 6 units short of that column's edge.
TEST(ColumnPages, PrintedLinesStayWithinTheColumnPitch) {
    ColumnSheet sheet(halfPageDesign());
    sheet.SetLineWidthAndOperator(100, "x");
    sheet.FirstTexts[1] = "999999999";
    sheet.SecondTexts[1] = "4";
    sheet.TransferToGridPage();
    const Page printed = sheet.printedGridPage();
    for (int k = 1; k <= 50; ++k) {
        const int edge = 80 + 90 * ((k - 1) % 5);
        EXPECT_NEAR(printed.cell(gridLineName(k)).width, fromDesignUnits(84), 1e-9);
        EXPECT_NEAR(printed.cell(gridLineName(k)).left, fromDesignUnits(edge - 84), 1e-9);
        EXPECT_NEAR(printed.cell(gridOperatorName(k)).left, fromDesignUnits(edge - 84), 1e-9);
        // The sheet's own geometry stays as set.
        EXPECT_NEAR(sheet.gridPage().cell(gridLineName(k)).left, fromDesignUnits(edge - 100), 1e-9);
    }
    // Nine digits and the operator fit the shorter line.
    const int points = printed.cell(u"QRRichText1").font.pointSize;
    EXPECT_LE(figuresWidth(9, points) + 1196.0 / 2048.0 * points * 96.0 / 72.0, 84);
    EXPECT_GE(points, 10);
}

TEST(ColumnPages, ProblemTextEntriesAreOneTo50) {
    ProblemTexts texts;
    EXPECT_THROW(texts[0], std::out_of_range);
    EXPECT_THROW(texts[51], std::out_of_range);
    texts[50] = "7";
    EXPECT_EQ(texts.first(50).last(), "7");
}

}  // namespace
