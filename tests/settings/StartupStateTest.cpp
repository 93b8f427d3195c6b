#include "settings/StartupState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/Catalogue.h"
#include "settings/SettingsStore.h"

namespace korvex {
namespace {

struct ClockCase {
    UtcDateTime time;
    std::vector<std::string> fields;  // year, month, day, hour, minute
};

class CopyPcTimeCase : public testing::TestWithParam<ClockCase> {};

TEST_P(CopyPcTimeCase, WritesPlainNumbers) {
    SettingsStore store;
    CopyPcTime(store, FixedClock(GetParam().time));
    const std::vector<std::string> fields = {store.text("Rtcyear"), store.text("Rtcmonth"),
                                             store.text("Rtcday"), store.text("Rtchour"),
                                             store.text("Rtcmin")};
    EXPECT_EQ(fields, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Times, CopyPcTimeCase,
    testing::Values(ClockCase{{2024, 6, 15, 9, 5, 59}, {"2024", "6", "15", "9", "5"}},
                    ClockCase{{2013, 2, 28, 23, 30, 0}, {"2013", "2", "28", "23", "30"}},
                    ClockCase{{1999, 12, 31, 23, 59, 59}, {"1999", "12", "31", "23", "59"}},
                    ClockCase{{2000, 1, 1, 0, 0, 0}, {"2000", "1", "1", "0", "0"}},
                    ClockCase{{2024, 2, 29, 10, 10, 10}, {"2024", "2", "29", "10", "10"}}));

TEST(CopyPcTime, OverwritesTypedClockValues) {
    SettingsStore store;
    store.setText("Rtcyear", "abc");
    store.setText("Rtcmin", "77");
    CopyPcTime(store, FixedClock({2030, 1, 2, 3, 4, 0}));
    EXPECT_EQ(store.text("Rtcyear"), "2030");
    EXPECT_EQ(store.text("Rtcmin"), "4");
}

class StartupState : public testing::Test {
  protected:
    void SetUp() override { applyStartupState(store, FixedClock({2013, 2, 28, 9, 5, 0})); }
    SettingsStore store;
};

TEST_F(StartupState, SelectsTheInitialChoices) {
    const std::vector<std::pair<const char*, int>> expected = {
        {"Baudrate", 0},
        {"Quiettime_randomize", 4},
        {"Ptt", 0},
        {"Squelch", 0},
        {"Busydetect", 0},
        {"Consecutive_packets", 0},
        {"Digion", 1},
        {"Pathn1_traceable", 1},
        {"Pathn2_traceable", 0},
        {"Pathn8_traceable", 0},
        {"Callfilter_rule", 0},
        {"Aprsis_fromrf", 1},
        {"Aprsis_msg2rf", 1},
        {"Aprsis_packet2rf", 1},
        {"Aprsis_packet2rf_ifheard", 0},
        {"Pinrow_output1", 0},
        {"Pinrow_output4", 0},
        {"Tele_enable", 0},
        {"Telemodule_enable", 0},
        {"Bitsmodule_enable", 0},
        {"Weather_stationtype", 5},
        {"Teleanalog1_average", 0},
        {"Teleanalog5_average", 0},
        {"Debug_aprsis", 0},
        {"Debug_aprsismsgs", 0},
        {"Debug_telemetry", 0},
        {"Debug_ntp", 1},
        {"Debug_dns", 1},
        {"Debug_rf", 1},
        {"Debug_ax25", 1},
        {"Debug_weather", 0},
        {"Debug_wunderground", 1},
        {"Debug_digi", 1},
        {"WU_sendmethod", 0},
        {"WU_enable", 0},
        {"Teleanalog1_source", 11},
        {"Teleanalog2_source", 12},
        {"Teleanalog3_source", 14},
        {"Teleanalog4_source", 17},
        {"Teleanalog5_source", 0},
        {"Teledigital1_source", 1},
        {"Teledigital5_source", 5},
        {"Teledigital8_source", 8},
        {"Teledigital3_inverted", 0},
    };
    for (const auto& [name, index] : expected) {
        EXPECT_EQ(store.index(name), index) << name;
    }
}

TEST_F(StartupState, LeavesNoListUnselected) {
    for (const SettingDef& def : catalogue()) {
        if (def.kind == SettingKind::Choice) {
            EXPECT_GE(store.index(def.name), 0) << def.name;
        }
    }
}

TEST_F(StartupState, FillsTheChannelsFromTheirInitialSources) {
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"Teleanalog1_name", "Vin"},   {"Teleanalog1_units", "Volt"},
        {"Teleanalog1_coefa", "0"},    {"Teleanalog1_coefb", "0.079"},
        {"Teleanalog1_coefc", "0"},    {"Teleanalog2_name", "Rx1h"},
        {"Teleanalog2_coefb", "10"},   {"Teleanalog3_name", "Dg1h"},
        {"Teleanalog4_name", "Eff1h"}, {"Teleanalog4_units", "Pcnt"},
        {"Teleanalog5_name", "A5"},    {"Teleanalog5_units", "None"},
        {"Teleanalog5_coefb", "0"},    {"Teledigital1_name", "O1"},
        {"Teledigital4_units", "On"},  {"Teledigital6_name", "I2"},
        {"Teledigital6_units", "Hi"},  {"Teledigital8_name", "I4"},
    };
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(store.text(name), text) << name;
    }
}

TEST_F(StartupState, SetsTextsAndBoxesFromTheCatalogue) {
    EXPECT_EQ(store.text("Callsign"), "NOCALL");
    EXPECT_EQ(store.text("Quiettime"), "400");
    EXPECT_EQ(store.text("Pathn2_name"), "SP");
    EXPECT_EQ(store.text("Pathn3_name"), "");
    EXPECT_EQ(store.text("Beacon1_txrate_rf"), "5");
    EXPECT_EQ(store.text("Beacon2_txrate_rf"), "0");
    EXPECT_EQ(store.text("Ipaddr3"), "2");
    EXPECT_EQ(store.text("Ipgate3"), "1");
    EXPECT_EQ(store.text("Aprsis_user"), "nocall");
    EXPECT_EQ(store.text("Tele_holdoff"), "60");
    EXPECT_TRUE(store.checked("Pathn1_active"));
    EXPECT_TRUE(store.checked("Pathn2_active"));
    EXPECT_FALSE(store.checked("Pathn3_active"));
    EXPECT_TRUE(store.checked("Uploadpctime"));
    EXPECT_TRUE(store.checked("Ntp_enable"));
}

TEST_F(StartupState, CopiesTheClockAndDisablesTheClockFields) {
    EXPECT_EQ(store.text("Rtcyear"), "2013");
    EXPECT_EQ(store.text("Rtcmonth"), "2");
    EXPECT_EQ(store.text("Rtcday"), "28");
    EXPECT_EQ(store.text("Rtchour"), "9");
    EXPECT_EQ(store.text("Rtcmin"), "5");
    EXPECT_FALSE(store.clockFieldsEnabled());
}

TEST_F(StartupState, SetsEveryFilterRuleToItsDefaults) {
    for (int n = 1; n <= 12; ++n) {
        const std::string nn = (n < 10 ? "0" : "") + std::to_string(n);
        EXPECT_EQ(store.text("Packet2rf_filter_callsign" + nn), "") << n;
        EXPECT_EQ(store.text("Packet2rf_filter_ssid" + nn), "*") << n;
        EXPECT_EQ(store.index("Packet2rf_filter_type" + nn), 0) << n;
    }
}

TEST_F(StartupState, ReplacesEarlierValues) {
    SettingsStore edited;
    edited.setText("Teleanalog1_name", "Mine");
    edited.setText("Callsign", "SP5AB");
    edited.setIndex("Digion", 0);
    edited.setChecked("Pathn5_active", true);
    applyStartupState(edited, FixedClock({2013, 2, 28, 9, 5, 0}));
    EXPECT_TRUE(edited == store);
}

// Records the order in which settings are written.
class RecordingSettings final : public Settings {
  public:
    std::string text(std::string_view name) const override { return store.text(name); }
    void setText(std::string_view name, std::string_view value) override {
        store.setText(name, value);
        log.emplace_back(name);
    }
    int index(std::string_view name) const override { return store.index(name); }
    void setIndex(std::string_view name, int value) override {
        store.setIndex(name, value);
        log.emplace_back(name);
    }
    bool checked(std::string_view name) const override { return store.checked(name); }
    void setChecked(std::string_view name, bool value) override {
        store.setChecked(name, value);
        log.emplace_back(name);
    }
    // Position of the last write of a setting.
    size_t last(const std::string& name) const {
        for (size_t i = log.size(); i-- > 0;) {
            if (log[i] == name) {
                return i;
            }
        }
        ADD_FAILURE() << name << " never written";
        return 0;
    }

    SettingsStore store;
    std::vector<std::string> log;
};

TEST(StartupStateOrder, FollowsTheWindowConstruction) {
    RecordingSettings settings;
    applyStartupState(settings, FixedClock({2013, 2, 28, 9, 5, 0}));
    const std::vector<std::string> sequence = {"Callsign",
                                               "Uploadpctime",
                                               "Rtcmin",
                                               "Baudrate",
                                               "Aprsis_packet2rf",
                                               "Teleanalog1_source",
                                               "Teledigital8_source",
                                               "Teleanalog1_name",
                                               "Teleanalog5_coefc",
                                               "Teledigital1_name",
                                               "Teledigital8_units",
                                               "Weather_stationtype",
                                               "WU_enable",
                                               "Packet2rf_filter_type12"};
    for (size_t i = 1; i < sequence.size(); ++i) {
        EXPECT_LT(settings.last(sequence[i - 1]), settings.last(sequence[i]))
            << sequence[i - 1] << " before " << sequence[i];
    }
    EXPECT_EQ(settings.log.back(), "Packet2rf_filter_type12");
}

}  // namespace
}  // namespace korvex
