// zarvik-cli text: a text worksheet, byte for byte what the window writes.

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <vector>

#include "cli/ClassSet.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/core/Errors.h"
#include "common/render/PageRenderer.h"
#include "common/render/PupilName.h"
#include "text_worksheets/core/TextCatalogue.h"
#include "text_worksheets/core/TextClassSet.h"
#include "text_worksheets/core/TextPages.h"
#include "text_worksheets/core/TextWorksheet.h"

namespace zarvik::cli {

namespace {

// Runs of consecutive codes, ascending: "101-106, 201-205".
QString codeRuns(std::vector<int32_t> codes) {
    std::sort(codes.begin(), codes.end());
    QStringList runs;
    for (size_t i = 0; i < codes.size();) {
        size_t last = i;
        while (last + 1 < codes.size() && codes[last + 1] == codes[last] + 1)
            ++last;
        runs << (last == i ? QString::number(codes[i])
                           : QStringLiteral("%1-%2").arg(codes[i]).arg(codes[last]));
        i = last + 1;
    }
    return runs.join(u", ");
}

// "101-106 addition, ...": the menu groups by their codes, three a line.
QString kindGroupsHelp() {
    struct Group {
        int32_t firstCode;
        QString text;
    };
    std::vector<Group> groups;
    for (size_t g = 0; g < textMenuGroups().size(); ++g) {
        std::vector<int32_t> codes;
        for (const TextKind& kind : textKinds())
            if (kind.group == static_cast<int>(g)) codes.push_back(kind.code);
        if (codes.empty()) continue;
        groups.push_back({*std::min_element(codes.begin(), codes.end()),
                          codeRuns(codes) + u' ' + textMenuGroups()[g].englishName});
    }
    std::sort(groups.begin(), groups.end(),
              [](const Group& a, const Group& b) { return a.firstCode < b.firstCode; });
    QString help;
    for (size_t i = 0; i < groups.size(); ++i) {
        help += i % 3 == 0 ? QStringLiteral("                  ") : QStringLiteral(" ");
        help += groups[i].text;
        help += i + 1 == groups.size() ? QStringLiteral("\n")
                : i % 3 == 2           ? QStringLiteral(",\n")
                                       : QStringLiteral(",");
    }
    return help;
}

const char kUsage[] =
    "Usage: zarvik-cli text KIND [--count TEXT] [--p1 TEXT] [--p2 TEXT] [--check]\n"
    "                            [--time T] [-o FILE]\n"
    "\n"
    "Prepares a text worksheet, one exercise a line, in Windows-1254 with CR LF line\n"
    "ends, exactly as the \"Yan Yana!\" window writes Zarvik.txt.\n"
    "\n"
    "KIND            the kind of exercise, as numbered in the window's menu:\n";

const char kFieldOptions[] =
    "--count TEXT    what is typed in the \"Alıştırma sayısı\" (number of exercises) box\n"
    "--p1 TEXT       what is typed or picked in the first list of the kind\n"
    "--p2 TEXT       what is typed or picked in the second list of the kind\n";

const char kOtherOptions[] =
    "                A box left out is empty, as after choosing a kind in the window;\n"
    "                a value may be given as '--p1 -3' or '--p1=-3' and may be empty.\n"
    "--time T        draw as a run started at calendar time T (seconds since 1970);\n"
    "                the same T gives the same worksheet. Default: now.\n"
    "-o FILE         write to FILE instead of Zarvik.txt in the current folder;\n"
    "                '-o -' writes to standard output. An existing file is replaced\n"
    "                only when the whole worksheet is ready. A FILE ending in .pdf\n"
    "                (or .png for a single page) gets the same exercises as printed\n"
    "                pages: numbered, in columns, with room for every answer.\n"
    "--teacher TEXT  the teacher's name for the printed pages (\"Hazırlayan: TEXT\")\n"
    "--date TEXT     the date on the printed pages (default: today, dd/mm/yyyy)\n"
    "\n"
    "Exit status: 0 done, 1 the worksheet could not be prepared (the reason is on\n"
    "standard error, and an existing file is left as it was), 2 bad usage.\n";

QString helpText() {
    QStringList checked;
    for (const TextKind& kind : textKinds())
        if (kind.checkShown()) checked << QString::number(kind.code);
    return QString::fromUtf8(kUsage) + kindGroupsHelp() + QString::fromUtf8(kFieldOptions) +
           QStringLiteral("--check         tick the kind's check box (%1)\n")
               .arg(checked.join(u", ")) +
           QString::fromUtf8(kOtherOptions);
}

const char kTextClassSetHelp[] =
    "Several sheets go into one file, separated by a line \"----\"; with -o DIR/ each\n"
    "sheet is a file of its own (DIR/Zarvik-01.txt, ...). A pupil's name is the first\n"
    "line of the sheet. The answer key follows the sheets (with -o DIR/, in\n"
    "DIR/Cevap-Anahtari.txt).\n";

bool isPrintedOutput(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return path != QLatin1String("-") &&
           (suffix == QLatin1String("pdf") || suffix == QLatin1String("png"));
}

// The same sheets as printed pages: each sheet's pages with its pupil's name,
// then the answer key, into one PDF (or one page into a PNG).
void writePrintedSheets(int32_t kind, const FixedTextFields& fields, RandomDraw& random,
                        const ClassSet& set, const QString& path, const QString& teacher,
                        const QString& date) {
    const bool png = QFileInfo(path).suffix().toLower() == QLatin1String("png");
    if (png && (set.sheets > 1 || set.answerKey))
        throw UsageError{
            QStringLiteral("a PNG file holds one page; write several sheets or an "
                           "answer key to a .pdf file.")};
    std::unique_ptr<PdfWriter> pdf;
    if (!png) pdf = std::make_unique<PdfWriter>(path);
    std::vector<Page> pngPages;
    AnswerStore keys;  // the key waits on disk, after every sheet
    Progress progress(set.sheets);
    for (int k = 1; k <= set.sheets; ++k) {
        const TextSheet sheet = drawTextSheet(kind, fields, random);
        const QString pupil = set.pupil(k);
        buildTextPages(sheet, teacher, date, [&](Page&& page) {
            if (!pupil.isEmpty()) printPupilName(page, pupil);
            if (pdf)
                pdf->addPage(page);
            else
                pngPages.push_back(std::move(page));
        });
        if (set.answerKey) keys.add({answerBlockHeading(k, pupil), sheet.keyLines});
        progress.sheetDone(k);
    }
    if (png) {
        if (pngPages.size() != 1)
            throw InputRefused(QStringLiteral("Bu alıştırmalar %1 sayfa tutuyor; bir PNG dosyası "
                                              "tek sayfa tutar: .pdf dosyasına yazınız.")
                                   .arg(pngPages.size()));
        writePng(pngPages.front(), path);
        return;
    }
    if (set.answerKey) {
        AnswerKeyPages key([&](const Page& page) { pdf->addPage(page); });
        keys.forEach([&](const AnswerBlock& block) { key.add(block); });
        key.finish();
    }
    pdf->finish();
}

}  // namespace

int runTextCommand(const QStringList& arguments, bool checkOnly) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("KIND"), QStringLiteral("kind code"));
    parser.addOption({QStringLiteral("count"), QStringLiteral("count"), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("p1"), QStringLiteral("first list"), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("p2"), QStringLiteral("second list"), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("check"), QStringLiteral("tick the check box")});
    parser.addOption({QStringLiteral("time"), QStringLiteral("seed time"), QStringLiteral("T")});
    parser.addOption({QStringLiteral("o"), QStringLiteral("output file"), QStringLiteral("FILE")});
    parser.addOption(
        {QStringLiteral("teacher"), QStringLiteral("Teacher."), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("date"), QStringLiteral("Date."), QStringLiteral("TEXT")});
    addClassSetOptions(parser);
    if (!parseArguments(
            parser, arguments,
            helpText() + QString::fromUtf8(kClassSetHelp) + QString::fromUtf8(kTextClassSetHelp)))
        return kSuccess;

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        throw UsageError{positional.isEmpty() ? QStringLiteral("KIND (alıştırma türü) yazılmamış.")
                                              : QStringLiteral("yalnız bir KIND yazılabilir.")};
    bool ok = false;
    const int kind = positional.front().toInt(&ok);
    if (!ok || !isTextKind(kind)) {
        std::vector<int32_t> codes;
        for (const TextKind& menuKind : textKinds())
            codes.push_back(menuKind.code);
        throw UsageError{QStringLiteral("'%1' menüdeki türlerden biri değil (%2).")
                             .arg(positional.front(), codeRuns(codes))};
    }

    const FixedTextFields fields(
        optionText(parser, QStringLiteral("count")), optionText(parser, QStringLiteral("p1")),
        optionText(parser, QStringLiteral("p2")), parser.isSet(QStringLiteral("check")));
    const QString path = parser.isSet(QStringLiteral("o")) ? parser.value(QStringLiteral("o"))
                                                           : QStringLiteral("Zarvik.txt");
    const ClassSet set = readClassSet(parser);
    // Nothing draws before the generation.
    RandomDraw random;
    seedRandomDraw(parser, random);
    if (checkOnly) return kSuccess;
    if (isPrintedOutput(path))
        writePrintedSheets(kind, fields, random, set, path,
                           optionText(parser, QStringLiteral("teacher")), pageDate(parser));
    else if (set.isSet()) {
        Progress progress(set.sheets);
        writeTextClassSet(kind, fields, random, set, path,
                          {[&progress](int k) { progress.sheetDone(k); }, {}});
    } else
        writeTextWorksheet(kind, fields, random, path);
    return kSuccess;
}

}  // namespace zarvik::cli
