#include "cli/CliSupport.h"
#include "cli/Commands.h"

namespace zarvik::cli {

int runTextCommand(const QStringList&) {
    printErr(QStringLiteral("zarvik-cli text: not built yet\n"));
    return kUsageError;
}

}  // namespace zarvik::cli
