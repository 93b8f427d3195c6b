#include "settings/SpokenName.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace korvex {
namespace {

TEST(SpokenName, EverySettingHasItsOwnNonEmptyName) {
    std::map<std::string_view, std::string_view> owners;
    for (const auto& def : catalogue()) {
        const std::string_view name = spokenName(def);
        EXPECT_FALSE(name.empty()) << def.name;
        EXPECT_EQ(name.find_first_of(":[]&"), std::string_view::npos) << name;
        const auto [owner, added] = owners.emplace(name, def.name);
        EXPECT_TRUE(added) << def.name << " and " << owner->second << " are both \"" << name
                           << "\"";
    }
}

TEST(SpokenName, SaysTheRowTheColumnAndWhereNeededTheTab) {
    const std::map<std::string_view, std::string_view> expected = {
        {"Callsign", "Callsign"},
        {"Txdelay", "TX delay in milliseconds"},
        {"Beacon3_dest_ssid", "Beacon 3 destination SSID"},
        {"Beacon8_msg", "Beacon 8 message"},
        {"Pathn2_lower", "Path rule 2, N from"},
        {"Pathn2_active", "Path rule 2, active"},
        {"Callfilter_ssid10", "Callsign filter rule 10, callsign SSID"},
        {"Ipaddr0", "IP address, octet 1"},
        {"Ipdns3", "DNS server, octet 4"},
        {"Teleanalog4_source", "Analog channel 4 source"},
        {"Teleanalog1_coefb", "Analog channel 1 coefficient B"},
        {"Teledigital6_units", "Digital channel 6 label"},
        {"Packet2rf_filter_type12", "Packet filter rule 12 type"},
        {"www_port", "WWW port"},
        {"telnet_port", "Telnet port"},
        {"Weather_dest_ssid", "Weather destination SSID"},
        {"Aprsis_2rf_dest", "I-Gate destination"},
        {"Debug_rf", "RF debug messages"},
    };
    for (const auto& [setting, name] : expected) {
        EXPECT_EQ(spokenName(settingDef(setting)), name) << setting;
    }
}

}  // namespace
}  // namespace korvex
