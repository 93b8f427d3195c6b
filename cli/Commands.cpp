#include "cli/Commands.h"

namespace korvex::cli {

namespace {

const Command kCommands[] = {
    {"defaults", "-o FILE.cfg", "save the start-up settings as a configuration file", runDefaults},
    {"ruf", "FILE.cfg FIRMWARE.hash -o OUT.ruf [--time YYYY-MM-DDTHH:MM]",
     "build a remote update file from a configuration file and a firmware file", runRuf},
};

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

}  // namespace korvex::cli
