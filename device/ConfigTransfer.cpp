#include "device/ConfigTransfer.h"

#include <string>

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

}  // namespace

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
                 const Clock& clock) {
    if (settings.checked("Uploadpctime")) {
        CopyPcTime(settings, clock);
    }
    if (!EncodeConfigImage(outgoing, settings, feedback, clock)) {
        return false;
    }
    bool written = false;
    if (link.OpenDevice(feedback)) {
        written = writePages(link, outgoing, feedback);
    }
    link.CloseDevice();
    return written;
}

}  // namespace korvex
