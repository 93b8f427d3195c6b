#include "sources/SettingsSource.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>

#include "device/ConfigTransfer.h"
#include "files/ConfigFile.h"
#include "files/ImageFile.h"
#include "image/Codec.h"
#include "settings/StartupState.h"

namespace korvex {

namespace {

bool endsWithBin(std::string_view word) {
    if (word.size() < 4) {
        return false;
    }
    std::string tail(word.substr(word.size() - 4));
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".bin";
}

// A missing file or a folder is refused before any loader sees it, with the reason.
bool isReadableFile(const std::filesystem::path& path, Feedback& feedback) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        feedback.error(path.string() + ": no such file");
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        feedback.error(path.string() + ": is a folder, not a file");
        return false;
    }
    return true;
}

bool loadImageFile(const std::filesystem::path& path, SettingsStore& settings, Feedback& feedback) {
    auto image = readImageFile(path);
    if (!image) {
        feedback.error(path.string() + ": not a configuration image of " +
                       std::to_string(kImageSize) + " bytes");
        return false;
    }
    if (!image->checksumMatches()) {
        feedback.error(path.string() + ": Eeprom checksum error. Please reload configuration.");
        return false;
    }
    if (!DecodeConfigImage(*image, settings, feedback)) {
        feedback.error(path.string() + ": configuration image of another version");
        return false;
    }
    return true;
}

}  // namespace

SettingsSource settingsSourceNamed(std::string_view word) {
    if (word == "device") {
        return {SourceKind::Device, {}};
    }
    return {endsWithBin(word) ? SourceKind::ImageFile : SourceKind::ConfigFile,
            std::filesystem::path(word)};
}

bool loadSettingsSource(const SettingsSource& source, SettingsStore& settings, Feedback& feedback,
                        const Clock& clock, DeviceLink* device) {
    applyStartupState(settings, clock);
    switch (source.kind) {
        case SourceKind::Device: {
            if (device == nullptr) {
                feedback.error("device: no device to read from");
                return false;
            }
            ConfigImage incoming;
            if (!ReadConfig(*device, incoming, settings, feedback)) {
                feedback.error("device: the configuration could not be read");
                return false;
            }
            return true;
        }
        case SourceKind::ImageFile:
            return isReadableFile(source.path, feedback) &&
                   loadImageFile(source.path, settings, feedback);
        case SourceKind::ConfigFile:
            if (!isReadableFile(source.path, feedback)) {
                return false;
            }
            if (!loadConfigFile(settings, source.path, feedback)) {
                feedback.error(source.path.string() + ": not a Korvex Mini configuration file");
                return false;
            }
            return true;
    }
    return false;
}

std::optional<ConfigImage> readImageFile(const std::filesystem::path& path) {
    return readImageBytes(path);
}

}  // namespace korvex
