// zarvik-cli column: a column worksheet prepared as the half-page (a5) or
// full-page (a4) window prepares it, with the generator's questions answered
// from --answers.

#include "cli/ClassSet.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "column_worksheets/core/ColumnAnswers.h"
#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnGenerators.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "column_worksheets/core/ColumnSheetSource.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "common/core/Errors.h"
#include "common/render/PageRenderer.h"

namespace zarvik::cli {

namespace {

const char kHelp[] =
    "Usage: zarvik-cli column --page a5|a4 --op OP --prop PROP [--answers LIST]\n"
    "                         [--teacher TEXT] [--date TEXT] [--time T] [--json] [-o FILE]\n"
    "\n"
    "Prepares a column worksheet as the \"Yarım Sayfa\" (a5) or \"Tam Sayfa\" (a4)\n"
    "window does: OP and PROP are the texts of the operation and property lists,\n"
    "compared exactly (no match prepares no problems).\n"
    "\n"
    "Options:\n"
    "  --page a5|a4      the window: half page (A5) or full page (A4)\n"
    "  --op OP           Toplama, Çıkarma, Çarpma or Bölme\n"
    "  --prop PROP       the property, e.g. \"Eldesiz Toplama\"\n"
    "  --answers LIST    answers to the questions in the order they are asked,\n"
    "                    separated by ';'. A number question takes the item as\n"
    "                    typed ('~' is Cancel: the default); a yes/no question\n"
    "                    takes y, yes, e, evet or n, no, h, hayır. Questions past\n"
    "                    the end are cancelled or answered No.\n"
    "  --teacher TEXT    the teacher's name (\"Hazırlayan: \" + TEXT on the page)\n"
    "  --date TEXT       the date on the page (default: today, dd/mm/yyyy)\n"
    "  --time T          draw as a run started at T seconds since 1970 (default: now)\n"
    "  --json            print the problem texts, line width, operator and footer\n"
    "  -o FILE           write the page that \"Bak\" shows: PNG for *.png, else PDF\n"
    "  --two-up          (a5) two sheets side by side on one A4 landscape page, a\n"
    "                    dashed cut line between: two pupils of a set, or one\n"
    "                    sheet twice\n"
    "\n"
    "Without --json or -o the problems are printed one per line.\n"
    "Exit status: 0 done, 1 the generator stopped (message on stderr), 2 bad usage.\n";

QString operatorSign(ColumnOperation operation) {
    switch (operation) {
        case ColumnOperation::Addition:
            return QStringLiteral("+");
        case ColumnOperation::Subtraction:
            return QStringLiteral("-");
        case ColumnOperation::Multiplication:
            return QStringLiteral("x");
        case ColumnOperation::Division:
            return QStringLiteral("÷");
    }
    return {};
}

QString sheetJson(const ColumnSheet& sheet, const QString& operation) {
    const int count = sheet.slotCountFor(operation);
    const Page& grid = sheet.gridPage();
    const PageFrameDesign& frame = sheet.design().gridPage;
    const auto& line = sheet.lineSetting();
    QString json = QStringLiteral("{\"page\":");
    json += ColumnSheet::usesDivisionPage(operation) ? QStringLiteral("\"division\"")
                                                     : QStringLiteral("\"grid\"");
    json += QStringLiteral(",\"first\":") + jsonStringArray(sheet.FirstTexts.first(count));
    json += QStringLiteral(",\"second\":") + jsonStringArray(sheet.SecondTexts.first(count));
    json += QStringLiteral(",\"lineWidth\":") +
            (line ? QString::number(line->width) : QStringLiteral("null"));
    json +=
        QStringLiteral(",\"operator\":") + (line ? jsonString(line->op) : QStringLiteral("null"));
    json += QStringLiteral(",\"teacher\":") + jsonString(grid.cell(frame.teacherLabel.name).text);
    json += QStringLiteral(",\"date\":") + jsonString(grid.cell(frame.dateLabel.name).text);
    return json;  // closed by the caller, which may add to it
}

QString problemLines(const ColumnSheet& sheet) {
    QString out;
    for (const ColumnProblem& problem : sheet.problems())
        out += QStringLiteral("%1 %2 %3\n")
                   .arg(problem.first)
                   .arg(operatorSign(problem.operation))
                   .arg(problem.second);
    return out;
}

}  // namespace

int runColumnCommand(const QStringList& arguments, bool checkOnly) {
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("page"), QStringLiteral("a5 or a4."), QStringLiteral("PAGE")},
        {QStringLiteral("op"), QStringLiteral("Operation."), QStringLiteral("OP")},
        {QStringLiteral("prop"), QStringLiteral("Property."), QStringLiteral("PROP")},
        {QStringLiteral("answers"), QStringLiteral("Answers."), QStringLiteral("LIST")},
        {QStringLiteral("two-up"), QStringLiteral("Two A5 sheets per A4.")},
    });
    addPageOptions(parser);
    addClassSetOptions(parser);
    if (!parseArguments(parser, arguments,
                        QString::fromUtf8(kHelp) + QString::fromUtf8(kClassSetHelp)))
        return kSuccess;
    refusePositionalArguments(parser);

    const QString pageName = optionText(parser, QStringLiteral("page"));
    const ColumnWindowDesign* design = nullptr;
    if (pageName == QLatin1String("a5")) design = &halfPageDesign();
    if (pageName == QLatin1String("a4")) design = &fullPageDesign();
    if (!design) throw UsageError{QStringLiteral("--page a5 ya da a4 olmalı.")};
    for (const char* required : {"op", "prop"})
        if (!parser.isSet(QString::fromLatin1(required)))
            throw UsageError{QStringLiteral("--%1 yazılmamış.").arg(QString::fromLatin1(required))};
    const QString operation = parser.value(QStringLiteral("op"));
    const QString property = parser.value(QStringLiteral("prop"));

    const bool json = parser.isSet(QStringLiteral("json"));
    const QString output = optionText(parser, QStringLiteral("o"));
    if (parser.isSet(QStringLiteral("o")) && output.isEmpty())
        throw UsageError{QStringLiteral("-o bir dosya adı ister.")};
    ClassSet set = readClassSet(parser);
    set.twoUp = parser.isSet(QStringLiteral("two-up"));
    if (set.twoUp && design != &halfPageDesign())
        throw UsageError{
            QStringLiteral("--two-up iki yarım sayfayı bir A4 sayfaya dizer; "
                           "--page a5 ister")};
    if (output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        (set.sheets > 1 || set.answerKey))
        throw UsageError{
            QStringLiteral("bir PNG dosyasına tek sayfa sığar; birkaç sayfayı ya da cevap "
                           "anahtarını bir .pdf dosyasına yazınız.")};

    RandomDraw random;
    seedRandomDraw(parser, random);
    const QString date = pageDate(parser);
    if (checkOnly) return kSuccess;
    ColumnSheet sheet(*design);
    // The same answers for every sheet of a set: the questions are asked once.
    ColumnSheetSource source(
        sheet, {operation, property, optionText(parser, QStringLiteral("teacher")), date},
        parser.isSet(QStringLiteral("answers"))
            ? ScriptedQuestions::fromList(parser.value(QStringLiteral("answers")))
            : ScriptedQuestions());
    PrintedSheets sheets(set, output, json);
    for (int k = 1; k <= set.sheets; ++k) {
        try {
            source.prepareNext(random);
        } catch (const AnswerScriptError& e) {
            // An answer the question cannot take, as a number answer that is
            // not a number: refused by the preparation (status 1), not usage.
            throw Error(QStringLiteral("zarvik-cli column: --answers: ") + e.message());
        }
        if (!source.kind() && k == 1)
            printErr(QStringLiteral("zarvik-cli column: \"%1\" / \"%2\" için alıştırma yok; "
                                    "sayfa boş.\n")
                         .arg(operation, property));
        sheets.addSheet(k, output.isEmpty() ? Page() : source.sheetPage(),
                        sheetJson(sheet, operation), problemLines(sheet),
                        set.answerKey ? source.sheetAnswers() : QStringList(),
                        source.answerGridColumns());
    }
    sheets.finish();
    return kSuccess;
}

}  // namespace zarvik::cli
