// zarvik-cli text: a text worksheet, byte for byte what the window writes.

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <memory>

#include "cli/ClassSet.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/Cp1254.h"
#include "common/Errors.h"
#include "common/OutputFile.h"
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

const char kTextClassSetHelp[] =
    "Several sheets go into one file, separated by a line \"----\"; with -o DIR/ each\n"
    "sheet is a file of its own (DIR/Zarvik-01.txt, ...). A pupil's name is the first\n"
    "line of the sheet. The answer key follows the sheets (with -o DIR/, in\n"
    "DIR/Cevap-Anahtari.txt).\n";

class OutputSink : public ByteSink {
  public:
    explicit OutputSink(OutputFile& file) : file_(file) {}
    void write(const char* data, qsizetype size) override { file_.write(data, size); }

  private:
    OutputFile& file_;
};

class AnswerLines : public TextExerciseSink {
  public:
    QStringList lines;
    void exercise(TextExercise&& exercise) override {
        const TextAnswer answer = textAnswer(exercise);
        const bool reading = exercise.kind == 501 || exercise.kind == 502;
        lines << QStringLiteral("%1) %2%3%4")
                     .arg(lines.size() + 1)
                     .arg(answer.exercise, reading ? QStringLiteral(": ") : QStringLiteral(" = "),
                          answer.answer);
    }
};

void writeLine(OutputFile& file, const QString& line) {
    file.write(toCp1254(line) + "\r\n");
}

// Sheets one after another from the one draw state, as repeated presses of
// the window's button would make them.
void writeClassSet(int32_t kind, const FixedTextFields& fields, RandomDraw& random,
                   const ClassSet& set, const QString& path) {
    for (const QString& name : set.names) {
        if (fromCp1254(toCp1254(name)) != name)
            throw InputRefused(QStringLiteral("\"%1\" adında metin dosyasına (Windows-1254) "
                                              "yazılamayan bir harf var.")
                                   .arg(name));
    }
    const bool perSheet = path.endsWith(u'/') || QFileInfo(path).isDir();
    if (perSheet && !QDir().mkpath(path))
        throw FileError(QStringLiteral("\"%1\" klasörü oluşturulamadı.").arg(path));
    const int width = std::max(2, static_cast<int>(QString::number(set.sheets).size()));
    auto sheetPath = [&](int k) {
        return QDir(path).filePath(
            QStringLiteral("Zarvik-%1.txt").arg(k, width, 10, QLatin1Char('0')));
    };

    std::unique_ptr<OutputFile> single;
    if (!perSheet) single = std::make_unique<OutputFile>(path);
    std::vector<QStringList> answers;
    Progress progress(set.sheets);
    for (int k = 1; k <= set.sheets; ++k) {
        std::unique_ptr<OutputFile> own;
        if (perSheet) own = std::make_unique<OutputFile>(sheetPath(k));
        OutputFile& file = perSheet ? *own : *single;
        file.device();
        if (!perSheet && k > 1) writeLine(file, QStringLiteral("----"));
        if (!set.pupil(k).isEmpty()) writeLine(file, set.pupil(k));
        OutputSink sink(file);
        AnswerLines lines;
        generateTextWorksheet(kind, fields, random, sink, set.answerKey ? &lines : nullptr);
        if (set.answerKey) answers.push_back(std::move(lines.lines));
        if (perSheet) own->commit();
        progress.sheetDone(k);
    }

    if (set.answerKey) {
        std::unique_ptr<OutputFile> own;
        if (perSheet)
            own = std::make_unique<OutputFile>(QDir(path).filePath(u"Cevap-Anahtari.txt"_qs));
        OutputFile& file = perSheet ? *own : *single;
        if (!perSheet) writeLine(file, QStringLiteral("----"));
        writeLine(file, QStringLiteral("CEVAP ANAHTARI"));
        for (int k = 1; k <= set.sheets; ++k) {
            writeLine(file, QString());
            const QString heading = QStringLiteral("%1. sayfa").arg(k);
            writeLine(file, set.pupil(k).isEmpty() ? heading
                                                   : heading + QStringLiteral(": ") + set.pupil(k));
            for (const QString& line : answers[size_t(k - 1)])
                writeLine(file, line);
        }
        if (perSheet) own->commit();
    }
    if (single) single->commit();
}

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
    addClassSetOptions(parser);
    if (!parseArguments(parser, arguments,
                        QString::fromUtf8(kHelp) + QString::fromUtf8(kClassSetHelp) +
                            QString::fromUtf8(kTextClassSetHelp)))
        return kSuccess;

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
    const ClassSet set = readClassSet(parser);
    // Nothing draws before the generation.
    RandomDraw random;
    seedRandomDraw(parser, random);
    if (set.isSet())
        writeClassSet(kind, fields, random, set, path);
    else
        writeTextWorksheet(kind, fields, random, path);
    return kSuccess;
}

}  // namespace zarvik::cli
