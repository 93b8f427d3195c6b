#include "settings/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/Presets.h"

namespace korvex {
namespace {

std::string numbered(const std::string& stem, int n, const std::string& rest = "") {
    return stem + std::to_string(n) + rest;
}

// The settings that the configuration file carries, by setting name, section by section, and the
// five clock fields that only the window and the image know.
std::set<std::string> expectedNames() {
    std::vector<std::string> names = {"Callsign",
                                      "Ssid",
                                      "Baudrate",
                                      "Txdelay",
                                      "Quiettime",
                                      "Quiettime_randomize",
                                      "Ptt",
                                      "Squelch",
                                      "Busydetect",
                                      "Consecutive_packets",
                                      "Latitude",
                                      "Longitude",
                                      "Digion",
                                      "Floodtimeout",
                                      "Callfilter_rule"};
    for (int n = 1; n <= 8; ++n) {
        for (const char* field : {"_name", "_lower", "_higher", "_traceable", "_active"}) {
            names.push_back(numbered("Pathn", n, field));
        }
        for (const char* field : {"_dest_string", "_dest_ssid", "_path_string", "_path_ssid",
                                  "_txrate_rf", "_txrate_aprsis", "_msg"}) {
            names.push_back(numbered("Beacon", n, field));
        }
    }
    for (int k = 1; k <= 10; ++k) {
        names.push_back(numbered("Callfilter_callsign", k));
        names.push_back(numbered("Callfilter_ssid", k));
    }
    for (const char* group : {"Ipaddr", "Ipmask", "Ipgate", "Ipdns"}) {
        for (int octet = 0; octet < 4; ++octet) {
            names.push_back(numbered(group, octet));
        }
    }
    for (int n = 1; n <= 3; ++n) {
        names.push_back(numbered("Aprsis", n, "_servername"));
        names.push_back(numbered("Aprsis", n, "_port"));
    }
    names.insert(names.end(), {"Aprsis_user",
                               "Aprsis_pass",
                               "Aprsis_timeout",
                               "Aprsis_filter",
                               "Aprsis_heard_timeout",
                               "Aprsis_2rf_dest",
                               "Aprsis_2rf_dest_ssid",
                               "Aprsis_fromrf",
                               "Aprsis_msg2rf",
                               "Aprsis_msg2rf_path",
                               "Aprsis_msg2rf_ssid",
                               "Rfheard_local_maxhops",
                               "Rfheard_local_timeout",
                               "Aprsis_packet2rf",
                               "Aprsis_packet2rf_path",
                               "Aprsis_packet2rf_ssid",
                               "Aprsis_packet2rf_ifheard",
                               "Rfheard_timeout",
                               "Aprsis_packet2rf_1min",
                               "Aprsis_packet2rf_2min",
                               "Aprsis_packet2rf_3min"});
    for (int n = 1; n <= 12; ++n) {
        const std::string nn = (n < 10 ? "0" : "") + std::to_string(n);
        for (const char* field : {"callsign", "ssid", "type"}) {
            names.push_back("Packet2rf_filter_" + std::string(field) + nn);
        }
    }
    names.insert(names.end(), {"Weather_stationtype",
                               "Weather_dest_string",
                               "Weather_dest_ssid",
                               "Weather_path_string",
                               "Weather_path_ssid",
                               "Weather_txrate_rf",
                               "Weather_txrate_aprsis",
                               "Weather_comment",
                               "Uploadpctime",
                               "Ntp_enable",
                               "Ntp_servername",
                               "www_user",
                               "www_password",
                               "www_port",
                               "telnet_user",
                               "telnet_password",
                               "telnet_port",
                               "Debug_aprsis",
                               "Debug_aprsismsgs",
                               "Debug_telemetry",
                               "Debug_ntp",
                               "Debug_dns",
                               "Debug_rf",
                               "Debug_ax25",
                               "Debug_weather",
                               "Debug_wunderground",
                               "Debug_digi",
                               "Teletitle",
                               "Tele_enable",
                               "Telemodule_enable",
                               "Bitsmodule_enable",
                               "Tele_holdoff"});
    for (int n = 1; n <= 5; ++n) {
        for (const char* field :
             {"_name", "_units", "_source", "_coefa", "_coefb", "_coefc", "_average"}) {
            names.push_back(numbered("Teleanalog", n, field));
        }
    }
    for (int n = 1; n <= 8; ++n) {
        for (const char* field : {"_name", "_units", "_source", "_inverted"}) {
            names.push_back(numbered("Teledigital", n, field));
        }
    }
    for (const char* report : {"Teleparams", "Teledata"}) {
        for (const char* field : {"_dest_string", "_dest_ssid", "_path_string", "_path_ssid",
                                  "_txrate_rf", "_txrate_aprsis"}) {
            names.push_back(report + std::string(field));
        }
    }
    for (int n = 1; n <= 4; ++n) {
        names.push_back(numbered("Pinrow_output", n));
    }
    names.insert(names.end(),
                 {"WU_enable", "WU_stationid", "WU_password", "WU_normalserver",
                  "WU_rapidfireserver", "WU_sendmethod", "WU_normalrate", "WU_rapidfirerate"});
    EXPECT_EQ(names.size(), 333u);
    names.insert(names.end(), {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"});
    return {names.begin(), names.end()};
}

TEST(Catalogue, HoldsExactlyTheFileSettingsAndTheClockFieldsOnce) {
    std::multiset<std::string> names;
    for (const SettingDef& def : catalogue()) {
        names.emplace(def.name);
    }
    EXPECT_EQ(catalogue().size(), 338u);
    const std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size()) << "a name occurs twice";
    EXPECT_EQ(unique, expectedNames());
}

TEST(Catalogue, FindsEveryEntryByItsNameAndRefusesOthers) {
    for (const SettingDef& def : catalogue()) {
        ASSERT_EQ(findSetting(def.name), &def) << def.name;
    }
    EXPECT_EQ(findSetting("ssid"), nullptr);
    EXPECT_EQ(findSetting("Beacon9_msg"), nullptr);
    EXPECT_EQ(findSetting(""), nullptr);
    try {
        settingDef("Packet2rf_filter_type13");
        FAIL() << "no exception";
    } catch (const std::logic_error& error) {
        EXPECT_NE(std::string(error.what()).find("Packet2rf_filter_type13"), std::string::npos);
    }
}

TEST(Catalogue, EveryEntryIsConsistentWithItsKind) {
    for (const SettingDef& def : catalogue()) {
        SCOPED_TRACE(std::string(def.name));
        switch (def.kind) {
            case SettingKind::Edit:
                EXPECT_GT(def.editLimit, 0);
                EXPECT_LE(def.startText.size(), static_cast<size_t>(def.editLimit));
                EXPECT_TRUE(def.choices.empty());
                break;
            case SettingKind::Choice:
                EXPECT_GE(def.startIndex, 0);
                EXPECT_LT(def.startIndex, static_cast<int>(def.choices.size()));
                EXPECT_EQ(def.editLimit, 0);
                break;
            case SettingKind::Check:
                EXPECT_TRUE(def.choices.empty());
                break;
        }
        EXPECT_FALSE(def.label.empty());
        EXPECT_EQ(def.row < 0, def.column < 0);
        EXPECT_EQ(def.window == SettingWindow::FilterDialog, def.tab.empty());
        EXPECT_EQ(def.tab == "Telemetry reports", !def.page.empty());
    }
}

TEST(Catalogue, ListsTheTabsInWindowOrderAndTheFilterDialogLast) {
    std::vector<std::string> tabs;
    for (const SettingDef& def : catalogue()) {
        if (tabs.empty() || tabs.back() != def.tab) {
            tabs.emplace_back(def.tab);
        }
    }
    const std::vector<std::string> expected = {
        "Radio",   "Digipeater",   "Beacons", "Network", "APRS-IS",           "I-Gate",
        "Weather", "RTC/NTP time", "WWW",     "Telnet",  "Telemetry reports", "WUnderground",
        ""};
    EXPECT_EQ(tabs, expected);
}

struct EditCase {
    const char* name;
    int limit;
    const char* start;
    const char* hint;
};

class CatalogueEdit : public testing::TestWithParam<EditCase> {};

TEST_P(CatalogueEdit, HasItsLimitStartAndHint) {
    const SettingDef& def = settingDef(GetParam().name);
    EXPECT_EQ(def.kind, SettingKind::Edit);
    EXPECT_EQ(def.editLimit, GetParam().limit);
    EXPECT_EQ(def.startText, GetParam().start);
    EXPECT_EQ(def.hint, GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(
    TrickyRows, CatalogueEdit,
    testing::Values(
        EditCase{"Quiettime", 4, "400", "Delay between last received  packet and packet send."},
        EditCase{"Ssid", 2, "0", "Stations SSID"},
        EditCase{"Ipmask3", 3, "0", "Device network mask"},
        EditCase{"Ipaddr3", 3, "2", "Device IP address."},
        EditCase{"Beacon1_msg", 64, "@<date>z<lat>/<long>-KorvexMini U=<volt>V.",
                 "Beacon message. Please check \"Special strings\"."},
        EditCase{"Beacon7_txrate_aprsis", 4, "0",
                 "Beacon 7 TX rate to APRS-IS (minutes). Set 0 to disable."},
        EditCase{"Pathn3_higher", 1, "7", ""}, EditCase{"Pathn3_lower", 1, "1", ""},
        EditCase{"Callfilter_ssid10", 2, "*", "Callsign filter SSID."},
        EditCase{"Rfheard_timeout", 3, "60",
                 "Stations heard from RF will be stored in buffer for specified time."},
        EditCase{"Aprsis_filter", 128, "m/40",
                 "This filter string will be sent to APRS-IS server after connect."},
        EditCase{"Weather_comment", 32, "Korvex weather", "weather report comment."},
        EditCase{"Teleanalog4_coefc", 8, "",
                 "Analog channel 4 telemetry calculation coefficient C. Equation: A*x*x+B*x+C "
                 "(where x is the measurement sample)."},
        EditCase{"Teleanalog5_name", 5, "", "Analog channel 5 report name."},
        EditCase{"Teledigital6_units", 3, "", "Digital channel 6 report label."},
        EditCase{"Teleparams_txrate_aprsis", 3, "5",
                 "Telemetry parameters TX rate to APRS-IS (minutes). Set 0 to disable."},
        EditCase{"Rtcyear", 4, "", ""},
        EditCase{"WU_rapidfireserver", 39, "rtupdate.wunderground.com", ""},
        EditCase{"Packet2rf_filter_ssid12", 2, "*", "SSID pattern for APRS-IS to RF filter."}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

TEST(Catalogue, PathNamesStartWideSpThenEmpty) {
    EXPECT_EQ(settingDef("Pathn2_name").startText, "SP");
    EXPECT_EQ(settingDef("Pathn3_name").startText, "");
    EXPECT_EQ(settingDef("Pathn8_name").hint,
              "New-N path for digipeated packets. Example: setting path to WIDE and N>=1, N<=2 "
              "will make the device digipeat packets with WIDE2-2 or WIDE2-1 or WIDE1-1 in path.");
}

struct ChoiceCase {
    const char* name;
    int start;
    std::vector<std::string_view> entries;
};

class CatalogueChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(CatalogueChoice, HasItsEntriesAndStart) {
    const SettingDef& def = settingDef(GetParam().name);
    EXPECT_EQ(def.kind, SettingKind::Choice);
    EXPECT_EQ(def.startIndex, GetParam().start);
    EXPECT_EQ(std::vector<std::string_view>(def.choices.begin(), def.choices.end()),
              GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, CatalogueChoice,
    testing::Values(
        ChoiceCase{
            "Quiettime_randomize", 4, {"No", "+/- 16 ms", "+/- 32 ms", "+/- 64 ms", "+/- 128 ms"}},
        ChoiceCase{
            "Squelch", 0, {"1 (lowest)", "2", "3", "4", "5", "6", "7", "8", "9", "10 (highest)"}},
        ChoiceCase{"Pathn1_traceable", 1, {"No", "Yes"}},
        ChoiceCase{"Weather_stationtype",
                   5,
                   {"None", "Peet Bros Ultimeter 100", "Peet Bros Ultimeter 800",
                    "Peet Bros Ultimeter 2000", "Peet Bros Ultimeter 2100", "WS-2300", "WS-2350",
                    "Davis Vantage Pro", "Davis Vantage Pro2", "Davis Vantage Pro Plus",
                    "Davis Vantage Pro2 Plus"}},
        ChoiceCase{"Debug_wunderground", 1, {"Disabled", "Enabled"}},
        ChoiceCase{"WU_sendmethod", 0, {"Normal", "\"Rapid fire\""}},
        ChoiceCase{"Packet2rf_filter_type07",
                   0,
                   {"Not used", "Allow all", "Deny all", "Beacons", "Destination", "Telemetry"}},
        ChoiceCase{"Teledigital8_source",
                   8,
                   {"Not used", "(M) Output 1", "(M) Output 2", "(M) Output 3", "(M) Output 4",
                    "(M) Input 1", "(M) Input 2", "(M) Input 3", "(M) Input 4"}}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

TEST(Catalogue, TelemetrySourcesUseThePresetLists) {
    const int starts[] = {11, 12, 14, 17, 0};
    for (int n = 1; n <= kAnalogChannels; ++n) {
        const SettingDef& def = settingDef(numbered("Teleanalog", n, "_source"));
        EXPECT_EQ(def.choices.data(), analogSourceEntries().data());
        EXPECT_EQ(def.startIndex, starts[n - 1]);
    }
    for (int n = 1; n <= kDigitalChannels; ++n) {
        EXPECT_EQ(settingDef(numbered("Teledigital", n, "_source")).choices.data(),
                  digitalSourceEntries().data());
    }
    EXPECT_EQ(analogSourceEntries().size(), 18u);
    EXPECT_EQ(analogSourceEntries()[12], "(I) RX'ed packets (1 hour)");
}

TEST(Catalogue, SharesOneArrayPerList) {
    EXPECT_EQ(settingDef("Digion").choices.data(),
              settingDef("Teledigital3_inverted").choices.data());
    EXPECT_EQ(settingDef("Debug_rf").choices.data(), settingDef("WU_enable").choices.data());
    EXPECT_EQ(settingDef("Pinrow_output2").choices.data(),
              settingDef("Teleanalog1_average").choices.data());
}

struct PlaceCase {
    const char* name;
    SettingWindow window;
    const char* tab;
    const char* page;
    const char* group;
    const char* label;
    int row;
    int column;
};

class CataloguePlace : public testing::TestWithParam<PlaceCase> {};

TEST_P(CataloguePlace, SitsInItsTabGroupAndCell) {
    const PlaceCase& c = GetParam();
    const SettingDef& def = settingDef(c.name);
    EXPECT_EQ(def.window, c.window);
    EXPECT_EQ(def.tab, c.tab);
    EXPECT_EQ(def.page, c.page);
    EXPECT_EQ(def.group, c.group);
    EXPECT_EQ(def.label, c.label);
    EXPECT_EQ(def.row, c.row);
    EXPECT_EQ(def.column, c.column);
}

constexpr SettingWindow kMain = SettingWindow::Main;

INSTANTIATE_TEST_SUITE_P(
    Places, CataloguePlace,
    testing::Values(
        PlaceCase{"Callsign", kMain, "Radio", "", "", "Callsign:", -1, -1},
        PlaceCase{"Floodtimeout", kMain, "Digipeater", "",
                  "Common Digipeater settings:", "Duplicate checking [s]:", -1, -1},
        PlaceCase{"Pathn3_active", kMain, "Digipeater", "",
                  "New-N Paradigm PATH filter rules:", "Active:", 2, 4},
        PlaceCase{"Callfilter_rule", kMain, "Digipeater", "",
                  "CALLSIGN filter rules:", "General rule:", -1, -1},
        PlaceCase{"Callfilter_ssid10", kMain, "Digipeater", "",
                  "CALLSIGN filter rules:", "SSID:", 9, 1},
        PlaceCase{"Beacon8_msg", kMain, "Beacons", "", "", "Message (empty fields are ignored):", 7,
                  6},
        PlaceCase{"Ipgate1", kMain, "Network", "", "", "Gateway:", 2, 1},
        PlaceCase{"Ipmask3", kMain, "Network", "", "", "Network mask:", 1, 3},
        PlaceCase{"Aprsis_2rf_dest_ssid", kMain, "I-Gate", "",
                  "Common I-Gate settings:", "Destination SSID:", -1, -1},
        PlaceCase{"Aprsis_fromrf", kMain, "I-Gate", "",
                  "RF packets to APRS-IS gateway:", "Gate RF packets to APRS-IS:", -1, -1},
        PlaceCase{"Aprsis_msg2rf_ssid", kMain, "I-Gate", "",
                  "APRS-IS messages to local RF gateway:", "Message destination SSID:", -1, -1},
        PlaceCase{"Aprsis_packet2rf_3min", kMain, "I-Gate", "",
                  "APRS-IS packets to RF filter:", "Max. packets per 3 min:", -1, -1},
        PlaceCase{"Debug_aprsis", kMain, "Telnet", "",
                  "Telnet debug messages (default state after connect):", "APRS-IS:", -1, -1},
        PlaceCase{"Tele_holdoff", kMain, "Telemetry reports", "Report settings", "",
                  "First telemetry data packet delay [min]:", -1, -1},
        PlaceCase{"Teleanalog2_coefb", kMain, "Telemetry reports", "Analog channels", "",
                  "Coefficient B:", 1, 4},
        PlaceCase{"Teledigital6_inverted", kMain, "Telemetry reports", "Digital channels 5-8", "",
                  "Inverted:", 1, 3},
        PlaceCase{"Teledigital4_source", kMain, "Telemetry reports", "Digital channels 1-4", "",
                  "Source:", 3, 0},
        PlaceCase{"Pinrow_output1", kMain, "Telemetry reports", "Pinrow outputs", "",
                  "Output 1 default state:", -1, -1},
        PlaceCase{"WU_normalrate", kMain, "WUnderground", "",
                  "Weather reports to WeatherUnderground:", "Normal weather send rate [min]:", -1,
                  -1},
        PlaceCase{"Uploadpctime", kMain, "RTC/NTP time", "", "",
                  "Upload PC system time on config write", -1, -1},
        PlaceCase{"Packet2rf_filter_type12", SettingWindow::FilterDialog, "", "", "", "Type:", 11,
                  2}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

TEST(Catalogue, TicksTheBoxesThatStartTicked) {
    std::set<std::string> ticked;
    for (const SettingDef& def : catalogue()) {
        if (def.kind == SettingKind::Check && def.startChecked) {
            ticked.emplace(def.name);
        }
    }
    EXPECT_EQ(ticked, (std::set<std::string>{"Uploadpctime", "Ntp_enable", "Pathn1_active",
                                             "Pathn2_active"}));
}

}  // namespace
}  // namespace korvex
