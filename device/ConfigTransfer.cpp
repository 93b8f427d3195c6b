#include "device/ConfigTransfer.h"

#include <optional>
#include <string>

#include "device/WriteVerify.h"
#include "files/Backups.h"
#include "image/Codec.h"
#include "image/Layout.h"
#include "settings/StartupState.h"

namespace korvex {

namespace {

constexpr int kPages = static_cast<int>(kPageCount);

// "Page read: 3/192": page numbers count from 1.
std::string pageLine(const char* prefix, size_t page) {
    return prefix + std::to_string(page + 1) + "/" + std::to_string(kPages);
}

// The pages from this one on hold no setting (the settings end at offset 2004).
constexpr size_t kFirstPageWithoutSettings = (kSettingsEnd + kPageSize - 1) / kPageSize;

// Reads every page into `incoming`, stopping at the first that fails. Returns the number of pages
// read.
size_t readPages(DeviceLink& link, ConfigImage& incoming, Feedback& feedback) {
    feedback.progressBegin(kPages);
    for (size_t page = 0; page < kPageCount; ++page) {
        if (!link.ReadConfigPage(static_cast<uint16_t>(page), incoming.page(page))) {
            feedback.log(pageLine("Page read error: ", page));
            return page;
        }
        feedback.log(pageLine("Page read: ", page));
        feedback.progressStep();
    }
    feedback.progressReset();
    return kPageCount;
}

// Writes every page of `outgoing`, stopping at the first that fails.
bool writePages(DeviceLink& link, const ConfigImage& outgoing, Feedback& feedback) {
    feedback.progressBegin(kPages);
    for (size_t page = 0; page < kPageCount; ++page) {
        if (!link.WriteConfigPage(static_cast<uint16_t>(page), outgoing.page(page))) {
            feedback.log(pageLine("Page write error: ", page));
            return false;
        }
        feedback.log(pageLine("Page written: ", page));
        feedback.progressStep();
    }
    feedback.log("Eeprom write success");
    feedback.progressReset();
    return true;
}

// Reads every page into `image` without a line per page; on a failure logs PREFIX n/192.
bool readQuietly(DeviceLink& link, ConfigImage& image, Feedback& feedback, const char* prefix) {
    feedback.progressBegin(kPages);
    for (size_t page = 0; page < kPageCount; ++page) {
        if (!link.ReadConfigPage(static_cast<uint16_t>(page), image.page(page))) {
            feedback.log(pageLine(prefix, page));
            return false;
        }
        feedback.progressStep();
    }
    feedback.progressReset();
    return true;
}

// The device's image before the write: kept in the backups folder unless this is a dry run.
// nullopt when it cannot be read or kept (the reason logged).
std::optional<ConfigImage> readCurrent(DeviceLink& link, const WriteSafety& safety,
                                       Feedback& feedback, const Clock& clock,
                                       std::optional<std::filesystem::path>& backup) {
    ConfigImage current;
    if (safety.dryRun) {
        if (!readQuietly(link, current, feedback, "Dry run page read error: ")) {
            feedback.log("Dry run: the device's image could not be read.");
            return std::nullopt;
        }
        return current;
    }
    if (!readQuietly(link, current, feedback, "Backup page read error: ")) {
        feedback.log("Backup failed: nothing was written to the device.");
        return std::nullopt;
    }
    backup = saveBackup(current, safety.backupFolder, clock, feedback);
    if (!backup) {
        return std::nullopt;
    }
    return current;
}

void logPlan(const WritePlan& plan, Feedback& feedback) {
    if (plan.nothingChanges()) {
        feedback.log("The device already holds these settings.");
        return;
    }
    if (!plan.changes.empty()) {
        feedback.log("Write config will change " + settingCount(plan.changes.size()) + ":");
        for (const auto& line : planChangeLines(plan)) {
            feedback.log("  " + line);
        }
    }
    if (plan.setsClock) {
        feedback.log(clockLine(plan));
    }
    if (!plan.notComparable.empty()) {
        feedback.log(plan.notComparable);
    }
}

bool verify(DeviceLink& link, const ConfigImage& outgoing, Feedback& feedback,
            const std::optional<std::filesystem::path>& backup) {
    ConfigImage readBack;
    if (!readQuietly(link, readBack, feedback, "Page verify error: ")) {
        return false;
    }
    const auto lines = verifyLines(outgoing, readBack);
    for (const auto& line : lines) {
        feedback.log(line);
    }
    if (outgoing == readBack) {
        return true;
    }
    feedback.warning("The device does not hold what was written. Write config again" +
                     (backup ? "; the settings it held before are in " + backup->string() + "."
                             : std::string(".")));
    return false;
}

// The pages, then the verify or the line saying it was left out.
bool writeAndVerify(DeviceLink& link, const ConfigImage& outgoing, const WriteSafety& safety,
                    Feedback& feedback, const std::optional<std::filesystem::path>& backup) {
    if (!writePages(link, outgoing, feedback)) {
        return false;
    }
    if (safety.verify) {
        return verify(link, outgoing, feedback, backup);
    }
    if (!safety.verifyOffSwitch.empty()) {
        feedback.log("Not verified (" + safety.verifyOffSwitch + ").");
    }
    return true;
}

// After the device was opened: the backup or dry-run read and its plan, the question, the pages.
bool writeOpened(DeviceLink& link, const ConfigImage& outgoing, const Settings& settings,
                 const WriteSafety& safety, Feedback& feedback, const Clock& clock) {
    std::optional<std::filesystem::path> backup;
    std::optional<WritePlan> plan;
    if (safety.backup || safety.dryRun) {
        const auto current = readCurrent(link, safety, feedback, clock, backup);
        if (!current) {
            return false;
        }
        plan = planWrite(*current, settings);
        logPlan(*plan, feedback);
        if (plan->nothingChanges()) {
            return true;
        }
    } else if (!safety.backupOffSwitch.empty()) {
        feedback.log("No backup made (" + safety.backupOffSwitch + ").");
    }
    if (safety.dryRun) {
        feedback.log("Dry run: nothing was written to the device.");
        return true;
    }
    if (safety.confirm && !safety.confirm(plan ? &*plan : nullptr)) {
        feedback.log("Write config cancelled: nothing was written to the device.");
        return false;
    }
    return writeAndVerify(link, outgoing, safety, feedback, backup);
}

}  // namespace

WriteSafety defaultWriteSafety() {
    return WriteSafety{.backup = true, .backupFolder = defaultBackupsFolder(), .verify = true};
}

bool ReadConfig(DeviceLink& link, ConfigImage& incoming, Settings& settings, Feedback& feedback) {
    incoming.clear();
    if (!link.OpenDevice(feedback)) {
        link.CloseDevice();
        return false;
    }
    const size_t pagesRead = readPages(link, incoming, feedback);
    link.CloseDevice();

    if (!incoming.checksumMatches()) {
        feedback.log("Eeprom checksum error. Please reload configuration.");
        if (pagesRead < kPageCount) {
            feedback.log("The read stopped at page " + std::to_string(pagesRead + 1) +
                         ": the device stopped answering.");
        }
        return false;
    }
    const bool decoded = DecodeConfigImage(incoming, settings, feedback);
    feedback.log(decoded ? "Eeprom read success."
                         : "Eeprom read error. Please reload configuration.");
    if (pagesRead < kPageCount) {
        feedback.log(pagesRead >= kFirstPageWithoutSettings
                         ? "Pages " + std::to_string(pagesRead + 1) + " to " +
                               std::to_string(kPages) + " were not read; they hold no settings."
                         : "The read stopped at page " + std::to_string(pagesRead + 1) +
                               ": the device stopped answering.");
    }

    if (link.OpenDevice(feedback)) {
        link.QueryFirmwareVersion(feedback);
    }
    link.CloseDevice();
    return decoded;
}

bool WriteConfig(DeviceLink& link, ConfigImage& outgoing, Settings& settings, Feedback& feedback,
                 const Clock& clock, const WriteSafety& safety) {
    if (settings.checked("Uploadpctime")) {
        CopyPcTime(settings, clock);
    }
    if (!EncodeConfigImage(outgoing, settings, feedback, clock)) {
        return false;
    }
    const bool written =
        link.OpenDevice(feedback) && writeOpened(link, outgoing, settings, safety, feedback, clock);
    link.CloseDevice();
    return written;
}

}  // namespace korvex
