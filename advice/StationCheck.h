#pragma once
// The whole station check as both faces run it: first the checks of "Write config" (the encoder's,
// unchanged), then, only when they pass, the advice.

#include <string>
#include <vector>

#include "advice/Advice.h"
#include "settings/Clock.h"
#include "settings/Settings.h"

namespace korvex {

struct StationCheck {
    bool passed = false;         // every check of "Write config" passed
    std::string refusal;         // otherwise the first failing check's message
    std::string refusedSetting;  // and its setting, where it has one
    std::vector<Advice> advice;  // empty unless passed
};

// Runs the encoder on a copy of the settings (the clock fields copied from `clock` first when
// Uploadpctime is ticked, as a write does), so nothing in `settings` changes.
StationCheck checkStation(const Settings& settings, const Clock& clock);

}  // namespace korvex
