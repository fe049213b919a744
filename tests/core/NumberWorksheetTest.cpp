// The number worksheet page and its preparation: cells where the sheet needs
// them, numbering, one column, footer labels, the left column's width, and a
// failed preparation that must leave the page untouched.

#include <gtest/gtest.h>

#include "numbers/core/NumberPage.h"
#include "numbers/core/NumberWorksheet.h"

using namespace zarvik;

namespace {

struct RecordedMessages : MessageSink {
    QStringList texts;
    void showMessage(const QString& text) override { texts << text; }
};

NumberChoices choices(const QString& kind, const QString& digits = "3",
                      const QString& columns = "İki Sütun", const QString& teacher = {},
                      const QString& date = "07/03/2009") {
    return {kind, digits, columns, teacher, date};
}

struct Prepared {
    NumberWorksheet sheet;
    RandomDraw random{1234, 0};
    RecordedMessages messages;
    void prepare(const NumberChoices& c) { sheet.prepare(c, random, messages); }
};

}  // namespace

TEST(NumberPage, Geometry) {
    const Page page = makeNumberPage();
    EXPECT_EQ(page.name(), "QuickRepSayilar");
    EXPECT_EQ(page.paper(), Paper::A4);
    EXPECT_DOUBLE_EQ(page.marginTop, 50);
    EXPECT_DOUBLE_EQ(page.marginLeft, 100);
    EXPECT_DOUBLE_EQ(page.bandWidth, 1900);
    EXPECT_DOUBLE_EQ(page.bandHeight, 2895);
    EXPECT_EQ(page.cells().size(), 3u + 2 + 1 + 48 + 3);

    struct Spot {
        const char* name;
        double left, top, width, height;
    };
    const Spot spots[] = {
        {"QRLabel55", 105.8, 0, 203.7, 52.9},         {"QRLabel57", 1502.8, 0, 82.0, 52.9},
        {"QRImage1", 21.2, 58.2, 1886.5, 66.1},       {"QRRichText25", 79.4, 145.5, 1764.8, 52.9},
        {"QRRichText1", 79.4, 217.0, 873.1, 52.9},    {"QRRichText6", 79.4, 746.15, 873.1, 58.2},
        {"QRRichText24", 79.4, 2651.1, 873.1, 52.9},  {"QRRichText26", 979.0, 217.0, 873.1, 52.9},
        {"QRRichText31", 979.0, 746.15, 873.1, 52.9}, {"QRRichText49", 979.0, 2651.1, 873.1, 52.9},
        {"QRImage2", 0, 2730.5, 1886.5, 87.3},        {"QRLabel52", 1566.3, 2815.2, 264.6, 52.9},
        {"QRLabel54", 1079.5, 2815.2, 240.8, 52.9},
    };
    for (const Spot& s : spots) {
        SCOPED_TRACE(s.name);
        const Cell& cell = page.cell(QString::fromLatin1(s.name));
        EXPECT_NEAR(cell.left, s.left, 0.06);
        EXPECT_NEAR(cell.top, s.top, 0.06);
        EXPECT_NEAR(cell.width, s.width, 0.06);
        EXPECT_NEAR(cell.height, s.height, 0.06);
    }
    const Cell& title = page.cell(u"QRRichText25");
    EXPECT_EQ(title.font.pointSize, 14);
    EXPECT_TRUE(title.font.underline);
    EXPECT_EQ(title.align, Align::Center);
    EXPECT_EQ(page.cell(u"QRRichText30").font.family, "Arial");
    EXPECT_FALSE(page.cell(u"QRRichText30").font.underline);
    const Cell& name = page.cell(u"QRLabel55");
    EXPECT_EQ(name.kind, CellKind::Label);
    EXPECT_EQ(name.text, "Adı Soyadı:");
    EXPECT_EQ(name.font.family, "Comic Sans MS");
    EXPECT_TRUE(name.font.bold);
    EXPECT_EQ(page.cell(u"QRLabel56").text, "Sınıfı:");
    EXPECT_EQ(page.cell(u"QRLabel53").text, "...............");
    EXPECT_EQ(page.cell(u"QRImage1").picture, "strip-numbers-top");
    EXPECT_EQ(page.cell(u"QRImage2").picture, "strip-numbers-bottom");
    EXPECT_DOUBLE_EQ(page.cell(u"QRImage2").pictureHeight, 87.3);
    EXPECT_FALSE(page.has(u"QRRichText50"));
}

TEST(NumberWorksheet, NumbersBothColumns) {
    Prepared p;
    p.prepare(choices("Karşılaştırma"));
    const auto& sheet = *p.sheet.sheet();
    EXPECT_EQ(p.sheet.leftTexts()[6], "  7-) " + sheet.exercises[6].text);
    EXPECT_EQ(p.sheet.leftTexts()[8], "  9-) " + sheet.exercises[8].text);
    EXPECT_EQ(p.sheet.leftTexts()[9], "10-) " + sheet.exercises[9].text);
    EXPECT_EQ(p.sheet.rightTexts()[6], "31-) " + sheet.exercises[30].text);
    EXPECT_EQ(p.sheet.rightTexts()[23], "48-) " + sheet.exercises[47].text);
    // What the lists hold is what the cells print.
    for (int r = 1; r <= 24; ++r) {
        EXPECT_EQ(p.sheet.page().cell(numberLeftCell(r)).text, p.sheet.leftTexts()[r - 1]);
        EXPECT_EQ(p.sheet.page().cell(numberRightCell(r)).text, p.sheet.rightTexts()[r - 1]);
    }
    EXPECT_EQ(p.sheet.title(), "Aşağıdaki sayıları karşılaştırınız.");
}

TEST(NumberWorksheet, OneColumnDrawsBothButPrintsLeft) {
    Prepared one, two;
    one.prepare(choices("Sayı Okuma", "5", "Tek Sütun"));
    two.prepare(choices("Sayı Okuma", "5", "İki Sütun"));
    EXPECT_EQ(one.sheet.leftTexts(), two.sheet.leftTexts());
    EXPECT_EQ(one.sheet.rightTexts(), QStringList(24, QString()));
    EXPECT_EQ(one.random.low(), two.random.low());
    EXPECT_EQ(one.sheet.page().cell(u"QRRichText49").text, "");
}

TEST(NumberWorksheet, NoKindNumbersOnlyAndKeepsTitle) {
    Prepared p;
    p.prepare(choices(""));
    EXPECT_EQ(p.sheet.leftTexts()[0], "  1-) ");
    EXPECT_EQ(p.sheet.rightTexts()[23], "48-) ");
    EXPECT_EQ(p.sheet.title(), "");
    EXPECT_FALSE(p.sheet.sheet().has_value());
    EXPECT_EQ(p.random.low(), 1234u);

    p.prepare(choices("Sayı Okuma"));
    p.prepare(choices("Okuma", "x"));  // no such kind: the digits are never read
    EXPECT_EQ(p.sheet.title(), "Aşağıdaki sayıların okunuşunu yazınız.");
    EXPECT_EQ(p.sheet.leftTexts()[4], "  5-) ");
}

TEST(NumberWorksheet, FooterLabels) {
    Prepared p;
    p.prepare(choices("Sıralama", "2", "İki Sütun", "Ayşe Öğretmen", "31/12/2008"));
    EXPECT_EQ(p.sheet.teacherCaption(), "Hazırlayan: Ayşe Öğretmen");
    EXPECT_EQ(p.sheet.dateCaption(), "31/12/2008");
    p.prepare(choices("Sıralama", "2", "İki Sütun", "", "bugün <b>"));
    EXPECT_EQ(p.sheet.teacherCaption(), "");
    EXPECT_EQ(p.sheet.dateCaption(), "bugün <b>");
}

TEST(NumberWorksheet, WritingWidensLeftColumnFromSevenDigits) {
    Prepared p;
    const double normal = p.sheet.page().cell(u"QRRichText1").width;
    p.prepare(choices("Sayı Yazma", "6"));
    EXPECT_FALSE(p.sheet.leftWide());
    p.prepare(choices("Sayı Yazma", "7"));
    EXPECT_TRUE(p.sheet.leftWide());
    for (int r = 1; r <= 24; ++r)
        EXPECT_NEAR(p.sheet.page().cell(numberLeftCell(r)).width, 2645.8, 0.1);
    EXPECT_NEAR(p.sheet.page().cell(u"QRRichText26").width, 873.1, 0.1);
    // Other kinds leave the width as it is; picking a kind restores it.
    p.prepare(choices("Sıralama"));
    EXPECT_TRUE(p.sheet.leftWide());
    p.sheet.setNormalWidth();
    EXPECT_FALSE(p.sheet.leftWide());
    EXPECT_DOUBLE_EQ(p.sheet.page().cell(u"QRRichText6").width, normal);
    EXPECT_DOUBLE_EQ(p.sheet.page().cell(u"QRRichText6").height, 58.2);
}

TEST(NumberWorksheet, FailedPreparationChangesNothing) {
    Prepared p;
    p.prepare(choices("Sayı Yazma", "8", "İki Sütun", "Ali", "01/01/2009"));
    const NumberWorksheet before = p.sheet;
    for (const char* digits : {"1", "2"}) {
        EXPECT_THROW(p.prepare(choices("Sayı Yuvarlama", digits, "Tek Sütun", "Veli", "x")),
                     InputRefused);
        EXPECT_EQ(p.sheet.leftTexts(), before.leftTexts());
        EXPECT_EQ(p.sheet.rightTexts(), before.rightTexts());
        EXPECT_EQ(p.sheet.leftWide(), before.leftWide());
        EXPECT_EQ(p.sheet.sheet()->exercises[0].text, before.sheet()->exercises[0].text);
        for (size_t i = 0; i < before.page().cells().size(); ++i) {
            const Cell& was = before.page().cells()[i];
            const Cell& is = p.sheet.page().cells()[i];
            EXPECT_EQ(is.text, was.text) << was.name.toStdString();
            EXPECT_EQ(is.width, was.width) << was.name.toStdString();
        }
    }
    EXPECT_THROW(p.prepare(choices("Sayı Okuma", "")), ConversionError);
    EXPECT_EQ(p.sheet.teacherCaption(), "Hazırlayan: Ali");
}

TEST(NumberWorksheet, CorrectionMessageStillPrepares) {
    Prepared p;
    p.prepare(choices("Tek ve Çift Sayılar", "0"));
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts[0].contains("basamak sayısı 3"));
    EXPECT_EQ(p.sheet.sheet()->digits, 3);
    EXPECT_NE(p.sheet.leftTexts()[0], "  1-) ");
}
