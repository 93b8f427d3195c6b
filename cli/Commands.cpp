#include "cli/Commands.h"

namespace korvex::cli {

namespace {

const Command kCommands[] = {
    {"defaults", "-o FILE.cfg", "save the start-up settings as a configuration file", runDefaults,
     kOutputOption},
    {"new",
     "-o FILE.cfg --call CALL[-SSID] --role ROLE[,ROLE...] --position POSITION [--ssid N] "
     "[--symbol SYMBOL] [--server HOST] [--comment TEXT] [--www-password P] "
     "[--telnet-password P] [--force]",
     "save a new station's settings from a few answers (roles: fill-in-digi, wide-digi, igate, "
     "igate-tx, weather)",
     runNew, kOutputOption | kNewStationOptions},
    {"position", "TEXT...",
     "show a position (decimal degrees, degrees and minutes, the APRS fields, a locator) in "
     "every form",
     runPosition, kNumberArguments},
    {"symbols", "", "list the APRS symbols that --symbol takes by name, with their characters",
     runSymbols},
    {"check", "SOURCE [--strict] [--json] [--simulate DIR [--sim-fault KIND:PAGE]]",
     "check the settings as a write would, then the station's advice (exit 1 for a failed check, "
     "and with --strict for a warning)",
     runCheck, kStrictOption | kJsonOption | kDeviceOptions},
    {"beacons",
     "SOURCE [--time YYYY-MM-DDTHH:MM] [--volt V] [--simulate DIR [--sim-fault KIND:PAGE]]",
     "show each beacon with a rate above 0 as it goes on the air, with its advice", runBeacons,
     kTimeOption | kVoltOption | kDeviceOptions},
    {"encode", "FILE.cfg -o IMAGE.bin [--time YYYY-MM-DDTHH:MM]",
     "write the configuration image of a configuration file", runEncode,
     kOutputOption | kTimeOption},
    {"decode", "IMAGE.bin -o FILE.cfg", "save the settings of a configuration image as a file",
     runDecode, kOutputOption},
    {"ruf", "FILE.cfg FIRMWARE.hash -o OUT.ruf [--time YYYY-MM-DDTHH:MM]",
     "build a remote update file from a configuration file and a firmware file", runRuf,
     kOutputOption | kTimeOption},
    {"read", "-o FILE.cfg [--simulate DIR [--sim-fault KIND:PAGE]]",
     "read the device's configuration and save it as a configuration file", runRead,
     kOutputOption | kDeviceOptions},
    {"write",
     "FILE.cfg|IMAGE.bin [--time YYYY-MM-DDTHH:MM] [--no-verify] [--no-backup] [--backup-dir DIR] "
     "[--dry-run] [--simulate DIR [--sim-fault KIND:PAGE]]",
     "write a configuration file's settings (or an image, such as a backup, exactly) to the "
     "device, backed up before and verified after (exit 1 when the verify finds a difference); "
     "--dry-run only lists what would change",
     runWrite, kTimeOption | kDeviceOptions | kWriteSafetyOptions},
    {"backups", "[--device] [--backup-dir DIR] [--simulate DIR [--sim-fault KIND:PAGE]]",
     "list the backups kept before writes, newest first (station, UTC time, file); with --device "
     "how many settings of each differ from the device",
     runBackups, kBackupDirOption | kCompareDeviceOption | kDeviceOptions},
    {"restore",
     "[BACKUP] [--no-verify] [--no-backup] [--backup-dir DIR] [--dry-run] "
     "[--simulate DIR [--sim-fault KIND:PAGE]]",
     "write a backup back to the device exactly, through the same steps as write; without BACKUP "
     "the newest of the station the device names (or of the only station in the folder)",
     runRestore, kDeviceOptions | kWriteSafetyOptions},
    {"firmware", "FILE.hash [--simulate DIR [--sim-fault KIND:PAGE]]",
     "upload a firmware file to the device", runFirmware, kDeviceOptions},
    {"version", "[--simulate DIR [--sim-fault KIND:PAGE]]", "show the device's firmware version",
     runVersion, kDeviceOptions},
    {"show", "SOURCE [--json] [--simulate DIR [--sim-fault KIND:PAGE]]",
     "show every setting of a configuration file, an image or the device", runShow,
     kJsonOption | kDeviceOptions},
    {"diff", "A B [--json] [--text] [--simulate DIR [--sim-fault KIND:PAGE]]",
     "show the settings that differ between two sources as the device stores them (exit 1 when "
     "some do)",
     runDiff, kJsonOption | kTextOption | kDeviceOptions},
    {"get", "FILE.cfg NAME...", "print the values of settings of a configuration file", runGet},
    {"set", "FILE.cfg NAME=VALUE...",
     "change settings of a configuration file, checked as a write would check them", runSet},
    {"settings", "[--json]", "list every setting with its kind, limit and entries", runSettings,
     kJsonOption},
    {"explain", "NAME...",
     "show what settings do: where they are, their values, file keys, checks and station-check "
     "rules",
     runExplain},
};

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

}  // namespace korvex::cli
