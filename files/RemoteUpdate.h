#pragma once
// Remote update files (.ruf): the enciphered configuration image and a firmware image with a
// CRC over both.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/FileChooser.h"
#include "settings/FirmwareFile.h"
#include "settings/Settings.h"

namespace korvex {

inline constexpr std::string_view kUpdateFilter = "KorvexMini remote update files (*.ruf)|*.ruf";

// The layout: firmware length, CRC, filler up to kRemoteImageOffset, the enciphered image, then
// the firmware image as it stands.
inline constexpr size_t kRemoteCrcOffset = 4;
inline constexpr size_t kRemoteFillerOffset = 8;
inline constexpr size_t kRemoteImageOffset = 512;
inline constexpr size_t kRemoteFirmwareOffset = kRemoteImageOffset + kImageSize;  // 6656

// The bytes of a remote update file for `image` and `firmware` (at most kFirmwareSize
// bytes), the filler drawn from a SeededRandom seeded with `seed`.
std::vector<uint8_t> packRemoteUpdate(const ConfigImage& image, std::span<const uint8_t> firmware,
                                      int64_t seed);

// "Build remote update file": CopyPcTime when Uploadpctime is ticked, EncodeConfigImage into
// `outgoing`, the firmware and destination dialogs, then the file. Returns true when written.
bool BuildRemoteUpdateFile(ConfigImage& outgoing, Settings& settings, Feedback& feedback,
                           FileChooser& chooser, const Clock& clock,
                           const std::filesystem::path& programFolder);

}  // namespace korvex
