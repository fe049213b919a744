#pragma once
// Shared pieces of the zarvik-cli commands: option parsing, seeding, exit
// statuses, UTF-8 output and a small JSON writer that keeps key order.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "common/core/RandomDraw.h"

namespace zarvik::cli {

enum ExitStatus { kSuccess = 0, kGenerationError = 1, kUsageError = 2 };

// Thrown for bad usage; main prints the message and the command's usage, exit 2.
struct UsageError {
    QString message;
};

// Parses arguments (the command name already removed) with QCommandLineParser.
// "--help" prints helpText and returns false (the caller exits 0); bad usage
// throws UsageError.
bool parseArguments(QCommandLineParser& parser, const QStringList& arguments,
                    const QString& helpText);

// --time T seeds as a run started at calendar time T; without it, the clock.
void seedRandomDraw(const QCommandLineParser& parser, RandomDraw& random);
// The options every page command shares: --teacher, --date, --time, --json
// and -o/--output.
void addPageOptions(QCommandLineParser& parser);
// --date, or today's date as the windows' date fields start with it.
QString pageDate(const QCommandLineParser& parser);
// The commands with options only: a stray argument is bad usage.
void refusePositionalArguments(const QCommandLineParser& parser);

// The option text, or empty when left out.
QString optionText(const QCommandLineParser& parser, const QString& name);

void printOut(const QString& text);  // stdout, UTF-8
void printErr(const QString& text);  // stderr, UTF-8

// Minimal JSON building with the key order the commands document.
QString jsonString(const QString& text);
QString jsonStringArray(const QStringList& texts);

}  // namespace zarvik::cli
