#pragma once
// zarvik-cli's manual page and the shell's completion, made from the
// family registry, so that a new family documents and completes itself.

#include <QString>
#include <QStringList>

namespace zarvik::cli {

// The troff source of zarvik-cli(1).
QString manualPage();

// The candidates for the last of the words typed after "zarvik-cli" (the
// command, its options and values so far), one per line.
QStringList completions(const QStringList& words);

}  // namespace zarvik::cli
