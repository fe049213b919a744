#pragma once
// Class sets for every zarvik-cli command: several sheets from one run
// (--sheets N), one sheet per pupil of a class list (--names FILE) and the
// answer key after the sheets (--answer-key).

#include <QCommandLineParser>
#include <QDataStream>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <functional>
#include <memory>
#include <vector>

#include "common/AnswerKeyPages.h"
#include "common/Page.h"
#include "common/PageRenderer.h"

namespace zarvik::cli {

// Help lines for the three options, to append to a command's help.
extern const char kClassSetHelp[];

void addClassSetOptions(QCommandLineParser& parser);

struct ClassSet {
    int sheets = 1;
    QStringList names;  // one per sheet, or empty
    bool answerKey = false;

    // More than the single sheet the window would make.
    bool isSet() const { return sheets > 1 || !names.isEmpty() || answerKey; }
    // The pupil of sheet k (1-based); empty without a class list.
    QString pupil(int k) const { return names.isEmpty() ? QString() : names[k - 1]; }
};

// Reads the options; the class list is read and checked here, before any
// sheet is prepared. Throws UsageError, FileError or InputRefused.
ClassSet readClassSet(const QCommandLineParser& parser);

// "k/N sayfa" on standard error, only when the run takes more than a second
// and standard error is a terminal.
class Progress {
  public:
    explicit Progress(int total);
    ~Progress();
    void sheetDone(int done);

  private:
    int total_;
    bool terminal_;
    bool shown_ = false;
    QElapsedTimer timer_;
};

// The answers of a set's sheets, kept in a temporary file until the answer
// key is written after the sheets, so a long set does not grow in memory.
class AnswerStore {
  public:
    void add(const AnswerBlock& block);  // throws FileError
    // Calls each(block) for every block, in order; once.
    void forEach(const std::function<void(const AnswerBlock&)>& each);

  private:
    void checkStream(bool failed = false);
    QTemporaryFile file_;
    QDataStream stream_;
    int count_ = 0;
};

// What a printed family's command makes of its sheets: the pages into a PDF
// (or one page into a PNG) with each pupil's name, and JSON or plain text on
// standard output, with the answer key after the sheets. Short text goes out
// only when every sheet is done (a long one as it is made), and the PDF
// replaces an old file only then. Memory stays flat in the number of sheets.
class PrintedSheets {
  public:
    // output: the -o file or empty; json: print JSON instead of plain text.
    PrintedSheets(const ClassSet& set, const QString& output, bool json);
    ~PrintedSheets();

    // page: the sheet as it goes to paper; json: the sheet's JSON object
    // without its closing brace; plain: its plain-text listing.
    void addSheet(int k, Page page, const QString& jsonObject, const QString& plain,
                  const QStringList& answers);
    void finish();

  private:
    static constexpr qsizetype kPendingLimit = 4 << 20;  // characters
    void print(const QString& text);

    const ClassSet& set_;
    QString output_;
    bool png_ = false;
    bool json_;
    std::unique_ptr<PdfWriter> pdf_;
    QString pending_;  // standard output not yet printed
    std::unique_ptr<AnswerStore> answers_;
    Progress progress_;
};

// Checks -o for the printed families: .pdf or .png, and a PNG holds one page.
void checkPrintedOutput(const QString& output, bool isSet, const ClassSet& set);

}  // namespace zarvik::cli
