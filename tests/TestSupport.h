#pragma once
// Small helpers shared by the tests.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace zarvik::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs zarvik-cli with the arguments in the given working directory.
inline CliResult runCli(const QStringList& arguments, const QString& workingDirectory = {}) {
    QProcess process;
    if (!workingDirectory.isEmpty()) process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(ZARVIK_CLI_PATH), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace zarvik::test
