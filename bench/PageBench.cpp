// Measures the page output: fraction pages streamed into one PDF, one page as
// PNG, and the time until the print preview shows a page.
//
//   page_bench [--pages N] [--out DIR] [--pdf-only] [--pictures FILE.png]
//
// --pictures renders every page picture at the sizes the designs use into one
// PNG, to look at them.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "common/core/AnswerKeyPages.h"
#include "common/windows/PagePrinting.h"
#include "common/render/PageRenderer.h"
#include "fractions/core/FractionGenerators.h"
#include "fractions/core/FractionPage.h"

using namespace zarvik;
using namespace zarvik::fractions;

namespace {

Page filledPage(RandomDraw& random, int kind) {
    ExerciseTable table;
    clearTable(table);
    generateFractions(static_cast<FractionKind>(kind % 16), random, table);
    Page page = makeFractionPage();
    fillFractionPage(page, table);
    setFractionFooter(page, QStringLiteral("Ayşe Öğretmen"), QStringLiteral("09/12/2026"));
    return page;
}

void picturesSheet(const QString& path) {
    struct Sample {
        const char* name;
        double width, height;  // tenths of a millimetre
    };
    // The sizes of the column, fraction and number pages.
    const Sample samples[] = {
        {"ribbon-header", fromDesignUnits(408), fromDesignUnits(30)},
        {"ribbon-header", fromDesignUnits(704), fromDesignUnits(30)},
        {"ribbon-footer", fromDesignUnits(406), fromDesignUnits(25)},
        {"ribbon-footer", fromDesignUnits(700), fromDesignUnits(31)},
        {"strip-fraction-top", 1908, 66},
        {"strip-fraction-bottom", 1886, 87},
        {"strip-numbers-top", 1886.5, 66.1},
        {"strip-numbers-bottom", 1886.5, 87.3},
    };
    Page page(QStringLiteral("Pictures"), Paper::A4);
    page.marginLeft = 50;
    page.marginTop = 50;
    double top = 0;
    int n = 0;
    for (const Sample& sample : samples) {
        Cell cell;
        cell.name = QStringLiteral("P%1").arg(++n);
        cell.kind = CellKind::Image;
        cell.top = top;
        cell.width = sample.width;
        cell.height = sample.height;
        cell.picture = QString::fromLatin1(sample.name);
        page.add(cell);
        top += sample.height + 60;
    }
    writePng(page, path, 300);
    std::printf("pictures: %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    tuneHeapForPageOutput();  // as the programs do
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions(
        {{QStringLiteral("pages"), QStringLiteral("PDF pages."), QStringLiteral("N"),
          QStringLiteral("1000")},
         {QStringLiteral("out"), QStringLiteral("Folder."), QStringLiteral("DIR"),
          QDir::tempPath()},
         {QStringLiteral("pictures"), QStringLiteral("Pictures sheet."), QStringLiteral("FILE")},
         {QStringLiteral("pdf-only"), QStringLiteral("Only the PDF.")}});
    parser.process(app);
    if (parser.isSet(QStringLiteral("pictures"))) {
        picturesSheet(parser.value(QStringLiteral("pictures")));
        return 0;
    }
    const int pages = parser.value(QStringLiteral("pages")).toInt();
    const QDir out(parser.value(QStringLiteral("out")));

    RandomDraw random;
    random.seed(1228867200);
    std::vector<Page> sheets;
    for (int i = 0; i < 16; ++i)
        sheets.push_back(filledPage(random, i));

    // Warm-up: fonts, pictures and the PDF engine's first use.
    writePdf({&sheets[0]}, out.filePath(QStringLiteral("page_bench_warm.pdf")));

    const QString pdfPath = out.filePath(QStringLiteral("page_bench.pdf"));
    QElapsedTimer timer;
    timer.start();
    PdfWriter writer(pdfPath);
    for (int i = 0; i < pages; ++i)
        writer.addPage(sheets[static_cast<size_t>(i % 16)]);
    writer.finish();
    const double pdfMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("PDF: %d fraction pages in %.1f ms: %.3f ms a page, %.0f pages/s, %lld bytes\n",
                pages, pdfMs, pdfMs / pages, pages * 1000.0 / pdfMs,
                static_cast<long long>(QFileInfo(pdfPath).size()));

    if (parser.isSet(QStringLiteral("pdf-only"))) return 0;

    timer.restart();
    const int pngPages = 20;
    for (int i = 0; i < pngPages; ++i)
        writePng(sheets[static_cast<size_t>(i % 16)],
                 out.filePath(QStringLiteral("page_bench.png")));
    std::printf("PNG (150 dpi): %.1f ms a page\n",
                static_cast<double>(timer.nsecsElapsed()) / 1e6 / pngPages);

    // Preview: from the call until the dialog's event loop runs and the dialog,
    // page included, has been painted once; then it is closed.
    DesktopPageOutput output;
    for (int round = 0; round < 3; ++round) {
        double shownMs = 0;
        double paintedMs = 0;
        timer.restart();
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            shownMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            if (!dialog) return;
            dialog->grab();
            paintedMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            dialog->close();
        });
        output.preview(nullptr, sheets[0]);
        std::printf("preview %d: open after %.1f ms, painted after %.1f ms\n", round + 1, shownMs,
                    paintedMs);
    }
    // A class set of 30 sheets and its key, in one preview.
    std::vector<Page> set;
    for (int i = 0; i < 30; ++i)
        set.push_back(sheets[static_cast<size_t>(i % 16)]);
    AnswerKeyPages key([&set](const Page& page) { set.push_back(page); });
    for (int i = 1; i <= 30; ++i) {
        QStringList lines;
        for (int j = 1; j <= 26; ++j)
            lines << QStringLiteral("%1) 3/%2 + 5/%2 = 8/%2").arg(j).arg(i + 7);
        key.add({answerBlockHeading(i, QStringLiteral("Öğrenci %1").arg(i)), lines, 0});
    }
    key.finish();
    double setShownMs = 0, setPaintedMs = 0;
    timer.restart();
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        setShownMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (!dialog) return;
        dialog->grab();
        setPaintedMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        dialog->close();
    });
    output.previewPages(nullptr, set);
    std::printf(
        "preview of a 30-sheet set with its key (%zu pages): open after %.1f ms, painted "
        "after %.1f ms\n",
        set.size(), setShownMs, setPaintedMs);
    return 0;
}
