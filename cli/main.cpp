// zarvik-cli: the worksheets of the Zarvik windows, prepared without a window.

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSemaphore>
#include <QStringList>
#include <QThreadPool>
#include <memory>
#include <new>

#include "cli/CliSupport.h"
#include "cli/Docs.h"
#include "cli/Runner.h"
#include "common/core/Family.h"
#include "common/core/Errors.h"
#include "common/core/Headroom.h"
#include "common/core/OutputFile.h"
#include "common/core/SheetSet.h"
#include "common/render/PageRenderer.h"

namespace {

// Signals that end a process unless it catches them, asynchronous ones
// (sent by another process, a terminal, a limit): the first ends the run as
// an interruption, through the unwinding stack that removes its temporary
// files; a second one ends it at once, removing them in the handler.
constexpr int kEndingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT,   SIGTERM, SIGPIPE, SIGALRM,
                                  SIGUSR1, SIGUSR2, SIGXCPU,   SIGXFSZ, SIGVTALRM,
                                  SIGPROF, SIGPOLL, SIGSTKFLT, SIGPWR};
// Faults and aborts (Qt's fatal errors): nothing can unwind, the temporary
// files still go. Only where nobody (a sanitizer) handles them already.
constexpr int kCrashSignals[] = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS};

void endNow(int signal) {
    zarvik::removeTemporaryFilesNow();
    ::signal(signal, SIG_DFL);
    ::raise(signal);  // delivered as the handler returns
}

void onEndingSignal(int signal, siginfo_t* info, void*) {
    // The kernel's own SIGXFSZ for a file grown past "ulimit -f": the write
    // fails with EFBIG as well and is reported as such.
    if (signal == SIGXFSZ && info && info->si_code == SI_USER && info->si_pid == ::getpid())
        return;
    if (zarvik::outputInterruptSignal() == 0) {
        zarvik::requestOutputInterrupt(signal);
        return;
    }
    endNow(signal);
}

void onCrashSignal(int signal) {
    endNow(signal);
}

void catchSignals() {
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    for (const int signal : kEndingSignals)
        sigaddset(&action.sa_mask, signal);
    const auto install = [&](int signal, bool crash) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) != 0) return;
        // Ignored by whoever started the run (nohup, a background job):
        // it stays ignored. A crash handler already there stays too.
        if (old.sa_handler == SIG_IGN || (crash && old.sa_handler != SIG_DFL)) return;
        ::sigaction(signal, &action, nullptr);
    };
    // Not restarted: a write blocked on a slow reader returns, and the run
    // ends at once.
    action.sa_flags = SA_SIGINFO;
    action.sa_sigaction = onEndingSignal;
    for (const int signal : kEndingSignals)
        install(signal, false);
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        install(signal, false);
    action.sa_flags = SA_RESTART;
    action.sa_handler = onCrashSignal;
    for (const int signal : kCrashSignals)
        install(signal, true);
}

// Ends the process as the signal that interrupted the run would have.
[[noreturn]] void endBySignal(int signal) {
    ::signal(signal, SIG_DFL);
    sigset_t unblocked;
    sigemptyset(&unblocked);
    sigaddset(&unblocked, signal);
    ::sigprocmask(SIG_UNBLOCK, &unblocked, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

// The shared thread pool with one thread that never expires, started here:
// false when it did not start (then the pool waits for it for ever).
bool startPaintingThread() {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(1);
    pool->setExpiryTimeout(-1);
    pool->setStackSize(1 << 20);
    static QSemaphore started;
    pool->start([] { started.release(); });
    return started.tryAcquire(1, 10000);
}

// Descriptors a run takes at most at one time: its output and the key's
// temporary file, the fonts' configuration, the picture plugins, the event
// loop's wake-up. Fewer make Qt end the process or drop fonts silently.
constexpr int kDescriptorsNeeded = 16;

// Qt tells on standard error that it picked a runtime folder of its own when
// XDG_RUNTIME_DIR is unset; that is no concern of the user's. Everything else
// goes out as before.
QtMessageHandler qtHandler = nullptr;
void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    // A PNG that cannot be written is reported in the program's own words.
    if (text == QLatin1String("libpng error: Write Error")) return;
    if (qtHandler) qtHandler(type, context, text);
}

// A quoted value, as '…', is cut to 40 characters: a huge option value must
// not make a huge message.
QString shortened(QString message) {
    static const QRegularExpression quoted(QStringLiteral("'([^'\\n]{41,})'"));
    QRegularExpressionMatch match;
    qsizetype from = 0;
    while ((match = quoted.match(message, from)).hasMatch()) {
        const QString cut = u'\'' + zarvik::quotedValue(match.captured(1)) + u'\'';
        message.replace(match.capturedStart(), match.capturedLength(), cut);
        from = match.capturedStart() + cut.size();
    }
    return message;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zarvik::cli;
    zarvik::tuneHeapForPageOutput();
    // Under an address-space limit ("ulimit -v"), one heap for every thread:
    // each further one would reserve 64 MB of it. Sheets are then drawn on
    // the painting thread too, as two threads on one heap wait on each other.
    if (struct rlimit space;
        ::getrlimit(RLIMIT_AS, &space) == 0 && space.rlim_cur != RLIM_INFINITY) {
        mallopt(M_ARENA_MAX, 1);
        zarvik::allowDrawingAhead(false);
    }
    // A closed standard stream gets a placeholder nothing can be written to,
    // so no file opened later takes its number and receives the output: the
    // read end of an empty pipe, a file no path but the stream's own
    // ("/dev/stdout") leads to.
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            int ends[2];
            if (::pipe(ends) != 0) continue;
            ::close(ends[1]);
            if (ends[0] != fd) {
                ::dup2(ends[0], fd);
                ::close(ends[0]);
            }
            zarvik::markClosedStandardStream(fd);
        }
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
        // Bytes the file name encoding cannot carry would name another file
        // (or print other text) than the one given.
        if (QFile::encodeName(arguments.back()) != QByteArray(argv[i])) {
            printErr(QStringLiteral("zarvik-cli: %1. bağımsız değişken \"%2\" geçerli UTF-8 "
                                    "değil; dosya adlarını ve metinleri UTF-8 olarak veriniz.\n")
                         .arg(i)
                         .arg(zarvik::quotedValue(arguments.back())));
            return kUsageError;
        }
    }
    if (arguments.isEmpty()) {
        printErr(programHelp());
        return kUsageError;
    }
    const QString command = arguments.takeFirst();
    // For the build and the shell: the manual page and the completion's
    // candidates, both read from the family registry.
    if (command == QLatin1String("--manual-page") || command == QLatin1String("--complete")) {
        try {
            printOut(command == QLatin1String("--manual-page")
                         ? manualPage()
                         : completions(arguments).join(u'\n') + u'\n');
        } catch (const zarvik::Error& e) {
            printErr(e.message() + u'\n');
            return kGenerationError;
        }
        return kSuccess;
    }
    const bool help = command == QLatin1String("--help") || command == QLatin1String("-h") ||
                      command == QLatin1String("help");
    if (help || command == QLatin1String("--version")) {
        try {
            printOut(help ? programHelp()
                          : QStringLiteral("zarvik-cli " ZARVIK_VERSION "\n"));
        } catch (const zarvik::Error& e) {
            printErr(e.message() + u'\n');
            return kGenerationError;
        }
        return kSuccess;
    }
    const zarvik::Family* family = zarvik::familyOfCommand(command);
    if (!family) {
        printErr(QStringLiteral("zarvik-cli: '%1' diye bir komut yok.\n\n")
                     .arg(zarvik::quotedValue(command)) +
                 programHelp());
        return kUsageError;
    }
    qtHandler = qInstallMessageHandler(filterQtMessages);
    catchSignals();
    if (zarvik::freeDescriptors(kDescriptorsNeeded) < kDescriptorsNeeded) {
        printErr(QStringLiteral("zarvik-cli %1: bu çalışmanın açabileceği dosya sayısı çok az "
                                "(ulimit -n); en az %2 dosya daha açılabilmeli.\n")
                     .arg(command, QString::number(kDescriptorsNeeded)));
        return kGenerationError;
    }

    // Pages are painted with Qt's fonts, which need a GUI application object;
    // the offscreen platform, whatever the environment names, since the tool
    // never shows anything. Qt reads none of the command's arguments (it
    // would act on "-platform" and its kin), and the plain event loop needs
    // one descriptor where GLib's needs two and ends the process without them.
    qputenv("QT_NO_GLIB", "1");
    // Qt ends the process when its platform cannot be loaded for want of memory.
    try {
        zarvik::requireMemoryHeadroom();
    } catch (const std::bad_alloc&) {
        printErr(QStringLiteral("zarvik-cli %1: bellek yetmedi; çalışma başlatılamadı.\n")
                     .arg(command));
        return kGenerationError;
    }
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!writesPaintedPages(*family, arguments)) {
        app = std::make_unique<QCoreApplication>(qtArgc, qtArgv);
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
        // Qt's image code hands parts of a picture to pool threads and waits
        // for them; a thread that cannot be started leaves it waiting for
        // ever. One thread, started now and kept, is all it ever gets.
        if (!startPaintingThread()) {
            printErr(QStringLiteral("zarvik-cli %1: bellek yetmedi; çalışma başlatılamadı.\n")
                         .arg(command));
            ::_exit(kGenerationError);  // the pool cannot be waited for
        }
    }

    try {
        const int status = runCommand(*family, arguments);
        if (const int signal = zarvik::outputInterruptSignal()) endBySignal(signal);
        return status;
    } catch (const UsageError& e) {
        printErr(QStringLiteral("zarvik-cli %1: %2\nKullanımı için: zarvik-cli %1 --help\n")
                     .arg(command, shortened(e.message)));
        return kUsageError;
    } catch (const zarvik::Interrupted&) {
        // The temporary files are gone; end as the signal would have.
        endBySignal(zarvik::outputInterruptSignal());
    } catch (const zarvik::Error& e) {
        // A failed write may be the signal's doing (a reader gone): the
        // signal ends the run, as it would have without a handler.
        if (const int signal = zarvik::outputInterruptSignal()) endBySignal(signal);
        // A Turkish sentence first, then the exact text on its own line.
        printErr((e.advice().isEmpty() ? QString() : e.advice() + u'\n') + shortened(e.message()) +
                 u'\n');
        return kGenerationError;
    } catch (const std::bad_alloc&) {
        if (const int signal = zarvik::outputInterruptSignal()) endBySignal(signal);
        printErr(QStringLiteral("zarvik-cli %1: bellek yetmedi; bu kadar büyük bir çalışma "
                                "hazırlanamadı. Var olan dosyalar olduğu gibi duruyor.\n")
                     .arg(command));
        return kGenerationError;
    }
}
