// A class set's cost, in process: N A4 column sheets (addition with carries,
// as the key's benchmark always was) into one PDF, then the same N sheets with
// their answer key, and how much the key adds. Each run is repeated and the
// fastest kept, as other work on the machine only ever slows a run down.
//
//   class_set_bench [--sheets N] [--runs R] [--out FOLDER]

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnSheetSource.h"
#include "common/render/ClassSetPages.h"
#include "common/render/PageRenderer.h"

using namespace zarvik;

namespace {

struct Run {
    double seconds = 0;
    int pages = 0;
    double keySeconds = 0;  // from the last sheet's page to the end
};

Run classSet(int sheets, bool answerKey, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    ColumnSheet sheet(fullPageDesign());
    ColumnSheetSource source(sheet,
                             {QStringLiteral("Toplama"), QStringLiteral("Eldeli sayılarla karışık"),
                              QString(), QStringLiteral("10/12/2026")},
                             ScriptedQuestions({QStringLiteral("3")}));
    RandomDraw random;
    random.seed(1);
    ClassSetChoice choice;
    choice.sheets = sheets;
    choice.answerKey = answerKey;
    PdfWriter pdf(path);
    qint64 sheetsDone = 0;
    makeClassSet(source, random, choice, [&](const Page& page) {
        pdf.addPage(page);
        if (pdf.pageCount() == sheets) sheetsDone = timer.nsecsElapsed();
    });
    pdf.finish();
    const qint64 total = timer.nsecsElapsed();
    return {total / 1e9, pdf.pageCount(), (total - sheetsDone) / 1e9};
}

Run fastest(int runs, int sheets, bool answerKey, const QString& path) {
    Run best{1e9, 0};
    for (int i = 0; i < runs; ++i) {
        const Run run = classSet(sheets, answerKey, path);
        if (run.seconds < best.seconds) best = run;
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    tuneHeapForPageOutput();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"sheets", "Sheets in the set.", "N", "1000"},
                       {"runs", "Runs of each, the fastest kept.", "R", "3"},
                       {"out", "Folder for the PDFs (kept).", "FOLDER"}});
    parser.process(app);
    const int sheets = parser.value("sheets").toInt();
    const int runs = std::max(1, parser.value("runs").toInt());
    QTemporaryDir scratch;
    const QDir folder(parser.isSet("out") ? parser.value("out") : scratch.path());

    // Fonts, pictures and caches are made once per process, as in any run.
    classSet(1, true, folder.filePath("warm-up.pdf"));
    const Run plain = fastest(runs, sheets, false, folder.filePath("sheets.pdf"));
    const Run keyed = fastest(runs, sheets, true, folder.filePath("sheets-and-key.pdf"));
    std::printf("%d A4 column sheets into one PDF:          %6.3f s (%d pages)\n", sheets,
                plain.seconds, plain.pages);
    std::printf("the same with the answer key:              %6.3f s (%d pages)\n", keyed.seconds,
                keyed.pages);
    std::printf("with the key / without:                    %6.2f\n",
                keyed.seconds / plain.seconds);
    if (keyed.pages > plain.pages)
        std::printf("per page: sheet %.3f ms, key page %.3f ms (the key's pages alone: %.3f s)\n",
                    plain.seconds / plain.pages * 1e3,
                    (keyed.seconds - plain.seconds) / (keyed.pages - plain.pages) * 1e3,
                    keyed.keySeconds);
    return 0;
}
