// korvex-cli write FILE.cfg|IMAGE.bin [--time ...] [--dry-run]: the file loaded onto the start-up
// state, then "Write config" with the backup and the list of changes before and the verify after
// unless switched off; a dry run reads the device, lists the changes and writes nothing. An image
// (a backup) is written exactly as it is, through the same steps. korvex-cli restore [BACKUP]
// writes a backup so, by default the newest of the station the device names.

#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "cli/CommonSteps.h"
#include "cli/DeviceChoice.h"
#include "cli/TerminalFeedback.h"
#include "device/ConfigTransfer.h"
#include "files/Backups.h"
#include "files/ImageFile.h"
#include "image/Codec.h"
#include "image/StoredForm.h"
#include "settings/SettingsDiff.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"
#include "sources/SettingsSource.h"

namespace korvex::cli {

namespace {

WriteSafety writeSafety(const Arguments& arguments) {
    WriteSafety safety = defaultWriteSafety();
    safety.verify = !arguments.has("no-verify");
    safety.backup = !arguments.has("no-backup");
    safety.dryRun = arguments.has("dry-run");
    safety.verifyOffSwitch = "--no-verify";
    safety.backupOffSwitch = "--no-backup";
    if (const auto folder = arguments.option("backup-dir")) {
        safety.backupFolder = *folder;
    }
    return safety;
}

// A word as the shell takes it back.
std::string quoted(const std::string& word) {
    if (word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                               "-_./:=+,@") == std::string::npos) {
        return word;
    }
    std::string text = "'";
    for (const char c : word) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

// After a write that left the device changed, the command that puts its backup back.
void tellRestore(const Arguments& arguments, const WriteFailure& failure) {
    if (failure.backup.empty() || failure.state == DeviceAfterWrite::Untouched) {
        return;
    }
    std::string command = "korvex-cli restore " + quoted(failure.backup.string());
    if (const auto folder = arguments.option("simulate")) {
        command += " --simulate " + quoted(*folder);
    }
    std::cerr << "To restore the backup kept before this write: " << command << "\n";
}

int writeImage(const Arguments& arguments, const ConfigImage& image, DeviceChoice& device,
               TerminalFeedback& feedback) {
    SettingsStore settings = startupSettings(SystemClock());
    WriteFailure failure;
    const bool written = RestoreImage(device.link(), image, settings, feedback, SystemClock(),
                                      writeSafety(arguments), &failure);
    tellRestore(arguments, failure);
    return feedback.finish(written);
}

std::filesystem::path backupsFolderOption(const Arguments& arguments) {
    const auto folder = arguments.option("backup-dir");
    return folder ? std::filesystem::path(*folder) : defaultBackupsFolder();
}

// "SP5AB-3  2026-12-09 18:37 UTC  FILE", and why it cannot be restored when it cannot.
std::string backupLine(const BackupEntry& entry) {
    return (entry.station.empty() ? "?" : entry.station) + "  " + utcMinuteText(entry.time) + "  " +
           entry.file().string() +
           (entry.problem.empty() ? "" : "  (cannot be restored: " + entry.problem + ")");
}

// The backup that restore takes when none is named: the newest of the station the device's image
// names, else (the device names none) of the only station in the folder; another station's backup
// is never taken for a device that names its own. nullptr after saying why there is none.
const BackupEntry* chooseBackup(const std::vector<BackupEntry>& backups, DeviceChoice& device,
                                TerminalFeedback& feedback) {
    std::optional<std::string> station;
    if (const auto image = ReadImage(device.link(), feedback)) {
        station = stationIn(*image);
    }
    if (station) {
        if (const BackupEntry* newest = newestRestorable(backups, *station)) {
            return newest;
        }
    }
    const BackupEntry* only = nullptr;
    for (const auto& entry : backups) {
        if (station || !entry.problem.empty()) {
            continue;
        }
        if (only && only->station != entry.station) {
            only = nullptr;
            break;
        }
        only = only ? only : &entry;
    }
    if (only) {
        return only;
    }
    std::cerr << (station ? "No backup of " + *station + " can be restored"
                          : std::string("The device names no station"))
              << "; name the backup to restore (korvex-cli restore FILE):\n";
    for (const auto& entry : backups) {
        std::cerr << backupLine(entry) << "\n";
    }
    return nullptr;
}

}  // namespace

int runWrite(const Arguments& arguments) {
    arguments.expectPositional(1);
    const auto time = timeOption(arguments);
    DeviceChoice device(arguments);
    TerminalFeedback feedback;
    const SettingsSource source = settingsSourceNamed(arguments.positional[0]);
    if (source.kind == SourceKind::ImageFile) {
        const auto image = readImageBytes(source.path);
        if (!image) {
            feedback.error(source.path.string() + ": not a configuration image of " +
                           std::to_string(kImageSize) + " bytes");
            return 1;
        }
        return writeImage(arguments, *image, device, feedback);
    }
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
    WriteFailure failure;
    const bool written = WriteConfig(device.link(), outgoing, settings, feedback, *clock,
                                     writeSafety(arguments), &failure);
    tellRestore(arguments, failure);
    return feedback.finish(written);
}

int runRestore(const Arguments& arguments) {
    if (arguments.positional.size() > 1) {
        throw UsageError("restore takes at most one BACKUP");
    }
    DeviceChoice device(arguments);
    TerminalFeedback feedback;
    std::optional<BackupEntry> named;
    if (!arguments.positional.empty()) {
        const std::filesystem::path file = arguments.positional[0];
        named = backupAt(file);
        if (!named) {
            // Any image file restores as well; it is checked as a backup's would be.
            const auto image = readImageBytes(file);
            if (!image) {
                feedback.error(file.string() + ": not a backup of a configuration image");
                return 1;
            }
            return writeImage(arguments, *image, device, feedback);
        }
    }
    const auto backups =
        named ? std::vector<BackupEntry>{} : listBackups(backupsFolderOption(arguments));
    if (!named && backups.empty()) {
        feedback.error("No backups in " + backupsFolderOption(arguments).string());
        return 1;
    }
    const BackupEntry* chosen = named ? &*named : chooseBackup(backups, device, feedback);
    if (!chosen) {
        return 1;
    }
    // Another version is refused by the decoder's own message as the write reads it.
    if (!chosen->bytes) {
        feedback.error(chosen->file().string() + ": cannot be restored: " + chosen->problem);
        return 1;
    }
    feedback.log("Restoring " + backupLine(*chosen));
    return writeImage(arguments, *chosen->bytes, device, feedback);
}

int runBackups(const Arguments& arguments) {
    arguments.expectPositional(0);
    const auto folder = backupsFolderOption(arguments);
    const auto backups = listBackups(folder);
    if (backups.empty()) {
        std::cout << "No backups in " << folder.string() << "\n";
        return 0;
    }
    // With --device: how many settings of each backup differ from the device's.
    std::optional<SettingsStore> onDevice;
    if (arguments.has("device")) {
        DeviceChoice device(arguments);
        TerminalFeedback feedback(std::cerr, std::cerr, stderrIsTerminal());
        onDevice = startupSettings(SystemClock());
        if (!loadSettingsSource({SourceKind::Device, {}}, *onDevice, feedback, SystemClock(),
                                &device.link())) {
            std::cerr << "The device's settings could not be read: nothing is compared.\n";
            onDevice.reset();
        }
    }
    for (const auto& entry : backups) {
        std::string line = backupLine(entry);
        if (onDevice && entry.problem.empty()) {
            SettingsStore settings = startupSettings(SystemClock());
            ConfigImage copy = *entry.bytes;
            SilentFeedback quiet;
            DecodeConfigImage(copy, settings, quiet);
            const size_t differ = diffSettings(*onDevice, settings, sameAsStored).size();
            line += differ == 0 ? "  same settings as the device"
                                : "  " + settingCount(differ) + " differ from the device";
        }
        std::cout << line << "\n";
    }
    return arguments.has("device") && !onDevice ? 1 : 0;
}

}  // namespace korvex::cli
