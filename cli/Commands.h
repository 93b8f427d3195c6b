#pragma once
// The commands of korvex-cli. Each returns its exit status: 0 success, 1 a failure the
// configurator would report (its message already printed), and throws UsageError for 2.

#include <span>
#include <string_view>

#include "advice/Position.h"
#include "cli/Arguments.h"

namespace korvex::cli {

// The options a command takes besides its positional arguments.
enum CommandOption : unsigned {
    kOutputOption = 1u << 0,          // -o, --output FILE
    kTimeOption = 1u << 1,            // --time YYYY-MM-DDTHH:MM
    kDeviceOptions = 1u << 2,         // the options that select the device (see DeviceChoice.h)
    kJsonOption = 1u << 3,            // --json
    kWriteSafetyOptions = 1u << 4,    // --no-verify, --no-backup, --backup-dir DIR, --dry-run
    kTextOption = 1u << 5,            // --text
    kStrictOption = 1u << 6,          // --strict
    kVoltOption = 1u << 7,            // --volt V
    kNewStationOptions = 1u << 8,     // --call, --ssid, --role, --position, --symbol, ... --force
    kNumberArguments = 1u << 9,       // arguments such as "-33.9" are arguments, not options
    kBackupDirOption = 1u << 10,      // --backup-dir DIR (also among kWriteSafetyOptions)
    kCompareDeviceOption = 1u << 11,  // --device
};

struct Command {
    std::string_view name;
    std::string_view usage;    // arguments after the name
    std::string_view summary;  // one line for --help
    int (*run)(const Arguments& arguments);
    unsigned options = 0;  // CommandOption bits
};

std::span<const Command> commands();

int runDefaults(const Arguments& arguments);
int runCheck(const Arguments& arguments);
int runBeacons(const Arguments& arguments);
int runEncode(const Arguments& arguments);
int runDecode(const Arguments& arguments);
int runRuf(const Arguments& arguments);
int runRead(const Arguments& arguments);
int runWrite(const Arguments& arguments);
int runFirmware(const Arguments& arguments);
int runVersion(const Arguments& arguments);
int runShow(const Arguments& arguments);
int runDiff(const Arguments& arguments);
int runGet(const Arguments& arguments);
int runSet(const Arguments& arguments);
int runSettings(const Arguments& arguments);
int runNew(const Arguments& arguments);
int runPosition(const Arguments& arguments);
int runSymbols(const Arguments& arguments);

// A position argument read by readPosition, its refusal in UTF-8. Latin-1 where it fits; else as
// given, since the reader takes the UTF-8 signs of minutes and seconds that Latin-1 lacks.
PositionReading readPositionArgument(std::string_view utf8);
int runExplain(const Arguments& arguments);
int runBackups(const Arguments& arguments);
int runRestore(const Arguments& arguments);

}  // namespace korvex::cli
