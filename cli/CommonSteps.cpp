#include "cli/CommonSteps.h"

#include <cstdio>
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
    UtcDateTime time;
    char tail = 0;
    const int fields = std::sscanf(value->c_str(), "%4d-%2d-%2dT%2d:%2d%c", &time.year, &time.month,
                                   &time.day, &time.hour, &time.minute, &tail);
    if (fields != 5 || value->size() != 16 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > 31 || time.hour > 23 || time.minute > 59 || time.hour < 0 || time.minute < 0) {
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
