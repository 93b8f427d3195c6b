#include "files/RemoteUpdate.h"

#include <algorithm>
#include <fstream>
#include <string_view>

#include "files/AtomicFile.h"
#include "files/Crc32.h"
#include "files/Xtea.h"
#include "image/Codec.h"
#include "settings/ProgramFolders.h"
#include "settings/SeededRandom.h"
#include "settings/StartupState.h"

namespace korvex {

namespace {

constexpr std::string_view kProposedName = "korvexmini.ruf";
constexpr std::string_view kErrorCaption = "File open error";

void storeLittle(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

// The whole firmware file, or nullopt when it is longer than a firmware image may be; sets
// `unreadable` when it cannot be measured or read in full.
std::optional<std::vector<uint8_t>> readFirmware(std::ifstream& file, bool& unreadable) {
    file.seekg(0, std::ios::end);
    const std::streamoff length = file.tellg();
    unreadable = length < 0;
    if (unreadable || static_cast<uint64_t>(length) > kFirmwareSize) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    file.seekg(0, std::ios::beg);
    file.read(reinterpret_cast<char*>(bytes.data()), length);
    unreadable = file.gcount() != length;
    return bytes;
}

}  // namespace

std::vector<uint8_t> packRemoteUpdate(const ConfigImage& image, std::span<const uint8_t> firmware,
                                      int64_t seed) {
    std::vector<uint8_t> file(kRemoteFirmwareOffset + firmware.size(), 0);
    std::copy(firmware.begin(), firmware.end(), file.begin() + kRemoteFirmwareOffset);
    std::copy(image.bytes.begin(), image.bytes.end(), file.begin() + kRemoteImageOffset);
    const std::span<uint8_t> covered(file.data() + kRemoteImageOffset,
                                     file.size() - kRemoteImageOffset);
    xteaEncipherBlocks(covered.first(kImageSize), kRemoteUpdateKey);
    storeLittle(file.data() + kRemoteCrcOffset, crc32Jam(covered));
    storeLittle(file.data(), static_cast<uint32_t>(firmware.size()));
    SeededRandom random(seed);
    for (size_t offset = kRemoteFillerOffset; offset < kRemoteImageOffset; ++offset) {
        file[offset] = static_cast<uint8_t>(random.next() % 255);
    }
    return file;
}

bool BuildRemoteUpdateFile(ConfigImage& outgoing, Settings& settings, Feedback& feedback,
                           FileChooser& chooser, const Clock& clock,
                           const std::filesystem::path& programFolder) {
    if (settings.checked("Uploadpctime")) {
        CopyPcTime(settings, clock);
    }
    if (!EncodeConfigImage(outgoing, settings, feedback, clock)) {
        return false;
    }
    const auto firmwarePath = chooser.openFile(kFirmwareFilter, firmwareFolder(programFolder));
    if (!firmwarePath) {
        return false;
    }
    std::error_code error;
    std::ifstream firmwareFile;
    if (std::filesystem::is_regular_file(*firmwarePath, error)) {
        firmwareFile.open(*firmwarePath, std::ios::binary);
    }
    if (!firmwareFile.is_open()) {
        feedback.message(kErrorCaption, "Could not open firmware file");
        return false;
    }
    const auto destination =
        chooser.saveFile(kUpdateFilter, remoteFolder(programFolder), kProposedName);
    if (!destination) {
        return false;
    }
    // The length is checked before the destination is touched, so a refused build leaves an
    // existing destination as it was.
    bool unreadable = false;
    const auto firmware = readFirmware(firmwareFile, unreadable);
    if (unreadable) {
        feedback.message(kErrorCaption, "Could not open firmware file");
        return false;
    }
    if (!firmware) {
        feedback.message(kErrorCaption, "Firmware file too long");
        return false;
    }
    const std::vector<uint8_t> bytes = packRemoteUpdate(outgoing, *firmware, clock.secondsNow());
    if (!writeFileAtomically(
            *destination,
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        feedback.message(kErrorCaption, "Could not open destination file.");
        return false;
    }
    return true;
}

}  // namespace korvex
