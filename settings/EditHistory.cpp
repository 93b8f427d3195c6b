#include "settings/EditHistory.h"

#include "settings/Catalogue.h"
#include "settings/SettingsDiff.h"

namespace korvex {

EditHistory::EditHistory(Settings& settings, size_t maximumSteps)
    : settings_(settings), maximumSteps_(maximumSteps == 0 ? 1 : maximumSteps), now_(take()) {}

EditHistory::Snapshot EditHistory::take() const {
    Snapshot snapshot;
    snapshot.reserve(catalogue().size());
    for (const SettingDef& def : catalogue()) {
        Value value;
        if (!isClockField(def.name)) {
            switch (def.kind) {
                case SettingKind::Edit:
                    value.text = settings_.text(def.name);
                    break;
                case SettingKind::Choice:
                    value.index = settings_.index(def.name);
                    break;
                case SettingKind::Check:
                    value.checked = settings_.checked(def.name);
                    break;
            }
        }
        snapshot.push_back(std::move(value));
    }
    return snapshot;
}

// Writes only the settings that differ, so that a widget's reactions run for those alone.
void EditHistory::restore(const Snapshot& snapshot) {
    const Snapshot current = take();
    const auto defs = catalogue();
    for (size_t i = 0; i < defs.size(); ++i) {
        if (current[i] == snapshot[i] || isClockField(defs[i].name)) {
            continue;
        }
        switch (defs[i].kind) {
            case SettingKind::Edit:
                settings_.setText(defs[i].name, snapshot[i].text);
                break;
            case SettingKind::Choice:
                settings_.setIndex(defs[i].name, snapshot[i].index);
                break;
            case SettingKind::Check:
                settings_.setChecked(defs[i].name, snapshot[i].checked);
                break;
        }
    }
}

void EditHistory::changed(std::string_view name) {
    Snapshot after = take();
    if (after == now_) {
        return;
    }
    const bool sameTyping = !name.empty() && name == typing_ && !undo_.empty();
    if (!sameTyping) {
        undo_.push_back(std::move(now_));
        if (undo_.size() > maximumSteps_) {
            undo_.erase(undo_.begin());
        }
    }
    typing_ = std::string(name);
    now_ = std::move(after);
    redo_.clear();
}

bool EditHistory::undo() {
    if (undo_.empty()) {
        return false;
    }
    redo_.push_back(take());
    restore(undo_.back());
    undo_.pop_back();
    now_ = take();
    typing_.clear();
    return true;
}

bool EditHistory::redo() {
    if (redo_.empty()) {
        return false;
    }
    undo_.push_back(take());
    restore(redo_.back());
    redo_.pop_back();
    now_ = take();
    typing_.clear();
    return true;
}

void EditHistory::clear() {
    undo_.clear();
    redo_.clear();
    typing_.clear();
    now_ = take();
}

}  // namespace korvex
