// zarvik-cli text: a text worksheet, byte for byte what the window writes.

#include <QStringList>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "text_worksheets/TextWorksheet.h"

namespace zarvik::cli {

namespace {

const char kHelp[] =
    "Usage: zarvik-cli text KIND [--count TEXT] [--p1 TEXT] [--p2 TEXT] [--check]\n"
    "                            [--time T] [-o FILE]\n"
    "\n"
    "Prepares a text worksheet, one exercise a line, in Windows-1254 with CR LF line\n"
    "ends, exactly as the \"Yan Yana!\" window writes Zarvik.txt.\n"
    "\n"
    "KIND            the kind of exercise, as numbered in the window's menu:\n"
    "                  101-106 addition, 201-205 subtraction, 301-308 multiplication,\n"
    "                  401-404 division, 501-502 reading numbers, 601-603 measures and time\n"
    "--count TEXT    what is typed in the \"Alıştırma sayısı\" (number of exercises) box\n"
    "--p1 TEXT       what is typed or picked in the first list of the kind\n"
    "--p2 TEXT       what is typed or picked in the second list of the kind\n"
    "--check         tick the kind's check box (101, 201, 401, 402)\n"
    "                A box left out is empty, as after choosing a kind in the window;\n"
    "                a value may be given as '--p1 -3' or '--p1=-3' and may be empty.\n"
    "--time T        draw as a run started at calendar time T (seconds since 1970);\n"
    "                the same T gives the same worksheet. Default: now.\n"
    "-o FILE         write to FILE instead of Zarvik.txt in the current folder;\n"
    "                '-o -' writes to standard output. An existing file is replaced\n"
    "                only when the whole worksheet is ready.\n"
    "\n"
    "Exit status: 0 done, 1 the worksheet could not be prepared (the reason is on\n"
    "standard error, and an existing file is left as it was), 2 bad usage.\n";

}  // namespace

int runTextCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("KIND"), QStringLiteral("kind code"));
    parser.addOption({QStringLiteral("count"), QStringLiteral("count"), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("p1"), QStringLiteral("first list"), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("p2"), QStringLiteral("second list"), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("check"), QStringLiteral("tick the check box")});
    parser.addOption({QStringLiteral("time"), QStringLiteral("seed time"), QStringLiteral("T")});
    parser.addOption({QStringLiteral("o"), QStringLiteral("output file"), QStringLiteral("FILE")});
    if (!parseArguments(parser, arguments, QString::fromUtf8(kHelp))) return kSuccess;

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        throw UsageError{positional.isEmpty() ? QStringLiteral("KIND is missing.")
                                              : QStringLiteral("only one KIND may be given.")};
    bool ok = false;
    const int kind = positional.front().toInt(&ok);
    if (!ok || !isTextKind(kind))
        throw UsageError{QStringLiteral("'%1' is not a kind of the menu (101-106, 201-205, "
                                        "301-308, 401-404, 501-502, 601-603).")
                             .arg(positional.front())};

    const FixedTextFields fields(
        optionText(parser, QStringLiteral("count")), optionText(parser, QStringLiteral("p1")),
        optionText(parser, QStringLiteral("p2")), parser.isSet(QStringLiteral("check")));
    const QString path = parser.isSet(QStringLiteral("o")) ? parser.value(QStringLiteral("o"))
                                                           : QStringLiteral("Zarvik.txt");
    // Nothing draws before the generation.
    RandomDraw random;
    seedRandomDraw(parser, random);
    writeTextWorksheet(kind, fields, random, path);
    return kSuccess;
}

}  // namespace zarvik::cli
