// How fast word problem sheets are made: a preparation of ten problems of
// each theme (draw, endings, page design) and 1000 pages into one PDF.
// Run by hand: problem_bench [OUTPUT_FOLDER]

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"
#include "word_problems/core/ProblemWorksheet.h"

using namespace zarvik;

int main(int argc, char** argv) {
    tuneHeapForPageOutput();  // as the programs do
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    RandomDraw random;
    random.seed(1700000000);
    const Cast cast = castOf({}, {});
    ProblemWorksheet sheet;
    const auto choices = [](const ProblemTheme& theme, int grade) {
        return ProblemChoices{theme.name, QString::number(grade), kAllOperations.toString(),
                              QStringLiteral("10"), kA4.toString(), QStringLiteral("Ayşe Öğretmen"),
                              QStringLiteral("01/02/2025")};
    };

    std::printf("preparation of ten problems, 4th grade (microseconds per sheet)\n");
    for (const ProblemTheme& theme : problemThemes()) {
        const int repetitions = 500;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < repetitions; ++i)
            sheet.prepare(choices(theme, 4), cast, random);
        std::printf("  %-16s %8.1f\n", theme.name.toUtf8().constData(),
                    static_cast<double>(timer.nsecsElapsed()) / 1000.0 / repetitions);
    }

    // 1000 pages of mixed sheets of the third grade into one PDF.
    std::vector<Page> printed;
    while (printed.size() < 1000) {
        sheet.prepare(choices(problemThemes()[kMixedTheme], 3), cast, random);
        for (const Page& page : sheet.pages())
            printed.push_back(fitPageTexts(page));
    }
    printed.resize(1000);
    QElapsedTimer timer;
    timer.start();
    PdfWriter pdf(folder + QStringLiteral("/problem-bench.pdf"));
    for (const Page& page : printed)
        pdf.addPage(page);
    pdf.finish();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("PDF: 1000 pages in %.0f ms, %.3f ms per page\n", ms, ms / 1000);
    return 0;
}
