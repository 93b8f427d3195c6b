// The station check: every rule on a sound station changed one way (a hit) and a nearby way
// (a near miss), the start-up state's own advice, and the check run after the encoder's.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "advice/Advice.h"
#include "advice/Passcode.h"
#include "advice/StationCheck.h"
#include "settings/Catalogue.h"
#include "settings/StartupState.h"

namespace korvex::testing {
namespace {

using Edits = std::vector<std::pair<std::string, std::string>>;

const FixedClock kClock({2026, 12, 9, 12, 34, 0});

// An edit's text, a list's index or a box's 1/0.
void apply(SettingsStore& settings, const Edits& edits) {
    for (const auto& [name, value] : edits) {
        switch (settingDef(name).kind) {
            case SettingKind::Edit:
                settings.setText(name, value);
                break;
            case SettingKind::Choice:
                settings.setIndex(name, std::stoi(value));
                break;
            case SettingKind::Check:
                settings.setChecked(name, value == "1");
                break;
        }
    }
}

// The start-up state with an own callsign, a verified login, WIDE2 at most, beacon and weather
// every 30 minutes over one hop, no packets from APRS-IS to RF, and passwords of its own.
SettingsStore soundStation() {
    SettingsStore settings = startupSettings(kClock);
    apply(settings, {{"Callsign", "SP5ABC"},
                     {"Ssid", "3"},
                     {"Aprsis_user", "SP5ABC-3"},
                     {"Aprsis_pass", std::to_string(aprsisPasscode("SP5ABC"))},
                     {"Pathn1_higher", "2"},
                     {"Beacon1_txrate_rf", "30"},
                     {"Beacon1_path_ssid", "1"},
                     {"Weather_txrate_rf", "30"},
                     {"Weather_path_ssid", "1"},
                     {"Aprsis_packet2rf", "0"},
                     {"www_password", "Hill-4web"},
                     {"telnet_password", "Hill-4tel"}});
    return settings;
}

std::multiset<std::string> ids(const std::vector<Advice>& advice) {
    std::multiset<std::string> found;
    for (const Advice& one : advice) {
        found.emplace(one.rule->id);
    }
    return found;
}

TEST(Passcode, IsThePublicHashOfTheCallWithoutItsSsid) {
    const std::pair<std::string_view, int> cases[] = {
        {"NOCALL", 12960},   {"N0CALL", 13023}, {"SP5AB", 22515},
        {"SP5AB-10", 22515}, {"sp5ab", 22515},  {"", 0x73E2 & 0x7FFF},
    };
    for (const auto& [login, passcode] : cases) {
        EXPECT_EQ(aprsisPasscode(login), passcode) << login;
    }
}

TEST(Advice, TheStartupStateDrawsItsKnownWarnings) {
    const std::vector<Advice> advice = adviseStation(startupSettings(kClock));
    std::vector<std::string> lines;
    for (const Advice& one : advice) {
        lines.push_back(adviceLine(one));
    }
    const std::vector<std::string> expected = {
        "warning: Radio / Callsign: NOCALL is a placeholder, not a callsign: the station transmits "
        "without a callsign of its own",
        "warning: Digipeater / N<= (Pathn1_higher): WIDE paths are digipeated up to WIDE7-7: the "
        "New-N paradigm serves WIDE2-2 at most and a digipeater should trap larger N",
        "warning: Beacons / RF rate [min] (Beacon1_txrate_rf): Sent to RF every 5 minutes: a "
        "fixed station should not send more often than every 10 minutes",
        "warning: APRS-IS / User: NOCALL is a placeholder: APRS-IS does not verify it and drops "
        "what it sends",
        "warning: APRS-IS / Passcode: APRS-IS will take this login as unverified and drop "
        "everything the station sends: no I-gating, no beacons or weather to APRS-IS",
        "warning: I-Gate / Gate non-message packets to RF: Packets are gated to RF but every "
        "filter rule is \"Not used\": no rule limits the packets that the server filter \"m/40\" "
        "sends, so what goes to RF is left to the device's default",
        "warning: Weather / TX rate to RF [min]: Sent to RF every 5 minutes: a fixed station "
        "should not send more often than every 10 minutes",
        "warning: WWW / Password: The password is the factory \"qzvrt\": anyone who reaches the "
        "station's network can change its settings",
        "warning: Telnet / Password: The password is the factory \"qzvrt\": anyone who reaches "
        "the station's network can change its settings",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(adviceSummary(advice), "9 warnings, 0 notes");
}

TEST(Advice, ASoundStationDrawsNone) {
    const std::vector<Advice> advice = adviseStation(soundStation());
    EXPECT_TRUE(advice.empty()) << adviceLine(advice.front());
}

struct RuleCase {
    Edits edits;
    std::multiset<std::string> expected;  // empty for a near miss
};

TEST(Advice, EachRuleHitsAndMissesNearby) {
    const std::string pad43(43, 'x');
    const std::vector<RuleCase> cases = {
        // Radio.
        {{{"Callsign", "n0call"}}, {"callsign-nocall"}},
        {{{"Callsign", "NOCALX"}}, {"aprsis-user-not-station"}},
        {{{"Latitude", "9100.00N"}}, {"position-out-of-range", "beacon-position-form"}},
        {{{"Latitude", "5260.00N"}}, {"position-minutes", "beacon-position-form"}},
        {{{"Longitude", "01675.00E"}}, {"position-minutes", "beacon-position-form"}},
        {{{"Latitude", "9160.00N"}}, {"position-minutes", "beacon-position-form"}},
        {{{"Latitude", "9000.00S"}, {"Longitude", "17959.99W"}}, {}},
        {{{"Longitude", "18000.01E"}}, {"position-out-of-range", "beacon-position-form"}},
        // Digipeater.
        {{{"Pathn1_higher", "3"}}, {"digi-wide-n-too-large"}},
        {{{"Pathn1_name", "wide"}, {"Pathn1_higher", "7"}}, {"digi-wide-n-too-large"}},
        {{{"Pathn1_higher", "7"}, {"Digion", "0"}}, {}},
        {{{"Pathn2_lower", "5"}, {"Pathn2_higher", "2"}}, {"digi-range-empty"}},
        {{{"Pathn2_lower", "2"}, {"Pathn2_higher", "2"}}, {}},
        {{{"Pathn3_active", "1"}}, {"digi-rule-no-name"}},
        {{{"Pathn3_active", "1"}, {"Pathn3_name", "wide"}, {"Pathn3_higher", "2"}},
         {"digi-rule-duplicate"}},
        {{{"Pathn3_active", "1"}, {"Pathn3_name", "SPN"}}, {}},
        {{{"Floodtimeout", "27"}}, {"digi-duplicate-window-short"}},
        {{{"Floodtimeout", "28"}}, {}},
        {{{"Beacon1_txrate_rf", "0"}}, {"digi-no-beacon"}},
        {{{"Beacon1_txrate_rf", "0"}, {"Digion", "0"}}, {}},
        // Beacons and the weather report.
        {{{"Beacon2_txrate_aprsis", "10"}}, {"beacon-empty-text"}},
        {{{"Beacon1_txrate_rf", "9"}}, {"beacon-rf-rate-fast"}},
        {{{"Beacon1_txrate_rf", "10"}}, {}},
        {{{"Beacon1_txrate_rf", "10"}, {"Beacon1_path_ssid", "2"}}, {"beacon-rf-rate-multihop"}},
        {{{"Beacon1_path_ssid", "2"}}, {}},
        {{{"Beacon1_path_ssid", "0"}}, {"beacon-path-used-up"}},
        {{{"Beacon1_path_string", "SP5XYZ"}, {"Beacon1_path_ssid", "0"}}, {}},
        {{{"Beacon1_path_ssid", "3"}}, {"beacon-path-long"}},
        {{{"Beacon1_path_string", "TCPIP"}}, {"beacon-path-not-rf"}},
        {{{"Beacon1_path_string", "qAR"}}, {"beacon-path-not-rf"}},
        {{{"Beacon1_path_string", "NOGATE"}}, {}},
        {{{"Beacon1_path_string", "TCPIP"}, {"Beacon1_txrate_rf", "0"}}, {"digi-no-beacon"}},
        {{{"Beacon1_dest_string", "AP-K"}}, {"beacon-destination-form"}},
        {{{"Beacon1_dest_ssid", "2"}}, {"beacon-destination-ssid"}},
        {{{"Beacon1_dest_string", "APK"}}, {}},
        {{{"Weather_txrate_rf", "5"}}, {"beacon-rf-rate-fast"}},
        {{{"Weather_dest_ssid", "1"}, {"Weather_path_ssid", "0"}},
         {"beacon-destination-ssid", "beacon-path-used-up"}},
        {{{"Weather_stationtype", "0"}, {"Weather_txrate_rf", "5"}}, {}},
        // Beacon texts.
        {{{"Beacon1_msg", "Hello"}}, {"beacon-data-type"}},
        {{{"Beacon1_msg", "&x"}}, {"beacon-data-type"}},
        {{{"Beacon1_msg", "Hello !<lat>/<long>-"}}, {}},
        {{{"Beacon1_msg", "!5221.60N01653.63E-"}}, {"beacon-position-form"}},
        {{{"Beacon1_msg", "@<date><lat>/<long>-"}}, {"beacon-position-form"}},
        {{{"Beacon1_msg", "!<lat>/<long>-"}}, {}},
        {{{"Beacon1_msg", "=5221.  N/01653.  E-"}}, {}},
        {{{"Beacon1_msg", "!/5L!!<*e7>7P["}}, {}},
        {{{"Beacon1_msg", "!<lat>/<long>-x" + pad43}}, {"beacon-comment-long"}},
        {{{"Beacon1_msg", "!<lat>/<long>-" + pad43}}, {}},
        {{{"Beacon1_msg", "!<lat>/<long>-PHG5132x" + pad43.substr(7)}}, {"beacon-comment-long"}},
        {{{"Beacon1_msg", "!<lat>/<long>-PHG5132" + pad43.substr(7)}}, {}},
        {{{"Beacon1_msg",
           "!<lat>/<long>_090/000g005t077r000p000P000h50b09900wRSW" + pad43.substr(35)}},
         {}},
        {{{"Beacon1_msg", ">" + std::string(63, 's')}}, {"beacon-status-long"}},
        {{{"Beacon1_msg", ">" + std::string(62, 's')}}, {}},
        {{{"Beacon1_msg", "!<lat>/<long>-<foo> <la"}},
         {"beacon-unknown-placeholder", "beacon-unknown-placeholder"}},
        {{{"Beacon1_msg", "@<gpsdate>z<gpslat>/<gpslong>-U=<volt>V. a<b"}}, {}},
        // Network.
        {{{"Ipmask2", "0"}, {"Ipmask3", "255"}}, {"network-mask-not-contiguous"}},
        {{{"Ipmask3", "255"}}, {"network-mask-size"}},
        {{{"Ipmask3", "254"}}, {"network-mask-size"}},
        {{{"Ipmask0", "0"}, {"Ipmask1", "0"}, {"Ipmask2", "0"}}, {"network-mask-size"}},
        {{{"Ipmask3", "252"}}, {}},
        {{{"Ipaddr3", "255"}}, {"network-address-subnet-edge"}},
        {{{"Ipaddr3", "0"}}, {"network-address-subnet-edge"}},
        {{{"Ipaddr3", "254"}}, {}},
        {{{"Ipaddr0", "127"}}, {"network-address-reserved", "network-gateway-outside"}},
        {{{"Ipaddr0", "240"}}, {"network-address-reserved", "network-gateway-outside"}},
        {{{"Ipgate2", "3"}}, {"network-gateway-outside"}},
        {{{"Ipgate3", "2"}}, {"network-gateway-is-address"}},
        {{{"Ipgate3", "254"}}, {}},
        {{{"Ipdns0", "0"}, {"Ipdns1", "0"}, {"Ipdns2", "0"}, {"Ipdns3", "0"}},
         {"network-dns-zero"}},
        {{{"Ipdns0", "0"}, {"Ipdns1", "0"}, {"Ipdns2", "0"}}, {}},
        // APRS-IS.
        {{{"Aprsis_user", "nocall-5"}}, {"aprsis-user-nocall", "passcode-mismatch"}},
        {{{"Aprsis_user", "SP5ABC-123"}}, {"aprsis-user-form"}},
        {{{"Aprsis_user", "SP5A-1-2"}}, {"aprsis-user-form", "passcode-mismatch"}},
        {{{"Aprsis_user", "SP5ABC-15"}}, {"aprsis-user-not-station"}},
        {{{"Aprsis_user", "sp5abc-3"}}, {}},
        {{{"Aprsis_pass", "12345"}}, {"passcode-mismatch"}},
        {{{"Aprsis_pass", "-1"}}, {"passcode-receive-only"}},
        {{{"Aprsis_pass", "48306"}, {"Aprsis1_servername", ""}}, {"aprsis-no-server"}},
        {{{"Aprsis1_servername", ""}, {"Aprsis_fromrf", "0"}, {"Aprsis_msg2rf", "0"}}, {}},
        {{{"Aprsis1_port", "10152"}}, {"aprsis-port-full-feed"}},
        {{{"Aprsis1_port", "10151"}}, {"aprsis-port-full-feed"}},
        {{{"Aprsis1_port", "14581"}}, {"aprsis-port-unusual"}},
        {{{"Aprsis1_port", ""}}, {"aprsis-port-zero"}},
        {{{"Aprsis1_port", "0"}}, {"aprsis-port-zero"}},
        {{{"Aprsis2_port", "10152"}}, {}},
        {{{"Aprsis_filter", "m/40 x/1 r/91/0/10"}}, {"aprsis-filter-term"}},
        {{{"Aprsis_filter",
           "r/52.3/16.9/50 -b/SP* t/poimqstunw/SP5ABC/50 a/53/14/52/17 s/#/>/ q/C/I f/SP5X/10 "
           "p/SP/SQ o/X e/Y g/Z u/APRS d/WIDE"}},
         {}},
        {{{"Aprsis_filter", "filter m/40"}}, {"aprsis-filter-keyword"}},
        {{{"Aprsis_filter", "filters m/40"}}, {"aprsis-filter-term"}},
        // I-Gate.
        {{{"Rfheard_local_timeout", "61"}}, {"igate-local-heard-long"}},
        {{{"Rfheard_local_timeout", "61"}, {"Aprsis_msg2rf", "0"}}, {}},
        {{{"Rfheard_local_timeout", "60"}}, {}},
        {{{"Aprsis_packet2rf", "1"}}, {"igate-packet2rf-no-filter"}},
        {{{"Aprsis_packet2rf", "1"},
          {"Packet2rf_filter_callsign12", "SP*"},
          {"Packet2rf_filter_type12", "3"}},
         {}},
        {{{"Aprsis_packet2rf_1min", "21"},
          {"Aprsis_packet2rf_2min", "30"},
          {"Aprsis_packet2rf_3min", "40"},
          {"Aprsis_packet2rf", "1"},
          {"Packet2rf_filter_callsign12", "SP*"},
          {"Packet2rf_filter_type12", "3"}},
         {"igate-rate-1min-high"}},
        {{{"Aprsis_packet2rf_1min", "20"},
          {"Aprsis_packet2rf_2min", "30"},
          {"Aprsis_packet2rf_3min", "40"},
          {"Aprsis_packet2rf", "1"},
          {"Packet2rf_filter_callsign12", "SP*"},
          {"Packet2rf_filter_type12", "3"}},
         {}},
        {{{"Aprsis_packet2rf_2min", "6"}, {"Aprsis_packet2rf", "1"}},
         {"igate-rate-limits-order", "igate-packet2rf-no-filter"}},
        {{{"Packet2rf_filter_callsign01", "*"},
          {"Packet2rf_filter_type01", "1"},
          {"Aprsis_packet2rf", "1"}},
         {"igate-filter-allows-all"}},
        {{{"Packet2rf_filter_callsign01", "*"},
          {"Packet2rf_filter_type01", "1"},
          {"Aprsis_packet2rf", "0"}},
         {}},
        {{{"Packet2rf_filter_callsign01", "SP*"},
          {"Packet2rf_filter_type01", "1"},
          {"Aprsis_packet2rf", "1"}},
         {}},
        {{{"Packet2rf_filter_callsign01", "*"},
          {"Aprsis_packet2rf", "1"},
          {"Packet2rf_filter_type01", "2"},
          {"Packet2rf_filter_type02", "1"},
          {"Packet2rf_filter_callsign02", "*"}},
         {"igate-filter-unreachable"}},
        // WWW and Telnet.
        {{{"www_password", ""}}, {"admin-password-default"}},
        {{{"telnet_password", "qzvrt"}}, {"admin-password-default"}},
        {{{"telnet_port", "65616"}}, {"admin-port-truncated", "admin-ports-same"}},
        {{{"www_port", "-1"}}, {"admin-port-truncated"}},
        {{{"telnet_port", "80"}}, {"admin-ports-same"}},
        {{{"telnet_port", "65535"}}, {}},
        {{{"www_port", "0"}}, {"admin-port-zero"}},
        {{{"telnet_port", "65536"}}, {"admin-port-truncated", "admin-port-zero"}},
        // Telemetry.
        {{{"Tele_enable", "1"}}, {}},
        {{{"Tele_enable", "1"}, {"Teleanalog1_name", "Voltage"}}, {}},
        {{{"Tele_enable", "1"}, {"Teleanalog4_name", "Voltage"}}, {"telemetry-text-too-long"}},
        {{{"Tele_enable", "1"}, {"Teleanalog5_name", "Voltage"}}, {}},
        {{{"Tele_enable", "0"}, {"Teleanalog4_name", "Voltage"}}, {}},
        {{{"Tele_enable", "1"}, {"Teledigital8_units", "Hig"}}, {}},
        {{{"Tele_enable", "1"}, {"Teledigital8_units", "High"}}, {"telemetry-text-too-long"}},
        {{{"Tele_enable", "1"}, {"Teledigital1_units", "a,b"}}, {"telemetry-text-separator"}},
        {{{"Tele_enable", "1"}, {"Teleanalog2_units", "P|k"}}, {"telemetry-text-separator"}},
        {{{"Tele_enable", "1"}, {"Teleanalog1_coefb", "abc"}},
         {"telemetry-coefficient-not-number"}},
        {{{"Tele_enable", "1"}, {"Teleanalog1_coefb", "1e3"}},
         {"telemetry-coefficient-not-number"}},
        {{{"Tele_enable", "1"}, {"Teleanalog1_coefc", "-0.5"}}, {}},
    };
    std::set<std::string> hit;
    for (const RuleCase& rule : cases) {
        SettingsStore settings = soundStation();
        apply(settings, rule.edits);
        const StationCheck check = checkStation(settings, kClock);
        ASSERT_TRUE(check.passed) << rule.edits.back().first << ": " << check.refusal;
        const std::vector<Advice> advice = adviseStation(settings);
        std::string shown;
        for (const Advice& one : advice) {
            shown += adviceLine(one) + "\n";
        }
        EXPECT_EQ(ids(advice), rule.expected)
            << rule.edits.front().first << "=" << rule.edits.front().second << "\n"
            << shown;
        hit.insert(rule.expected.begin(), rule.expected.end());
    }
    for (const AdviceRule& rule : adviceRules()) {
        EXPECT_TRUE(hit.count(std::string(rule.id))) << rule.id << " is never hit";
    }
}

TEST(Advice, SaysWhatTheLoginsPasscodeAndTheMinutesMeantAre) {
    SettingsStore settings = soundStation();
    apply(settings, {{"Aprsis_pass", "12345"}, {"Latitude", "5275.00N"}});
    std::vector<std::string> texts;
    for (const Advice& one : adviseStation(settings)) {
        texts.push_back(one.text);
    }
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0],
              "5275.00N holds 75.00 minutes, where a degree has 60: receivers drop the position; "
              "as decimal degrees 52.7500 it is 5245.00N");
    EXPECT_EQ(texts[2],
              "APRS-IS will take this login as unverified and drop everything the station sends: "
              "no I-gating, no beacons or weather to APRS-IS; the passcode of SP5ABC-3 is 22448");
}

TEST(Advice, NamesSettingsOfTheCatalogueInWindowOrder) {
    SettingsStore settings = startupSettings(kClock);
    apply(settings, {{"telnet_port", "80"}, {"Floodtimeout", "20"}, {"Callsign", "SP5ABC"}});
    const std::vector<Advice> advice = adviseStation(settings);
    ASSERT_FALSE(advice.empty());
    EXPECT_EQ(advice.front().settings.front(), "Floodtimeout");
    EXPECT_EQ(advice.back().rule->id, "admin-ports-same");
    for (const AdviceRule& rule : adviceRules()) {
        EXPECT_FALSE(rule.reference.empty()) << rule.id;
        EXPECT_FALSE(rule.reason.empty()) << rule.id;
    }
}

TEST(StationCheck, StopsAtTheEncodersFirstFailureAndGivesNoAdvice) {
    SettingsStore settings = startupSettings(kClock);
    settings.setText("Txdelay", "2000");
    StationCheck check = checkStation(settings, kClock);
    EXPECT_FALSE(check.passed);
    EXPECT_EQ(check.refusal, "TX delay - range error (200 - 1000).");
    EXPECT_EQ(check.refusedSetting, "Txdelay");
    EXPECT_TRUE(check.advice.empty());

    settings.setText("Txdelay", "abc");
    check = checkStation(settings, kClock);
    EXPECT_FALSE(check.passed);
    EXPECT_EQ(check.refusal, "'abc' is not a valid integer value");
    EXPECT_EQ(settings.text("Txdelay"), "abc");
}

// Whatever a setting holds, the rules neither throw nor crash.
TEST(Advice, EveryEditAtItsExtremesIsAdvisedWithoutFault) {
    const std::string texts[] = {"",  "-2147483648",         "99999999999", "0",      "<la",
                                 "!", std::string(128, '~'), "@",           "r/-91/", "-"};
    SettingsStore settings = startupSettings(kClock);
    apply(settings, {{"Tele_enable", "1"}});
    for (const SettingDef& def : catalogue()) {
        if (def.kind != SettingKind::Edit) {
            continue;
        }
        const std::string kept = settings.text(def.name);
        for (const std::string& text : texts) {
            settings.setText(def.name, text);
            EXPECT_NO_THROW(adviseStation(settings)) << def.name << "=" << text;
        }
        settings.setText(def.name, kept);
    }
}

}  // namespace
}  // namespace korvex::testing
