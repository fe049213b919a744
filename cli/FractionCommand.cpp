// zarvik-cli fraction: the fraction worksheet page, prepared as the window's
// "Yeni Hazırla" prepares it, printed as JSON or text and rendered to PDF/PNG.

#include "cli/ClassSet.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/render/PageRenderer.h"
#include "fractions/core/FractionSheetSource.h"
#include "fractions/core/FractionWorksheet.h"

namespace zarvik::cli {

namespace {

const char kHelp[] =
    "Usage: zarvik-cli fraction --op OP --type TYPE [--denominators REL]\n"
    "                           [--teacher TEXT] [--date TEXT] [--time T] [--json] [-o FILE]\n"
    "\n"
    "Prepares a fraction worksheet page (26 exercises on two fractions).\n"
    "\n"
    "  --op OP             \"Toplama\", \"Çıkarma\", \"Çarpma\" or \"Bölme\"\n"
    "  --type TYPE         \"Basit Kesir\" or \"Tam Sayılı Kesir\"\n"
    "  --denominators REL  for \"Toplama\" and \"Çıkarma\": \"Paydaları Eşit\",\n"
    "                      \"Paydaları Farklı\" or \"Paydaları Birbirinin Katı\"\n"
    "                      (texts that match no choice run no generator: empty page)\n"
    "  --teacher TEXT      teacher's name for the footer (\"Hazırlayan: TEXT\")\n"
    "  --date TEXT         date for the footer (default: today, dd/mm/yyyy)\n"
    "  --time T            draw as a run started at calendar time T (seconds since 1970)\n"
    "  --json              print the exercises as JSON\n"
    "  -o FILE             render the page to FILE (.pdf or .png)\n"
    "\n"
    "Without --json and -o the exercises are printed one per line.\n"
    "Exit status: 0 done, 1 generation or file error, 2 bad usage.\n";

using namespace zarvik::fractions;

QString jsonOf(const ExerciseTable& table, const QString& teacher, const QString& date) {
    QString rows;
    for (const FractionRow& row : table) {
        if (!rows.isEmpty()) rows += u',';
        rows += jsonStringArray({row.firstNumerator, row.firstDenominator, row.firstWhole,
                                 row.operatorText, row.secondNumerator, row.secondDenominator});
    }
    // Closed by the caller, which may add to it.
    return QStringLiteral("{\"rows\":[%1],\"teacher\":%2,\"date\":%3")
        .arg(rows, jsonString(teacher), jsonString(date));
}

// "3) 2 1/4 - 1 3/8 =" per exercise, then the footer.
QString plainTextOf(const ExerciseTable& table, const QString& teacher, const QString& date) {
    QString out;
    int number = 0;
    for (const FractionRow& row : table) {
        out += QString::number(++number) + QStringLiteral(") ");
        if (!row.firstWhole.isEmpty()) out += row.firstWhole + u' ';
        out += row.firstNumerator + u'/' + row.firstDenominator + u' ' + row.operatorText + u' ' +
               row.secondNumerator + u'/' + row.secondDenominator + QStringLiteral(" =\n");
    }
    return out + teacher + u'\n' + date + u'\n';
}

}  // namespace

int runFractionCommand(const QStringList& arguments, bool checkOnly) {
    QCommandLineParser parser;
    const QCommandLineOption op(QStringLiteral("op"), QStringLiteral("Operation."),
                                QStringLiteral("OP"));
    const QCommandLineOption type(QStringLiteral("type"), QStringLiteral("Fraction type."),
                                  QStringLiteral("TYPE"));
    const QCommandLineOption denominators(QStringLiteral("denominators"),
                                          QStringLiteral("Denominator relation."),
                                          QStringLiteral("REL"));
    parser.addOptions({op, type, denominators});
    addPageOptions(parser);
    addClassSetOptions(parser);
    if (!parseArguments(parser, arguments,
                        QString::fromUtf8(kHelp) + QString::fromUtf8(kClassSetHelp)))
        return kSuccess;

    refusePositionalArguments(parser);
    if (!parser.isSet(op)) throw UsageError{QStringLiteral("--op yazılmamış.")};
    if (!parser.isSet(type)) throw UsageError{QStringLiteral("--type yazılmamış.")};
    const QString outputPath = optionText(parser, QStringLiteral("o"));
    const ClassSet set = readClassSet(parser);
    checkPrintedOutput(outputPath, parser.isSet(QStringLiteral("o")), set);

    RandomDraw random;
    seedRandomDraw(parser, random);

    const FractionChoices choices{parser.value(op), parser.value(type),
                                  optionText(parser, QStringLiteral("denominators")),
                                  optionText(parser, QStringLiteral("teacher")), pageDate(parser)};
    if (checkOnly) return kSuccess;
    FractionWorksheet sheet;
    FractionSheetSource source(sheet, choices);
    PrintedSheets sheets(set, outputPath, parser.isSet(QStringLiteral("json")));
    for (int k = 1; k <= set.sheets; ++k) {
        source.prepareNext(random);
        const QString teacher = sheet.teacherCaption(), date = sheet.dateCaption();
        sheets.addSheet(k, outputPath.isEmpty() ? Page() : sheet.page(),
                        jsonOf(sheet.exercises(), teacher, date),
                        plainTextOf(sheet.exercises(), teacher, date),
                        set.answerKey ? source.sheetAnswers() : QStringList());
    }
    sheets.finish();
    return kSuccess;
}

}  // namespace zarvik::cli
