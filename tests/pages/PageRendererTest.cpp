// The renderer: where ink lands for each kind of cell, fonts with every
// Turkish letter, pictures, and the PDF and PNG files.

#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "common/core/Errors.h"
#include "common/render/PageRenderer.h"

namespace zarvik {
namespace {

constexpr int kDpi = 100;

// Dark pixels inside a rectangle given in tenths of a millimetre on the sheet.
int inkIn(const QImage& image, double left, double top, double width, double height) {
    const double scale = kDpi / 254.0;
    const int x0 = std::max(0, static_cast<int>(left * scale));
    const int y0 = std::max(0, static_cast<int>(top * scale));
    const int x1 = std::min(image.width(), static_cast<int>((left + width) * scale));
    const int y1 = std::min(image.height(), static_cast<int>((top + height) * scale));
    int ink = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (qGray(image.pixel(x, y)) < 160) ++ink;
        }
    }
    return ink;
}

Cell box(const QString& name, double left, double top, double width, double height,
         Align align = Align::Left) {
    Cell cell;
    cell.name = name;
    cell.left = left;
    cell.top = top;
    cell.width = width;
    cell.height = height;
    cell.align = align;
    cell.font.pointSize = 12;
    return cell;
}

// A page whose band starts 10 mm from the left and top edges.
Page testPage(Paper paper = Paper::A4) {
    Page page(QStringLiteral("Test"), paper);
    page.marginLeft = 100;
    page.marginTop = 100;
    return page;
}

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(PageRendererFonts, DesignFamiliesResolveToFacesWithEveryTurkishLetter) {
    EXPECT_EQ(resolvedFontFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(resolvedFontFamily(QStringLiteral("Comic Sans MS")), QStringLiteral("Andika"));
    const QString letters = QStringLiteral("çğıöşüÇĞİÖŞÜ");
    for (const char* design : {"Arial", "Comic Sans MS"}) {
        for (const bool bold : {false, true}) {
            QFont font(resolvedFontFamily(QString::fromLatin1(design)));
            font.setBold(bold);
            font.setPointSize(12);
            // The face must really be installed, not a fontconfig stand-in.
            EXPECT_EQ(QFontInfo(font).family(), font.family()) << design;
            const QRawFont raw = QRawFont::fromFont(font);
            for (const QChar letter : letters)
                EXPECT_TRUE(raw.supportsCharacter(letter))
                    << design << " lacks " << static_cast<int>(letter.unicode());
        }
    }
}

TEST(PageRendererInk, FramesOnlyOnNamedSidesAndTextAligned) {
    Page page = testPage();
    Cell framed = box(QStringLiteral("Framed"), 0, 0, 300, 100, Align::Right);
    framed.frame.bottom = true;
    framed.text = QStringLiteral("7");
    page.add(framed);
    Cell left = box(QStringLiteral("Left"), 0, 200, 600, 80);
    left.text = QStringLiteral("1");
    page.add(left);
    Cell line = box(QStringLiteral("Line"), 0, 400, 500, 20);
    line.kind = CellKind::Line;
    line.penWidth = 2;
    page.add(line);
    const QImage image = renderImage(page, kDpi);

    // Bottom frame along the whole width, nothing along the top or the sides.
    EXPECT_GT(inkIn(image, 100, 195, 300, 10), 30);
    EXPECT_EQ(inkIn(image, 110, 95, 280, 10), 0);
    EXPECT_EQ(inkIn(image, 95, 110, 10, 70), 0);
    // Right-aligned digit near the right edge, left-aligned one near the left.
    EXPECT_GT(inkIn(image, 300, 100, 100, 90), 0);
    EXPECT_EQ(inkIn(image, 100, 100, 150, 90), 0);
    EXPECT_GT(inkIn(image, 100, 300, 60, 80), 0);
    EXPECT_EQ(inkIn(image, 250, 300, 450, 80), 0);
    // The line runs through the middle of its cell, across its width.
    EXPECT_GT(inkIn(image, 100, 500, 500, 20), 40);
    EXPECT_EQ(inkIn(image, 620, 500, 100, 20), 0);
}

TEST(PageRendererInk, WideTextIsNotCutAndLinesSplit) {
    Page page = testPage();
    Cell wide = box(QStringLiteral("Wide"), 500, 0, 50, 60, Align::Right);
    wide.text = QStringLiteral("123456789");
    page.add(wide);
    Cell lines = box(QStringLiteral("Lines"), 0, 300, 400, 60);
    lines.text = QStringLiteral("1\n2\n3");
    page.add(lines);
    // A later cell with its own (white) background must not hide the text.
    Cell over = box(QStringLiteral("Over"), 200, 0, 300, 60);
    over.frame.right = true;
    page.add(over);
    const QImage image = renderImage(page, kDpi);

    // Right-aligned text grows to the left, past its 5 mm box.
    EXPECT_GT(inkIn(image, 350, 100, 250, 60), 50);
    EXPECT_EQ(inkIn(image, 660, 100, 100, 60), 0);
    // Three lines below each other, the lower ones past the box's height.
    for (int line = 0; line < 3; ++line)
        EXPECT_GT(inkIn(image, 100, 400 + 50 * line, 60, 45), 0) << line;
}

TEST(PageRendererInk, LabelCaptionFromItsLeftEdgeAsPlainText) {
    Page page = testPage();
    Cell label = box(QStringLiteral("Label"), 0, 0, 0, 53);
    label.kind = CellKind::Label;
    label.font = CellFont{QStringLiteral("Comic Sans MS"), 10, true, false};
    label.text = QStringLiteral("<b>Ali</b> & Veli");
    page.add(label);
    const QImage image = renderImage(page, kDpi);
    // Sized to the caption: the markup is printed, so the ink reaches far.
    EXPECT_GT(inkIn(image, 100, 100, 50, 53), 0);
    EXPECT_GT(inkIn(image, 300, 100, 100, 53), 0);
    EXPECT_EQ(inkIn(image, 100, 160, 600, 100), 0);
}

TEST(PageRendererPictures, EveryPictureDrawsInkInsideItsCellAndUnknownNamesNothing) {
    const char* names[] = {"ribbon-header",         "ribbon-footer",     "strip-fraction-top",
                           "strip-fraction-bottom", "strip-numbers-top", "strip-numbers-bottom",
                           "no-such-picture"};
    Page page = testPage();
    double top = 0;
    for (const char* name : names) {
        Cell image = box(QString::fromLatin1(name), 0, top, 1800, 80);
        image.kind = CellKind::Image;
        image.picture = QString::fromLatin1(name);
        // Narrower than the cell: drawn centred at its own size.
        image.pictureWidth = 1200;
        image.pictureHeight = 70;
        page.add(image);
        top += 150;
    }
    const QImage image = renderImage(page, kDpi);
    for (int i = 0; i < 7; ++i) {
        const double cellTop = 100 + 150 * i;
        const int inside = inkIn(image, 400, cellTop, 1200, 80);
        if (i < 6)
            EXPECT_GT(inside, 200) << names[i];
        else
            EXPECT_EQ(inside, 0);
        // Centred: nothing in the cell's outer 300 on either side.
        EXPECT_EQ(inkIn(image, 100, cellTop, 290, 80), 0) << names[i];
        EXPECT_EQ(inkIn(image, 1610, cellTop, 290, 80), 0) << names[i];
    }
}

TEST(PageRendererFiles, PdfHasOnePageEachAtItsPaperSizeWithExtractableText) {
    QTemporaryDir dir;
    Page a4 = testPage(Paper::A4);
    Cell text = box(QStringLiteral("T"), 0, 0, 1000, 60);
    text.text = QStringLiteral("Öğrenci İğdır ışık şüphe ÇĞÜ <i>x</i>");
    a4.add(text);
    Page a5 = testPage(Paper::A5);
    a5.add(text);
    const QString path = dir.filePath(QStringLiteral("pages.pdf"));
    writePdf({&a4, &a5, &a4}, path);

    const QString info =
        runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                            QStringLiteral("-l"), QStringLiteral("3"), path});
    if (info.isEmpty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    EXPECT_TRUE(info.contains(QLatin1String("Pages:           3"))) << info.toStdString();
    const auto sizeOf = [&info](int page) {
        const QRegularExpression line(QStringLiteral("Page +%1 size: +(.*)\\n").arg(page));
        return line.match(info).captured(1).toStdString();
    };
    EXPECT_EQ(sizeOf(1), "595 x 842 pts (A4)");
    EXPECT_EQ(sizeOf(2), "420 x 595 pts (A5)");
    const QString text2 = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_EQ(text2.count(QStringLiteral("Öğrenci İğdır ışık şüphe ÇĞÜ <i>x</i>")), 3);
}

TEST(PageRendererFiles, UnfinishedPdfLeavesTheOldFileAndBadPathsRaiseFileError) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.pdf"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    Page page = testPage();
    {
        PdfWriter writer(path);
        writer.addPage(page);
    }
    EXPECT_EQ(test::readFile(path), QByteArray("old"));

    EXPECT_THROW(writePdf({&page}, dir.filePath(QStringLiteral("missing/x.pdf"))), FileError);
    EXPECT_THROW(writePng(page, dir.filePath(QStringLiteral("missing/x.png"))), FileError);
    PdfWriter empty(dir.filePath(QStringLiteral("empty.pdf")));
    EXPECT_THROW(empty.finish(), FileError);
}

TEST(PageRendererFiles, PngIsTheSheetAtTheAskedResolution) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.png"));
    writePng(testPage(Paper::A5), path, 150);
    const QImage image(path);
    EXPECT_EQ(image.size(), QSize(874, 1240));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace zarvik
