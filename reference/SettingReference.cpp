#include "reference/SettingReference.h"

#include <unordered_map>

#include "files/ConfigKeys.h"
#include "image/Layout.h"
#include "settings/SettingCaption.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsDiff.h"
#include "settings/StartupState.h"

namespace korvex {

namespace {

std::string kindWords(SettingKind kind) {
    switch (kind) {
        case SettingKind::Edit:
            return "edit field";
        case SettingKind::Choice:
            return "drop-down list";
        case SettingKind::Check:
            return "check box";
    }
    return {};
}

std::string formWord(ValueForm form) {
    switch (form) {
        case ValueForm::Text:
            return "text";
        case ValueForm::Number:
            return "number";
        case ValueForm::Choice:
            return "choice";
        case ValueForm::Flag:
            return "flag";
    }
    return {};
}

std::string quoted(std::string_view text) {
    return text.empty() ? "empty" : "\"" + std::string(text) + "\"";
}

std::string ticked(bool on) {
    return on ? "ticked" : "not ticked";
}

// A list's entry as the reference shows a value: its text, or the bare index beyond the list.
std::string entryValue(const SettingDef& def, int index) {
    if (index >= 0 && static_cast<size_t>(index) < def.choices.size()) {
        return quoted(def.choices[static_cast<size_t>(index)]);
    }
    return index < 0 ? "nothing selected" : "index " + std::to_string(index);
}

std::string startValue(const SettingDef& def) {
    if (isClockField(def.name)) {
        return "the computer's clock (UTC)";
    }
    // The start-up state holds the telemetry channels' presets too; a fixed clock keeps it the
    // same on every run.
    static const SettingsStore startup = startupSettings(FixedClock(UtcDateTime{}));
    switch (def.kind) {
        case SettingKind::Edit:
            return quoted(startup.text(def.name));
        case SettingKind::Choice:
            return entryValue(def, startup.index(def.name));
        case SettingKind::Check:
            return ticked(startup.checked(def.name));
    }
    return {};
}

const ConfigKey* keyOf(std::string_view setting) {
    static const std::unordered_map<std::string, const ConfigKey*> bySetting = [] {
        std::unordered_map<std::string, const ConfigKey*> map;
        for (const ConfigKey& key : configKeys()) {
            map.emplace(key.setting, &key);
        }
        return map;
    }();
    const auto found = bySetting.find(std::string(setting));
    return found == bySetting.end() ? nullptr : found->second;
}

std::string loadDefault(const SettingDef& def, const ConfigKey& key) {
    switch (key.form) {
        case ValueForm::Text:
            return quoted(key.defaultText);
        case ValueForm::Number:
            return quoted(key.defaultText);
        case ValueForm::Choice:
            return entryValue(def, key.defaultNumber);
        case ValueForm::Flag:
            return ticked(key.defaultNumber != 0);
    }
    return {};
}

std::string rangeWords(const NumberRange& range) {
    std::string words = std::to_string(range.minimum) + " to " + std::to_string(range.maximum);
    return range.zeroAllowed ? "0, or " + words : words;
}

// What "Write config" accepts of the setting, and the message of a refused value, from the
// image layout's row that holds it.
void writeCheck(std::string_view name, ReferenceEntry& entry) {
    for (const FieldRow& row : layout()) {
        const bool call = row.setting == name;
        const bool ssid = !row.ssidSetting.empty() && row.ssidSetting == name;
        if (!call && !ssid) {
            continue;
        }
        switch (row.kind) {
            case RowKind::StationCall:
            case RowKind::RequiredCall:
                entry.accepted = call ? "not empty" : "0 to 15";
                entry.checkMessage = call ? row.message : row.ssidMessage;
                break;
            case RowKind::OptionalCall:
                if (ssid) {
                    entry.accepted = "0 to 15 (checked only when the path is not empty)";
                    entry.checkMessage = row.ssidMessage;
                }
                break;
            case RowKind::WildcardCall:
                if (ssid) {
                    entry.accepted = "0 to 15, or * for any";
                    entry.checkMessage = row.ssidMessage;
                }
                break;
            case RowKind::NumberStoredThenChecked:
            case RowKind::NumberCheckedThenStored:
                entry.accepted = rangeWords(row.range);
                entry.checkMessage = row.message;
                break;
            case RowKind::Port:
                entry.accepted = "empty, or " + rangeWords(row.range);
                entry.checkMessage = row.message;
                break;
            case RowKind::PrintableText:
                entry.accepted = "printable ASCII characters (space to ~)";
                entry.checkMessage = row.message;
                break;
            case RowKind::Latitude:
                entry.accepted = "DDMM.MM followed by N or S (8 characters)";
                entry.checkMessage = row.message;
                break;
            case RowKind::Longitude:
                entry.accepted = "DDDMM.MM followed by E or W (9 characters)";
                entry.checkMessage = row.message;
                break;
            default:
                break;
        }
        return;
    }
}

}  // namespace

ReferenceEntry referenceEntry(const SettingDef& def) {
    ReferenceEntry entry;
    entry.def = &def;
    entry.place = settingPagePlace(def);
    std::string_view group = def.group;
    if (group.ends_with(':')) {
        group.remove_suffix(1);
    }
    entry.group = std::string(group);
    entry.label = numberedLabel(def);
    entry.kind = kindWords(def.kind);
    if (def.kind == SettingKind::Edit) {
        entry.limit =
            std::to_string(def.editLimit) + (def.editLimit == 1 ? " character" : " characters");
    }
    for (size_t i = 0; i < def.choices.size(); ++i) {
        entry.entries.push_back(std::to_string(i) + " " + std::string(def.choices[i]));
    }
    entry.startValue = startValue(def);
    if (const ConfigKey* key = keyOf(def.name)) {
        entry.section = key->section;
        entry.key = key->key;
        entry.form = formWord(key->form);
        entry.loadDefault = loadDefault(def, *key);
    }
    entry.hint = std::string(def.hint);
    entry.text = std::string(settingText(def.name));
    writeCheck(def.name, entry);
    for (const AdviceRule& rule : adviceRules()) {
        if (namesMatch(rule.settings, def.name)) {
            entry.rules.push_back(&rule);
        }
    }
    return entry;
}

std::vector<ReferenceEntry> referenceEntries() {
    std::vector<ReferenceEntry> entries;
    for (const SettingDef& def : catalogue()) {
        entries.push_back(referenceEntry(def));
    }
    return entries;
}

}  // namespace korvex
