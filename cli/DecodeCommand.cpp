// korvex-cli decode IMAGE.bin -o FILE.cfg: what "Read config" makes of an image, saved as a
// configuration file.
#include <iostream>

#include "cli/Commands.h"
#include "cli/ImageSteps.h"
#include "cli/TerminalFeedback.h"
#include "files/ConfigFile.h"
#include "image/Codec.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "sources/SettingsSource.h"

namespace korvex::cli {

int runDecode(const Arguments& arguments) {
    arguments.expectPositional(1);
    const auto output = arguments.option("o");
    if (!output) {
        throw UsageError("-o FILE.cfg is required");
    }
    TerminalFeedback feedback;
    const std::string& input = arguments.positional[0];
    auto image = readImageFile(input);
    if (!image) {
        feedback.error(input + " is not a configuration image of " + std::to_string(kImageSize) +
                       " bytes");
        return 1;
    }
    if (!image->checksumMatches()) {
        feedback.log("Eeprom checksum error. Please reload configuration.");
        return 1;
    }
    SettingsStore settings;
    applyStartupState(settings, SystemClock());
    if (!DecodeConfigImage(*image, settings, feedback)) {
        return 1;
    }
    return saveConfigFile(settings, *output, feedback) ? 0 : 1;
}

}  // namespace korvex::cli
