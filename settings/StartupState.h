#pragma once
// The state of the settings when the configurator starts, and the copy of the computer's clock
// into the five date and time settings.

#include "settings/Clock.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace korvex {

// Sets Rtcyear, Rtcmonth, Rtcday, Rtchour and Rtcmin from the clock's UTC time, as plain
// decimal numbers without leading zeros.
void CopyPcTime(Settings& settings, const Clock& clock);

// Fills every setting as the main window's construction does, in its order: initial texts and
// check states, CopyPcTime, initial choices, initial telemetry sources, the "Default parameters"
// preset of every channel, the remaining initial choices.
void applyStartupState(Settings& settings, const Clock& clock);

// A store holding the start-up state at the clock's time.
SettingsStore startupSettings(const Clock& clock);

}  // namespace korvex
