#include "settings/StartupState.h"

#include <algorithm>
#include <string>

#include "settings/Catalogue.h"
#include "settings/Presets.h"

namespace korvex {

void CopyPcTime(Settings& settings, const Clock& clock) {
    const UtcDateTime now = clock.utcNow();
    settings.setText("Rtcyear", std::to_string(now.year));
    settings.setText("Rtcmonth", std::to_string(now.month));
    settings.setText("Rtcday", std::to_string(now.day));
    settings.setText("Rtchour", std::to_string(now.hour));
    settings.setText("Rtcmin", std::to_string(now.minute));
}

namespace {

bool isTelemetrySource(const SettingDef& def) {
    return def.choices.data() == analogSourceEntries().data() ||
           def.choices.data() == digitalSourceEntries().data();
}

void selectStartChoices(Settings& settings, std::span<const SettingDef> defs, bool sources) {
    for (const SettingDef& def : defs) {
        if (def.kind == SettingKind::Choice && isTelemetrySource(def) == sources) {
            settings.setIndex(def.name, def.startIndex);
        }
    }
}

}  // namespace

void applyStartupState(Settings& settings, const Clock& clock) {
    const std::span<const SettingDef> all = catalogue();
    for (const SettingDef& def : all) {
        if (def.kind == SettingKind::Edit) {
            settings.setText(def.name, def.startText);
        } else if (def.kind == SettingKind::Check) {
            settings.setChecked(def.name, def.startChecked);
        }
    }
    CopyPcTime(settings, clock);

    // The main window selects the lists of the tabs before "Weather" first, then the telemetry
    // sources, whose presets fill the channels; the remaining lists come after the presets and
    // the filter dialog's lists last, when that dialog is created. (The remaining lists include
    // the digital channels' inverted lists, which their presets have already set to that entry.)
    const auto main = std::ranges::partition_point(
        all, [](const SettingDef& def) { return def.window == SettingWindow::Main; });
    const std::span<const SettingDef> mainWindow(all.begin(), main);
    const std::span<const SettingDef> filterDialog(main, all.end());
    const auto later = std::ranges::find(mainWindow, std::string_view("Weather"), &SettingDef::tab);
    const std::span<const SettingDef> early(mainWindow.begin(), later);
    const std::span<const SettingDef> rest(later, mainWindow.end());

    selectStartChoices(settings, early, false);
    selectStartChoices(settings, mainWindow, true);
    for (int channel = 1; channel <= kAnalogChannels; ++channel) {
        applyAnalogPreset(settings, channel);
    }
    for (int channel = 1; channel <= kDigitalChannels; ++channel) {
        applyDigitalPreset(settings, channel);
    }
    selectStartChoices(settings, rest, false);
    selectStartChoices(settings, filterDialog, false);
}

SettingsStore startupSettings(const Clock& clock) {
    SettingsStore settings;
    applyStartupState(settings, clock);
    return settings;
}

}  // namespace korvex
