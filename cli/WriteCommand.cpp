// korvex-cli write FILE.cfg [--time ...] [--dry-run]: the file loaded onto the start-up state,
// then "Write config" with the backup and the list of changes before and the verify after unless
// switched off; a dry run reads the device, lists the changes and writes nothing.

#include <memory>

#include "cli/Commands.h"
#include "cli/CommonSteps.h"
#include "cli/DeviceChoice.h"
#include "cli/TerminalFeedback.h"
#include "device/ConfigTransfer.h"

namespace korvex::cli {

int runWrite(const Arguments& arguments) {
    arguments.expectPositional(1);
    const auto time = timeOption(arguments);
    DeviceChoice device(arguments);
    TerminalFeedback feedback;
    // With --time the image stamp is taken from that time too, so the image is reproducible.
    std::unique_ptr<Clock> clock;
    if (time) {
        clock = std::make_unique<FixedClock>(*time);
    } else {
        clock = std::make_unique<SystemClock>();
    }
    SettingsStore settings;
    if (!loadOntoStartupState(settings, arguments.positional[0], feedback, *clock)) {
        return 1;
    }
    applyTimeOption(settings, time);
    ConfigImage outgoing;
    WriteSafety safety = defaultWriteSafety();
    safety.verify = !arguments.has("no-verify");
    safety.backup = !arguments.has("no-backup");
    safety.dryRun = arguments.has("dry-run");
    safety.verifyOffSwitch = "--no-verify";
    safety.backupOffSwitch = "--no-backup";
    if (const auto folder = arguments.option("backup-dir")) {
        safety.backupFolder = *folder;
    }
    const bool written = WriteConfig(device.link(), outgoing, settings, feedback, *clock, safety);
    return written ? 0 : 1;
}

}  // namespace korvex::cli
