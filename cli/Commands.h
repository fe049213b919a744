#pragma once
// One function per zarvik-cli command; each gets the arguments after the
// command's name and returns the exit status.

#include <QStringList>

namespace zarvik::cli {

int runTextCommand(const QStringList& arguments);
int runFractionCommand(const QStringList& arguments);
int runColumnCommand(const QStringList& arguments);
int runNumbersCommand(const QStringList& arguments);
int runActivityCommand(const QStringList& arguments);

}  // namespace zarvik::cli
