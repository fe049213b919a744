// A class set's cost, in process: N A4 column sheets (addition with carries,
// as the key's benchmark always was) into one PDF, then the same N sheets with
// their answer key, and how much the key adds; then N mixed A4 sheets (a
// shipped preset) with their key, against the column sheets with theirs. Each
// run is repeated and the fastest kept, as other work on the machine only
// ever slows a run down.
//
//   class_set_bench [--sheets N] [--runs R] [--out FOLDER] [--preset NAME]

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
#include "mixed_sheets/core/MixedSheetSource.h"
#include "mixed_sheets/core/PresetLibrary.h"

using namespace zarvik;

namespace {

struct Run {
    double seconds = 0;
    int pages = 0;
    double keySeconds = 0;  // from the last sheet's page to the end
};

class NoMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

Run classSet(SheetSource& source, int sheets, bool answerKey, const QString& path) {
    QElapsedTimer timer;
    timer.start();
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

Run classSet(int sheets, bool answerKey, const QString& path) {
    ColumnSheet sheet(fullPageDesign());
    ColumnSheetSource source(sheet,
                             {QStringLiteral("Toplama"), QStringLiteral("Eldeli sayılarla karışık"),
                              QString(), QStringLiteral("10/12/2026")},
                             ScriptedQuestions({QStringLiteral("3")}));
    return classSet(source, sheets, answerKey, path);
}

// The preset is read and its sections checked inside the timed run, as
// zarvik-cli sheet does.
Run mixedSet(const QString& preset, int sheets, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    NoMessages messages;
    MixedSheetSource source(readPresetFile(presetPath(preset)), {QString(), QStringLiteral("10/12/2026")},
                            messages);
    const qint64 checked = timer.nsecsElapsed();
    Run run = classSet(source, sheets, true, path);
    run.seconds += checked / 1e9;
    return run;
}

template <typename Once>
Run fastest(int runs, Once once) {
    Run best{1e9, 0};
    for (int i = 0; i < runs; ++i) {
        const Run run = once();
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
                       {"out", "Folder for the PDFs (kept).", "FOLDER"},
                       {"preset", "Shipped preset of the mixed sheets.", "NAME", "3-sinif-12-hafta"}});
    parser.process(app);
    const int sheets = parser.value("sheets").toInt();
    const int runs = std::max(1, parser.value("runs").toInt());
    QTemporaryDir scratch;
    const QDir folder(parser.isSet("out") ? parser.value("out") : scratch.path());

    // Fonts, pictures and caches are made once per process, as in any run.
    classSet(1, true, folder.filePath("warm-up.pdf"));
    const Run plain =
        fastest(runs, [&] { return classSet(sheets, false, folder.filePath("sheets.pdf")); });
    const Run keyed =
        fastest(runs, [&] { return classSet(sheets, true, folder.filePath("sheets-and-key.pdf")); });
    const QString preset = parser.value("preset");
    mixedSet(preset, 1, folder.filePath("warm-up-mixed.pdf"));
    const Run mixed =
        fastest(runs, [&] { return mixedSet(preset, sheets, folder.filePath("mixed-and-key.pdf")); });
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
    std::printf("%d A4 mixed sheets (%s) with the key: %6.3f s (%d pages)\n", sheets,
                qPrintable(preset), mixed.seconds, mixed.pages);
    std::printf("mixed / column, both with the key:         %6.2f\n",
                mixed.seconds / keyed.seconds);
    return 0;
}
