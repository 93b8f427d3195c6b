// korvex-cli check FILE.cfg: the checks of "Write config" on a configuration file.
#include <iostream>

#include "cli/Commands.h"
#include "cli/CommonSteps.h"
#include "cli/ImageSteps.h"
#include "cli/TerminalFeedback.h"

namespace korvex::cli {

int runCheck(const Arguments& arguments) {
    arguments.expectPositional(1);
    TerminalFeedback feedback;
    SystemClock clock;
    SettingsStore settings;
    if (!loadOntoStartupState(settings, arguments.positional[0], feedback, clock)) {
        return 1;
    }
    ConfigImage image;
    if (!encodeForWrite(image, settings, feedback, clock)) {
        return 1;
    }
    std::cout << "OK\n";
    return 0;
}

}  // namespace korvex::cli
