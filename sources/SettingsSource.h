#pragma once
// Where a set of settings can come from: a configuration file, a configuration image file as
// `encode` writes it, or the device. Each is loaded into a SettingsStore the same way for every
// user (the command line's show and diff, the compare dialog, the verify after a write).

#include <filesystem>
#include <optional>
#include <string_view>

#include "device/DeviceLink.h"
#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/SettingsStore.h"

namespace korvex {

enum class SourceKind { ConfigFile, ImageFile, Device };

struct SettingsSource {
    SourceKind kind = SourceKind::ConfigFile;
    std::filesystem::path path;  // empty for the device
};

// The word "device" names the device, a name ending in ".bin" (any case) an image file, and
// anything else a configuration file.
SettingsSource settingsSourceNamed(std::string_view word);

// The start-up state (clock fields from `clock`), then the source's settings: a file loaded as
// "Read from file" loads it, an image decoded as "Read config" decodes it, the device read as
// "Read config" reads it (its log lines included). Nothing is written anywhere. Returns false when
// the source cannot be read, its reason shown through feedback naming the file; `device` may be
// null when the source is not the device.
bool loadSettingsSource(const SettingsSource& source, SettingsStore& settings, Feedback& feedback,
                        const Clock& clock, DeviceLink* device);

// The image held in `path`: nullopt when it cannot be read or does not hold exactly 6144 bytes.
std::optional<ConfigImage> readImageFile(const std::filesystem::path& path);

}  // namespace korvex
