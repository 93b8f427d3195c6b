#pragma once
// Help > "USB access on Linux...": the udev rule that lets the user at the seat open the device,
// and what is left to do where the program runs. An installed package has put the rule in place
// already (only a device plugged in before needs a replug); a program run from a build folder
// gets the command that installs the rule from its source tree; any other copy gets the rule to
// install by hand.

#include <QString>
#include <filesystem>

namespace korvex::app {

struct UsbAccessFacts {
    QString rule;           // the rule's text
    QString installedRule;  // where the rule is installed; empty when it is not
    QString sourceFolder;   // the source tree of a program run from its build folder, or empty
};

// What the system says for a program in `programFolder`.
UsbAccessFacts findUsbAccessFacts(const std::filesystem::path& programFolder);

QString usbAccessHelp(const UsbAccessFacts& facts);

}  // namespace korvex::app
