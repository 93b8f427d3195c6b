// korvex-cli: the configurator's actions without a window.

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    return korvex::cli::runCommandLine(argc, argv);
}
