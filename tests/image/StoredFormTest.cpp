#include "image/StoredForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/Clock.h"
#include "settings/SettingsDiff.h"
#include "settings/StartupState.h"

namespace korvex {
namespace {

struct Pair {
    std::vector<std::pair<std::string, std::string>> left;   // setting, text (after the start-up
    std::vector<std::pair<std::string, std::string>> right;  // state)
    std::string setting;                                     // the setting compared
    bool same;
};

SettingsStore with(const std::vector<std::pair<std::string, std::string>>& texts) {
    SettingsStore settings = startupSettings(FixedClock({2026, 12, 9, 6, 50, 0}));
    for (const auto& [name, text] : texts) {
        settings.setText(name, text);
    }
    return settings;
}

TEST(StoredForm, ComparesAsTheImageWouldHoldTheSetting) {
    const std::vector<Pair> pairs = {
        // A call field is upper-cased and padded with spaces to 6.
        {{{"Callsign", "SP5AB"}}, {{"Callsign", "SP5AB "}}, "Callsign", true},
        {{{"Callsign", "sp5ab"}}, {{"Callsign", "SP5AB"}}, "Callsign", true},
        {{{"Callsign", "SP5AB"}}, {{"Callsign", "SP5AC"}}, "Callsign", false},
        // Too long for the field: cannot be encoded, so compared as typed.
        {{{"Callsign", "SP5ABCD"}}, {{"Callsign", "sp5abcd"}}, "Callsign", false},
        // The station call must not be empty; six spaces are a call.
        {{{"Callsign", ""}}, {{"Callsign", "      "}}, "Callsign", false},
        // Upper-cased text rows, and texts kept as typed.
        {{{"Aprsis_user", "nocall"}}, {{"Aprsis_user", "NOCALL"}}, "Aprsis_user", true},
        {{{"Beacon1_msg", "abc"}}, {{"Beacon1_msg", "ABC"}}, "Beacon1_msg", false},
        {{{"Beacon1_msg", "a\tb"}}, {{"Beacon1_msg", "a\tb"}}, "Beacon1_msg", true},
        // Numbers: leading zeros, sign, hexadecimal; a number that fails its range is compared
        // as typed; one stored without a check keeps its low 16 bits.
        {{{"Txdelay", "0300"}}, {{"Txdelay", "300"}}, "Txdelay", true},
        {{{"Txdelay", "+300"}}, {{"Txdelay", "$12C"}}, "Txdelay", true},
        {{{"Txdelay", "300"}}, {{"Txdelay", "301"}}, "Txdelay", false},
        {{{"Txdelay", "05"}}, {{"Txdelay", "5"}}, "Txdelay", false},
        {{{"Txdelay", "x"}}, {{"Txdelay", "x"}}, "Txdelay", true},
        {{{"telnet_port", "70000"}}, {{"telnet_port", "4464"}}, "telnet_port", true},
        {{{"telnet_port", "-1"}}, {{"telnet_port", "65535"}}, "telnet_port", true},
        {{{"Aprsis1_port", ""}}, {{"Aprsis1_port", ""}}, "Aprsis1_port", true},
        {{{"Aprsis1_port", "014580"}}, {{"Aprsis1_port", "14580"}}, "Aprsis1_port", true},
        // SSIDs: a number 0..15, the wildcard; a path without a call stores SSID 0.
        {{{"Ssid", "03"}}, {{"Ssid", "3"}}, "Ssid", true},
        {{{"Callfilter_ssid1", "*"}}, {{"Callfilter_ssid1", "*"}}, "Callfilter_ssid1", true},
        {{{"Callfilter_ssid1", "*"}}, {{"Callfilter_ssid1", "0"}}, "Callfilter_ssid1", false},
        {{{"Beacon1_path_string", ""}, {"Beacon1_path_ssid", "5"}},
         {{"Beacon1_path_string", ""}, {"Beacon1_path_ssid", "7"}},
         "Beacon1_path_ssid",
         true},
        {{{"Beacon1_path_string", "WIDE1"}, {"Beacon1_path_ssid", "5"}},
         {{"Beacon1_path_string", "WIDE1"}, {"Beacon1_path_ssid", "7"}},
         "Beacon1_path_ssid",
         false},
        // A position is stored as typed once it passes its syntax.
        {{{"Latitude", "5221.60N"}}, {{"Latitude", "5221.60n"}}, "Latitude", false},
    };
    for (const Pair& pair : pairs) {
        const SettingsStore left = with(pair.left);
        const SettingsStore right = with(pair.right);
        EXPECT_EQ(sameAsStored(settingDef(pair.setting), left, right), pair.same)
            << pair.setting << ": \"" << left.text(pair.setting) << "\" and \""
            << right.text(pair.setting) << "\"";
    }
}

TEST(StoredForm, DiffSettingsTakesTheComparisonItIsGiven) {
    const SettingsStore typed = with({{"Callsign", "SP5AB"}, {"Aprsis_user", "nocall"}});
    const SettingsStore stored = with({{"Callsign", "SP5AB "}, {"Aprsis_user", "NOCALL"}});
    SettingsStore unticked = stored;
    unticked.setChecked("Uploadpctime", false);  // the window's own switch: not in the image
    EXPECT_TRUE(diffSettings(typed, unticked, sameAsStored).empty());
    EXPECT_EQ(diffSettings(typed, unticked, sameAsTyped).size(), 3u);
}

}  // namespace
}  // namespace korvex
