// Answer codes on paper and sheets as web pages, for every family of the
// registry: the codes keep their size and the edge's distance while the
// design moves out of their way, and a sheet of fifty exercises makes a web
// page small enough to send in a message.

#include <gtest/gtest.h>

#include <QDir>
#include <QRectF>
#include <QTemporaryDir>

#include "common/core/AnswerCode.h"
#include "common/core/Family.h"
#include "common/render/AnswerCodePages.h"
#include "common/render/ClassSetPages.h"
#include "common/render/FigureSvg.h"
#include "common/render/HtmlSheet.h"
#include "common/render/PageRenderer.h"

namespace zarvik {
namespace {

class NoMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

struct Prepared {
    std::unique_ptr<SheetSource> source;
    std::vector<Page> pages;
};

Prepared prepared(const QStringList& line) {
    static NoMessages messages;
    Prepared p;
    p.source = sheetSourceOf(line, {QStringLiteral("Öğretmen"), QStringLiteral("1/1/2026")},
                             messages);
    RandomDraw random;
    random.seed(1733788800);
    p.source->setNeeds({true, true, true, false});
    p.source->prepareNext(random);
    p.source->sheetPages([&](Page&& page) { p.pages.push_back(std::move(page)); });
    return p;
}

std::vector<QStringList> commandLines() {
    std::vector<QStringList> lines;
    for (const Family* family : families())
        lines.push_back(QStringList{family->command()} + family->example());
    lines.push_back({"column", "--page", "a5", "--op", "Toplama", "--prop",
                     "Eldeli sayılarla karışık"});
    lines.push_back({"numbers", "--kind", "Sayı Okuma", "--digits", "6"});
    return lines;
}

TEST(AnswerCodes, FooterCodesKeepTheirSizeAndTheDesignKeepsClearOfThem) {
    for (const QStringList& line : commandLines()) {
        SCOPED_TRACE(line.join(u' ').toStdString());
        Prepared sheet = prepared(line);
        Page page = sheet.pages.back();
        const QStringList texts = answerCodeTexts(sheet.source->sheetExercises());
        ASSERT_FALSE(texts.isEmpty());
        addAnswerCodes(page, texts);
        Page design(page.name(), page.paper());
        design.marginLeft = page.marginLeft;
        design.marginTop = page.marginTop;
        double codesTop = page.paperHeight();
        double codesLeft = page.paperWidth();
        double captionRight = 0;
        int codes = 0;
        for (const Cell& cell : page.cells()) {
            // The codes' caption stands beside them, left of the first.
            if (cell.name == QLatin1String("AnswerCodeCaption")) {
                captionRight = page.marginLeft + cell.left + cell.width;
                continue;
            }
            if (cell.kind != CellKind::QrCode) {
                design.add(cell);
                continue;
            }
            ++codes;
            const QRectF box(page.marginLeft + cell.left, page.marginTop + cell.top, cell.width,
                             cell.height);
            EXPECT_GE(box.width(), 200);
            EXPECT_GE(box.left(), kUnprintableEdge);
            EXPECT_LE(box.right(), page.paperWidth() - kUnprintableEdge);
            EXPECT_LE(box.bottom(), page.paperHeight() - kUnprintableEdge);
            codesTop = std::min(codesTop, box.top());
            codesLeft = std::min(codesLeft, box.left());
        }
        EXPECT_LE(captionRight, codesLeft);
        EXPECT_EQ(codes, texts.size());
        // Nothing prints on the codes, and the page is not shrunk again
        // (which would make them smaller) when it is painted.
        const QRectF ink = pageInkReach(design);
        EXPECT_LT(ink.bottom(), codesTop) << ink.bottom() << " " << codesTop;
        EXPECT_EQ(printableAreaScale(page), 1.0);
    }
}

TEST(HtmlSheets, FiftyExercisesFitAMessageAndAFolderNamesItsPupils) {
    // The largest sheets of stacked problems and of clocks.
    for (const QStringList& line :
         {QStringList{"column", "--page", "a4", "--op", "Çarpma", "--prop",
                      "Çok basamaklı sayılarla eldeli", "--answers", "4;3"},
          QStringList{"activity", "--kind", "Saat Çizme"}}) {
        Prepared sheet = prepared(line);
        const QByteArray html = sheetHtml(htmlSheetOf(*sheet.source, QStringLiteral("Ali")));
        const qsizetype count = static_cast<qsizetype>(sheet.source->sheetExercises().size());
        EXPECT_LT(html.size() * 50 / count, 200 * 1024) << line.join(u' ').toStdString();
    }

    QTemporaryDir dir;
    ClassSetChoice choice;
    choice.names = {"Ayşe Yılmaz", "Ayse Yilmaz", "Çağrı Öz", "Cevap Anahtarı", "语"};
    choice.sheets = 5;
    choice.answerKey = true;
    HtmlSheetFolder folder(dir.path(), choice);
    for (int k = 1; k <= choice.sheets; ++k)
        folder.add(k, {QString(), choice.pupil(k), {}, {}}, {QStringLiteral("1) 2 + 2 = 4")});
    folder.finish();
    QStringList files = QDir(dir.path()).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, QStringList({"Ayse-Yilmaz-2.html", "Ayse-Yilmaz.html", "Cagri-Oz.html",
                                  "Cevap-Anahtari-2.html", "Cevap-Anahtari.html",
                                  "Odev-05.html"}));
}

// A family that draws its key hands its key pages to a store that writes
// them to a temporary file until every sheet is out: a code on such a page
// must come back as a code, with its text.
TEST(AnswerCodes, DrawnKeyPagesKeepTheirCodesThroughTheKeysStore) {
    ClassSetChoice choice;
    choice.sheets = 3;
    choice.answerKey = true;
    std::vector<Page> out;
    ClassSetPages set(choice, [&](const Page& page) { out.push_back(page); });
    for (int k = 1; k <= choice.sheets; ++k) {
        Page key(QStringLiteral("Key"), Paper::A4);
        Cell code;
        code.name = QStringLiteral("Code");
        code.kind = CellKind::QrCode;
        code.left = 100;
        code.top = 100;
        code.width = 300;
        code.height = 300;
        code.text = QStringLiteral("1) %1 2) kırk İki").arg(k);
        key.add(code);
        set.addSheet(k, {Page(QStringLiteral("Sheet"), Paper::A4)},
                     {QStringLiteral("1) %1").arg(k)}, 0, &key);
    }
    set.finish();
    QStringList codes;
    for (const Page& page : out)
        for (const Cell& cell : page.cells())
            if (cell.kind == CellKind::QrCode) codes << cell.text;
    EXPECT_EQ(codes, QStringList({"1) 1 2) kırk İki", "1) 2 2) kırk İki", "1) 3 2) kırk İki"}));
}

// A picture kind's line art goes into the web page as the page strokes it:
// each part a path at its cell's place, filled parts with their grey.
TEST(HtmlSheets, DrawingsAreStrokedAsThePagesStrokeThem) {
    auto drawing = std::make_shared<Drawing>();
    DrawingPart square;
    square.points = {{0, 0}, {100, 0}, {100, 100}};
    square.fill = 175;
    DrawingPart ticks;
    ticks.kind = DrawingPart::Kind::Lines;
    ticks.points = {{0, 0}, {0, 20}, {10, 0}, {10, 20}};
    DrawingPart piece;
    piece.kind = DrawingPart::Kind::Sector;
    piece.points = {{0, 0}, {100, 100}};
    piece.span = 90;
    drawing->parts = {square, ticks, piece};
    ExerciseFigure figure;
    Cell cell;
    cell.kind = CellKind::Drawing;
    cell.left = 50;
    cell.top = 10;
    cell.width = cell.height = 100;
    cell.drawing = drawing;
    figure.cells = {cell};
    figure.width = 150;
    figure.height = 110;
    const QString svg = figureSvg(figure);
    EXPECT_TRUE(svg.contains(QStringLiteral("<path d=\"M50 10L150 10L150 110Z\" stroke-width=\"3\"")))
        << svg.toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("fill=\"#afafaf\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("d=\"M50 10L50 30M60 10L60 30\"")));
    // The quarter from 12 o'clock: from the centre up, an arc to 3 o'clock.
    EXPECT_TRUE(svg.contains(QStringLiteral("d=\"M100 60L100 10C")));
}

}  // namespace
}  // namespace zarvik
