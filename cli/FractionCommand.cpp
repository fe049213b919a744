#include "cli/CliSupport.h"
#include "cli/Commands.h"

namespace zarvik::cli {

int runFractionCommand(const QStringList&) {
    printErr(QStringLiteral("zarvik-cli fraction: not built yet\n"));
    return kUsageError;
}

}  // namespace zarvik::cli
