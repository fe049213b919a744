#include "cli/ClassSet.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "cli/CliSupport.h"
#include "common/core/ClassList.h"
#include "common/core/Errors.h"
#include "common/core/OutputFile.h"
#include "common/render/PupilName.h"

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
            throw UsageError{QStringLiteral("--sheets 1 ile 100000 arası bir sayfa sayısı ister, "
                                            "'%1' değil.")
                                 .arg(parser.value(QStringLiteral("sheets")))};
    }
    if (parser.isSet(QStringLiteral("names"))) {
        set.names = readClassList(parser.value(QStringLiteral("names")));
        if (parser.isSet(QStringLiteral("sheets")) && set.sheets != set.names.size())
            throw UsageError{QStringLiteral("--sheets %1, sınıf listesindeki %2 adla uyuşmuyor; "
                                            "--sheets yazmayınız.")
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
    if (outputInterruptSignal()) throw Interrupted();
    if (!terminal_ || timer_.elapsed() < 1000) return;
    shown_ = true;
    std::fprintf(stderr, "\r%d/%d sayfa", done, total_);
    std::fflush(stderr);
}

void checkPrintedOutput(const QString& output, bool isSet, const ClassSet& set) {
    if (!isSet) return;
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
        throw UsageError{
            QStringLiteral("-o bir .pdf ya da .png dosyası ister, '%1' değil.").arg(output)};
    if (suffix == QLatin1String("png") && (set.sheets > 1 || set.answerKey))
        throw UsageError{
            QStringLiteral("bir PNG dosyasına tek sayfa sığar; birkaç sayfayı ya da cevap "
                           "anahtarını bir .pdf dosyasına yazınız.")};
}

PrintedSheets::PrintedSheets(const ClassSet& set, const QString& output, bool json)
    : set_(set), output_(output), json_(json), progress_(set.sheets) {
    png_ = QFileInfo(output).suffix().toLower() == QLatin1String("png");
    if (!output.isEmpty() && !png_) {
        pdf_ = std::make_unique<PdfWriter>(output);
        pages_ = std::make_unique<ClassSetPages>(set_,
                                                 [this](const Page& page) { pdf_->addPage(page); });
    }
    // The PDF's key is kept by pages_; the plain listing needs its own.
    if (set.answerKey && !json && output.isEmpty()) answers_ = std::make_unique<AnswerStore>();
}

PrintedSheets::~PrintedSheets() = default;

void PrintedSheets::print(const QString& text) {
    pending_ += text;
    // A small output goes out whole at the end (nothing on a failure); a long
    // one is streamed, so memory stays flat however many sheets there are.
    if (pending_.size() > kPendingLimit) {
        printOut(pending_);
        pending_.clear();
    }
}

void PrintedSheets::addSheet(int k, Page page, const QString& jsonObject, const QString& plain,
                             const QStringList& answers, int answerGridColumns,
                             const Page* keyPage) {
    const QString pupil = set_.pupil(k);
    if (pages_) {
        pages_->addSheet(k, std::move(page), answers, answerGridColumns, keyPage);
    } else if (!output_.isEmpty()) {
        if (!pupil.isEmpty()) printPupilName(page, pupil);
        writePng(set_.twoUp && page.paper() == Paper::A5 ? twoUpPage(page, page) : page, output_);
    }
    if (json_) {
        QString object = jsonObject;
        if (!pupil.isEmpty()) object += QStringLiteral(",\"pupil\":") + jsonString(pupil);
        if (set_.answerKey) object += QStringLiteral(",\"answers\":") + jsonStringArray(answers);
        object += u'}';
        if (set_.isSet()) object.prepend(k > 1 ? u',' : u'[');
        print(object);
    } else if (output_.isEmpty()) {
        QString text;
        if (k > 1) text += QStringLiteral("----\n");
        if (!pupil.isEmpty()) text += pupil + u'\n';
        print(text + plain);
    }
    if (answers_) answers_->add({answerBlockHeading(k, pupil), answers, 0});
    progress_.sheetDone(k);
}

void PrintedSheets::finish() {
    if (set_.answerKey) {
        if (answers_) {
            print(QStringLiteral("----\nCEVAP ANAHTARI\n"));
            answers_->forEach([&](const AnswerBlock& block) {
                print(u'\n' + block.heading + u'\n' + block.lines.join(u'\n') + u'\n');
            });
        }
    }
    if (pages_) pages_->finish();
    if (pdf_) pdf_->finish();
    if (json_) print(set_.isSet() ? QStringLiteral("]\n") : QStringLiteral("\n"));
    if (!pending_.isEmpty()) printOut(pending_);
    pending_.clear();
}

}  // namespace zarvik::cli
