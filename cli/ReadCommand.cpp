// korvex-cli read -o FILE.cfg: "Read config", then the settings read saved as a configuration file.

#include "cli/Commands.h"
#include "cli/DeviceChoice.h"
#include "cli/TerminalFeedback.h"
#include "device/ConfigTransfer.h"
#include "files/ConfigFile.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"

namespace korvex::cli {

int runRead(const Arguments& arguments) {
    arguments.expectPositional(0);
    const auto output = arguments.option("o");
    if (!output) {
        throw UsageError("-o FILE.cfg is required");
    }
    DeviceChoice device(arguments);
    TerminalFeedback feedback;
    SystemClock clock;
    SettingsStore settings;
    applyStartupState(settings, clock);
    ConfigImage incoming;
    const bool read = ReadConfig(device.link(), incoming, settings, feedback);
    return feedback.finish(read && saveConfigFile(settings, *output, feedback));
}

}  // namespace korvex::cli
