#pragma once
// Shared pieces of zarvik-cli: exit statuses, UTF-8 output, seeding, the
// class-set options and the progress shown on a terminal.

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QString>

#include "common/core/Errors.h"
#include "common/core/RandomDraw.h"
#include "common/core/SheetSource.h"

namespace zarvik::cli {

enum ExitStatus { kSuccess = 0, kGenerationError = 1, kUsageError = 2 };

using zarvik::UsageError;

// --time T seeds as a run started at calendar time T; without it, the clock.
void seedRandomDraw(const QCommandLineParser& parser, RandomDraw& random);
// --date, or today's date as the windows' date fields start with it.
QString pageDate(const QCommandLineParser& parser);
// The option text, or empty when left out.
QString optionText(const QCommandLineParser& parser, const QString& name);

// --sheets, --names and --answer-key; the class list is read and checked
// here, before any sheet is prepared. Throws UsageError, FileError or
// InputRefused.
ClassSetChoice readClassSet(const QCommandLineParser& parser);

void printOut(const QString& text);  // stdout, UTF-8; throws FileError
void printErr(const QString& text);  // stderr, UTF-8

// "k/N sayfa" on standard error, only when the run takes more than a second
// and standard error is a terminal; an interrupted run stops here.
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

}  // namespace zarvik::cli
