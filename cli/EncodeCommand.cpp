// korvex-cli encode FILE.cfg -o IMAGE.bin [--time YYYY-MM-DDTHH:MM]: the image that "Write
// config" would send, written to a file.
#include <iostream>

#include "cli/Commands.h"
#include "cli/CommonSteps.h"
#include "cli/ImageSteps.h"
#include "cli/TerminalFeedback.h"

namespace korvex::cli {

int runEncode(const Arguments& arguments) {
    arguments.expectPositional(1);
    const auto output = arguments.option("o");
    if (!output) {
        throw UsageError("-o IMAGE.bin is required");
    }
    const auto time = timeOption(arguments);
    // With --time the whole encode happens at that time: clock fields and stamp alike.
    const SystemClock systemClock;
    const FixedClock givenClock(time.value_or(UtcDateTime{}));
    const Clock& clock = time ? static_cast<const Clock&>(givenClock) : systemClock;

    TerminalFeedback feedback;
    SettingsStore settings;
    if (!loadOntoStartupState(settings, arguments.positional[0], feedback, clock)) {
        return 1;
    }
    applyTimeOption(settings, time);
    ConfigImage image;
    if (!encodeForWrite(image, settings, feedback, clock)) {
        return 1;
    }
    if (!writeImageFile(image, *output)) {
        feedback.error("Unable to write to " + *output);
        return 1;
    }
    return 0;
}

}  // namespace korvex::cli
