#include "cli/CliSupport.h"
#include "cli/Commands.h"

namespace zarvik::cli {

int runNumbersCommand(const QStringList&) {
    printErr(QStringLiteral("zarvik-cli numbers: not built yet\n"));
    return kUsageError;
}

}  // namespace zarvik::cli
