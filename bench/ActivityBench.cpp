// How fast activity pages are made: a preparation of each kind (draw, page
// design, footer), 1000 pages into one PDF, and 1000 pages of the picture
// kinds into another.
// Run by hand: activity_bench [OUTPUT_FOLDER]

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "activities/core/ActivityWorksheet.h"
#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"

using namespace zarvik;

int main(int argc, char** argv) {
    tuneHeapForPageOutput();  // as the programs do
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    RandomDraw random;
    random.seed(1700000000);
    ActivityWorksheet sheet;

    std::printf("preparation (microseconds per page)\n");
    for (const ActivityKind& kind : activityKinds()) {
        const ActivityChoices choices{kind.name, startValues(kind), QStringLiteral("Ayşe Öğretmen"),
                                      QStringLiteral("01/02/2025")};
        const int repetitions = 2000;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < repetitions; ++i)
            sheet.prepare(choices, random);
        std::printf("  %-16s %8.1f\n", kind.name.toUtf8().constData(),
                    static_cast<double>(timer.nsecsElapsed()) / 1000.0 / repetitions);
    }

    // 1000 different pages, the kinds in turn, into one PDF.
    const int pages = 1000;
    std::vector<Page> printed;
    printed.reserve(pages);
    for (int i = 0; i < pages; ++i) {
        const ActivityKind& kind = activityKinds()[static_cast<size_t>(i) % activityKinds().size()];
        sheet.prepare({kind.name, startValues(kind), QString(), QStringLiteral("01/02/2025")},
                      random);
        // Fitted as the window and zarvik-cli hand them to the printer.
        printed.push_back(fitPageTexts(sheet.page()));
    }
    QElapsedTimer timer;
    timer.start();
    PdfWriter pdf(folder + QStringLiteral("/activity-bench.pdf"));
    for (const Page& page : printed)
        pdf.addPage(page);
    pdf.finish();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("PDF: %d pages in %.0f ms, %.3f ms per page\n", pages, ms, ms / pages);

    // 1000 pages of the picture kinds, every choice of each in turn, pupils'
    // pages and keys alternating, into one PDF.
    std::vector<std::pair<const ActivityKind*, ActivityValues>> pictureChoices;
    for (const ActivityKind& kind : activityKinds()) {
        const bool pictures = kind.layout == ActivityLayout::Pictures;
        for (size_t o = 0; o < kind.options.size(); ++o)
            for (const QString& item : kind.options[o].items) {
                ActivityValues values = startValues(kind);
                values[static_cast<qsizetype>(o)] = item;
                if (pictures || item == QStringLiteral("Resimle"))
                    pictureChoices.emplace_back(&kind, values);
            }
    }
    std::vector<Page> pictures;
    pictures.reserve(pages);
    for (int i = 0; i < pages; ++i) {
        const auto& [kind, values] = pictureChoices[static_cast<size_t>(i) % pictureChoices.size()];
        sheet.prepare({kind->name, values, QString(), QStringLiteral("01/02/2025")}, random);
        pictures.push_back(fitPageTexts(i % 2 ? sheet.keyPage() : sheet.page()));
    }
    // Processor time too: on a busy machine the clock on the wall says little.
    const std::clock_t pictureCpu = std::clock();
    QElapsedTimer pictureTimer;
    pictureTimer.start();
    PdfWriter picturePdf(folder + QStringLiteral("/activity-pictures.pdf"));
    for (const Page& page : pictures)
        picturePdf.addPage(page);
    picturePdf.finish();
    const double pictureMs = static_cast<double>(pictureTimer.nsecsElapsed()) / 1e6;
    const double pictureCpuMs =
        1000.0 * static_cast<double>(std::clock() - pictureCpu) / CLOCKS_PER_SEC;
    std::printf("PDF of pictures (%zu choices): %d pages in %.0f ms, %.3f ms per page "
                "(processor: %.3f ms per page)\n",
                pictureChoices.size(), pages, pictureMs, pictureMs / pages, pictureCpuMs / pages);

    std::printf("PDF per kind, 200 pages each (ms per page)\n");
    for (const ActivityKind& kind : activityKinds()) {
        std::vector<Page> same;
        for (int i = 0; i < 200; ++i) {
            sheet.prepare({kind.name, startValues(kind), QString(), QStringLiteral("01/02/2025")},
                          random);
            same.push_back(fitPageTexts(sheet.page()));
        }
        QElapsedTimer kindTimer;
        kindTimer.start();
        PdfWriter kindPdf(folder + QStringLiteral("/activity-kind.pdf"));
        for (const Page& page : same)
            kindPdf.addPage(page);
        kindPdf.finish();
        std::printf("  %-16s %8.3f\n", kind.name.toUtf8().constData(),
                    static_cast<double>(kindTimer.nsecsElapsed()) / 1e6 / 200);
    }
    return 0;
}
