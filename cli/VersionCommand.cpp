// korvex-cli version: the device's firmware version.

#include <iostream>

#include "cli/Commands.h"
#include "cli/DeviceChoice.h"
#include "cli/TerminalFeedback.h"

namespace korvex::cli {

int runVersion(const Arguments& arguments) {
    arguments.expectPositional(0);
    DeviceChoice device(arguments);
    TerminalFeedback feedback;
    DeviceLink& link = device.link();
    bool shown = false;
    if (link.OpenDevice(feedback)) {
        shown = link.QueryFirmwareVersion(feedback);
        if (!shown) {
            std::cerr << "The device did not answer the firmware version query.\n";
        }
    }
    link.CloseDevice();
    return feedback.finish(shown);
}

}  // namespace korvex::cli
