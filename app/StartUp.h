#pragma once
// The start-up sequence: splash picture, main window (with its two dialogs), a 3000 ms pause,
// then the event loop until the main window is closed.

#include <QStringList>
#include <filesystem>
#include <optional>

class QApplication;

namespace korvex::app {

class MessageBoxes;

struct StartOptions {
    // The folder of a simulated device to use instead of the USB device.
    std::optional<std::filesystem::path> simulateFolder;
    bool operator==(const StartOptions&) const = default;
};

// From the program's arguments (--simulate DIR or --simulate=DIR) or else the value of the
// environment variable KORVEX_SIMULATE. An unknown argument or a missing folder name throws
// std::invalid_argument.
StartOptions startOptions(const QStringList& arguments, const QString& simulateVariable);

// Runs the configurator and returns the program's exit status. A failure that escapes start-up
// is shown in the general error box through `boxes` and ends the program with status 1.
int runConfigurator(QApplication& application, MessageBoxes& boxes);

}  // namespace korvex::app
