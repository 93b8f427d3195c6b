#include "files/Backups.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>

#include "files/AtomicFile.h"
#include "files/ConfigFile.h"
#include "files/ImageFile.h"
#include "image/Codec.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"
#include "settings/Version.h"

namespace korvex {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramFolder = "korvex-mini";
constexpr size_t kVersionOffset = 6;
constexpr size_t kVersionWidth = 8;

// CALL[-SSID]-YYYYMMDDTHHMMZ, with -N when that minute already has a backup.
const std::regex kBackupName(
    R"(([A-Za-z0-9_]+(?:-\d{1,2})?)-((\d{4})(\d{2})(\d{2})T(\d{2})(\d{2})Z)(?:-(\d+))?\.(cfg|bin))");
constexpr int kStationPart = 1;
constexpr int kMinutePart = 2;
constexpr int kNumberPart = 8;
constexpr int kExtensionPart = 9;

// The callsign as a file name part: without the call field's padding, letters and digits only,
// so that no image can name a path.
std::string fileNamePart(std::string callsign) {
    while (!callsign.empty() && callsign.back() == ' ') {
        callsign.pop_back();
    }
    std::string part;
    for (const char c : callsign) {
        part += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return part.empty() ? "unknown" : part;
}

std::string minuteStamp(const UtcDateTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02dZ", time.year, time.month, time.day,
                  time.hour, time.minute);
    return text;
}

std::string versionIn(const ConfigImage& image) {
    std::string version;
    for (size_t i = 0; i < kVersionWidth && image.bytes[kVersionOffset + i] != 0; ++i) {
        const char c = static_cast<char>(image.bytes[kVersionOffset + i]);
        version += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
    }
    return version;
}

// A stem whose .cfg and .bin are both free, so that no earlier backup is ever replaced.
fs::path freeStem(const fs::path& folder, const std::string& base) {
    std::error_code error;
    for (int attempt = 1;; ++attempt) {
        const fs::path stem = folder / (attempt == 1 ? base : base + "-" + std::to_string(attempt));
        if (!fs::exists(fs::path(stem).concat(".cfg"), error) &&
            !fs::exists(fs::path(stem).concat(".bin"), error)) {
            return stem;
        }
    }
}

void logFolderError(const fs::path& folder, Feedback& feedback) {
    feedback.log("Backup folder cannot be written: " + folder.string() +
                 ". Nothing was written to the device.");
}

// The backups hold the station's passwords and passcode: a folder made here is the owner's alone
// (on Windows the user's application data folder already is). One that exists is left as it is.
bool prepareFolder(const fs::path& folder, [[maybe_unused]] Feedback& feedback) {
    std::error_code error;
    if (folder.empty()) {
        return false;
    }
    if (fs::is_directory(folder, error)) {
#ifndef _WIN32
        constexpr auto others = fs::perms::group_all | fs::perms::others_all;
        if ((fs::status(folder, error).permissions() & others) != fs::perms::none) {
            feedback.log("Backup folder is open to other users of this computer: " +
                         folder.string() + " (its permissions are left as they are).");
        }
#endif
        return true;
    }
    fs::create_directories(folder.parent_path(), error);
    if (fs::create_directory(folder, error)) {
        fs::permissions(folder, fs::perms::owner_all, error);
    }
    return !error && fs::is_directory(folder, error);
}

}  // namespace

fs::path backupsFolder(const EnvironmentLookup& environment) {
    const auto absolute = [&](const char* name) -> fs::path {
        const char* value = environment(name);
        return value && fs::path(value).is_absolute() ? fs::path(value) : fs::path();
    };
#ifdef _WIN32
    const fs::path base = absolute("APPDATA");
#else
    fs::path base = absolute("XDG_DATA_HOME");
    if (base.empty() && !absolute("HOME").empty()) {
        base = absolute("HOME") / ".local" / "share";
    }
#endif
    return base.empty() ? fs::path() : base / kProgramFolder / "backups";
}

fs::path defaultBackupsFolder() {
    return backupsFolder([](const char* name) { return std::getenv(name); });
}

std::optional<fs::path> saveBackup(const ConfigImage& image, const fs::path& folder,
                                   const Clock& clock, Feedback& feedback) {
    if (!prepareFolder(folder, feedback)) {
        logFolderError(folder, feedback);
        return std::nullopt;
    }
    ConfigImage copy = image;
    SettingsStore settings = startupSettings(clock);
    SilentFeedback quiet;
    const bool decoded = DecodeConfigImage(copy, settings, quiet);
    const bool complete = decoded && image.checksumMatches();
    const std::string ssid = decoded ? settings.text("Ssid") : "0";
    const fs::path stem =
        freeStem(folder, fileNamePart(decoded ? settings.text("Callsign") : "") +
                             (ssid == "0" || ssid.empty() ? "" : "-" + fileNamePart(ssid)) + "-" +
                             minuteStamp(clock.utcNow()));
    const fs::path bin = fs::path(stem).concat(".bin");
    const fs::path cfg = fs::path(stem).concat(".cfg");
    const std::string_view bytes(reinterpret_cast<const char*>(image.bytes.data()), kImageSize);
    if (!writeFileAtomically(bin, bytes, FileAccess::OwnerOnly) ||
        (complete && !saveConfigFile(settings, cfg, quiet, FileAccess::OwnerOnly))) {
        logFolderError(folder, feedback);
        return std::nullopt;
    }
    const fs::path saved = complete ? cfg : bin;
    feedback.log("Backup saved: " + saved.string());
    if (!decoded) {
        feedback.log("Backup kept as .bin only: the device's image is of version \"" +
                     versionIn(image) + "\", not " + std::string(kVersionText) + ".");
    } else if (!complete) {
        feedback.log("Backup kept as .bin only: the device's image has a bad checksum.");
    }
    pruneBackups(folder, kBackupsKept);
    return saved;
}

namespace {

// The backups in a folder by stem (the name without ".cfg" or ".bin"), each with its order key
// (minute, then number) and its files; other files are left out.
struct BackupFiles {
    std::string order;
    std::vector<fs::path> files;
};

std::map<std::string, BackupFiles> backupsIn(const fs::path& folder) {
    std::map<std::string, BackupFiles> backups;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        std::smatch match;
        if (!entry.is_regular_file(error) || !std::regex_match(name, match, kBackupName)) {
            continue;
        }
        // The number padded, so that "-10" sorts after "-9" as text.
        std::string number = match[kNumberPart].matched ? match[kNumberPart].str() : "1";
        number.insert(0, number.size() < 20 ? 20 - number.size() : 0, '0');
        auto& backup = backups[name.substr(0, name.size() - 4)];
        backup.order = match[kMinutePart].str() + number;
        backup.files.push_back(entry.path());
    }
    return backups;
}

}  // namespace

void pruneBackups(const fs::path& folder, size_t keep) {
    std::vector<std::pair<std::string, const BackupFiles*>> newestFirst;
    const auto backups = backupsIn(folder);
    for (const auto& [stem, backup] : backups) {
        newestFirst.emplace_back(backup.order + stem, &backup);
    }
    std::sort(newestFirst.begin(), newestFirst.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::error_code error;
    for (size_t i = keep; i < newestFirst.size(); ++i) {
        for (const auto& file : newestFirst[i].second->files) {
            fs::remove(file, error);
        }
    }
}

std::string stationName(std::string_view callsign, std::string_view ssid) {
    while (!callsign.empty() && callsign.back() == ' ') {
        callsign.remove_suffix(1);
    }
    return std::string(callsign) + (ssid.empty() || ssid == "0" ? "" : "-" + std::string(ssid));
}

std::string utcMinuteText(const UtcDateTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d UTC", time.year, time.month,
                  time.day, time.hour, time.minute);
    return text;
}

std::optional<std::string> stationIn(const ConfigImage& image) {
    ConfigImage copy = image;
    SettingsStore settings = startupSettings(FixedClock(UtcDateTime{}));
    SilentFeedback quiet;
    if (!DecodeConfigImage(copy, settings, quiet)) {
        return std::nullopt;
    }
    return stationName(settings.text("Callsign"), settings.text("Ssid"));
}

namespace {

// What a backup's image says of itself: its station, or why it cannot be restored.
void examine(BackupEntry& entry) {
    if (entry.image.empty()) {
        entry.problem = "its image (.bin) is missing";
        return;
    }
    const auto bytes = readImageBytes(entry.image);
    if (!bytes) {
        entry.problem = "its image is not " + std::to_string(kImageSize) + " bytes long";
        return;
    }
    entry.bytes = *bytes;
    const auto station = stationIn(*bytes);
    if (!station) {
        entry.problem = "its image is of version \"" + versionIn(*bytes) + "\", not " +
                        std::string(kVersionText);
        return;
    }
    entry.station = *station;
    if (!bytes->checksumMatches()) {
        entry.problem = "its image has a bad checksum (a damaged or partly written configuration)";
    }
}

}  // namespace

std::optional<BackupEntry> backupAt(const fs::path& file) {
    const fs::path folder = file.parent_path();
    std::string stem = file.filename().string();
    if (file.extension() == ".bin" || file.extension() == ".cfg") {
        stem = file.stem().string();
    }
    std::smatch match;
    const std::string binName = stem + ".bin";
    if (!std::regex_match(binName, match, kBackupName)) {
        return std::nullopt;
    }
    BackupEntry entry;
    entry.station = match[kStationPart].str();
    const auto number = [&](int part) { return std::stoi(match[part].str()); };
    entry.time = UtcDateTime{number(3), number(4), number(5), number(6), number(7), 0};
    std::error_code error;
    const fs::path bin = folder / (stem + ".bin");
    const fs::path cfg = folder / (stem + ".cfg");
    if (fs::is_regular_file(bin, error)) {
        entry.image = bin;
    }
    if (fs::is_regular_file(cfg, error)) {
        entry.settings = cfg;
    }
    if (entry.image.empty() && entry.settings.empty()) {
        return std::nullopt;
    }
    examine(entry);
    return entry;
}

std::vector<BackupEntry> listBackups(const fs::path& folder) {
    std::map<std::string, std::string> stems;  // stem -> its order key
    for (const auto& [stem, backup] : backupsIn(folder)) {
        stems[stem] = backup.order;
    }
    std::vector<std::pair<std::string, std::string>> ordered(stems.begin(), stems.end());
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    std::vector<BackupEntry> backups;
    for (const auto& [stem, order] : ordered) {
        if (auto entry = backupAt(folder / stem)) {
            backups.push_back(std::move(*entry));
        }
    }
    return backups;
}

const BackupEntry* newestRestorable(const std::vector<BackupEntry>& backups,
                                    std::string_view station) {
    const auto same = [&](const std::string& name) {
        return std::equal(name.begin(), name.end(), station.begin(), station.end(),
                          [](char a, char b) {
                              return std::toupper(static_cast<unsigned char>(a)) ==
                                     std::toupper(static_cast<unsigned char>(b));
                          });
    };
    for (const auto& entry : backups) {
        if (entry.problem.empty() && same(entry.station)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace korvex
