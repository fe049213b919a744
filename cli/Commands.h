#pragma once
// One function per zarvik-cli command; each gets the arguments after the
// command's name and returns the exit status. With checkOnly the arguments are
// parsed and checked as for a run (the same UsageError and errors), and the
// command returns before anything is drawn or written: the fuzz target of the
// option parsing runs them so, without a process per input.

#include <QStringList>

namespace zarvik::cli {

int runTextCommand(const QStringList& arguments, bool checkOnly = false);
int runFractionCommand(const QStringList& arguments, bool checkOnly = false);
int runColumnCommand(const QStringList& arguments, bool checkOnly = false);
int runNumbersCommand(const QStringList& arguments, bool checkOnly = false);
int runActivityCommand(const QStringList& arguments, bool checkOnly = false);

}  // namespace zarvik::cli
