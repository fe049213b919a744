#pragma once
// Class sets for every zarvik-cli command: several sheets from one run
// (--sheets N), one sheet per pupil of a class list (--names FILE) and the
// answer key after the sheets (--answer-key).

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

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

}  // namespace zarvik::cli
