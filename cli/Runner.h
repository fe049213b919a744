#pragma once
// One runner for every family's command: the family reads its own options
// and gives the source of its sheets; the runner reads the options every
// command shares (-o, --json, --sheets, --names, --answer-key, --teacher,
// --date, --time, --two-up), chooses the outputs and runs the sheets.

#include <QString>
#include <QStringList>

#include "common/core/Family.h"

namespace zarvik::cli {

// zarvik-cli --help.
QString programHelp();
// A command's --help, and its parts the manual page shows too.
QString commandHelp(const Family& family);
// halfPages: which sheets are A5, in --two-up's line (empty: the column pages).
QString sharedOptionsHelp(bool textSheets, bool halfPageSheets, const QString& halfPages = {});
QString exitStatusHelp();
// The options every command takes (--two-up only where it applies).
QStringList sharedOptionNames(const Family& family);

// The command's status. With checkOnly the arguments are parsed and checked
// as for a run (the same UsageError and errors) and the command returns
// before anything is drawn or written: the fuzz target of the option
// parsing runs commands so, without a process per input.
int runCommand(const Family& family, const QStringList& arguments, bool checkOnly = false);

// Whether the command line writes painted pages (a PDF or PNG), which need
// the fonts of a GUI application.
bool writesPaintedPages(const Family& family, const QStringList& arguments);

}  // namespace zarvik::cli
