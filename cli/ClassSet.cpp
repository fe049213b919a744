#include "cli/ClassSet.h"

#include <unistd.h>

#include <QFileInfo>
#include <cstdio>

#include "cli/CliSupport.h"
#include "common/ClassList.h"
#include "common/PupilName.h"

namespace zarvik::cli {

const char kClassSetHelp[] =
    "\n"
    "Class sets:\n"
    "  --sheets N          prepare N sheets one after another, each with new exercises\n"
    "                      (the same --time and N give the same sheets)\n"
    "  --names FILE        one sheet per pupil of a class list: a text file with one\n"
    "                      name a line (UTF-8 or Windows-1254, at most 30 characters a\n"
    "                      name); the name is printed after \"Adı Soyadı:\"\n"
    "  --answer-key        add the answers of every sheet for the teacher after the sheets\n";

void addClassSetOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("sheets"), QStringLiteral("Sheets."), QStringLiteral("N")});
    parser.addOption(
        {QStringLiteral("names"), QStringLiteral("Class list."), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("answer-key"), QStringLiteral("Answer key.")});
}

ClassSet readClassSet(const QCommandLineParser& parser) {
    ClassSet set;
    set.answerKey = parser.isSet(QStringLiteral("answer-key"));
    if (parser.isSet(QStringLiteral("sheets"))) {
        bool ok = false;
        set.sheets = parser.value(QStringLiteral("sheets")).toInt(&ok);
        if (!ok || set.sheets < 1 || set.sheets > 100000)
            throw UsageError{QStringLiteral("--sheets needs a number of sheets from 1 to 100000, "
                                            "not '%1'.")
                                 .arg(parser.value(QStringLiteral("sheets")))};
    }
    if (parser.isSet(QStringLiteral("names"))) {
        set.names = readClassList(parser.value(QStringLiteral("names")));
        if (parser.isSet(QStringLiteral("sheets")) && set.sheets != set.names.size())
            throw UsageError{QStringLiteral("--sheets %1 disagrees with the %2 names of the class "
                                            "list; leave --sheets out.")
                                 .arg(set.sheets)
                                 .arg(set.names.size())};
        set.sheets = static_cast<int>(set.names.size());
    }
    return set;
}

Progress::Progress(int total) : total_(total), terminal_(isatty(STDERR_FILENO) == 1) {
    timer_.start();
}

Progress::~Progress() {
    if (shown_) std::fputs("\n", stderr);
}

void Progress::sheetDone(int done) {
    if (!terminal_ || timer_.elapsed() < 1000) return;
    shown_ = true;
    std::fprintf(stderr, "\r%d/%d sayfa", done, total_);
    std::fflush(stderr);
}

void checkPrintedOutput(const QString& output, bool isSet, const ClassSet& set) {
    if (!isSet) return;
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
        throw UsageError{QStringLiteral("-o needs a .pdf or .png file, not '%1'.").arg(output)};
    if (suffix == QLatin1String("png") && (set.sheets > 1 || set.answerKey))
        throw UsageError{
            QStringLiteral("a PNG file holds one page; write several sheets or an "
                           "answer key to a .pdf file.")};
}

PrintedSheets::PrintedSheets(const ClassSet& set, const QString& output, bool json)
    : set_(set), output_(output), json_(json), progress_(set.sheets) {
    png_ = QFileInfo(output).suffix().toLower() == QLatin1String("png");
    if (!output.isEmpty() && !png_) {
        pdf_ = std::make_unique<PdfWriter>(output);
        pages_ = std::make_unique<ClassSetPages>(set_,
                                                 [this](const Page& page) { pdf_->addPage(page); });
    }
}

PrintedSheets::~PrintedSheets() = default;

void PrintedSheets::addSheet(int k, Page page, const QString& jsonObject, const QString& plain,
                             const QStringList& answers, int answerGridColumns) {
    const QString pupil = set_.pupil(k);
    if (pages_) {
        pages_->addSheet(k, std::move(page), answers, answerGridColumns);
    } else if (!output_.isEmpty()) {
        if (!pupil.isEmpty()) printPupilName(page, pupil);
        writePng(set_.twoUp && page.paper() == Paper::A5 ? twoUpPage(page, page) : page, output_);
    }
    QString object = jsonObject;
    if (!pupil.isEmpty()) object += QStringLiteral(",\"pupil\":") + jsonString(pupil);
    if (set_.answerKey) object += QStringLiteral(",\"answers\":") + jsonStringArray(answers);
    jsonSheets_ << object + u'}';
    if (k > 1) plain_ += QStringLiteral("----\n");
    if (!pupil.isEmpty()) plain_ += pupil + u'\n';
    plain_ += plain;
    // The PDF's key is kept by pages_; the plain listing needs its own.
    if (set_.answerKey && output_.isEmpty())
        answers_.push_back({answerBlockHeading(k, pupil), answers, 0});
    progress_.sheetDone(k);
}

void PrintedSheets::finish() {
    if (set_.answerKey) {
        plain_ += QStringLiteral("----\nCEVAP ANAHTARI\n");
        for (const AnswerBlock& block : answers_)
            plain_ += u'\n' + block.heading + u'\n' + block.lines.join(u'\n') + u'\n';
    }
    if (pages_) pages_->finish();
    if (pdf_) pdf_->finish();
    if (json_)
        printOut(set_.isSet() ? u'[' + jsonSheets_.join(u',') + QStringLiteral("]\n")
                              : jsonSheets_.value(0) + u'\n');
    else if (output_.isEmpty())
        printOut(plain_);
}

}  // namespace zarvik::cli
