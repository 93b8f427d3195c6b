#include "settings/SettingsDiff.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace korvex {

namespace {

constexpr std::array<std::string_view, 5> kClockFields = {"Rtcyear", "Rtcmonth", "Rtcday",
                                                          "Rtchour", "Rtcmin"};

}  // namespace

bool sameAsTyped(const SettingDef& def, const Settings& left, const Settings& right) {
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

std::vector<SettingDifference> diffSettings(const Settings& left, const Settings& right,
                                            SameValue same) {
    std::vector<SettingDifference> differences;
    for (const SettingDef& def : catalogue()) {
        if (isClockField(def.name) || same(def, left, right)) {
            continue;
        }
        differences.push_back({&def, displayValue(left, def), displayValue(right, def)});
    }
    return differences;
}

std::string printableValue(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace korvex
