#pragma once
// The start-up sequence: splash picture, main window (with its two dialogs), a 3000 ms pause,
// then the event loop until the main window is closed. Before it, the program's arguments:
// --help and --version are answered on the terminal, a wrong argument prints the usage.

#include <QStringList>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "device/SimulatedDevice.h"
#include "settings/Clock.h"

class QApplication;

namespace korvex::app {

class MessageBoxes;

struct StartOptions {
    enum class Request { Run, Help, Version };
    Request request = Request::Run;
    // The folder of a simulated device to use instead of the USB device.
    std::optional<std::filesystem::path> simulateFolder;
    // A fault armed on the simulated device.
    std::optional<SimulatedFaultAt> simulatedFault;
    // A fixed UTC time instead of the computer's clock.
    std::optional<UtcDateTime> time;
    bool operator==(const StartOptions&) const = default;
};

// A wrong program argument; what() says which.
class UsageError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// From the program's arguments (--simulate DIR or --simulate=DIR, --sim-fault KIND:PAGE or
// --sim-fault=KIND:PAGE, --time YYYY-MM-DDTHH:MM, -h/--help, -v/--version) or else, for the folder,
// the value of the environment variable KORVEX_SIMULATE. --help or --version anywhere wins;
// otherwise an unknown argument, a missing value or a fault without a simulated device throws
// UsageError.
StartOptions startOptions(const QStringList& arguments, const QString& simulateVariable);

// The text that --help prints.
QString usageText();

// --help and --version answered before there is an application object (so that they work
// without a display): the exit status when the arguments ask for one of them, else nullopt.
std::optional<int> answerWithoutWindow(int argc, char** argv);

// Runs the configurator and returns the program's exit status: 0 after --help or --version,
// 2 after a wrong argument (the usage on stderr). A failure that escapes start-up is shown in
// the general error box through `boxes` and ends the program with status 1.
int runConfigurator(QApplication& application, MessageBoxes& boxes);

}  // namespace korvex::app
