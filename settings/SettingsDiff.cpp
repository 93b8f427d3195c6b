#include "settings/SettingsDiff.h"

#include <algorithm>
#include <array>

namespace korvex {

namespace {

constexpr std::array<std::string_view, 5> kClockFields = {"Rtcyear", "Rtcmonth", "Rtcday",
                                                          "Rtchour", "Rtcmin"};

bool sameValue(const Settings& left, const Settings& right, const SettingDef& def) {
    switch (def.kind) {
        case SettingKind::Edit:
            return left.text(def.name) == right.text(def.name);
        case SettingKind::Choice:
            return left.index(def.name) == right.index(def.name);
        case SettingKind::Check:
            return left.checked(def.name) == right.checked(def.name);
    }
    return true;
}

}  // namespace

std::string displayValue(const Settings& settings, const SettingDef& def) {
    switch (def.kind) {
        case SettingKind::Edit:
            return settings.text(def.name);
        case SettingKind::Choice: {
            const int index = settings.index(def.name);
            if (index < 0 || static_cast<size_t>(index) >= def.choices.size()) {
                return {};
            }
            return std::string(def.choices[static_cast<size_t>(index)]);
        }
        case SettingKind::Check:
            return settings.checked(def.name) ? "yes" : "no";
    }
    return {};
}

bool isClockField(std::string_view name) {
    return std::find(kClockFields.begin(), kClockFields.end(), name) != kClockFields.end();
}

std::vector<SettingDifference> diffSettings(const Settings& left, const Settings& right) {
    std::vector<SettingDifference> differences;
    for (const SettingDef& def : catalogue()) {
        if (isClockField(def.name) || sameValue(left, right, def)) {
            continue;
        }
        differences.push_back({&def, displayValue(left, def), displayValue(right, def)});
    }
    return differences;
}

}  // namespace korvex
