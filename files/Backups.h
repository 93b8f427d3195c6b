#pragma once
// The device's image kept before every write: SP5AB-20261208T2130Z.cfg (the decoded settings, as
// "Save to file" writes them) and .bin (the raw 6144 bytes) in the per-user backups folder, of
// which the newest 50 are kept.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>

#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"

namespace korvex {

inline constexpr size_t kBackupsKept = 50;

// Looks up one environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// $XDG_DATA_HOME/korvex-mini/backups (or ~/.local/share/...), on Windows
// %APPDATA%\korvex-mini\backups; empty when the environment names no such place.
std::filesystem::path backupsFolder(const EnvironmentLookup& environment);
std::filesystem::path defaultBackupsFolder();

// Keeps `image` in `folder` under the callsign it holds and the clock's UTC minute, then removes
// all but the newest kBackupsKept backups. An image with a bad checksum or another version is kept
// as .bin only, with a line saying why. The folder, when made here, and both files are the
// owner's alone (0700 and 0600); a folder open to others is used as it is, with a line saying so.
// Logs "Backup saved: PATH" and returns PATH; nullopt (with a line naming the folder) when the
// folder cannot be written.
std::optional<std::filesystem::path> saveBackup(const ConfigImage& image,
                                                const std::filesystem::path& folder,
                                                const Clock& clock, Feedback& feedback);

// Removes the oldest backups (both files) until `keep` remain; other files are left alone.
void pruneBackups(const std::filesystem::path& folder, size_t keep);

}  // namespace korvex
