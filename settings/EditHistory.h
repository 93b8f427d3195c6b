#pragma once
// Undo and redo over the settings. The history keeps the settings as they stood after the last
// step; each step keeps them as they stood before it. A person's typing in one field makes one
// step until another field (or a whole action) is changed; a whole action ("Read config", "Read
// from file", a preset) is one step. The clock fields are left out: the clock rewrites them.

#include <string>
#include <string_view>
#include <vector>

#include "settings/Settings.h"

namespace korvex {

class EditHistory {
  public:
    // `settings` as they stand now are the start: nothing to undo.
    explicit EditHistory(Settings& settings, size_t maximumSteps = 100);

    // After a person changed the setting `name`, or (with an empty name) after a whole action
    // changed any settings: makes a step of the change, if anything changed.
    void changed(std::string_view name = {});

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Puts the settings back as they stood before the last step; false when there is none.
    bool undo();
    // Does the last undone step again; false when there is none.
    bool redo();
    // Forgets every step; the settings as they stand are the start.
    void clear();

  private:
    struct Value {
        std::string text;
        int index = -1;
        bool checked = false;
        bool operator==(const Value&) const = default;
    };
    using Snapshot = std::vector<Value>;

    Snapshot take() const;
    void restore(const Snapshot& snapshot);

    Settings& settings_;
    size_t maximumSteps_;
    Snapshot now_;  // the settings after the last step
    std::vector<Snapshot> undo_;
    std::vector<Snapshot> redo_;
    std::string typing_;  // the field the last step's typing went into; empty after anything else
};

}  // namespace korvex
