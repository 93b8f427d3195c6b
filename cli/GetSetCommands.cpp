// korvex-cli get FILE.cfg NAME... and set FILE.cfg NAME=VALUE...: one setting at a time from a
// script. `set` runs the checks of "Write config" on the result and saves as "Save to file" does.

#include <filesystem>
#include <iostream>
#include <utility>
#include <vector>

#include "cli/Commands.h"
#include "cli/CommonSteps.h"
#include "cli/ImageSteps.h"
#include "cli/SettingNames.h"
#include "cli/SettingValue.h"
#include "cli/TerminalFeedback.h"
#include "files/ConfigFile.h"
#include "settings/Latin1.h"
#include "settings/SettingsDiff.h"
#include "settings/StartupState.h"
#include "sources/SettingsSource.h"

namespace korvex::cli {

int runGet(const Arguments& arguments) {
    arguments.expectAtLeast(2);
    std::vector<const SettingDef*> wanted;
    for (size_t i = 1; i < arguments.positional.size(); ++i) {
        wanted.push_back(&settingNamed(arguments.positional[i]));
    }
    // stdout holds the values alone.
    TerminalFeedback feedback(std::cerr, std::cerr, stderrIsTerminal());
    SettingsStore settings;
    const SettingsSource file{SourceKind::ConfigFile, arguments.positional[0]};
    if (!loadSettingsSource(file, settings, feedback, SystemClock(), nullptr)) {
        return 1;
    }
    for (const SettingDef* def : wanted) {
        std::cout << latin1ToUtf8(displayValue(settings, *def)) << "\n";
    }
    return 0;
}

int runSet(const Arguments& arguments) {
    arguments.expectAtLeast(2);
    std::vector<std::pair<const SettingDef*, std::string>> changes;
    for (size_t i = 1; i < arguments.positional.size(); ++i) {
        const std::string& assignment = arguments.positional[i];
        const auto equals = assignment.find('=');
        if (equals == std::string::npos) {
            throw UsageError("expected NAME=VALUE, not " + assignment);
        }
        changes.emplace_back(&settingNamed(assignment.substr(0, equals)),
                             assignment.substr(equals + 1));
    }
    const std::filesystem::path path = arguments.positional[0];
    TerminalFeedback feedback;
    SystemClock clock;
    SettingsStore settings;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        const SettingsSource file{SourceKind::ConfigFile, path};
        if (!loadSettingsSource(file, settings, feedback, clock, nullptr)) {
            return 1;
        }
    } else {
        applyStartupState(settings, clock);
    }
    try {
        for (const auto& [def, value] : changes) {
            if (isClockField(def->name)) {
                // A configuration file does not carry the clock fields: the change would be lost.
                throw ValueRefused(std::string(def->name) +
                                   " is a clock field, which a "
                                   "configuration file does not keep");
            }
            setValue(settings, *def, value);
        }
    } catch (const ValueRefused& refused) {
        feedback.error(refused.what());
        return 1;
    }
    // The checks run on a copy: the clock copied in by a write belongs to no file.
    SettingsStore checked = settings;
    ConfigImage image;
    if (!encodeForWrite(image, checked, feedback, clock)) {
        return 1;
    }
    return saveConfigFile(settings, path, feedback) ? 0 : 1;
}

}  // namespace korvex::cli
