#pragma once
// What the firmware files (.hash) that the tool reads have in common, for the upload and for
// remote update files: the open dialog's filter and the largest size accepted.

#include <cstddef>
#include <string_view>

namespace korvex {

inline constexpr size_t kFirmwareSize = 245760;  // 7680 pages of 32 bytes
inline constexpr std::string_view kFirmwareFilter = "Korvex firmware hash files (*.hash)|*.hash";

}  // namespace korvex
