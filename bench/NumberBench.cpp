// How fast number worksheets are made: generation per kind, a whole
// preparation, fitting the page to paper, and pages into PDF and PNG.
// Run by hand: number_bench [OUTPUT_FOLDER]

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"
#include "numbers/core/NumberWorksheet.h"

using namespace zarvik;

namespace {

struct NoMessages : MessageSink {
    void showMessage(const QString&) override {}
};

template <typename Work>
double microsecondsPer(int repetitions, Work&& work) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repetitions; ++i)
        work(i);
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / repetitions;
}

}  // namespace

int main(int argc, char** argv) {
    tuneHeapForPageOutput();  // as the programs do
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    NoMessages messages;
    RandomDraw random;
    random.seed(1700000000);

    std::printf("generation, 48 exercises (microseconds per sheet)\n");
    for (const QString& kind : numberKindTexts()) {
        for (const char* digits : {"3", "9"}) {
            const double us = microsecondsPer(2000, [&](int) {
                generateNumbers(*numberKindFromText(kind), QString::fromLatin1(digits), random,
                                messages);
            });
            std::printf("  %-22s D=%s  %8.1f\n", kind.toUtf8().constData(), digits, us);
        }
    }

    NumberWorksheet sheet;
    const NumberChoices wide{QStringLiteral("Sayı Yazma"), QStringLiteral("9"),
                             QStringLiteral("İki Sütun"), QStringLiteral("Ayşe Öğretmen"),
                             QStringLiteral("07/03/2009")};
    std::printf("preparation (clear, draw, number, cells), Sayı Yazma D=9: %.1f us\n",
                microsecondsPer(2000, [&](int) { sheet.prepare(wide, random, messages); }));
    std::printf("fitting to paper, Sayı Yazma D=9 two columns: %.1f us\n",
                microsecondsPer(200, [&](int) { fitPageTexts(sheet.page()); }));

    // 1000 different sheets into one PDF, fitted as they are printed.
    const int pages = 1000;
    std::vector<Page> printed;
    printed.reserve(pages);
    for (int i = 0; i < pages; ++i) {
        sheet.prepare(i % 2 ? wide
                            : NumberChoices{QStringLiteral("Sıralama"), QStringLiteral("6"),
                                            QStringLiteral("İki Sütun"), QString(),
                                            QStringLiteral("07/03/2009")},
                      random, messages);
        printed.push_back(fitPageTexts(sheet.page()));
    }
    QElapsedTimer timer;
    timer.start();
    PdfWriter pdf(folder + QStringLiteral("/numbers-bench.pdf"));
    for (const Page& page : printed)
        pdf.addPage(page);
    pdf.finish();
    std::printf("PDF: %d pages in %.0f ms, %.3f ms per page\n", pages,
                static_cast<double>(timer.elapsed()), static_cast<double>(timer.elapsed()) / pages);

    std::printf("PNG at 150 dpi: %.1f ms per page\n",
                microsecondsPer(10, [&](int i) {
                    writePng(printed[static_cast<size_t>(i)],
                             folder + QStringLiteral("/numbers-bench.png"));
                }) / 1000.0);
    return 0;
}
