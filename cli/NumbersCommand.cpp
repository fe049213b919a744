// zarvik-cli numbers: the number worksheet page, prepared as the window's
// "Yeni Hazırla" prepares it, printed as JSON or text and rendered to PDF/PNG.

#include "cli/ClassSet.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/render/PageRenderer.h"
#include "numbers/core/NumberSheetSource.h"
#include "numbers/core/NumberWorksheet.h"

namespace zarvik::cli {

namespace {

const char kHelp[] =
    "Usage: zarvik-cli numbers --kind KIND --digits D [--columns COLUMNS]\n"
    "                          [--teacher TEXT] [--date TEXT] [--time T] [--json] [-o FILE]\n"
    "\n"
    "Prepares a number worksheet page (24 or 48 numbered exercises).\n"
    "\n"
    "  --kind KIND        \"Sayı Okuma\", \"Sayı Yazma\", \"Karşılaştırma\", \"Sıralama\",\n"
    "                     \"Tek ve Çift Sayılar\" or \"Sayı Yuvarlama\"; any other text runs\n"
    "                     no generator (only the numbering is printed)\n"
    "  --digits D         digit count, 1 to 9 (others are corrected with a message)\n"
    "  --columns COLUMNS  \"Tek Sütun\" or \"İki Sütun\" (default)\n"
    "  --teacher TEXT     teacher's name for the footer (\"Hazırlayan: TEXT\")\n"
    "  --date TEXT        date for the footer (default: today, dd/mm/yyyy)\n"
    "  --time T           draw as a run started at calendar time T (seconds since 1970)\n"
    "  --json             print the page's texts as JSON\n"
    "  -o FILE            render the page to FILE (.pdf or .png)\n"
    "\n"
    "Without --json and -o the page's texts are printed one per line.\n"
    "Exit status: 0 done, 1 generation or file error, 2 bad usage.\n";

// Digit-count corrections go to standard error; the page is still made.
class StderrMessages : public MessageSink {
  public:
    void showMessage(const QString& text) override { printErr(text + u'\n'); }
};

// Without its closing brace, so class sets can add to it.
QString jsonOf(const NumberWorksheet& sheet) {
    return QStringLiteral(
               "{\"title\":%1,\"left\":%2,\"right\":%3,\"leftWide\":%4,"
               "\"teacher\":%5,\"date\":%6")
        .arg(jsonString(sheet.title()), jsonStringArray(sheet.leftTexts()),
             jsonStringArray(sheet.rightTexts()),
             sheet.leftWide() ? QStringLiteral("true") : QStringLiteral("false"),
             jsonString(sheet.teacherCaption()), jsonString(sheet.dateCaption()));
}

QString plainTextOf(const NumberWorksheet& sheet) {
    QString out = sheet.title() + u'\n';
    for (const QString& text : sheet.leftTexts())
        out += text + u'\n';
    for (const QString& text : sheet.rightTexts())
        if (!text.isEmpty()) out += text + u'\n';
    out += sheet.teacherCaption() + u'\n' + sheet.dateCaption() + u'\n';
    return out;
}

}  // namespace

int runNumbersCommand(const QStringList& arguments, bool checkOnly) {
    QCommandLineParser parser;
    const QCommandLineOption kind(QStringLiteral("kind"), QStringLiteral("Exercise kind."),
                                  QStringLiteral("KIND"));
    const QCommandLineOption digits(QStringLiteral("digits"), QStringLiteral("Digit count."),
                                    QStringLiteral("D"));
    const QCommandLineOption columns(QStringLiteral("columns"), QStringLiteral("Columns."),
                                     QStringLiteral("COLUMNS"), kTwoColumns.toString());
    parser.addOptions({kind, digits, columns});
    addPageOptions(parser);
    addClassSetOptions(parser);
    if (!parseArguments(parser, arguments,
                        QString::fromUtf8(kHelp) + QString::fromUtf8(kClassSetHelp)))
        return kSuccess;

    refusePositionalArguments(parser);
    if (!parser.isSet(kind)) throw UsageError{QStringLiteral("--kind yazılmamış.")};
    if (!parser.isSet(digits)) throw UsageError{QStringLiteral("--digits yazılmamış.")};
    const QString columnsText = parser.value(columns);
    if (columnsText != kOneColumn && columnsText != kTwoColumns)
        throw UsageError{QStringLiteral("--columns \"Tek Sütun\" ya da \"İki Sütun\" olmalı, "
                                        "'%1' değil.")
                             .arg(columnsText)};
    const QString outputPath = optionText(parser, QStringLiteral("o"));
    const ClassSet set = readClassSet(parser);
    checkPrintedOutput(outputPath, parser.isSet(QStringLiteral("o")), set);

    RandomDraw random;
    seedRandomDraw(parser, random);

    NumberChoices choices;
    choices.kind = parser.value(kind);
    choices.digits = parser.value(digits);
    choices.columns = columnsText;
    choices.teacher = optionText(parser, QStringLiteral("teacher"));
    // The window's date field starts with today's date.
    choices.date = pageDate(parser);
    if (checkOnly) return kSuccess;

    StderrMessages messages;
    NumberWorksheet sheet;
    NumberSheetSource source(sheet, choices, messages, true);
    PrintedSheets sheets(set, outputPath, parser.isSet(QStringLiteral("json")));
    for (int k = 1; k <= set.sheets; ++k) {
        source.prepareNext(random);
        const QStringList answers = set.answerKey ? source.sheetAnswers() : QStringList();
        sheets.addSheet(k, sheet.page(), jsonOf(sheet), plainTextOf(sheet), answers);
    }
    sheets.finish();
    return kSuccess;
}

}  // namespace zarvik::cli
