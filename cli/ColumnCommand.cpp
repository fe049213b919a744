#include "cli/CliSupport.h"
#include "cli/Commands.h"

namespace zarvik::cli {

int runColumnCommand(const QStringList&) {
    printErr(QStringLiteral("zarvik-cli column: not built yet\n"));
    return kUsageError;
}

}  // namespace zarvik::cli
