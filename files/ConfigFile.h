#pragma once
// Configuration files (.cfg): every setting but the clock fields, key by key, in an INI file.

#include <filesystem>
#include <string_view>

#include "files/AtomicFile.h"
#include "settings/Feedback.h"
#include "settings/FileChooser.h"
#include "settings/Settings.h"

namespace korvex {

// The file dialogs' filter for configuration files.
inline constexpr std::string_view kConfigFilter = "KorvexMini config files (*.cfg)|*.cfg";

class ProfileFile;

// "Save to file": the save dialog (config/ beside the program, proposing korvexmini.cfg), then
// saveConfigFile. Returns false when cancelled or failed.
bool SaveToFile(const Settings& settings, Feedback& feedback, FileChooser& chooser,
                const std::filesystem::path& programFolder);
// "Read from file": the open dialog, then loadConfigFile. Returns false when cancelled or refused.
bool ReadFromFile(Settings& settings, Feedback& feedback, FileChooser& chooser,
                  const std::filesystem::path& programFolder);

// Writes the header and every key into `path` (an existing file is updated in place, keeping
// what it holds besides). Checks every number setting first (NotAnInteger, nothing written),
// then writes the whole file through a temporary file. "Unable to write to %s" on failure.
bool saveConfigFile(const Settings& settings, const std::filesystem::path& path, Feedback& feedback,
                    FileAccess access = FileAccess::AsBefore);
// Checks the header (refusal message, version notice) and sets every setting from its key or
// its load default.
bool loadConfigFile(Settings& settings, const std::filesystem::path& path, Feedback& feedback);
// The same on a document already in memory.
bool loadConfigProfile(Settings& settings, const ProfileFile& profile, Feedback& feedback);

}  // namespace korvex
