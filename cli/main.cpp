// zarvik-cli: the worksheets of the Zarvik windows, prepared without a window.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>
#include <memory>
#include <new>

#include "cli/CliSupport.h"
#include "cli/Docs.h"
#include "cli/Runner.h"
#include "common/core/Family.h"
#include "common/core/Errors.h"
#include "common/core/OutputFile.h"
#include "common/render/PageRenderer.h"

namespace {

// Ctrl-C, SIGTERM, SIGHUP: the next write fails, the stack unwinds and the
// old files stay; a second signal ends the run at once.
void onInterrupt(int signal) {
    zarvik::requestOutputInterrupt(signal);
    std::signal(signal, SIG_DFL);
}

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
    // A closed standard stream gets a placeholder nothing can be written to,
    // so no file opened later takes its number and receives the output.
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int placeholder = ::open("/dev/null", O_RDONLY);
            if (placeholder >= 0 && placeholder != fd) {
                ::dup2(placeholder, fd);
                ::close(placeholder);
            }
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
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, onInterrupt);

    // Pages are painted with Qt's fonts, which need a GUI application object;
    // the offscreen platform keeps the tool usable without a display.
    std::unique_ptr<QCoreApplication> app;
    if (!writesPaintedPages(*family, arguments)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    try {
        const int status = runCommand(*family, arguments);
        if (const int signal = zarvik::outputInterruptSignal()) std::raise(signal);
        return status;
    } catch (const UsageError& e) {
        printErr(QStringLiteral("zarvik-cli %1: %2\nKullanımı için: zarvik-cli %1 --help\n")
                     .arg(command, shortened(e.message)));
        return kUsageError;
    } catch (const zarvik::Interrupted&) {
        // The temporary files are gone; end as the signal would have.
        std::raise(zarvik::outputInterruptSignal());
        return kGenerationError;
    } catch (const zarvik::Error& e) {
        // A Turkish sentence first, then the exact text on its own line.
        printErr((e.advice().isEmpty() ? QString() : e.advice() + u'\n') + shortened(e.message()) +
                 u'\n');
        return kGenerationError;
    } catch (const std::bad_alloc&) {
        printErr(QStringLiteral("zarvik-cli %1: bellek yetmedi; bu kadar büyük bir çalışma "
                                "hazırlanamadı. Var olan dosyalar olduğu gibi duruyor.\n")
                     .arg(command));
        return kGenerationError;
    }
}
