// How the print preview holds up with a long sheet (100 word problems, some
// 25 pages, whose old preview froze the program for seconds) and a class set
// (N A4 column sheets and their key). Measures the time from the call to the dialog
// shown with its first page painted, the longest turn of the event loop while
// scrolling (page by page, by the scroll bar's page step, and in random jumps
// as a dragged thumb does), a zoom and its fitting, and the time to close.
//
//   preview_bench [--sheets N] [--jumps J] [--hold MS]
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnSheetSource.h"
#include "common/render/ClassSetPages.h"
#include "common/render/PageRenderer.h"
#include "common/windows/PagePreview.h"
#include "common/windows/PagePrinting.h"
#include "word_problems/core/ProblemWorksheet.h"

using namespace zarvik;

namespace {

std::vector<Page> columnSet(int sheets) {
    ColumnSheet sheet(fullPageDesign());
    ColumnSheetSource source(sheet,
                             {QStringLiteral("Toplama"), QStringLiteral("Eldeli sayılarla karışık"),
                              QString(), QStringLiteral("10/12/2026")},
                             ScriptedQuestions({QStringLiteral("3")}));
    RandomDraw random;
    random.seed(1);
    ClassSetChoice choice;
    choice.sheets = sheets;
    choice.answerKey = true;
    std::vector<Page> pages;
    makeClassSet(source, random, choice, [&](const Page& page) { pages.push_back(page); });
    return pages;
}

std::vector<Page> problemSheet() {
    RandomDraw random;
    random.seed(1700000000);
    ProblemWorksheet sheet;
    sheet.prepare({problemThemes()[kMixedTheme].name, QStringLiteral("3"),
                   kAllOperations.toString(), QStringLiteral("100"), kA4.toString(),
                   QStringLiteral("Ayşe Öğretmen"), QStringLiteral("01/02/2025")},
                  castOf({}, {}), random);
    return sheet.pages();
}

// The longest of the steps, each followed by one turn of the event loop
// and the view painting what came into sight.
double longestTurnMs(QWidget* view, int steps, const std::function<void(int)>& step) {
    QElapsedTimer timer;
    double longest = 0;
    for (int i = 0; i < steps; ++i) {
        timer.start();
        step(i);
        // Painted now rather than at the platform's next frame.
        view->repaint();
        QApplication::processEvents();
        longest = std::max(longest, timer.nsecsElapsed() / 1e6);
    }
    return longest;
}

void measure(const std::vector<Page>& pages, int jumps, int holdMs) {
    DesktopPageOutput output;
    QElapsedTimer timer;
    double shownMs = 0, paintedMs = 0, byPageMs = 0, byStepMs = 0, jumpMs = 0, zoomMs = 0,
           closeMs = 0;
    int painted = 0;
    timer.restart();
    QTimer::singleShot(0, [&] {
        shownMs = timer.nsecsElapsed() / 1e6;
        auto* dialog = qobject_cast<PagePreviewDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        auto* view = dialog->findChild<QAbstractScrollArea*>(QStringLiteral("PreviewPages"));
        view->viewport()->grab();
        paintedMs = timer.nsecsElapsed() / 1e6;
        std::printf("window %dx%d, view %dx%d, scroll range %d, page step %d, zoom %.0f %%\n",
                    dialog->width(), dialog->height(), view->viewport()->width(),
                    view->viewport()->height(), view->verticalScrollBar()->maximum(),
                    view->verticalScrollBar()->pageStep(), dialog->zoomPercent());
        if (holdMs > 0) {
            QElapsedTimer held;
            held.start();
            while (held.elapsed() < holdMs)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        QAction* next = dialog->findChild<QAction*>(QStringLiteral("NextPageAction"));
        byPageMs = longestTurnMs(view->viewport(), 100, [&](int) { next->trigger(); });
        QScrollBar* bar = view->verticalScrollBar();
        byStepMs = longestTurnMs(view->viewport(), 100,
                                 [&](int) { bar->setValue(bar->value() + bar->pageStep()); });
        QRandomGenerator random(7);
        jumpMs = longestTurnMs(view->viewport(), jumps,
                               [&](int) { bar->setValue(random.bounded(bar->maximum() + 1)); });
        zoomMs = longestTurnMs(view->viewport(), 8, [&](int i) {
            const char* names[] = {"ZoomInAction",  "ZoomInAction",  "ZoomOutAction",
                                   "ZoomOutAction", "ZoomOutAction", "ZoomOutAction",
                                   "FitPageAction", "FitWidthAction"};
            dialog->findChild<QAction*>(QString::fromLatin1(names[i]))->trigger();
        });
        painted = dialog->paintedPages();
        timer.restart();
        dialog->reject();
    });
    output.previewPages(nullptr, pages);
    closeMs = timer.nsecsElapsed() / 1e6;
    std::printf("preview of %zu pages: shown after %.1f ms, first page painted after %.1f ms\n",
                pages.size(), shownMs, paintedMs);
    std::printf(
        "longest turn of the event loop: next page %.1f ms, page step %.1f ms, "
        "%d random jumps %.1f ms, zoom and fitting %.1f ms\n",
        byPageMs, byStepMs, jumps, jumpMs, zoomMs);
    std::printf("pages painted in all: %d; closed in %.1f ms\n", painted, closeMs);
}

}  // namespace

int main(int argc, char** argv) {
    tuneHeapForPageOutput();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions(
        {{"sheets", "Sheets in the set.", "N", "1000"},
         {"jumps", "Random jumps through the set.", "J", "200"},
         {"hold", "Keep the dialog open this long first (for a screenshot).", "MS", "0"}});
    parser.process(app);
    const int sheets = std::max(1, parser.value("sheets").toInt());
    const int jumps = std::max(1, parser.value("jumps").toInt());
    const int holdMs = std::max(0, parser.value("hold").toInt());

    QElapsedTimer timer;
    timer.start();
    const std::vector<Page> pages = columnSet(sheets);
    std::printf("%d sheets with the key: %zu pages, made in %.0f ms\n", sheets, pages.size(),
                timer.nsecsElapsed() / 1e6);

    measure(problemSheet(), jumps, 0);
    measure(pages, jumps, holdMs);
    return 0;
}
