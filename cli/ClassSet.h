#pragma once
// Class sets for every zarvik-cli command: several sheets from one run
// (--sheets N), one sheet per pupil of a class list (--names FILE) and the
// answer key after the sheets (--answer-key).

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "common/core/AnswerKeyPages.h"
#include "common/core/AnswerStore.h"
#include "common/render/ClassSetPages.h"
#include "common/core/Page.h"
#include "common/render/PageRenderer.h"

namespace zarvik::cli {

// Help lines for the three options, to append to a command's help.
extern const char kClassSetHelp[];

void addClassSetOptions(QCommandLineParser& parser);

// The class set as the windows hold it (common/render/ClassSetPages.h).
using ClassSet = ClassSetChoice;

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
    // answerGridColumns: see SheetSource.
    void addSheet(int k, Page page, const QString& jsonObject, const QString& plain,
                  const QStringList& answers, int answerGridColumns = 0,
                  const Page* keyPage = nullptr);
    void finish();

  private:
    static constexpr qsizetype kPendingLimit = 4 << 20;  // characters
    void print(const QString& text);

    const ClassSet& set_;
    QString output_;
    bool png_ = false;
    bool json_;
    std::unique_ptr<PdfWriter> pdf_;
    std::unique_ptr<ClassSetPages> pages_;  // into pdf_
    QString pending_;                       // standard output not yet printed
    std::unique_ptr<AnswerStore> answers_;  // the plain listing's key
    Progress progress_;
};

// Checks -o for the printed families: .pdf or .png, and a PNG holds one page.
void checkPrintedOutput(const QString& output, bool isSet, const ClassSet& set);

}  // namespace zarvik::cli
