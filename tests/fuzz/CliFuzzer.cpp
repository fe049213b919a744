// libFuzzer target: zarvik-cli's option parsing and checking, command by
// command, without a process per input: each command runs with checkOnly, so
// it stops where the drawing would begin. Every input must end there, with
// a usage error or with one of the program's errors.
//
// Input: 1 byte command (a family of the registry), then the arguments
// separated by 0 bytes (UTF-8).

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdint>
#include <cstdio>

#include "cli/CliSupport.h"
#include "cli/Runner.h"
#include "common/core/Family.h"
#include "common/core/Errors.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Help texts go to standard output; libFuzzer reports on standard error.
    if (!std::freopen("/dev/null", "w", stdout)) return 1;
    // Relative --names paths are looked up in a folder of the fuzzer's own.
    const QString folder = QDir::temp().filePath(QStringLiteral("zarvik-cli-fuzz"));
    QDir().mkpath(folder);
    QDir::setCurrent(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zarvik::fuzz::FuzzInput input(data, size);
    const uint8_t command = input.take<uint8_t>();
    const QStringList arguments = input.rest();
    using namespace zarvik::cli;
    const auto& families = zarvik::families();
    try {
        runCommand(*families[command % families.size()], arguments, true);
    } catch (const UsageError&) {
    } catch (const zarvik::Error&) {
    }
    return 0;
}
