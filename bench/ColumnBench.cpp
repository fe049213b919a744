// How fast column worksheets are made: a preparation (questions, 50 or 35/30
// problems, footer labels) per generator and window, the transfer onto the
// printed page, one page into PNG, and 1,000 pages into one PDF.
// Run by hand: column_bench [OUTPUT_FOLDER]

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "column_worksheets/core/ColumnGenerators.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "common/render/PageRenderer.h"

using namespace zarvik;

namespace {

template <typename Work>
double microsecondsPer(int repetitions, Work&& work) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repetitions; ++i)
        work(i);
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / repetitions;
}

// The widest answers each window accepts, so the slowest draws are measured.
QStringList widestAnswers(QStringView generator) {
    if (generator == u"AddSingleDigit" || generator == u"SubSingleDigit") return {"9", "e"};
    if (generator == u"MulByOneDigitWithCarry" || generator == u"MulMultiDigitWithCarry")
        return {"9", "9"};
    if (generator == u"MulMultiDigitSimple") return {"5", "4", "9"};
    if (generator == u"DivBasic") return {"9", "9", "e"};
    if (generator == u"DivAdvanced") return {"9", "8", "e"};
    return {"9"};
}

void prepare(ColumnSheet& sheet, const ColumnKind& kind, RandomDraw& random) {
    ScriptedQuestions questions(widestAnswers(kind.generatorName));
    sheet.prepare(kind.operation.toString(), kind.property.toString(),
                  QStringLiteral("Ayşe Öğretmen"), QStringLiteral("07/03/2008"), questions, random);
}

}  // namespace

int main(int argc, char** argv) {
    tuneHeapForPageOutput();  // as the programs do
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    RandomDraw random;
    random.seed(1205000000);

    std::printf("preparation with the widest answers (microseconds per sheet)\n");
    std::printf("  %-24s %10s %10s\n", "generator", "A5", "A4");
    for (const ColumnKind& kind : columnKinds()) {
        double us[2];
        int i = 0;
        for (const ColumnWindowDesign* design : {&halfPageDesign(), &fullPageDesign()}) {
            ColumnSheet sheet(*design);
            us[i++] = microsecondsPer(2000, [&](int) { prepare(sheet, kind, random); });
        }
        std::printf("  %-24s %10.1f %10.1f\n", kind.generatorName.toString().toUtf8().constData(),
                    us[0], us[1]);
    }

    ColumnSheet a4(fullPageDesign());
    const ColumnKind& addition = *findColumnKindByGenerator(u"AddMixed");
    prepare(a4, addition, random);
    std::printf("transfer onto the printed A4 grid page: %.1f us\n",
                microsecondsPer(2000, [&](int) { a4.transferForOperation("Toplama"); }));
    const Page grid = a4.transferForOperation("Toplama");
    std::printf("A4 grid page into PNG at 150 dpi: %.1f ms\n",
                microsecondsPer(20, [&](int i) {
                    writePng(grid, folder + QStringLiteral("/grid-%1.png").arg(i));
                }) / 1000.0);

    // 1000 different sheets, each prepared, transferred and added to one PDF.
    struct Run {
        const char* label;
        const ColumnWindowDesign& design;
        const char* generator;
        const char* operation;
    };
    const Run runs[] = {{"A4 grid (AddMixed)", fullPageDesign(), "AddMixed", "Toplama"},
                        {"A5 division (DivAdvanced)", halfPageDesign(), "DivAdvanced", "Bölme"}};
    for (const Run& run : runs) {
        const int pages = 1000;
        ColumnSheet sheet(run.design);
        const ColumnKind& kind = *findColumnKindByGenerator(QString::fromLatin1(run.generator));
        QElapsedTimer timer;
        timer.start();
        qint64 preparing = 0;
        PdfWriter pdf(folder + QStringLiteral("/column-bench.pdf"));
        for (int i = 0; i < pages; ++i) {
            QElapsedTimer step;
            step.start();
            prepare(sheet, kind, random);
            const Page page = sheet.transferForOperation(QString::fromUtf8(run.operation));
            preparing += step.nsecsElapsed();
            pdf.addPage(page);
        }
        pdf.finish();
        const double total = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        const double prep = static_cast<double>(preparing) / 1e6;
        std::printf(
            "%s: %d pages into one PDF in %.0f ms: %.3f ms per page "
            "(%.3f preparing and transferring, %.3f painting and writing)\n",
            run.label, pages, total, total / pages, prep / pages, (total - prep) / pages);
    }
    return 0;
}
