// zarvik-cli activity: the activity pages (clocks, missing numbers, rhythmic
// counting, place value, money), prepared as the window's "Yeni Hazırla"
// prepares them, printed as JSON or text and rendered to PDF/PNG.

#include "activities/core/ActivityWorksheet.h"
#include "cli/ClassSet.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/core/Errors.h"

namespace zarvik::cli {

namespace {

const char kHelp[] =
    "Usage: zarvik-cli activity --kind KIND [--opt NAME=VALUE]...\n"
    "                           [--teacher TEXT] [--date TEXT] [--time T] [--json] [-o FILE]\n"
    "\n"
    "Prepares an activity page (A4). An option left out takes the window's start value.\n"
    "\n"
    "  --kind KIND        the activity, one of the kinds below\n"
    "  --opt NAME=VALUE   an option of the kind, by the window's caption and item\n"
    "  --teacher TEXT     teacher's name for the footer (\"Hazırlayan: TEXT\")\n"
    "  --date TEXT        date for the footer (default: today, dd/mm/yyyy)\n"
    "  --time T           draw as a run started at calendar time T (seconds since 1970)\n"
    "  --json             print the page's items and answers as JSON\n"
    "  -o FILE            render the page to FILE (.pdf or .png)\n"
    "\n";

QString kindsHelp() {
    QString text = QStringLiteral("Kinds and their options (start value marked *):\n");
    for (const ActivityKind& kind : activityKinds()) {
        text += QStringLiteral("  \"%1\"\n").arg(kind.name);
        for (const ActivityOption& option : kind.options) {
            QStringList items;
            for (const QString& item : option.items)
                items << u'"' + item + u'"' +
                             (item == option.start ? QStringLiteral("*") : QString());
            text += QStringLiteral("      %1: %2\n")
                        .arg(option.caption, items.join(QStringLiteral(", ")));
        }
    }
    return text + QStringLiteral(
                      "\nWithout --json and -o the page's texts are printed one per line.\n"
                      "Exit status: 0 done, 1 generation or file error, 2 bad usage.\n\n");
}

// "NAME=VALUE" pairs over the kind's start values; bad usage for a name or
// value the kind does not have.
ActivityValues chosenValues(const ActivityKind& kind, const QStringList& pairs) {
    ActivityValues values = startValues(kind);
    for (const QString& pair : pairs) {
        const qsizetype equals = pair.indexOf(u'=');
        const QString name = equals < 0 ? pair : pair.left(equals);
        QStringList captions;
        qsizetype found = -1;
        for (size_t i = 0; i < kind.options.size(); ++i) {
            captions << u'"' + kind.options[i].caption + u'"';
            if (kind.options[i].caption == name) found = static_cast<qsizetype>(i);
        }
        if (equals < 0)
            throw UsageError{
                QStringLiteral("--opt \"AD=DEĞER\" biçiminde verilmeli, '%1' değil.").arg(pair)};
        if (found < 0)
            throw UsageError{QStringLiteral("\"%1\" etkinliğinde \"%2\" diye bir seçenek yok. "
                                            "Seçenekler: %3.")
                                 .arg(kind.name, name,
                                      captions.isEmpty() ? QStringLiteral("yok")
                                                         : captions.join(QStringLiteral(", ")))};
        values[found] = pair.mid(equals + 1);
    }
    try {
        checkActivityValues(kind, values);
    } catch (const InputRefused& e) {
        throw UsageError{e.message()};
    }
    return values;
}

// Without its closing brace, so class sets can add to it.
QString jsonOf(const ActivityWorksheet& sheet) {
    QStringList items;
    for (const ActivityItem& item : sheet.sheet().items) {
        QString object = QStringLiteral("{\"text\":%1,\"answer\":%2")
                             .arg(jsonString(item.text), jsonString(item.answer));
        if (item.clock)
            object += QStringLiteral(",\"hour\":%1,\"minute\":%2").arg(item.hour).arg(item.minute);
        items << object + u'}';
    }
    return QStringLiteral("{\"kind\":%1,\"title\":%2,\"items\":[%3],\"teacher\":%4,\"date\":%5")
        .arg(jsonString(sheet.kind()->name), jsonString(sheet.sheet().title), items.join(u','),
             jsonString(sheet.teacherCaption()), jsonString(sheet.dateCaption()));
}

QString plainTextOf(const ActivityWorksheet& sheet) {
    QString out = sheet.sheet().title + u'\n';
    const std::vector<ActivityItem>& items = sheet.sheet().items;
    for (size_t i = 0; i < items.size(); ++i)
        out += QStringLiteral("%1) %2\n").arg(i + 1).arg(items[i].text);
    out += sheet.teacherCaption() + u'\n' + sheet.dateCaption() + u'\n';
    return out;
}

}  // namespace

int runActivityCommand(const QStringList& arguments, bool checkOnly) {
    QCommandLineParser parser;
    const QCommandLineOption kind(QStringLiteral("kind"), QStringLiteral("Activity kind."),
                                  QStringLiteral("KIND"));
    const QCommandLineOption opt(QStringLiteral("opt"), QStringLiteral("Option."),
                                 QStringLiteral("NAME=VALUE"));
    parser.addOptions({kind, opt});
    addPageOptions(parser);
    addClassSetOptions(parser);
    if (!parseArguments(parser, arguments,
                        QString::fromUtf8(kHelp) + kindsHelp() + QString::fromUtf8(kClassSetHelp)))
        return kSuccess;

    refusePositionalArguments(parser);
    if (!parser.isSet(kind)) throw UsageError{QStringLiteral("--kind verilmeli.")};
    const ActivityKind* chosen = nullptr;
    try {
        chosen = &checkedActivityKind(parser.value(kind));
    } catch (const InputRefused& e) {
        throw UsageError{e.message()};
    }
    ActivityChoices choices;
    choices.kind = chosen->name;
    choices.values = chosenValues(*chosen, parser.values(opt));
    choices.teacher = optionText(parser, QStringLiteral("teacher"));
    choices.date = pageDate(parser);

    const QString outputPath = optionText(parser, QStringLiteral("o"));
    const ClassSet set = readClassSet(parser);
    checkPrintedOutput(outputPath, parser.isSet(QStringLiteral("o")), set);

    RandomDraw random;
    seedRandomDraw(parser, random);
    if (checkOnly) return kSuccess;

    ActivityWorksheet sheet;
    PrintedSheets sheets(set, outputPath, parser.isSet(QStringLiteral("json")));
    for (int k = 1; k <= set.sheets; ++k) {
        sheet.prepare(choices, random);
        const bool drawnKey = set.answerKey && drawsKey(sheet);
        const Page keyPage = drawnKey ? sheet.keyPage() : Page();
        sheets.addSheet(k, sheet.page(), jsonOf(sheet), plainTextOf(sheet),
                        set.answerKey ? sheet.answers() : QStringList(), 0,
                        drawnKey ? &keyPage : nullptr);
    }
    sheets.finish();
    return kSuccess;
}

}  // namespace zarvik::cli
