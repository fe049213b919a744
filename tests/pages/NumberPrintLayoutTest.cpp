// Long exercises on paper: rendered pages of the widest sheets keep their ink
// off the gap before the right column and inside the sheet, while short
// sheets print exactly as designed.

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"
#include "numbers/core/NumberPage.h"
#include "numbers/core/NumberWorksheet.h"

using namespace zarvik;

namespace {

struct NoMessages : MessageSink {
    void showMessage(const QString&) override {}
};

NumberWorksheet prepared(const QString& kind, const QString& digits, const QString& columns) {
    NumberWorksheet sheet;
    RandomDraw random;
    random.seed(1700000000);
    NoMessages messages;
    sheet.prepare({kind, digits, columns, QString(), QStringLiteral("01/01/2009")}, random,
                  messages);
    return sheet;
}

constexpr int kDpi = 100;

QImage rendered(const Page& page) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.png");
    writePng(page, path, kDpi);
    QImage image(path);
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// Dark pixels in the rectangle, given in tenths of a millimetre from the paper's corner.
int inkIn(const QImage& image, double left, double top, double right, double bottom) {
    const auto px = [](double tenths) { return static_cast<int>(tenths * kDpi / 254.0); };
    int ink = 0;
    for (int y = px(top); y < std::min(px(bottom), image.height()); ++y)
        for (int x = px(left); x < std::min(px(right), image.width()); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

// The band of the exercise rows, in paper coordinates.
constexpr double kRowsTop = 50 + 217.0;
constexpr double kRowsBottom = 50 + 2651.1 + 105.0;

}  // namespace

TEST(NumberPrintLayout, LongSheetsStayInTheirRoom) {
    struct Case {
        const char* kind;
        const char* digits;
        const char* columns;
    };
    const Case cases[] = {
        {"Sayı Yazma", "9", "İki Sütun"}, {"Sayı Yazma", "6", "İki Sütun"},
        {"Sıralama", "9", "İki Sütun"},   {"Tek ve Çift Sayılar", "9", "İki Sütun"},
        {"Sayı Yazma", "9", "Tek Sütun"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.digits + " " + c.columns);
        const NumberWorksheet sheet =
            prepared(QString::fromUtf8(c.kind), c.digits, QString::fromUtf8(c.columns));
        const QImage image = rendered(fitPageTexts(sheet.page()));
        // Right of the band: nothing but the footer's publisher label, below the rows.
        EXPECT_EQ(inkIn(image, 100 + 1900, kRowsTop, 2100, kRowsBottom), 0);
        // The strip just before the right column stays clear when it has text.
        if (QString::fromUtf8(c.columns) == kTwoColumns) {
            EXPECT_EQ(inkIn(image, 100 + 979.0 - 15, kRowsTop, 100 + 979.0 - 3, kRowsBottom), 0);
        }
    }
}

TEST(NumberPrintLayout, UnfittedWideSheetWouldCollide) {
    // Guards the test above: without fitting, the same sheet does reach those places.
    const NumberWorksheet sheet = prepared("Sayı Yazma", "9", "İki Sütun");
    Page unfitted = sheet.page();
    for (const Cell& cell : sheet.page().cells())
        unfitted.cell(cell.name).fit = TextFit{};
    const QImage image = rendered(unfitted);
    EXPECT_GT(inkIn(image, 100 + 979.0 - 15, kRowsTop, 100 + 979.0 - 3, kRowsBottom), 0);
    EXPECT_GT(inkIn(image, 100 + 1900, kRowsTop, 2100, kRowsBottom), 0);
}

TEST(NumberPrintLayout, OnlyFontAndLineBreaksChange) {
    const NumberWorksheet sheet = prepared("Sayı Yazma", "9", "İki Sütun");
    const Page printed = fitPageTexts(sheet.page());
    int size = 0;
    bool wrapped = false;
    for (int r = 1; r <= 24; ++r) {
        for (const QString& name : {numberLeftCell(r), numberRightCell(r)}) {
            const Cell& was = sheet.page().cell(name);
            const Cell& is = printed.cell(name);
            QString joined = is.text;
            joined.replace(QRegularExpression("\n +"), " ");
            EXPECT_EQ(joined.simplified(), was.text.simplified()) << name.toStdString();
            EXPECT_LE(is.text.count('\n'), 1);
            wrapped |= is.text.contains('\n');
            EXPECT_EQ(is.width, was.width);
            if (!size) size = is.font.pointSize;
            EXPECT_EQ(is.font.pointSize, size) << "one size for the whole sheet";
        }
    }
    EXPECT_TRUE(wrapped);
    EXPECT_GE(size, 9);
    EXPECT_LT(size, 14);
    // The worksheet itself keeps its texts and the design's 14 pt.
    EXPECT_EQ(sheet.page().cell(u"QRRichText1").font.pointSize, 14);
    EXPECT_FALSE(sheet.page().cell(u"QRRichText1").text.contains('\n'));

    // A short sheet goes to paper untouched.
    const NumberWorksheet shortSheet = prepared("Sayı Okuma", "4", "İki Sütun");
    const Page same = fitPageTexts(shortSheet.page());
    for (size_t i = 0; i < same.cells().size(); ++i) {
        EXPECT_EQ(same.cells()[i].text, shortSheet.page().cells()[i].text);
        EXPECT_EQ(same.cells()[i].font.pointSize, shortSheet.page().cells()[i].font.pointSize);
    }
}
