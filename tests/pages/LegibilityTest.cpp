// Printed pages a pupil can read, checked on the ink of pages rendered at
// 300 dpi: long division reads as two numbers at every setting, column
// problems keep operator, digits and lines apart, fractions keep "=" off the
// bars, and nothing comes within 5 mm of the paper's edge. (Room to write
// the answers: RoomToWriteTest.)

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "column_worksheets/core/ColumnPages.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"
#include "fractions/core/FractionPage.h"
#include "fractions/core/FractionWorksheet.h"
#include "numbers/core/NumberPage.h"
#include "numbers/core/NumberWorksheet.h"
#include "InkOnPaper.h"

using namespace zarvik;

namespace {

using test::inkNearEdges;
using test::kDpi;
using test::Rendered;

ColumnSheet preparedColumn(const ColumnWindowDesign& design, const QString& operation,
                           const QString& property, const QStringList& answers) {
    ColumnSheet sheet(design);
    ScriptedQuestions questions(answers);
    RandomDraw random;
    random.seed(1222833600);
    sheet.prepare(operation, property, QStringLiteral("Ayşe Öğretmen"),
                  QStringLiteral("07/03/2008"), questions, random);
    return sheet;
}

struct DivisionCase {
    const ColumnWindowDesign* design;
    QString property;
    QStringList answers;
};

constexpr double kMm = 10.0;

}  // namespace

TEST(Legibility, LongDivisionReadsAsTwoNumbersAtEverySetting) {
    const QString basic = QStringLiteral("Temel bölme (2-3. sınıf)");
    const QString advanced = QStringLiteral("İleri seviye bölme (3-4-5. sınıf)");
    const std::vector<DivisionCase> cases = {
        {&halfPageDesign(), basic, {"2", "2", "h"}},
        {&halfPageDesign(), basic, {"9", "9", "e"}},
        {&halfPageDesign(), advanced, {"2", "1", "h"}},
        {&halfPageDesign(), advanced, {"9", "1", "e"}},
        {&halfPageDesign(), advanced, {"9", "8", "e"}},
        {&fullPageDesign(), basic, {"2", "2", "h"}},
        {&fullPageDesign(), basic, {"9", "9", "e"}},
        {&fullPageDesign(), advanced, {"2", "1", "h"}},
        {&fullPageDesign(), advanced, {"6", "3", "e"}},
        {&fullPageDesign(), advanced, {"6", "4", "e"}},
    };
    for (const DivisionCase& c : cases) {
        SCOPED_TRACE((c.design->caption.toString() + " " + c.answers.join(';')).toStdString());
        ColumnSheet sheet =
            preparedColumn(*c.design, QStringLiteral("Bölme"), c.property, c.answers);
        const Rendered r(sheet.transferForOperation(QStringLiteral("Bölme")));
        const Cell& header = r.page.cell(c.design->divisionPage.headerRibbon.name);
        const Cell& footer = r.page.cell(c.design->divisionPage.footerRibbon.name);
        const int points = r.page.cell(divisionDividendBoxName(1)).font.pointSize;
        EXPECT_GE(points, 10);
        const double digit = 1139.0 / 2048.0 * points * 254.0 / 72.0;
        const double digitHeight = 1472.0 / 2048.0 * points * 254.0 / 72.0;
        std::vector<QRectF> frames;
        for (int slot = 1; slot <= c.design->division.slotCount; ++slot) {
            const Cell& dividend = r.page.cell(divisionDividendBoxName(slot));
            const Cell& divisor = r.page.cell(divisionDivisorBoxName(slot));
            const Cell& bar = r.page.cell(QStringLiteral("DivisionBar%1").arg(slot));
            const Cell& under = r.page.cell(QStringLiteral("DivisionLine%1").arg(slot));
            ASSERT_FALSE(dividend.text.isEmpty());
            EXPECT_EQ(dividend.font.pointSize, points) << "one size for the page";
            EXPECT_EQ(divisor.font.pointSize, points);
            // 1.5 mm either side of the bar, over the digits' height, is white
            // but for the bar itself (its pen, a third of a millimetre).
            const double textTop = dividend.top;
            const double textBottom = dividend.top + 0.905 * points * 254.0 / 72.0;
            EXPECT_EQ(r.ink(bar.left - 15, textTop, bar.left - 2, textBottom), 0) << slot;
            EXPECT_EQ(r.ink(bar.left + 2, textTop, bar.left + 15, textBottom), 0) << slot;
            // ... and the numbers are there, beyond the gaps.
            EXPECT_GT(r.ink(bar.left - 15 - digit, textTop, bar.left - 15, textBottom), 0);
            EXPECT_GT(r.ink(bar.left + 15, textTop, bar.left + 15 + digit, textBottom), 0);
            // The bar is taller than the digits, starting above them.
            EXPECT_GT(bar.height, digitHeight + 10);
            EXPECT_LT(bar.top, textBottom - digitHeight - 5);
            // The underline: as long as the divisor and the quotient, under
            // the divisor's digits.
            const qlonglong quotient = dividend.text.toLongLong() / divisor.text.toLongLong();
            const double needed =
                std::max(divisor.text.size(), QString::number(quotient).size()) * digit;
            EXPECT_GE(under.left + under.width, bar.left + 15 + needed) << slot;
            EXPECT_GT(under.top, textBottom + 5);
            // (Pens of a third of a millimetre, and the digits' smoothed
            // edges, reach a fifth of a millimetre past their cells.)
            EXPECT_EQ(r.ink(bar.left + 3, textBottom + 2, under.left + under.width, under.top - 3),
                      0);
            // Between the header and footer strips.
            EXPECT_GE(bar.top, header.top + header.height + 10);
            EXPECT_LE(bar.top + bar.height, footer.top - 10);
            frames.push_back(QRectF(QPointF(bar.left - 15 - dividend.text.size() * digit, bar.top),
                                    QPointF(under.left + under.width, bar.top + bar.height)));
        }
        // No frame reaches a neighbour.
        for (size_t a = 0; a < frames.size(); ++a)
            for (size_t b = a + 1; b < frames.size(); ++b)
                EXPECT_FALSE(frames[a].adjusted(-5, -5, 5, 5).intersects(frames[b]))
                    << a << " " << b;
        EXPECT_EQ(inkNearEdges(r.image), 0);
    }
}

TEST(Legibility, ColumnProblemsKeepOperatorDigitsAndLinesApart) {
    for (const auto& [design, digits] :
         {std::pair{&halfPageDesign(), "9"}, std::pair{&fullPageDesign(), "6"}}) {
        SCOPED_TRACE(design->caption.toString().toStdString());
        ColumnSheet sheet = preparedColumn(*design, QStringLiteral("Toplama"),
                                           QStringLiteral("Eldeli sayılarla karışık"), {digits});
        const Rendered r(sheet.transferForOperation(QStringLiteral("Toplama")));
        for (int slot = 1; slot <= kGridSlotCount; ++slot) {
            const Cell& second = r.page.cell(gridSecondBoxName(slot));
            const Cell& line = r.page.cell(gridLineName(slot));
            const double em = second.font.pointSize * 254.0 / 72.0;
            const double digitsTop = second.top + (0.905 - 0.716) * em;
            const double digitsBottom = second.top + 0.905 * em;
            // The operator's ink, then at least 1 mm of white, then the number.
            double operatorRight = -1;
            for (double x = line.left; x < line.left + line.width; x += 0.5)
                if (r.ink(x, digitsTop, x + 0.5, digitsBottom) > 0)
                    operatorRight = x + 0.5;
                else if (operatorRight >= 0)
                    break;
            ASSERT_GE(operatorRight, 0) << slot;
            EXPECT_EQ(r.ink(operatorRight + 0.5, digitsTop, operatorRight + kMm, digitsBottom), 0)
                << slot << " " << second.text.toStdString();
            // White between the lower number's digits and its line.
            const double digit = 1139.0 / 2048.0 * em;
            const double numberRight = second.left + second.width;
            const double lineMiddle = line.top + line.height / 2;
            EXPECT_EQ(r.ink(numberRight - second.text.size() * digit, digitsBottom + 2, numberRight,
                            lineMiddle - 5),
                      0)
                << slot;
            // The line starts inside the band, and apart from the next one.
            EXPECT_GE(line.left, 0);
            if (slot % 5 != 0) {
                const Cell& next = r.page.cell(gridLineName(slot + 1));
                EXPECT_GE(next.left - (line.left + line.width), 2 * kMm);
                EXPECT_EQ(r.ink(line.left + line.width + 3, lineMiddle - 1, next.left - 3,
                                lineMiddle + 1),
                          0);
            }
        }
        EXPECT_EQ(inkNearEdges(r.image), 0);
    }
}

TEST(Legibility, FractionEqualsSignsClearOfBarsAndLastRowClearOfTheFooter) {
    FractionWorksheet sheet;
    RandomDraw random;
    random.seed(1222833600);
    // Different denominators give two-digit ones.
    sheet.prepare({QStringLiteral("Toplama"), QStringLiteral("Tam Sayılı Kesir"),
                   QStringLiteral("Paydaları Farklı"), QString(), QStringLiteral("07/03/2008")},
                  random);
    const Rendered r(sheet.page());
    for (int exercise = 1; exercise <= fractions::kRowCount; ++exercise) {
        const Cell& bar =
            r.page.cell(fractions::exerciseBoxName(exercise, fractions::BoxRole::SecondNumerator));
        const Cell& equals =
            r.page.cell(fractions::exerciseBoxName(exercise, fractions::BoxRole::EqualsSign));
        // From just past the bar to 1.5 mm on: white over the "="'s height.
        EXPECT_EQ(r.ink(bar.left + bar.width + 2, equals.top, bar.left + bar.width + 15,
                        equals.top + equals.height),
                  0)
            << exercise;
        EXPECT_GT(r.ink(equals.left, equals.top, equals.left + 40, equals.top + equals.height), 0);
    }
    const Cell& footer = r.page.cell(u"QRImage2");
    EXPECT_EQ(r.ink(0, footer.top - 30, r.page.bandWidth, footer.top), 0);
    EXPECT_EQ(inkNearEdges(r.image), 0);
}

TEST(Legibility, EveryOutputShrinksAPageThatReachesTheEdgeAlike) {
    // The half-page footer is designed 2.8 mm from the bottom edge.
    ColumnSheet sheet(halfPageDesign());
    const Page page = sheet.transferForOperation(QStringLiteral("Toplama"));
    const double scale = printableAreaScale(fitPageTexts(page));
    EXPECT_LT(scale, 1.0);
    EXPECT_GT(scale, 0.9);
    // The same shrink at any resolution: the ink's bounds scale with it.
    const QImage low = renderImage(page, 100).convertToFormat(QImage::Format_Grayscale8);
    const QImage high = renderImage(page, kDpi).convertToFormat(QImage::Format_Grayscale8);
    EXPECT_EQ(inkNearEdges(high), 0);
    // The lowest ink, in millimetres from the top, at two resolutions.
    const auto lowestInk = [](const QImage& image, int dpi) {
        for (int y = image.height() - 1; y >= 0; --y) {
            const uchar* row = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x)
                if (row[x] < 128) return (y + 1) * 25.4 / dpi;
        }
        return 0.0;
    };
    EXPECT_NEAR(lowestInk(low, 100), lowestInk(high, kDpi), 0.4);
    EXPECT_LE(lowestInk(high, kDpi), 210.0 - 5.0);
}
