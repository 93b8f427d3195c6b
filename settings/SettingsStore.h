#pragma once
// The plain in-memory Settings: one value per catalogue entry, blank until something sets it.
// Asking for a name outside the catalogue, or for the wrong kind, throws std::logic_error.

#include <string>
#include <string_view>
#include <vector>

#include "settings/Settings.h"

namespace korvex {

class SettingsStore final : public Settings {
  public:
    SettingsStore();

    std::string text(std::string_view name) const override;
    void setText(std::string_view name, std::string_view value) override;
    int index(std::string_view name) const override;
    void setIndex(std::string_view name, int index) override;
    bool checked(std::string_view name) const override;
    void setChecked(std::string_view name, bool value) override;

    // Whether the five clock fields are enabled (they are exactly when Uploadpctime is unticked).
    bool clockFieldsEnabled() const { return clockFieldsEnabled_; }

    bool operator==(const SettingsStore& other) const { return values_ == other.values_; }

  private:
    struct Value {
        std::string text;
        int index = -1;
        bool checked = false;
        // From the catalogue entry, kept here so that one lookup serves each access.
        int kind = 0;
        int choiceCount = 0;
        bool operator==(const Value&) const = default;
    };
    Value& slot(std::string_view name, int kind);
    const Value& slot(std::string_view name, int kind) const;

    // One value per catalogue entry, in the catalogue's order.
    std::vector<Value> values_;
    bool clockFieldsEnabled_ = true;
};

}  // namespace korvex
