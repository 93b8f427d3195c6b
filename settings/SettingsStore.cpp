#include "settings/SettingsStore.h"

#include <stdexcept>
#include <utility>

#include "settings/Catalogue.h"

namespace korvex {

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
    const int place = settingPlace(name);
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
