#include "files/ConfigFile.h"

#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "files/ConfigKeys.h"
#include "files/ProfileFile.h"
#include "settings/IntegerRule.h"
#include "settings/ProgramFolders.h"
#include "settings/Version.h"

namespace korvex {

namespace {

constexpr std::string_view kProposedName = "korvexmini.cfg";
constexpr std::string_view kNotAConfigFile =
    "Imported configuration file is not a Korvex Mini configuration file. \nOperation aborted.";
constexpr std::string_view kOtherVersion =
    "Imported configuration file version is different than your current application version. "
    "\nPlease double-check configuration fields after import. \nSome configuration fields my "
    "change between firmware versions.";

// The value a key is saved with; a number setting that is no number throws NotAnInteger.
std::string savedValue(const Settings& settings, const ConfigKey& key) {
    switch (key.form) {
        case ValueForm::Text:
            return settings.text(key.setting);
        case ValueForm::Number:
            return std::to_string(convertInteger(settings.text(key.setting), key.setting));
        case ValueForm::Choice:
            return std::to_string(settings.index(key.setting));
        case ValueForm::Flag:
            return settings.checked(key.setting) ? "1" : "0";
    }
    return {};
}

// Sets the key's setting from its value in the file, or from its default.
void loadValue(Settings& settings, const ConfigKey& key, const std::optional<std::string>& value) {
    if (key.form == ValueForm::Text) {
        settings.setText(key.setting, value ? *value : key.defaultText);
        return;
    }
    const int number = value ? parseInteger(*value).value_or(key.defaultNumber) : key.defaultNumber;
    switch (key.form) {
        case ValueForm::Number:
            settings.setText(key.setting, std::to_string(number));
            break;
        case ValueForm::Choice:
            settings.setIndex(key.setting, number);
            break;
        case ValueForm::Flag:
            settings.setChecked(key.setting, number != 0);
            break;
        case ValueForm::Text:
            break;
    }
}

const HeaderKey& headerKey(std::string_view name) {
    for (const HeaderKey& header : headerKeys()) {
        if (header.key == name) {
            return header;
        }
    }
    throw std::logic_error("no header key " + std::string(name));
}

// Whether the file's header key holds what this program writes there.
bool headerMatches(const ProfileFile& profile, std::string_view name) {
    const HeaderKey& header = headerKey(name);
    return profile.value(kHeaderSection, header.key, header.loadDefault) == header.written;
}

}  // namespace

bool SaveToFile(const Settings& settings, Feedback& feedback, FileChooser& chooser,
                const std::filesystem::path& programFolder) {
    const auto path = chooser.saveFile(kConfigFilter, configFolder(programFolder), kProposedName);
    if (!path) {
        return false;
    }
    return saveConfigFile(settings, *path, feedback);
}

bool ReadFromFile(Settings& settings, Feedback& feedback, FileChooser& chooser,
                  const std::filesystem::path& programFolder) {
    const auto path = chooser.openFile(kConfigFilter, configFolder(programFolder));
    if (!path) {
        return false;
    }
    return loadConfigFile(settings, *path, feedback);
}

bool saveConfigFile(const Settings& settings, const std::filesystem::path& path, Feedback& feedback,
                    FileAccess access) {
    // Every value first, so that a number setting that is no number stops the save before
    // anything is written.
    std::vector<std::string> values;
    values.reserve(configKeys().size());
    for (const ConfigKey& key : configKeys()) {
        values.push_back(savedValue(settings, key));
    }

    // An existing file is updated, keeping what else it holds; one that cannot be read is not
    // overwritten.
    std::error_code error;
    std::optional<ProfileFile> profile;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        profile = ProfileFile::load(path);
    } else {
        profile.emplace();
    }
    if (profile) {
        for (const HeaderKey& header : headerKeys()) {
            profile->setValue(kHeaderSection, header.key, header.written);
        }
        for (size_t i = 0; i < values.size(); ++i) {
            profile->setValue(configKeys()[i].section, configKeys()[i].key, values[i]);
        }
    }
    if (!profile || !profile->save(path, access)) {
        feedback.error("Unable to write to " + path.string());
        return false;
    }
    return true;
}

bool loadConfigFile(Settings& settings, const std::filesystem::path& path, Feedback& feedback) {
    return loadConfigProfile(settings, ProfileFile::load(path).value_or(ProfileFile()), feedback);
}

bool loadConfigProfile(Settings& settings, const ProfileFile& profile, Feedback& feedback) {
    if (!headerMatches(profile, "Application")) {
        feedback.information(kNotAConfigFile);
        return false;
    }
    if (!headerMatches(profile, "Version")) {
        feedback.information(kOtherVersion);
    }
    for (const ConfigKey& key : configKeys()) {
        loadValue(settings, key, profile.value(key.section, key.key));
    }
    return true;
}

}  // namespace korvex
