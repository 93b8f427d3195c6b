#pragma once
// Settings loaded from a SOURCE named on the command line: a .cfg file, a .bin image or the word
// "device" (the device chosen by the device options, opened only when a source names it).

#include <memory>
#include <optional>
#include <string>

#include "advice/StationCheck.h"
#include "cli/Arguments.h"
#include "cli/DeviceChoice.h"
#include "settings/Feedback.h"
#include "settings/SettingsStore.h"

namespace korvex::cli {

class SourceLoader {
  public:
    explicit SourceLoader(const Arguments& arguments) : arguments_(arguments) {}

    // False when the source cannot be read (its reason already shown through feedback).
    bool load(const std::string& word, SettingsStore& settings, Feedback& feedback);

  private:
    const Arguments& arguments_;
    std::unique_ptr<DeviceChoice> device_;
};

// The settings of the command's one SOURCE and the station check on them, the device's log lines
// on stderr; nullopt (the reason on stderr) when the source cannot be read or fails the checks of
// "Write config".
std::optional<StationCheck> loadCheckedStation(const Arguments& arguments, SettingsStore& settings);

}  // namespace korvex::cli
