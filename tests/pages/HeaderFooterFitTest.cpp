// Header and footer texts keep to their own room on every family and paper:
// normal texts print as designed, extreme ones shrink to the floor and are
// then cut with "…", never reaching the next label.

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <vector>

#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "common/core/Errors.h"
#include "common/core/PageCells.h"
#include "common/render/PageRenderer.h"
#include "common/render/PupilName.h"
#include "common/render/TextFit.h"
#include "fractions/core/FractionPage.h"
#include "fractions/core/FractionWorksheet.h"
#include "numbers/core/NumberWorksheet.h"

using namespace zarvik;

namespace {

// Width in tenths of a millimetre, measured apart from TextFit's own measure.
double paintedWidth(const Cell& cell) {
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(static_cast<int>(std::lround(600 / 0.0254)));
    QFont font(resolvedFontFamily(cell.font.family));
    font.setPointSize(cell.font.pointSize);
    font.setBold(cell.font.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(font, &device).horizontalAdvance(cell.text) / 600.0 * 254.0;
}

struct NoMessages : MessageSink {
    void showMessage(const QString&) override {}
};

struct FooterPage {
    const char* family;
    Page page;
};

// Every page design with the given footer texts and pupil name.
std::vector<FooterPage> pages(const QString& teacher, const QString& date, const QString& pupil) {
    std::vector<FooterPage> all;
    for (const ColumnWindowDesign* design : {&halfPageDesign(), &fullPageDesign()}) {
        ColumnSheet sheet(*design);
        sheet.setFooterLabels(teacher, date);
        all.push_back({"column grid", sheet.gridPage()});
        all.push_back({"column division", sheet.divisionPage()});
    }
    Page fraction = fractions::makeFractionPage();
    fractions::setFractionFooter(fraction, teacher, date);
    all.push_back({"fraction", fraction});
    NumberWorksheet numbers;
    RandomDraw random;
    random.seed(1);
    NoMessages messages;
    numbers.prepare({QString(), u"3"_qs, kTwoColumns.toString(), teacher, date}, random, messages);
    all.push_back({"numbers", numbers.page()});
    for (FooterPage& page : all)
        if (!pupil.isEmpty()) printPupilName(page.page, pupil);
    return all;
}

std::vector<const Cell*> headerFooterTexts(const Page& page) {
    std::vector<const Cell*> cells;
    for (const Cell& cell : page.cells())
        if (cell.fit.cut) cells.push_back(&cell);
    return cells;
}

}  // namespace

TEST(HeaderFooterFit, NormalTextsPrintAsDesigned) {
    for (const FooterPage& page : pages(u"Ayşe Öğretmen"_qs, u"01/02/2026"_qs, u"Ayşe Yılmaz"_qs)) {
        SCOPED_TRACE(page.family);
        const std::vector<const Cell*> cells = headerFooterTexts(page.page);
        EXPECT_EQ(cells.size(), 3u);  // teacher, date, pupil
        const Page fitted = fitPageTexts(page.page);
        for (const Cell* cell : cells) {
            SCOPED_TRACE(cell->text.toStdString());
            const Cell& after = fitted.cell(cell->name);
            EXPECT_EQ(after.text, cell->text);
            EXPECT_EQ(after.font.pointSize, cell->font.pointSize);
        }
    }
}

TEST(HeaderFooterFit, ExtremeTextsShrinkThenAreCutInsideTheirRoom) {
    const QString teacher(10240, u'W');
    const QString date = QStringLiteral("01/02/2026 ") + QString(200, u'Ğ');
    const QString pupil(30, u'W');  // the longest name a class list accepts
    for (const FooterPage& page : pages(teacher, date, pupil)) {
        SCOPED_TRACE(page.family);
        const Page fitted = fitPageTexts(page.page);
        for (const Cell* cell : headerFooterTexts(page.page)) {
            SCOPED_TRACE(cell->text.left(20).toStdString());
            const Cell& after = fitted.cell(cell->name);
            EXPECT_LE(paintedWidth(after), cell->fit.room + 1);
            if (after.text == cell->text) continue;  // smaller, whole (a name on A4)
            EXPECT_EQ(after.font.pointSize, kSmallestHeaderFooterPoints);
            EXPECT_TRUE(after.text.endsWith(u"…"_qs));
            EXPECT_TRUE(cell->text.startsWith(after.text.chopped(1)));
            EXPECT_GT(after.text.size(), 5);
        }
    }
}

TEST(HeaderFooterFit, ControlCharactersInTeacherOrDateAreRefusedBeforeAnythingChanges) {
    RandomDraw random(12345, 0);
    NoMessages messages;
    NumberWorksheet numbers;
    const QString before = numbers.teacherCaption();
    for (const auto& [teacher, date] :
         std::vector<std::pair<QString, QString>>{{u"\t\tAli"_qs, u"d"_qs},
                                                  {u"Ali"_qs, u"01/02\n2026"_qs},
                                                  {u"Ali\u200b"_qs, u"d"_qs}}) {
        try {
            numbers.prepare(
                {numberKindTexts().front(), u"3"_qs, kTwoColumns.toString(), teacher, date}, random,
                messages);
            ADD_FAILURE() << "accepted";
        } catch (const InputRefused& e) {
            EXPECT_TRUE(e.message().contains(u"denetim karakteri"_qs));
            EXPECT_TRUE(
                e.message().contains(teacher == u"Ali"_qs ? u"\"Tarih\""_qs : u"\"Öğretmen\""_qs));
        }
        EXPECT_EQ(random.low(), 12345u);
        EXPECT_EQ(numbers.teacherCaption(), before);
    }
    FractionWorksheet fraction;
    EXPECT_THROW(fraction.prepare({u"Toplama"_qs, u"Basit Kesir"_qs, u"Paydaları Eşit"_qs,
                                   u"Ali"_qs, u"\x1b"_qs},
                                  random),
                 InputRefused);
    EXPECT_EQ(random.low(), 12345u);
}
