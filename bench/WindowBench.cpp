// How quickly the desktop program is ready: the time from the process start
// to the launcher on screen, the resident memory then, and how long
// "Ödev Hazırla >>" takes for 100 exercises of each of the 28 kinds.
//
// Usage: ZARVIK_BENCH_START_NS=$(date +%s%N) window_bench
// (bench/window-bench.sh runs it under Xvfb). Without the variable the time
// counts from the start of main.

#include <sys/resource.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "common/windows/Look.h"
#include "app/Startup.h"
#include "app/Zarvikana.h"
#include "text_worksheets/core/TextCatalogue.h"
#include "text_worksheets/windows/Zarvikeski.h"

namespace {

qint64 nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Resident memory in kB.
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// CPU time of the process so far: less disturbed than wall time on a busy machine.
double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct NoOpener : zarvik::FileOpener {
    void open(const QString&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    const qint64 mainNs = nowNs();
    const QByteArray startVariable = qgetenv("ZARVIK_BENCH_START_NS");
    const qint64 startNs = startVariable.isEmpty() ? mainNs : startVariable.toLongLong();

    QApplication application(argc, argv);
    zarvik::installLook(application);
    const qint64 applicationNs = nowNs();
    zarvik::RandomDraw random;
    zarvik::AppContext context{random};
    // A date without the update reminder, so nothing waits for a person.
    context.today = [] { return QDate(2008, 11, 1); };
    zarvik::StartedWindows started(context);
    const qint64 createdNs = nowNs();
    TFormZarvikAna* launcher = started.windows().ana;
    launcher->show();
    while (!launcher->windowHandle() || !launcher->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QApplication::processEvents();  // the first paint
    const qint64 shownNs = nowNs();
    std::printf("platform            %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("process start->main %8.1f ms\n", (mainNs - startNs) / 1e6);
    std::printf("application ready   %8.1f ms\n", (applicationNs - startNs) / 1e6);
    std::printf("windows created   %8.1f ms\n", (createdNs - startNs) / 1e6);
    std::printf("launcher shown      %8.1f ms after the process started (%.1f ms CPU)\n",
                (shownNs - startNs) / 1e6, cpuMs());
    std::printf("resident memory     %8.1f MB with the launcher shown\n", residentKb() / 1024.0);

    TFormZarvikEski* text = started.windows().find<TFormZarvikEski>();
    NoOpener opener;
    text->setFileOpener(&opener);
    text->show();
    QApplication::processEvents();
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    auto* count = text->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* first = text->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    auto* second = text->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    auto* button = text->findChild<QPushButton*>(QStringLiteral("Button1"));

    std::printf("\n100 exercises per press (choice of the kind + button), ms:\n");
    std::vector<double> times;
    for (const zarvik::TextKind& kind : zarvik::textKinds()) {
        QElapsedTimer timer;
        timer.start();
        text->findChild<QAction*>(kind.itemName)->trigger();
        count->setText(QStringLiteral("100"));
        if (kind.first.shown()) first->setCurrentIndex(first->count() / 2);
        if (kind.second.shown()) second->setCurrentIndex(second->count() / 2);
        button->click();
        QApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        times.push_back(ms);
        std::printf("  %d %7.2f\n", kind.code, ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.2f ms, slowest %.2f ms\n", times[times.size() / 2], times.back());
    std::printf("resident memory     %8.1f MB after 28 preparations\n", residentKb() / 1024.0);
    return 0;
}
