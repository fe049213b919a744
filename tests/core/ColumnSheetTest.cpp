// The preparation shared by the windows and zarvik-cli: clearing, dispatch,
// footer labels and the choice of page.

#include <gtest/gtest.h>

#include "ColumnTestSupport.h"
#include "column_worksheets/core/ColumnPages.h"
#include "common/core/TextMeasure.h"

using namespace zarvik;

namespace {

TEST(ColumnSheet, DispatchComparesBothTextsExactly) {
    EXPECT_EQ(findColumnKind(u"Toplama", u"Tek Basamaklı Sayılarla")->generatorName,
              u"AddSingleDigit");
    EXPECT_EQ(findColumnKind(u"Çıkarma", u"Tek Basamaklı Sayılarla")->generatorName,
              u"SubSingleDigit");
    EXPECT_EQ(findColumnKind(u"Çarpma", u"Tek Basamaklı Sayılarla")->generatorName,
              u"MulSingleDigit");
    EXPECT_EQ(findColumnKind(u"Bölme", u"İleri seviye bölme (3-4-5. sınıf)")->generatorName,
              u"DivAdvanced");
    EXPECT_EQ(findColumnKind(u"Toplama", u"Tek basamaklı sayılarla"), nullptr);
    EXPECT_EQ(findColumnKind(u"Toplama ", u"Eldesiz Toplama"), nullptr);
    EXPECT_EQ(findColumnKind(u"Bölme", u"Eldesiz Toplama"), nullptr);
    EXPECT_EQ(columnOperations(), QStringList({"Toplama", "Çıkarma", "Çarpma", "Bölme"}));
    EXPECT_EQ(columnProperties(u"Toplama"),
              QStringList({"Tek Basamaklı Sayılarla", "Eldesiz Toplama", "Eldeli Toplama (Basit)",
                           "Eldeli sayılarla karışık"}));
    EXPECT_EQ(columnProperties(u"Bölme").size(), 2);
    EXPECT_EQ(columnProperties(u"Çarpma").size(), 6);
    EXPECT_TRUE(columnProperties(u"toplama").isEmpty());
}

TEST(ColumnSheet, UnknownTextsPrepareAnEmptySheetWithLabels) {
    ColumnSheet sheet(fullPageDesign());
    RandomDraw random(1, 0);
    ScriptedQuestions questions;
    sheet.FirstTexts[3] = "left over";
    EXPECT_EQ(sheet.prepare("Toplama", "", "Ali", "x", questions, random), nullptr);
    EXPECT_EQ(sheet.FirstTexts[3], QString());
    EXPECT_EQ(random.low(), 1u);  // nothing drawn
    EXPECT_EQ(sheet.gridPage().cell(u"QRLabel53").text, "Hazırlayan: Ali");
}

TEST(ColumnSheet, TeacherAndDateLabelsOnBothPages) {
    struct Case {
        bool halfPage;
        QString teacher;
        QString expected;
    };
    const Case cases[] = {{true, "", ""},
                          {false, "", ""},
                          {true, "  Ayşe  Öğretmen ", "Hazırlayan:   Ayşe  Öğretmen "},
                          {false, "<b>Ali</b> & Veli", "Hazırlayan: <b>Ali</b> & Veli"}};
    for (const Case& c : cases) {
        const ColumnWindowDesign& design = zarvik::test::designFor(c.halfPage);
        ColumnSheet sheet(design);
        RandomDraw random(3, 0);
        ScriptedQuestions questions;
        sheet.prepare("Çıkarma", "20'den küçük sayılar ile", c.teacher, "tarih: 1/12", questions,
                      random);
        EXPECT_EQ(sheet.gridPage().cell(design.gridPage.teacherLabel.name).text, c.expected);
        EXPECT_EQ(sheet.divisionPage().cell(design.divisionPage.teacherLabel.name).text,
                  c.expected);
        EXPECT_EQ(sheet.gridPage().cell(design.gridPage.dateLabel.name).text, "tarih: 1/12");
        EXPECT_EQ(sheet.divisionPage().cell(design.divisionPage.dateLabel.name).text,
                  "tarih: 1/12");
    }
}

TEST(ColumnSheet, DivisionLeavesTheGridAsTheAdditionSetIt) {
    ColumnSheet sheet(halfPageDesign());
    RandomDraw random(99, 0);
    ScriptedQuestions addition({"9"});
    sheet.prepare("Toplama", "Eldeli sayılarla karışık", "", "", addition, random);
    const Page gridAfterAddition = sheet.gridPage();
    ScriptedQuestions division({"9", "9", "e"});
    sheet.prepare("Bölme", "Temel bölme (2-3. sınıf)", "", "", division, random);

    for (int k = 1; k <= 50; ++k) {
        EXPECT_EQ(sheet.gridPage().cell(gridLineName(k)).left,
                  gridAfterAddition.cell(gridLineName(k)).left);
        EXPECT_EQ(sheet.gridPage().cell(gridOperatorName(k)).text, "+");
    }
    EXPECT_EQ(sheet.lineSetting()->width, 100);
    // Division wrote 35 entries; 36..50 stay empty and never reach the page.
    EXPECT_FALSE(sheet.FirstTexts[35].isEmpty());
    EXPECT_TRUE(sheet.FirstTexts[36].isEmpty());
    EXPECT_EQ(sheet.problems().size(), 35u);
}

TEST(ColumnSheet, BakAndYazdirPageFollowsTheOperation) {
    ColumnSheet sheet(fullPageDesign());
    RandomDraw random(7, 0);
    ScriptedQuestions questions({"4", "4", "h"});
    sheet.prepare("Bölme", "Temel bölme (2-3. sınıf)", "", "", questions, random);
    const Page& division = sheet.transferForOperation("Bölme");
    EXPECT_EQ(division.name(), "QuickRep2");
    EXPECT_EQ(division.cell(u"QRRichText101").text, sheet.FirstTexts[1]);
    EXPECT_EQ(division.cell(u"QRRichText160").text, sheet.SecondTexts[30]);
    EXPECT_EQ(sheet.slotCountFor("Bölme"), 30);

    // Any other operation text shows the grid, whatever was prepared.
    const Page& grid = sheet.transferForOperation("Toplama");
    EXPECT_EQ(grid.name(), "QuickRep1");
    EXPECT_EQ(grid.cell(u"QRRichText1").text, sheet.FirstTexts[1]);
    EXPECT_EQ(sheet.slotCountFor("Çarpma"), 50);
}

}  // namespace

namespace {

// The frames keep their gaps on the digits as measured, whatever the face:
// the bar starts 1.5 mm above the digits' tops, the underline lies 1.2 mm
// under their baseline, and each number's box holds its digits.
TEST(ColumnSheet, LongDivisionFramesStandOnTheMeasuredDigits) {
    const TextMeasure& measure = textMeasure();
    for (const ColumnWindowDesign* design : {&halfPageDesign(), &fullPageDesign()}) {
        ColumnSheet sheet(*design);
        RandomDraw random(3, 0);
        ScriptedQuestions questions({"6", "3", "e"});
        sheet.prepare("Bölme", "İleri seviye bölme (3-4-5. sınıf)", "", "", questions, random);
        const Page page = sheet.transferForOperation("Bölme");
        for (int slot = 1; slot <= design->division.slotCount; ++slot) {
            SCOPED_TRACE(slot);
            const Cell& dividend = page.cell(divisionDividendBoxName(slot));
            const Cell& divisor = page.cell(divisionDivisorBoxName(slot));
            const Cell& bar = page.cell(QStringLiteral("DivisionBar%1").arg(slot));
            const Cell& under = page.cell(QStringLiteral("DivisionLine%1").arg(slot));
            const FaceMetrics face = measure.metrics(dividend.font, dividend.font.pointSize);
            const double digitsTop = dividend.top + face.ascent - face.digitHeight;
            EXPECT_NEAR(digitsTop - bar.top, 15, 1e-9);
            EXPECT_NEAR(under.top - (dividend.top + face.ascent), 12, 1e-9);
            EXPECT_GE(dividend.width + 1e-9,
                      measure.width(dividend.text, dividend.font, dividend.font.pointSize));
            EXPECT_GE(divisor.width + 1e-9,
                      measure.width(divisor.text, divisor.font, divisor.font.pointSize));
            EXPECT_GE(bar.height, 15 + face.digitHeight + 12 + face.lineSpacing - 1e-9);
        }
    }
}

}  // namespace
