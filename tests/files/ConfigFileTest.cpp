#include "files/ConfigFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "files/ConfigKeys.h"
#include "files/ProfileFile.h"
#include "settings/Catalogue.h"
#include "settings/IntegerRule.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "support/RecordingFeedback.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempDir.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::RecordingFeedback;
using testing::ScriptedFileChooser;
using testing::TempDir;
using testing::writeFile;

const std::string kHeader =
    "[!WARNING]\r\nApplication=Korvex Mini Configurator\r\nVersion=v1.10\r\n";
const std::string kNotAConfigFile =
    "Imported configuration file is not a Korvex Mini configuration file. \nOperation aborted.";
const std::string kOtherVersion =
    "Imported configuration file version is different than your current application version. "
    "\nPlease double-check configuration fields after import. \nSome configuration fields my "
    "change between firmware versions.";

// The keys of a file's entry lines, in order.
std::vector<std::string> keysInOrder(const std::string& text) {
    std::vector<std::string> keys;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (const size_t equals = line.find('='); equals != std::string::npos) {
            keys.push_back(line.substr(0, equals));
        }
    }
    return keys;
}

// Every key's value in a file, by "Section/Key".
std::map<std::string, std::string> valuesOf(const std::string& text) {
    const ProfileFile profile(text);
    std::map<std::string, std::string> values;
    for (const ConfigKey& key : configKeys()) {
        values[key.section + "/" + key.key] = profile.value(key.section, key.key).value_or("?");
    }
    return values;
}

// Settings as a load of a file holding only the right header leaves them.
SettingsStore loadDefaults() {
    TempDir dir;
    writeFile(dir / "header.cfg", kHeader);
    SettingsStore settings;
    RecordingFeedback feedback;
    EXPECT_TRUE(loadConfigFile(settings, dir / "header.cfg", feedback));
    EXPECT_TRUE(feedback.boxes.empty());
    return settings;
}

// The value a setting shows, whatever its kind.
std::string shown(const Settings& settings, std::string_view name) {
    switch (settingDef(name).kind) {
        case SettingKind::Edit:
            return settings.text(name);
        case SettingKind::Choice:
            return std::to_string(settings.index(name));
        case SettingKind::Check:
            return settings.checked(name) ? "1" : "0";
    }
    return {};
}

TEST(ConfigKeys, SectionsInOrderWithTheirKeyCounts) {
    std::vector<std::pair<std::string, int>> sections;
    for (const ConfigKey& key : configKeys()) {
        if (sections.empty() || sections.back().first != key.section) {
            sections.emplace_back(key.section, 0);
        }
        ++sections.back().second;
    }
    const std::vector<std::pair<std::string, int>> expected = {{"Radio", 12},
                                                               {"Digipeater", 63},
                                                               {"Beacons", 56},
                                                               {"Network", 16},
                                                               {"APRS-IS", 10},
                                                               {"I-Gate", 53},
                                                               {"Weather", 8},
                                                               {"RTC", 3},
                                                               {"WWW", 3},
                                                               {"Telnet", 3},
                                                               {"Debug", 10},
                                                               {"Telemetry", 88},
                                                               {"WeatherUnderground", 8}};
    EXPECT_EQ(sections, expected);
}

TEST(ConfigKeys, EveryFileSettingOnceWithItsKind) {
    std::set<std::string> carried;
    for (const ConfigKey& key : configKeys()) {
        const SettingDef* def = findSetting(key.setting);
        ASSERT_NE(def, nullptr) << key.setting;
        const SettingKind kind = key.form == ValueForm::Choice ? SettingKind::Choice
                                 : key.form == ValueForm::Flag ? SettingKind::Check
                                                               : SettingKind::Edit;
        EXPECT_EQ(def->kind, kind) << key.setting;
        EXPECT_TRUE(carried.insert(key.setting).second) << key.setting;
    }
    const std::set<std::string> clock = {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"};
    for (const SettingDef& def : catalogue()) {
        EXPECT_NE(carried.count(std::string(def.name)), clock.count(std::string(def.name)))
            << def.name;
    }
}

struct KeyCase {
    size_t position;
    ConfigKey key;
};

class ConfigKeyRows : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ConfigKeyRows, StandsAtItsPlace) {
    ASSERT_LT(GetParam().position, configKeys().size());
    EXPECT_EQ(configKeys()[GetParam().position], GetParam().key);
}

constexpr auto Text = ValueForm::Text;
constexpr auto Number = ValueForm::Number;
constexpr auto Choice = ValueForm::Choice;
constexpr auto Flag = ValueForm::Flag;

INSTANTIATE_TEST_SUITE_P(
    Table, ConfigKeyRows,
    ::testing::Values(
        KeyCase{1, {"Radio", "SSID", "Ssid", Text, "0", 0}},
        KeyCase{5, {"Radio", "Quiettime_randomize", "Quiettime_randomize", Choice, "3", 3}},
        KeyCase{14, {"Digipeater", "Pathn1_name", "Pathn1_name", Text, "WIDE", 0}},
        KeyCase{18, {"Digipeater", "Pathn1_active", "Pathn1_active", Flag, "1", 1}},
        KeyCase{19, {"Digipeater", "Pathn2_name", "Pathn2_name", Text, "SP", 0}},
        KeyCase{22, {"Digipeater", "Pathn2_traceable", "Pathn2_traceable", Choice, "0", 0}},
        KeyCase{23, {"Digipeater", "Pathn2_active", "Pathn2_active", Flag, "1", 1}},
        KeyCase{28, {"Digipeater", "Pathn3_active", "Pathn3_active", Flag, "0", 0}},
        KeyCase{55, {"Digipeater", "Callfilter_callsign1", "Callfilter_callsign1", Text, "", 0}},
        KeyCase{56, {"Digipeater", "Callfilter_ssid1", "Callfilter_ssid1", Text, "*", 0}},
        KeyCase{74, {"Digipeater", "Callfilter_ssid10", "Callfilter_ssid10", Text, "*", 0}},
        KeyCase{81,
                {"Beacons", "Beacon1_msg", "Beacon1_msg", Text, "@<date>z<lat>/<long>-KORVEX Test.",
                 0}},
        KeyCase{82, {"Beacons", "Beacon2_dest_string", "Beacon2_dest_string", Text, "APQK04", 0}},
        KeyCase{88, {"Beacons", "Beacon2_msg", "Beacon2_msg", Text, "", 0}},
        KeyCase{134, {"Network", "Ipaddr3", "Ipaddr3", Number, "1", 1}},
        KeyCase{
            147,
            {"APRS-IS", "Aprsis1_servername", "Aprsis1_servername", Text, "rotate.aprs2.net", 0}},
        KeyCase{157, {"I-Gate", "Aprsis_heardtimeout", "Aprsis_heard_timeout", Number, "30", 30}},
        KeyCase{166, {"I-Gate", "Aprsis_packet2rf", "Aprsis_packet2rf", Choice, "0", 0}},
        KeyCase{
            174,
            {"I-Gate", "Packet2rf_filter_callsign01", "Packet2rf_filter_callsign01", Text, "", 0}},
        KeyCase{176,
                {"I-Gate", "Packet2rf_filter_type01", "Packet2rf_filter_type01", Choice, "0", 0}},
        KeyCase{
            177,
            {"I-Gate", "Packet2rf_filter_callsign02", "Packet2rf_filter_callsign02", Text, "", 0}},
        KeyCase{209,
                {"I-Gate", "Packet2rf_filter_type12", "Packet2rf_filter_type12", Choice, "0", 0}},
        KeyCase{218, {"RTC", "Uploadpctime", "Uploadpctime", Flag, "1", 1}},
        KeyCase{220, {"RTC", "Ntp_servername", "Ntp_servername", Text, "pool.ntp.org", 0}},
        KeyCase{222, {"WWW", "Www_pass", "www_password", Text, "qzvrt", 0}},
        KeyCase{225, {"Telnet", "Telnet_pass", "telnet_password", Text, "qzvrt", 0}},
        KeyCase{241, {"Telemetry", "Tele_holdoff", "Tele_holdoff", Number, "0", 0}},
        KeyCase{244, {"Telemetry", "Teleanalog1_source", "Teleanalog1_source", Choice, "1", 1}},
        KeyCase{272, {"Telemetry", "Teleanalog5_source", "Teleanalog5_source", Choice, "9", 9}},
        KeyCase{275, {"Telemetry", "Teleanalog5_coefc", "Teleanalog5_coefc", Text, "-64", 0}},
        KeyCase{278, {"Telemetry", "Teledigital1_label", "Teledigital1_units", Text, "On", 0}},
        KeyCase{306, {"Telemetry", "Teledigital8_label", "Teledigital8_units", Text, "Hi", 0}},
        KeyCase{307, {"Telemetry", "Teledigital8_source", "Teledigital8_source", Choice, "8", 8}},
        KeyCase{324, {"Telemetry", "Pinrow_output4", "Pinrow_output4", Choice, "0", 0}},
        KeyCase{325, {"WeatherUnderground", "Enable", "WU_enable", Choice, "0", 0}},
        KeyCase{328,
                {"WeatherUnderground", "Normalserver", "WU_normalserver", Text,
                 "weatherstation.wunderground.com", 0}},
        KeyCase{329,
                {"WeatherUnderground", "Rapidfireserver", "WU_rapidfireserver", Text,
                 "rtupdate.wunderground.com", 0}},
        KeyCase{332,
                {"WeatherUnderground", "Rapidfire_rate", "WU_rapidfirerate", Number, "5", 5}}));

TEST(SaveConfig, LoadDefaultsGiveTheDocumentedHeadAndEveryKeyInOrder) {
    TempDir dir;
    RecordingFeedback feedback;
    ASSERT_TRUE(saveConfigFile(loadDefaults(), dir / "new.cfg", feedback));
    const std::string text = readFile(dir / "new.cfg");
    const std::string head =
        "[!WARNING]\r\n"
        "WARNING=Please do not try to modify this file. It should be managed with Korvex Mini "
        "configurator program.\r\n"
        "Application=Korvex Mini Configurator\r\n"
        "Version=v1.10\r\n"
        "[Radio]\r\n"
        "Callsign=NOCALL\r\n"
        "SSID=0\r\n"
        "Baudrate=0\r\n"
        "TXdelay=250\r\n"
        "Quiettime=400\r\n"
        "Quiettime_randomize=3\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    std::vector<std::string> expected = {"WARNING", "Application", "Version"};
    for (const ConfigKey& key : configKeys()) {
        expected.push_back(key.key);
    }
    EXPECT_EQ(keysInOrder(text), expected);
    EXPECT_EQ(text.find("\n\r"), text.find("\n\r\n["));  // no blank lines
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 336 + 14);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 336 + 14);
    // Every value is the key's load default.
    const auto values = valuesOf(text);
    for (const ConfigKey& key : configKeys()) {
        EXPECT_EQ(values.at(key.section + "/" + key.key), key.defaultText) << key.key;
    }
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST(SaveConfig, StartupStateDiffersFromTheLoadDefaultsWhereTheWindowStartsOtherwise) {
    TempDir dir;
    RecordingFeedback feedback;
    SettingsStore startup;
    applyStartupState(startup, FixedClock({2024, 5, 6, 7, 8, 0}));
    ASSERT_TRUE(saveConfigFile(startup, dir / "startup.cfg", feedback));
    ASSERT_TRUE(saveConfigFile(loadDefaults(), dir / "defaults.cfg", feedback));
    const auto started = valuesOf(readFile(dir / "startup.cfg"));
    const auto defaults = valuesOf(readFile(dir / "defaults.cfg"));
    std::map<std::string, std::string> differences;
    for (const auto& [key, value] : started) {
        if (defaults.at(key) != value) {
            differences[key] = value;
        }
    }
    std::map<std::string, std::string> expected = {
        {"Radio/Quiettime_randomize", "4"},
        {"Beacons/Beacon1_msg", "@<date>z<lat>/<long>-KorvexMini U=<volt>V."},
        {"Network/Ipaddr3", "2"},
        {"I-Gate/Rfheard_timeout", "60"},
        {"Telemetry/Tele_holdoff", "60"},
        {"Weather/Weather_comment", "Korvex weather"},
        {"I-Gate/Aprsis_packet2rf", "1"},
        {"Telemetry/Teleanalog1_name", "Vin"},
        {"Telemetry/Teleanalog1_units", "Volt"},
        {"Telemetry/Teleanalog1_source", "11"},
        {"Telemetry/Teleanalog1_coefb", "0.079"},
        {"Telemetry/Teleanalog2_name", "Rx1h"},
        {"Telemetry/Teleanalog2_units", "Pkt"},
        {"Telemetry/Teleanalog2_source", "12"},
        {"Telemetry/Teleanalog2_coefb", "10"},
        {"Telemetry/Teleanalog3_name", "Dg1h"},
        {"Telemetry/Teleanalog3_units", "Pkt"},
        {"Telemetry/Teleanalog3_source", "14"},
        {"Telemetry/Teleanalog3_coefb", "10"},
        {"Telemetry/Teleanalog4_name", "Eff1h"},
        {"Telemetry/Teleanalog4_units", "Pcnt"},
        {"Telemetry/Teleanalog4_source", "17"},
        {"Telemetry/Teleanalog4_coefb", "1"},
        {"Telemetry/Teleanalog5_name", "A5"},
        {"Telemetry/Teleanalog5_units", "None"},
        {"Telemetry/Teleanalog5_source", "0"},
        {"Telemetry/Teleanalog5_coefb", "0"},
        {"Telemetry/Teleanalog5_coefc", "0"},
    };
    for (int n = 2; n <= 8; ++n) {
        expected["Beacons/Beacon" + std::to_string(n) + "_txrate_rf"] = "0";
        expected["Beacons/Beacon" + std::to_string(n) + "_txrate_aprsis"] = "0";
    }
    for (const auto& [key, value] : differences) {
        EXPECT_EQ(expected.count(key) ? expected.at(key) : "(same as load default)", value) << key;
    }
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(differences.count(key) ? differences.at(key) : "(same as load default)", value)
            << key;
    }
}

// Random values for every setting the file carries, and what a load gives back for them.
struct Randomised {
    SettingsStore saved;
    SettingsStore expected;
};

Randomised randomSettings(unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int count) { return static_cast<int>(random() % count); };
    const std::string characters = "AZaz09 =\"';[]#$%-_./<>@\t\x7f\xa0\xe9\xff";
    Randomised result;
    for (const ConfigKey& key : configKeys()) {
        const std::string& name = key.setting;
        switch (key.form) {
            case ValueForm::Text: {
                std::string text;
                for (int n = pick(12); n > 0; --n) {
                    text += characters[pick(static_cast<int>(characters.size()))];
                }
                result.saved.setText(name, text);
                result.expected.setText(name, text);
                break;
            }
            case ValueForm::Number: {
                const auto value = static_cast<int32_t>(random());
                const std::string forms[] = {std::to_string(value), "  " + std::to_string(value),
                                             "$" + [&] {
                                                 std::ostringstream hex;
                                                 hex << std::hex << (value & 0x7fffffff);
                                                 return hex.str();
                                             }()};
                const int form = pick(3);
                result.saved.setText(name, forms[form]);
                result.expected.setText(name,
                                        std::to_string(form == 2 ? value & 0x7fffffff : value));
                break;
            }
            case ValueForm::Choice: {
                const int index = pick(static_cast<int>(settingDef(name).choices.size()) + 1) - 1;
                result.saved.setIndex(name, index);
                result.expected.setIndex(name, index);
                break;
            }
            case ValueForm::Flag: {
                const bool ticked = pick(2) == 1;
                result.saved.setChecked(name, ticked);
                result.expected.setChecked(name, ticked);
                break;
            }
        }
    }
    return result;
}

TEST(SaveConfig, SaveThenLoadRestoresEverySetting) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        TempDir dir;
        const Randomised settings = randomSettings(seed);
        RecordingFeedback feedback;
        ASSERT_TRUE(saveConfigFile(settings.saved, dir / "r.cfg", feedback));
        SettingsStore loaded;
        ASSERT_TRUE(loadConfigFile(loaded, dir / "r.cfg", feedback));
        EXPECT_TRUE(feedback.boxes.empty());
        for (const ConfigKey& key : configKeys()) {
            EXPECT_EQ(shown(loaded, key.setting), shown(settings.expected, key.setting))
                << "seed " << seed << " " << key.setting;
        }
        EXPECT_TRUE(loaded == settings.expected) << "seed " << seed;
    }
}

struct NumberCase {
    const char* typed;
    const char* written;
};

class SaveNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SaveNumber, IsWrittenAndReadBackInPlainDecimal) {
    TempDir dir;
    SettingsStore settings = loadDefaults();
    settings.setText("Txdelay", GetParam().typed);
    RecordingFeedback feedback;
    ASSERT_TRUE(saveConfigFile(settings, dir / "n.cfg", feedback));
    EXPECT_NE(
        readFile(dir / "n.cfg").find("\r\nTXdelay=" + std::string(GetParam().written) + "\r\n"),
        std::string::npos);
    SettingsStore loaded;
    ASSERT_TRUE(loadConfigFile(loaded, dir / "n.cfg", feedback));
    EXPECT_EQ(loaded.text("Txdelay"), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Forms, SaveNumber,
                         ::testing::Values(NumberCase{"050", "50"}, NumberCase{"$1F", "31"},
                                           NumberCase{"0x10", "16"}, NumberCase{"X10", "16"},
                                           NumberCase{"+12", "12"}, NumberCase{"  -7", "-7"},
                                           NumberCase{"-2147483648", "-2147483648"}));

// A file with the right header and `body` after it is loaded onto the load defaults.
struct LoadCase {
    const char* name;
    std::string body;
    const char* setting;
    std::string expected;  // as shown()
};

class LoadValue : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadValue, SetsTheSetting) {
    TempDir dir;
    writeFile(dir / "l.cfg", kHeader + GetParam().body);
    SettingsStore settings;
    RecordingFeedback feedback;
    ASSERT_TRUE(loadConfigFile(settings, dir / "l.cfg", feedback));
    EXPECT_TRUE(feedback.boxes.empty());
    EXPECT_EQ(shown(settings, GetParam().setting), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadValue,
    ::testing::Values(
        LoadCase{"EmptyNumberTakesDefault", "[Radio]\r\nTXdelay=\r\n", "Txdelay", "250"},
        LoadCase{"EmptyTextEmpties", "[Radio]\r\nCallsign=\r\n", "Callsign", ""},
        LoadCase{"NumberWithTrailingBlank", "[Radio]\r\nTXdelay=300 \r\n", "Txdelay", "250"},
        LoadCase{"NumberWithLeadingBlank", "[Radio]\r\nTXdelay= 300\r\n", "Txdelay", "300"},
        LoadCase{"NumberHex", "[Radio]\r\nTXdelay=$12C\r\n", "Txdelay", "300"},
        LoadCase{"NumberOutOfRangeUnchecked", "[Radio]\r\nTXdelay=99999\r\n", "Txdelay", "99999"},
        LoadCase{"NumberTooBigTakesDefault", "[Radio]\r\nTXdelay=2147483648\r\n", "Txdelay", "250"},
        LoadCase{"TextWithEquals", "[Beacons]\r\nBeacon1_msg=U=<volt>V\r\n", "Beacon1_msg",
                 "U=<volt>V"},
        LoadCase{"TextWithTrailingBlank", "[Beacons]\r\nBeacon2_msg=Hello \r\n", "Beacon2_msg",
                 "Hello "},
        LoadCase{"TextInQuotes", "[Beacons]\r\nBeacon2_msg=\"Hello\"\r\n", "Beacon2_msg",
                 "\"Hello\""},
        LoadCase{"CoefficientAsTyped", "[Telemetry]\r\nTeleanalog2_coefb=19.50\r\n",
                 "Teleanalog2_coefb", "19.50"},
        LoadCase{"ChoiceOutsideTheList", "[Radio]\r\nSquelch=10\r\n", "Squelch", "-1"},
        LoadCase{"ChoiceMinusOne", "[Radio]\r\nSquelch=-1\r\n", "Squelch", "-1"},
        LoadCase{"ChoiceNotANumber", "[Radio]\r\nSquelch=high\r\n", "Squelch", "0"},
        LoadCase{"ChoiceLastEntry", "[Radio]\r\nSquelch=9\r\n", "Squelch", "9"},
        LoadCase{"FlagZero", "[RTC]\r\nNtp_enable=0\r\n", "Ntp_enable", "0"},
        LoadCase{"FlagAnyNonzero", "[Digipeater]\r\nPathn5_active=-3\r\n", "Pathn5_active", "1"},
        LoadCase{"FlagNotANumberTakesDefault", "[RTC]\r\nNtp_enable=no\r\n", "Ntp_enable", "1"},
        LoadCase{"CaseOfSectionAndKeyIgnored", "[radio]\r\nCALLSIGN=SP1ABC\r\n", "Callsign",
                 "SP1ABC"},
        LoadCase{"SettingNameIsNotTheKey", "[Radio]\r\nTxdelay=300\r\nTXdelay=301\r\n", "Txdelay",
                 "300"},
        LoadCase{"KeyInTheWrongSectionIgnored", "[Beacons]\r\nCallsign=SP1ABC\r\n", "Callsign",
                 "NOCALL"},
        LoadCase{"FirstDuplicateWins", "[Radio]\r\nno equals here\r\nCallsign=A\r\nCallsign=B\r\n",
                 "Callsign", "A"},
        LoadCase{"LongValueCut", "[Radio]\r\nCallsign=" + std::string(5000, 'Q') + "\r\n",
                 "Callsign", std::string(2047, 'Q')},
        LoadCase{"NulEndsTheText", std::string("[Radio]\r\nCallsign=AB\0CD\r\n", 25), "Callsign",
                 "AB"},
        LoadCase{"NulEndsTheNumber",
                 std::string("[Radio]\r\nTXdelay=30\0"
                             "0\r\n",
                             23),
                 "Txdelay", "30"},
        LoadCase{"ControlCharacterKept",
                 "[Beacons]\r\nBeacon2_msg=A\x01"
                 "B\r\n",
                 "Beacon2_msg",
                 "A\x01"
                 "B"},
        LoadCase{"LfOnlyFile", "[WWW]\nWww_user=root\n", "www_user", "root"},
        LoadCase{"FilterDialogKey", "[I-Gate]\r\nPacket2rf_filter_type07=4\r\n",
                 "Packet2rf_filter_type07", "4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadConfig, EachDigitalChannelReadsItsOwnSource) {
    TempDir dir;
    std::string body = "[Telemetry]\r\n";
    for (int n = 1; n <= 8; ++n) {
        body += "Teledigital" + std::to_string(n) + "_source=" + std::to_string(9 - n) + "\r\n";
    }
    writeFile(dir / "d.cfg", kHeader + body);
    SettingsStore settings;
    RecordingFeedback feedback;
    ASSERT_TRUE(loadConfigFile(settings, dir / "d.cfg", feedback));
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(settings.index("Teledigital" + std::to_string(n) + "_source"), 9 - n);
    }
}

TEST(LoadConfig, WithoutTelemetrySectionChannelsTakeTheirDefaults) {
    const SettingsStore settings = loadDefaults();
    const std::vector<int> sources = {1, 4, 7, 8, 9};
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(settings.index("Teleanalog" + std::to_string(n) + "_source"), sources[n - 1]);
    }
    EXPECT_EQ(settings.text("Teleanalog5_name"), "Temp");
    EXPECT_EQ(settings.text("Teleanalog5_coefc"), "-64");
    EXPECT_EQ(settings.text("Teledigital7_name"), "I3");
    EXPECT_EQ(settings.text("Teledigital7_units"), "Hi");
    EXPECT_EQ(settings.index("Quiettime_randomize"), 3);
    EXPECT_EQ(settings.index("Aprsis_packet2rf"), 0);
}

TEST(LoadConfig, LeavesTheClockFieldsAndFollowsUploadpctime) {
    TempDir dir;
    writeFile(dir / "c.cfg", kHeader + "[RTC]\r\nUploadpctime=0\r\nRtcyear=1999\r\n");
    SettingsStore settings;
    applyStartupState(settings, FixedClock({2024, 5, 6, 7, 8, 0}));
    ASSERT_FALSE(settings.clockFieldsEnabled());
    RecordingFeedback feedback;
    ASSERT_TRUE(loadConfigFile(settings, dir / "c.cfg", feedback));
    EXPECT_TRUE(settings.clockFieldsEnabled());
    EXPECT_EQ(settings.text("Rtcyear"), "2024");
    EXPECT_EQ(settings.text("Rtcmin"), "8");
}

struct RefusedCase {
    const char* name;
    std::string content;  // written as the file; "<missing>" for no file
};

class LoadRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(LoadRefused, ShowsTheMessageAndChangesNothing) {
    TempDir dir;
    if (GetParam().content != "<missing>") {
        writeFile(dir / "x.cfg", GetParam().content);
    }
    SettingsStore settings;
    applyStartupState(settings, FixedClock({2024, 5, 6, 7, 8, 0}));
    const SettingsStore before = settings;
    RecordingFeedback feedback;
    EXPECT_FALSE(loadConfigFile(settings, dir / "x.cfg", feedback));
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0],
              (RecordingFeedback::Box{"information", "Information", kNotAConfigFile}));
    EXPECT_TRUE(settings == before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadRefused,
    ::testing::Values(
        RefusedCase{"Missing", "<missing>"}, RefusedCase{"Empty", ""},
        RefusedCase{"Binary", std::string("\x00\x01\xff[\x00]=\r\n\x80", 10)},
        RefusedCase{"ApplicationInOtherCase",
                    "[!WARNING]\r\nApplication=Korvex mini Configurator\r\nVersion=v1.10\r\n"
                    "[Radio]\r\nCallsign=SP1ABC\r\n"},
        RefusedCase{"ApplicationWithBlank",
                    "[!WARNING]\r\nApplication=Korvex Mini Configurator \r\nVersion=v1.10\r\n"},
        RefusedCase{"ApplicationInAnotherSection",
                    "[Radio]\r\nApplication=Korvex Mini Configurator\r\n"},
        RefusedCase{"NoEqualsAnywhere", "[!WARNING]\r\nApplication Korvex Mini Configurator\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadConfig, HugeFileIsRefused) {
    TempDir dir;
    writeFile(dir / "huge.cfg", kHeader + "[Radio]\r\nCallsign=BIG\r\n");
    fs::resize_file(dir / "huge.cfg", 100u * 1024u * 1024u);
    SettingsStore settings;
    RecordingFeedback feedback;
    EXPECT_FALSE(loadConfigFile(settings, dir / "huge.cfg", feedback));
    EXPECT_EQ(feedback.lastBoxText(), kNotAConfigFile);
    EXPECT_EQ(settings.text("Callsign"), "");
    fs::remove(dir / "huge.cfg");
}

TEST(LoadConfig, OtherOrMissingVersionShowsTheNoticeAndLoads) {
    for (const std::string version : {"", "Version=v1.09\r\n", "Version=V1.10\r\n"}) {
        TempDir dir;
        writeFile(dir / "v.cfg", "[!WARNING]\r\nApplication=Korvex Mini Configurator\r\n" +
                                     version + "[Radio]\r\nCallsign=SP1ABC\r\n");
        SettingsStore settings;
        RecordingFeedback feedback;
        EXPECT_TRUE(loadConfigFile(settings, dir / "v.cfg", feedback));
        EXPECT_EQ(
            feedback.boxes,
            (std::vector<RecordingFeedback::Box>{{"information", "Information", kOtherVersion}}));
        EXPECT_EQ(settings.text("Callsign"), "SP1ABC");
        EXPECT_EQ(settings.text("Txdelay"), "250");
    }
}

TEST(SaveConfig, ExistingFileKeepsForeignEntriesInTheirOrder) {
    TempDir dir;
    writeFile(dir / "e.cfg",
              "; kept note\r\n[Radio]\r\nMine=1\r\ncallsign = OLD\r\n; radio note\r\n\r\n"
              "[Extra]\r\nx=y\r\n[!WARNING]\r\nVersion=v0.1\r\n");
    SettingsStore settings = loadDefaults();
    settings.setText("Callsign", "SP1ABC");
    RecordingFeedback feedback;
    ASSERT_TRUE(saveConfigFile(settings, dir / "e.cfg", feedback));
    const std::string text = readFile(dir / "e.cfg");
    EXPECT_EQ(text.substr(0, 80),
              "; kept note\r\n[Radio]\r\nMine=1\r\ncallsign =SP1ABC\r\nSSID=0\r\nBaudrate=0\r\n"
              "TXdelay=250\r");
    EXPECT_NE(text.find("Longitude=01653.63E\r\n; radio note\r\n\r\n[Extra]\r\nx=y\r\n"
                        "[!WARNING]\r\nVersion=v1.10\r\nWARNING=Please"),
              std::string::npos);
    EXPECT_NE(text.find("Application=Korvex Mini Configurator\r\n[Digipeater]\r\nDigion=1\r\n"),
              std::string::npos);
    SettingsStore loaded;
    ASSERT_TRUE(loadConfigFile(loaded, dir / "e.cfg", feedback));
    EXPECT_TRUE(loaded == settings);
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST(SaveConfig, NumberSettingThatIsNoNumberWritesNothing) {
    for (const char* typed : {"", "12a", "12 ", "0x", "2147483648"}) {
        TempDir dir;
        const std::string old = kHeader + "[Radio]\r\nCallsign=OLD\r\n";
        writeFile(dir / "old.cfg", old);
        SettingsStore settings = loadDefaults();
        settings.setText("Callsign", "NEW");
        settings.setText("Rfheard_timeout", typed);
        RecordingFeedback feedback;
        try {
            saveConfigFile(settings, dir / "old.cfg", feedback);
            ADD_FAILURE() << "no NotAnInteger for '" << typed << "'";
        } catch (const NotAnInteger& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(typed) + "' is not a valid integer value");
        }
        EXPECT_THROW(saveConfigFile(settings, dir / "new.cfg", feedback), NotAnInteger);
        EXPECT_EQ(readFile(dir / "old.cfg"), old);
        EXPECT_FALSE(fs::exists(dir / "new.cfg"));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
        EXPECT_TRUE(feedback.boxes.empty());
    }
}

TEST(SaveConfig, UnwritableTargetReportsAndKeepsTheOldFile) {
    TempDir dir;
    const std::string old = kHeader + "[Radio]\r\nCallsign=OLD\r\n";
    writeFile(dir / "ro.cfg", old);
    fs::permissions(dir / "ro.cfg", fs::perms::owner_read);
    fs::create_directory(dir / "folder.cfg");
    writeFile(dir / "big.cfg", old);
    fs::resize_file(dir / "big.cfg", ProfileFile::kMaxFileSize + 1);
    const SettingsStore settings = loadDefaults();
    for (const fs::path& target :
         {dir / "ro.cfg", dir / "missing" / "a.cfg", dir / "folder.cfg", dir / "big.cfg"}) {
        RecordingFeedback feedback;
        EXPECT_FALSE(saveConfigFile(settings, target, feedback));
        EXPECT_EQ(feedback.boxes, (std::vector<RecordingFeedback::Box>{
                                      {"error", "", "Unable to write to " + target.string()}}));
    }
    EXPECT_EQ(readFile(dir / "ro.cfg"), old);
    EXPECT_EQ(fs::file_size(dir / "big.cfg"), ProfileFile::kMaxFileSize + 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

TEST(ConfigDialogs, SaveAndReadUseTheirDialogs) {
    TempDir dir;
    ScriptedFileChooser chooser;
    RecordingFeedback feedback;
    const SettingsStore defaults = loadDefaults();
    chooser.answer(dir / "d.cfg");
    ASSERT_TRUE(SaveToFile(defaults, feedback, chooser, dir / "prog"));
    SettingsStore loaded;
    chooser.answer(dir / "d.cfg");
    ASSERT_TRUE(ReadFromFile(loaded, feedback, chooser, dir / "prog"));
    EXPECT_TRUE(loaded == defaults);
    ASSERT_EQ(chooser.requests.size(), 2u);
    for (const auto& request : chooser.requests) {
        EXPECT_EQ(request.filter, "KorvexMini config files (*.cfg)|*.cfg");
        EXPECT_EQ(request.initialFolder, dir / "prog" / "config");
    }
    EXPECT_EQ(chooser.requests[0].kind, "save");
    EXPECT_EQ(chooser.requests[0].proposedName, "korvexmini.cfg");
    EXPECT_EQ(chooser.requests[1].kind, "open");
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST(ConfigDialogs, CancelChangesNothing) {
    TempDir dir;
    ScriptedFileChooser chooser;
    RecordingFeedback feedback;
    SettingsStore settings = loadDefaults();
    const SettingsStore before = settings;
    EXPECT_FALSE(SaveToFile(settings, feedback, chooser, dir.path()));
    EXPECT_FALSE(ReadFromFile(settings, feedback, chooser, dir.path()));
    EXPECT_TRUE(settings == before);
    EXPECT_TRUE(feedback.boxes.empty());
    EXPECT_EQ(chooser.requests.size(), 2u);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace korvex
