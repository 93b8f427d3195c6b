// korvex-cli defaults: the start-up settings saved as "Save to file" saves them.

#include "cli/Commands.h"
#include "cli/TerminalFeedback.h"
#include "files/ConfigFile.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"

namespace korvex::cli {

int runDefaults(const Arguments& arguments) {
    arguments.expectPositional(0);
    const auto output = arguments.option("o");
    if (!output) {
        throw UsageError("-o FILE.cfg is required");
    }
    SettingsStore settings;
    applyStartupState(settings, SystemClock());
    TerminalFeedback feedback;
    return saveConfigFile(settings, *output, feedback) ? 0 : 1;
}

}  // namespace korvex::cli
