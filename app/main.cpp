// zarvik: the desktop program. It takes no command-line arguments.

#include "app/Startup.h"
#include "common/render/PageRenderer.h"

int main(int argc, char** argv) {
    zarvik::tuneHeapForPageOutput();
    return zarvik::runProgram(argc, argv);
}
