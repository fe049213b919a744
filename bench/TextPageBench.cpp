// Text worksheets on paper: kind 105 at its largest values (nine numbers of
// up to nine digits), drawn and laid out on 1,000 A4 pages into one PDF.
//
//   text_page_bench [--pages N] [--out FILE.pdf]

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>

#include "common/render/PageRenderer.h"
#include "text_worksheets/core/TextPages.h"

using namespace zarvik;

int main(int argc, char** argv) {
    tuneHeapForPageOutput();  // as the programs do
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"pages", "Pages.", "N", "1000"}, {"out", "PDF file.", "FILE"}});
    parser.process(app);
    const int pages = parser.value("pages").toInt();
    const QString out =
        parser.isSet("out") ? parser.value("out") : QDir::temp().filePath("zarvik-text-pages.pdf");

    // One page holds this many of these exercises; draw just enough for the pages.
    RandomDraw random(1, 0);
    TextSheet probe = drawTextSheet(105, FixedTextFields("3000", "9", "9"), random);
    int perPage = 0;
    buildTextPages(probe, {}, {}, [&](Page&& page) {
        if (perPage == 0)
            for (int i = 1; page.has(textExerciseCell(i)); ++i)
                perPage = i;
    });

    QElapsedTimer timer;
    timer.start();
    const TextSheet sheet =
        drawTextSheet(105, FixedTextFields(QString::number(perPage * pages), "9", "9"), random);
    const qint64 drawn = timer.nsecsElapsed();
    PdfWriter pdf(out);
    int written = 0;
    buildTextPages(sheet, QStringLiteral("Ayşe Öğretmen"), QStringLiteral("09/12/2026"),
                   [&](Page&& page) {
                       pdf.addPage(page);
                       ++written;
                   });
    pdf.finish();
    const double total = timer.nsecsElapsed() / 1e6;
    std::printf(
        "kind 105 (9 numbers, 9 digits), %d exercises a page: %d pages into one PDF in "
        "%.0f ms: %.3f ms per page (%.3f drawing)\n",
        perPage, written, total, total / written, drawn / 1e6 / written);
    return 0;
}
