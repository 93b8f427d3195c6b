#include "cli/CommonSteps.h"

#include <string>

#include "files/ConfigFile.h"
#include "settings/StartupState.h"

namespace korvex::cli {

bool loadOntoStartupState(SettingsStore& settings, const std::filesystem::path& file,
                          Feedback& feedback, const Clock& clock) {
    applyStartupState(settings, clock);
    return loadConfigFile(settings, file, feedback);
}

std::optional<UtcDateTime> timeOption(const Arguments& arguments) {
    const auto value = arguments.option("time");
    if (!value) {
        return std::nullopt;
    }
    const auto time = parseMinuteTime(*value);
    if (!time) {
        throw UsageError("--time takes YYYY-MM-DDTHH:MM, not " + *value);
    }
    return time;
}

void applyTimeOption(SettingsStore& settings, const std::optional<UtcDateTime>& time) {
    if (!time) {
        return;
    }
    settings.setChecked("Uploadpctime", false);
    CopyPcTime(settings, FixedClock(*time));
}

std::filesystem::path programFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace korvex::cli
