#include "cli/Commands.h"

namespace korvex::cli {

namespace {

const Command kCommands[] = {
    {"defaults", "-o FILE.cfg", "save the start-up settings as a configuration file", runDefaults},
};

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

}  // namespace korvex::cli
