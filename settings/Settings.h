#pragma once
// The settings seam: every setting is read and written by its name. The GUI implements it over
// its named controls; SettingsStore keeps the values in memory.

#include <string>
#include <string_view>

namespace korvex {

class Settings {
  public:
    virtual ~Settings() = default;

    // Edit fields.
    virtual std::string text(std::string_view name) const = 0;
    virtual void setText(std::string_view name, std::string_view value) = 0;

    // Drop-down lists: zero-based index, -1 when nothing is selected. Setting an index outside
    // the list leaves nothing selected.
    virtual int index(std::string_view name) const = 0;
    virtual void setIndex(std::string_view name, int index) = 0;

    // Check boxes. Setting Uploadpctime or Ntp_enable runs the clock fields' enabling rule.
    virtual bool checked(std::string_view name) const = 0;
    virtual void setChecked(std::string_view name, bool value) = 0;
};

}  // namespace korvex
