#pragma once
// Remote update files (.ruf): the enciphered configuration image and a firmware image with a
// CRC over both.

#include <filesystem>

#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/FileChooser.h"
#include "settings/Settings.h"

namespace korvex {

// "Build remote update file": CopyPcTime when Uploadpctime is ticked, EncodeConfigImage into
// `outgoing`, the firmware and destination dialogs, then the file. Returns true when written.
bool BuildRemoteUpdateFile(ConfigImage& outgoing, Settings& settings, Feedback& feedback,
                           FileChooser& chooser, const Clock& clock,
                           const std::filesystem::path& programFolder);

}  // namespace korvex
