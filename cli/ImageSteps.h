#pragma once
// Steps that the image commands of korvex-cli share.

#include <filesystem>
#include <optional>

#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/Settings.h"

namespace korvex::cli {

// What "Write config" does before it talks to the device: the clock fields from `clock` when
// Uploadpctime is ticked, then EncodeConfigImage. Returns its result.
bool encodeForWrite(ConfigImage& image, Settings& settings, Feedback& feedback, const Clock& clock);

// The whole image written to `path` at once (through a temporary file); false when it cannot be.
bool writeImageFile(const ConfigImage& image, const std::filesystem::path& path);

}  // namespace korvex::cli
