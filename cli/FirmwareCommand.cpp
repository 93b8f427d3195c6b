// korvex-cli firmware FILE.hash: "Upload firmware" with FILE.hash as the chosen file.

#include <memory>

#include "cli/Commands.h"
#include "cli/CommonSteps.h"
#include "cli/DeviceChoice.h"
#include "cli/ListedFileChooser.h"
#include "cli/TerminalFeedback.h"
#include "device/FirmwareUpload.h"

namespace korvex::cli {

int runFirmware(const Arguments& arguments) {
    arguments.expectPositional(1);
    DeviceChoice device(arguments);
    TerminalFeedback feedback;
    ListedFileChooser chooser({arguments.positional[0]});
    const auto buffer = std::make_unique<FirmwareBuffer>();
    const bool sent = UploadFirmware(device.link(), *buffer, feedback, chooser, programFolder());
    return feedback.finish(sent);
}

}  // namespace korvex::cli
