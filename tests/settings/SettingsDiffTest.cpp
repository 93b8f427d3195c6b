#include "settings/SettingsDiff.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "settings/Clock.h"
#include "settings/StartupState.h"

namespace korvex {
namespace {

SettingsStore startup() {
    return startupSettings(FixedClock({2026, 12, 8, 21, 30, 0}));
}

TEST(SettingsDiff, ReportsEachKindInWindowOrderWithReadableValues) {
    const SettingsStore before = startup();
    SettingsStore after = before;
    after.setText("Txdelay", "300");
    after.setText("Callsign", "SP5AB");
    after.setIndex("Baudrate", before.index("Baudrate") == 0 ? 1 : 0);
    after.setChecked("Pathn8_active", !before.checked("Pathn8_active"));

    const auto differences = diffSettings(before, after, sameAsTyped);
    std::vector<std::string_view> names;
    for (const auto& difference : differences) {
        names.push_back(difference.def->name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string_view>{"Callsign", "Baudrate", "Txdelay", "Pathn8_active"}));
    EXPECT_EQ(differences[0].left, "NOCALL");
    EXPECT_EQ(differences[0].right, "SP5AB");
    EXPECT_EQ(differences[1].right,
              settingDef("Baudrate").choices[static_cast<size_t>(after.index("Baudrate"))]);
    EXPECT_EQ(differences[3].right, after.checked("Pathn8_active") ? "yes" : "no");
}

TEST(SettingsDiff, ClockFieldsAreNeverReportedAndNoSelectionReadsEmpty) {
    const SettingsStore before = startup();
    SettingsStore after = startupSettings(FixedClock({2031, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(diffSettings(before, after, sameAsTyped).empty());

    after.setIndex("Baudrate", -1);
    const auto differences = diffSettings(before, after, sameAsTyped);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].right, "");
}

}  // namespace
}  // namespace korvex
