#pragma once
// Settings loaded from a SOURCE named on the command line: a .cfg file, a .bin image or the word
// "device" (the device chosen by the device options, opened only when a source names it).

#include <memory>
#include <string>

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

}  // namespace korvex::cli
