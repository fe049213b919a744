// zarvik: the desktop program. It takes no command-line arguments.

#include "app/Startup.h"

int main(int argc, char** argv) {
    return zarvik::runProgram(argc, argv);
}
