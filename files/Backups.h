#pragma once
// The device's image kept before every write: SP5AB-3-20261208T2130Z.cfg (the decoded settings,
// as "Save to file" writes them) and .bin (the raw 6144 bytes) in the per-user backups folder, of
// which the newest 50 are kept. The station's SSID is in the name unless it is 0; names from
// before it was (SP5AB-20261208T2130Z) are read alike.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// One backup in the folder, as listed for restoring.
struct BackupEntry {
    // "SP5AB-3" (an SSID of 0 left out) as its image names it, else as its file name does.
    std::string station;
    UtcDateTime time;                  // the minute in its name, UTC
    std::filesystem::path image;       // the .bin; empty when it is missing
    std::filesystem::path settings;    // the .cfg; empty when it is missing
    std::optional<ConfigImage> bytes;  // the image, when the .bin holds exactly 6144 bytes
    // Why it cannot be restored ("its image is missing", ...); empty when it can.
    std::string problem;
    // The file to name: the .bin when there is one.
    const std::filesystem::path& file() const { return image.empty() ? settings : image; }
};

// The backups in `folder`, newest first; files not named as backups are left out, and a folder
// that cannot be read lists nothing.
std::vector<BackupEntry> listBackups(const std::filesystem::path& folder);

// The newest backup of `station` (case is ignored) that can be restored; nullptr when none.
const BackupEntry* newestRestorable(const std::vector<BackupEntry>& backups,
                                    std::string_view station);

// The entry that `file` (its .bin or .cfg, or a path without either) names; nullopt when the
// file is not named as a backup.
std::optional<BackupEntry> backupAt(const std::filesystem::path& file);

// The station an image names ("SP5AB-3"), whatever its checksum; nullopt for an image of another
// configuration version.
std::optional<std::string> stationIn(const ConfigImage& image);

// "SP5AB-3", or "SP5AB" for SSID 0, from the call field's text and the SSID setting's.
std::string stationName(std::string_view callsign, std::string_view ssid);

// "2026-12-09 18:37 UTC".
std::string utcMinuteText(const UtcDateTime& time);

}  // namespace korvex
