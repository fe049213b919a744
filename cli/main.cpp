// zarvik-cli: the worksheets of the Zarvik windows, prepared without a window.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <memory>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/Errors.h"

namespace {

const char kUsage[] =
    "Usage: zarvik-cli COMMAND [OPTIONS]\n"
    "\n"
    "Prepares Zarvik worksheets without opening a window.\n"
    "\n"
    "Commands:\n"
    "  text KIND      a text worksheet (Zarvik.txt), kinds 101..603\n"
    "  column         a column worksheet page (A5 or A4)\n"
    "  fraction       a fraction worksheet page\n"
    "  numbers        a number worksheet page\n"
    "  activity       an activity page (clocks, missing numbers, counting, place value, money)\n"
    "\n"
    "Run 'zarvik-cli COMMAND --help' for a command's options.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace zarvik::cli;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty()) {
        printErr(QString::fromUtf8(kUsage));
        return kUsageError;
    }
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        printOut(QString::fromUtf8(kUsage));
        return kSuccess;
    }

    // Pages are painted with Qt's fonts, which need a GUI application object;
    // the offscreen platform keeps the tool usable without a display.
    std::unique_ptr<QCoreApplication> app;
    if (command == QLatin1String("text")) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    try {
        if (command == QLatin1String("text")) return runTextCommand(arguments);
        if (command == QLatin1String("fraction")) return runFractionCommand(arguments);
        if (command == QLatin1String("column")) return runColumnCommand(arguments);
        if (command == QLatin1String("numbers")) return runNumbersCommand(arguments);
        if (command == QLatin1String("activity")) return runActivityCommand(arguments);
        printErr(QStringLiteral("zarvik-cli: unknown command '%1'\n\n").arg(command) +
                 QString::fromUtf8(kUsage));
        return kUsageError;
    } catch (const UsageError& e) {
        printErr(QStringLiteral("zarvik-cli %1: %2\nRun 'zarvik-cli %1 --help' for usage.\n")
                     .arg(command, e.message));
        return kUsageError;
    } catch (const zarvik::Error& e) {
        printErr(e.message() + u'\n');
        return kGenerationError;
    }
}
