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

// CALL-YYYYMMDDTHHMMZ, with -N when that minute already has a backup.
const std::regex kBackupName(R"(([A-Za-z0-9_]+)-(\d{8}T\d{4}Z)(?:-(\d+))?\.(cfg|bin))");

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
    const fs::path stem = freeStem(folder, fileNamePart(decoded ? settings.text("Callsign") : "") +
                                               "-" + minuteStamp(clock.utcNow()));
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

void pruneBackups(const fs::path& folder, size_t keep) {
    // Stem -> its order key (minute, then number) and its files.
    struct Backup {
        std::string order;
        std::vector<fs::path> files;
    };
    std::map<std::string, Backup> backups;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        std::smatch match;
        if (!entry.is_regular_file(error) || !std::regex_match(name, match, kBackupName)) {
            continue;
        }
        // The number padded, so that "-10" sorts after "-9" as text.
        std::string number = match[3].matched ? match[3].str() : "1";
        number.insert(0, number.size() < 20 ? 20 - number.size() : 0, '0');
        const std::string stem = name.substr(0, name.size() - 4);
        auto& backup = backups[stem];
        backup.order = match[2].str() + number + stem;
        backup.files.push_back(entry.path());
    }
    std::vector<const Backup*> newestFirst;
    for (const auto& [stem, backup] : backups) {
        newestFirst.push_back(&backup);
    }
    std::sort(newestFirst.begin(), newestFirst.end(),
              [](const Backup* a, const Backup* b) { return a->order > b->order; });
    for (size_t i = keep; i < newestFirst.size(); ++i) {
        for (const auto& file : newestFirst[i]->files) {
            fs::remove(file, error);
        }
    }
}

}  // namespace korvex
