#include "cli/ClassSet.h"

#include <unistd.h>

#include <cstdio>

#include "cli/CliSupport.h"
#include "common/ClassList.h"

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

}  // namespace zarvik::cli
