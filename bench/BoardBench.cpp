// How fast the board is at 4K (3840 x 2160, a 65" screen): opening it on a
// sheet (its window, the figures of the first screen and the first picture)
// and stepping to the next screen (new figures and a whole new picture), for
// a column, a division, a fraction and a text sheet, one to four a screen.
// Wall time and the process's CPU time (on a busy machine the CPU time is
// what the board itself costs). Run by hand: board_bench

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnSheetSource.h"
#include "common/render/PageRenderer.h"
#include "common/windows/BoardWindow.h"
#include "fractions/core/FractionGenerators.h"
#include "fractions/core/FractionSheetSource.h"
#include "text_worksheets/core/TextSheetSource.h"

using namespace zarvik;

namespace {

constexpr QSize k4K{3840, 2160};

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Opens, paints and steps as the screen would: the picture drawn into an image.
void measure(const char* name, SheetSource&& source, int perScreen) {
    RandomDraw random;
    random.seed(1222833600);
    source.prepareNext(random);
    const ExerciseList exercises = source.sheetExercises();
    QImage picture(k4K, QImage::Format_RGB32);
    std::vector<double> opens, steps, openCpu, stepCpu;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        double cpu = cpuMs();
        BoardWindow board;
        board.resize(k4K);
        // 3840 pixels over the 1439 mm of a 65" board, whatever screen this runs on.
        const double screenPixels = board.screen() ? board.screen()->geometry().width() : 3840;
        board.setScreenMillimetres({1439 * screenPixels / 3840, 809 * screenPixels / 3840});
        board.setExercises(exercises, QStringLiteral("Bench"));
        board.setPerScreen(perScreen);
        board.render(&picture);
        opens.push_back(double(timer.nsecsElapsed()) / 1e6);
        openCpu.push_back(cpuMs() - cpu);
        for (int step = 0; step < 5 && board.drill().screen() + 1 < board.drill().screens();
             ++step) {
            timer.restart();
            cpu = cpuMs();
            board.next();
            board.render(&picture);
            steps.push_back(double(timer.nsecsElapsed()) / 1e6);
            stepCpu.push_back(cpuMs() - cpu);
        }
    }
    std::printf("  %-22s %d a screen  open %6.1f ms (CPU %6.1f)  step %6.1f ms (CPU %6.1f)\n",
                name, perScreen, median(opens), median(openCpu), median(steps), median(stepCpu));
}

}  // namespace

int main(int argc, char** argv) {
    tuneHeapForPageOutput();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("the board at 3840 x 2160 (median of 7 runs)\n");
    const auto column = [](const char* operation, const char* property, QStringList answers) {
        return ColumnSheetSource(halfPageDesign(),
                                 {operation, property, QStringLiteral("Ayşe"), "01/10/2008"},
                                 ScriptedQuestions(answers), nullptr);
    };
    for (int perScreen : {1, 4}) {
        measure("column multiplication", column("Çarpma", "Çarpım tablosu", {"9"}), perScreen);
        measure("column division", column("Bölme", "Temel bölme (2-3. sınıf)", {"9", "9", "e"}),
                perScreen);
        measure("fractions",
                FractionSheetSource(FractionChoices{
                    "Toplama", "Tam Sayılı Kesir",
                    QString::fromUtf16(fractions::kRelationTexts[0]), "", ""}),
                perScreen);
        measure("text (105)", TextSheetSource(105, FixedTextFields("40", "4", "3"), {}, {}),
                perScreen);
    }
    return 0;
}
