// The digipeater's New-N path rules, its duplicate window and its own beacon.
#include "advice/Findings.h"
#include "advice/StationValues.h"
#include "image/FieldEncodings.h"

namespace korvex {

namespace {

constexpr int kPathRules = 8;
constexpr int kBeacons = 8;
constexpr int kWideHopsMax = 2;
constexpr int kDuplicateWindowMin = 28;

}  // namespace

void checkDigipeater(const Settings& settings, Findings& found) {
    if (settings.index("Digion") != 1) {
        return;
    }
    std::vector<std::pair<int, std::string>> active;  // rule number, upper-cased name
    for (int n = 1; n <= kPathRules; ++n) {
        if (!settings.checked(numberedName("Pathn#_active", n))) {
            continue;
        }
        const std::string nameSetting = numberedName("Pathn#_name", n);
        const std::string lowerSetting = numberedName("Pathn#_lower", n);
        const std::string higherSetting = numberedName("Pathn#_higher", n);
        const std::string name = upperCased(trimmed(settings.text(nameSetting)));
        if (name.empty()) {
            found.add("digi-rule-no-name", {nameSetting, numberedName("Pathn#_active", n)});
            continue;
        }
        const auto lower = storedNumber(settings, lowerSetting);
        const auto higher = storedNumber(settings, higherSetting);
        if (lower && higher && *lower > *higher) {
            found.add("digi-range-empty", {lowerSetting, higherSetting},
                      {std::to_string(*lower), std::to_string(*higher)});
        } else if (name == "WIDE" && higher && *higher > kWideHopsMax) {
            found.add("digi-wide-n-too-large", {higherSetting, nameSetting},
                      {std::to_string(*higher), std::to_string(*higher)});
        }
        for (const auto& [other, otherName] : active) {
            if (otherName == name) {
                found.add("digi-rule-duplicate", {nameSetting, numberedName("Pathn#_active", n)},
                          {std::to_string(other), quoted(name)});
                break;
            }
        }
        active.emplace_back(n, name);
    }

    const auto window = storedNumber(settings, "Floodtimeout");
    if (window && *window < kDuplicateWindowMin) {
        found.add("digi-duplicate-window-short", {"Floodtimeout"}, {std::to_string(*window)});
    }

    bool beaconsToRf = false;
    for (int n = 1; n <= kBeacons; ++n) {
        beaconsToRf = beaconsToRf ||
                      storedNumber(settings, numberedName("Beacon#_txrate_rf", n)).value_or(0) > 0;
    }
    if (!beaconsToRf) {
        found.add("digi-no-beacon", {"Digion", "Beacon1_txrate_rf"});
    }
}

}  // namespace korvex
