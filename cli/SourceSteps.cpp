#include "cli/SourceSteps.h"

#include <iostream>

#include "cli/TerminalFeedback.h"
#include "sources/SettingsSource.h"

namespace korvex::cli {

bool SourceLoader::load(const std::string& word, SettingsStore& settings, Feedback& feedback) {
    const SettingsSource source = settingsSourceNamed(word);
    if (source.kind == SourceKind::Device && !device_) {
        device_ = std::make_unique<DeviceChoice>(arguments_);
    }
    // The device is only read: what a simulated one holds is not stored back.
    DeviceLink* link = source.kind == SourceKind::Device ? &device_->link() : nullptr;
    return loadSettingsSource(source, settings, feedback, SystemClock(), link);
}

std::optional<StationCheck> loadCheckedStation(const Arguments& arguments,
                                               SettingsStore& settings) {
    arguments.expectPositional(1);
    // stdout holds the command's own lines alone: the device's log lines go to stderr.
    TerminalFeedback feedback(std::cerr, std::cerr, stderrIsTerminal());
    SourceLoader loader(arguments);
    if (!loader.load(arguments.positional[0], settings, feedback)) {
        return std::nullopt;
    }
    StationCheck check = checkStation(settings, SystemClock());
    if (!check.passed) {
        std::cerr << check.refusal << "\n";
        return std::nullopt;
    }
    return check;
}

}  // namespace korvex::cli
