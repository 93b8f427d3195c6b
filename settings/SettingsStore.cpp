#include "settings/SettingsStore.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "settings/Catalogue.h"

namespace korvex {

namespace {

// The catalogue's place of each name, by open addressing into a power-of-two table at most a
// quarter full, so that a lookup (every read and write of a setting) is a cheap hash and nearly
// always one comparison.
class NameIndex {
  public:
    NameIndex() : defs_(catalogue()), slots_(std::bit_ceil(defs_.size() * 4), kEmpty) {
        for (size_t place = 0; place < defs_.size(); ++place) {
            size_t at = hash(defs_[place].name) & mask();
            while (slots_[at] != kEmpty) {
                at = (at + 1) & mask();
            }
            slots_[at] = static_cast<int16_t>(place);
        }
    }

    // The place in the catalogue, or -1 for a name outside it.
    int find(std::string_view name) const {
        for (size_t at = hash(name) & mask();; at = (at + 1) & mask()) {
            const int16_t place = slots_[at];
            if (place == kEmpty || defs_[place].name == name) {
                return place;
            }
        }
    }

  private:
    static constexpr int16_t kEmpty = -1;
    // The length and the first and last eight characters: the catalogue's names differ there,
    // and two wide loads cost less than a pass over every character.
    static size_t hash(std::string_view name) {
        if (name.empty()) {
            return 0;
        }
        uint64_t head = 0;
        uint64_t tail = 0;
        const size_t wide = std::min<size_t>(name.size(), 8);
        std::memcpy(&head, name.data(), wide);
        std::memcpy(&tail, name.data() + name.size() - wide, wide);
        // splitmix64's finaliser: every bit of both loads reaches the low bits the table uses.
        uint64_t mixed = head ^ (tail * 0x9E3779B97F4A7C15u) ^ name.size();
        mixed = (mixed ^ mixed >> 30) * 0xBF58476D1CE4E5B9u;
        mixed = (mixed ^ mixed >> 27) * 0x94D049BB133111EBu;
        return static_cast<size_t>(mixed ^ mixed >> 31);
    }
    size_t mask() const { return slots_.size() - 1; }

    std::span<const SettingDef> defs_;
    std::vector<int16_t> slots_;
};

const NameIndex& nameIndex() {
    static const NameIndex index;
    return index;
}

}  // namespace

SettingsStore::SettingsStore() {
    const auto defs = catalogue();
    values_.reserve(defs.size());
    for (const SettingDef& def : defs) {
        Value value;
        value.kind = static_cast<int>(def.kind);
        value.choiceCount = static_cast<int>(def.choices.size());
        values_.push_back(std::move(value));
    }
}

const SettingsStore::Value& SettingsStore::slot(std::string_view name, int kind) const {
    const int place = nameIndex().find(name);
    if (place < 0) {
        throw std::logic_error("unknown setting " + std::string(name));
    }
    const Value& value = values_[static_cast<size_t>(place)];
    if (value.kind != kind) {
        throw std::logic_error("setting " + std::string(name) + " used as the wrong kind");
    }
    return value;
}

SettingsStore::Value& SettingsStore::slot(std::string_view name, int kind) {
    return const_cast<Value&>(std::as_const(*this).slot(name, kind));
}

std::string SettingsStore::text(std::string_view name) const {
    return slot(name, static_cast<int>(SettingKind::Edit)).text;
}

void SettingsStore::setText(std::string_view name, std::string_view value) {
    slot(name, static_cast<int>(SettingKind::Edit)).text = std::string(value);
}

int SettingsStore::index(std::string_view name) const {
    return slot(name, static_cast<int>(SettingKind::Choice)).index;
}

void SettingsStore::setIndex(std::string_view name, int index) {
    Value& value = slot(name, static_cast<int>(SettingKind::Choice));
    value.index = index >= 0 && index < value.choiceCount ? index : -1;
}

bool SettingsStore::checked(std::string_view name) const {
    return slot(name, static_cast<int>(SettingKind::Check)).checked;
}

void SettingsStore::setChecked(std::string_view name, bool value) {
    slot(name, static_cast<int>(SettingKind::Check)).checked = value;
    if (name == "Uploadpctime" || name == "Ntp_enable") {
        clockFieldsEnabled_ = !checked("Uploadpctime");
    }
}

}  // namespace korvex
