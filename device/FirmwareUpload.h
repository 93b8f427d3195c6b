#pragma once
// "Upload firmware": a chosen firmware file (.hash), sent unchanged as 32-byte pages.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "device/DeviceLink.h"
#include "settings/Feedback.h"
#include "settings/FileChooser.h"
#include "settings/FirmwareFile.h"

namespace korvex {

inline constexpr size_t kFirmwarePageCount = kFirmwareSize / kReportDataSize;

// The firmware image being sent; owned by the caller for the whole run (240 KiB: keep it on the
// heap). Bytes past the end of the last file read are zero.
struct FirmwareBuffer {
    std::array<uint8_t, kFirmwareSize> bytes{};
};

// Opens the device, disables the action buttons, asks for the file (starting in firmware/ beside
// the program), sends it page by page and enables the buttons again. True when "Firmware upgrade
// success" was logged.
bool UploadFirmware(DeviceLink& link, FirmwareBuffer& buffer, Feedback& feedback,
                    FileChooser& chooser, const std::filesystem::path& programFolder);

}  // namespace korvex
