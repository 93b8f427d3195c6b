// korvex-cli ruf: a remote update file from a configuration file and a firmware file, as
// "Build remote update file" builds it.

#include <deque>

#include "cli/Commands.h"
#include "cli/CommonSteps.h"
#include "cli/ListedFileChooser.h"
#include "cli/TerminalFeedback.h"
#include "files/RemoteUpdate.h"

namespace korvex::cli {

int runRuf(const Arguments& arguments) {
    arguments.expectPositional(2);
    const auto output = arguments.option("o");
    if (!output) {
        throw UsageError("-o OUT.ruf is required");
    }
    const auto time = timeOption(arguments);
    // With --time the image stamp and the filler are seeded from that time too, so the same
    // command line gives the same file.
    SystemClock systemClock;
    FixedClock fixedClock(time.value_or(UtcDateTime{}));
    const Clock& clock = time ? static_cast<const Clock&>(fixedClock) : systemClock;

    SettingsStore settings;
    TerminalFeedback feedback;
    if (!loadOntoStartupState(settings, arguments.positional[0], feedback, clock)) {
        return 1;
    }
    applyTimeOption(settings, time);
    ConfigImage outgoing;
    ListedFileChooser chooser(std::deque<std::filesystem::path>{arguments.positional[1], *output});
    const bool built =
        BuildRemoteUpdateFile(outgoing, settings, feedback, chooser, clock, programFolder());
    return built ? 0 : 1;
}

}  // namespace korvex::cli
