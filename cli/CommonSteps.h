#pragma once
// Steps that several korvex-cli commands share: settings loaded from a configuration file onto
// the start-up state, the --time option, and the folder of the program.

#include <filesystem>
#include <optional>

#include "cli/Arguments.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/SettingsStore.h"

namespace korvex::cli {

// The start-up state (clock fields from `clock`), then FILE loaded as "Read from file" loads it.
// Returns false when the file is refused (its message already shown).
bool loadOntoStartupState(SettingsStore& settings, const std::filesystem::path& file,
                          Feedback& feedback, const Clock& clock);

// The value of --time YYYY-MM-DDTHH:MM, if given; a malformed value throws UsageError.
std::optional<UtcDateTime> timeOption(const Arguments& arguments);

// What a write does with the clock fields: with --time they take that time and Uploadpctime is
// unticked; without it they are left for the action, which copies the clock when it is ticked.
void applyTimeOption(SettingsStore& settings, const std::optional<UtcDateTime>& time);

// The folder that holds the running program (its config/, firmware/ and remote/ folders).
std::filesystem::path programFolder();

}  // namespace korvex::cli
