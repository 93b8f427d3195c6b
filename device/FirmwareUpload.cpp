#include "device/FirmwareUpload.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "settings/ProgramFolders.h"

namespace korvex {

namespace {

// Reads the firmware file into the start of `buffer` and zeroes the rest, so the last page
// never carries bytes of an earlier, longer file. Returns the file's size, or nullopt after
// showing why it cannot be used.
std::optional<size_t> readFirmwareFile(const std::filesystem::path& path, FirmwareBuffer& buffer,
                                       Feedback& feedback) {
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    std::ifstream file;
    if (regular) {
        file.open(path, std::ios::binary);
    }
    const auto size = regular ? std::filesystem::file_size(path, error) : 0;
    if (!regular || !file.is_open() || error) {
        feedback.message("File open error", "File open error.");
        return std::nullopt;
    }
    if (size > kFirmwareSize) {
        feedback.message("File to long.", "Firmware file error.");
        return std::nullopt;
    }
    auto* start = reinterpret_cast<char*>(buffer.bytes.data());
    file.read(start, static_cast<std::streamsize>(size));
    const auto got = static_cast<size_t>(file.gcount());
    std::fill(buffer.bytes.begin() + static_cast<std::ptrdiff_t>(got), buffer.bytes.end(), 0);
    if (got != size) {
        feedback.message("File open error", "File open error.");
        return std::nullopt;
    }
    return static_cast<size_t>(size);
}

// Sends pages 0..count-1 of `buffer`, stopping at the first that fails.
bool sendPages(DeviceLink& link, const FirmwareBuffer& buffer, size_t count, Feedback& feedback) {
    const std::string total = "/" + std::to_string(count);
    link.beginTransfer(TransferKind::Firmware);
    feedback.progressBegin(static_cast<int>(count));
    for (size_t page = 0; page < count; ++page) {
        feedback.keepResponsive();
        const std::span<const uint8_t, kReportDataSize> data(
            buffer.bytes.data() + page * kReportDataSize, kReportDataSize);
        if (!link.WriteFirmwarePage(static_cast<uint16_t>(page), data)) {
            feedback.log("Page write error: " + std::to_string(page + 1) + total);
            feedback.log("The upload stopped at page " + std::to_string(page + 1) + ": " +
                         link.failureCause() + ".");
            return false;
        }
        feedback.log("Page written: " + std::to_string(page + 1) + total);
        feedback.progressStep();
    }
    feedback.log("Firmware upgrade success");
    feedback.progressReset();
    return true;
}

}  // namespace

bool UploadFirmware(DeviceLink& link, FirmwareBuffer& buffer, Feedback& feedback,
                    FileChooser& chooser, const std::filesystem::path& programFolder) {
    if (!link.OpenDevice(feedback)) {
        return false;
    }
    feedback.setActionsEnabled(false);
    bool sent = false;
    if (const auto path = chooser.openFile(kFirmwareFilter, firmwareFolder(programFolder))) {
        if (const auto size = readFirmwareFile(*path, buffer, feedback)) {
            const size_t pages = (*size + kReportDataSize - 1) / kReportDataSize;
            sent = sendPages(link, buffer, pages, feedback);
        }
    }
    feedback.setActionsEnabled(true);
    link.CloseDevice();
    return sent;
}

}  // namespace korvex
