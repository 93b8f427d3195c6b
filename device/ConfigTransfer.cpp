#include "device/ConfigTransfer.h"

#include <string>

#include "device/WriteVerify.h"
#include "files/Backups.h"
#include "image/Codec.h"
#include "settings/StartupState.h"

namespace korvex {

namespace {

constexpr int kPages = static_cast<int>(kPageCount);

// "Page read: 3/192": page numbers count from 1.
std::string pageLine(const char* prefix, size_t page) {
    return prefix + std::to_string(page + 1) + "/" + std::to_string(kPages);
}

// Reads every page into `incoming`, stopping at the first that fails.
void readPages(DeviceLink& link, ConfigImage& incoming, Feedback& feedback) {
    feedback.progressBegin(kPages);
    for (size_t page = 0; page < kPageCount; ++page) {
        if (!link.ReadConfigPage(static_cast<uint16_t>(page), incoming.page(page))) {
            feedback.log(pageLine("Page read error: ", page));
            return;
        }
        feedback.log(pageLine("Page read: ", page));
        feedback.progressStep();
    }
    feedback.progressReset();
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

bool backUp(DeviceLink& link, const WriteSafety& safety, Feedback& feedback, const Clock& clock) {
    ConfigImage current;
    if (!readQuietly(link, current, feedback, "Backup page read error: ")) {
        feedback.log("Backup failed: nothing was written to the device.");
        return false;
    }
    return saveBackup(current, safety.backupFolder, clock, feedback);
}

bool verify(DeviceLink& link, const ConfigImage& outgoing, Feedback& feedback) {
    ConfigImage readBack;
    if (!readQuietly(link, readBack, feedback, "Page verify error: ")) {
        return false;
    }
    const auto lines = verifyLines(outgoing, readBack);
    for (const auto& line : lines) {
        feedback.log(line);
    }
    return lines.size() == 1 && outgoing == readBack;
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
    readPages(link, incoming, feedback);
    link.CloseDevice();

    if (!incoming.checksumMatches()) {
        feedback.log("Eeprom checksum error. Please reload configuration.");
        return false;
    }
    const bool decoded = DecodeConfigImage(incoming, settings, feedback);
    feedback.log(decoded ? "Eeprom read success."
                         : "Eeprom read error. Please reload configuration.");

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
    bool written = false;
    if (link.OpenDevice(feedback) && (!safety.backup || backUp(link, safety, feedback, clock))) {
        written = writePages(link, outgoing, feedback) &&
                  (!safety.verify || verify(link, outgoing, feedback));
    }
    link.CloseDevice();
    return written;
}

}  // namespace korvex
