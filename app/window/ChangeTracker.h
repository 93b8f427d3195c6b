#pragma once
// Whether the settings changed since they were last read, loaded, saved or written: a copy of
// every setting that a configuration file keeps (all but the clock fields, which the clock
// rewrites) is taken at those moments and compared with the settings when asked.

#include <string>
#include <vector>

#include "settings/Settings.h"

namespace korvex::app {

class ChangeTracker {
  public:
    explicit ChangeTracker(const Settings& settings) : settings_(settings) { markUnchanged(); }

    // The settings as they now stand are the ones last read, loaded, saved or written.
    void markUnchanged();
    bool changed() const;

  private:
    std::vector<std::string> values() const;

    const Settings& settings_;
    std::vector<std::string> unchanged_;
};

}  // namespace korvex::app
