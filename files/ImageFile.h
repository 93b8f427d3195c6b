#pragma once
// A configuration image kept as a file of its 6144 bytes (a backup's .bin, what `encode` writes).

#include <filesystem>
#include <optional>

#include "image/ConfigImage.h"

namespace korvex {

// nullopt when the file cannot be read or does not hold exactly 6144 bytes.
std::optional<ConfigImage> readImageBytes(const std::filesystem::path& path);

}  // namespace korvex
