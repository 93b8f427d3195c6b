#include "image/Layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "settings/Catalogue.h"

namespace korvex {
namespace {

TEST(Layout, FieldsLieInTheSettingsAreaWithoutOverlapAndLeaveOnlyTheKnownGaps) {
    std::map<int, std::string> owner;
    for (const FieldRow& row : layout()) {
        ASSERT_GE(row.offset, kSettingsFirst) << row.setting;
        ASSERT_LE(row.offset + row.width, kSettingsEnd) << row.setting;
        for (int offset = row.offset; offset < row.offset + row.width; ++offset) {
            const auto [at, fresh] = owner.emplace(offset, row.setting);
            EXPECT_TRUE(fresh) << offset << " used by " << at->second << " and " << row.setting;
        }
    }
    std::set<int> gaps;
    for (int offset = kSettingsFirst; offset < kSettingsEnd; ++offset) {
        if (owner.count(offset) == 0) {
            gaps.insert(offset);
        }
    }
    EXPECT_EQ(gaps, (std::set<int>{23, 69, 551, 1407, 1489}));
}

TEST(Layout, NamesEveryCatalogueSettingOnceExceptUploadpctime) {
    std::map<std::string, int> uses;
    for (const FieldRow& row : layout()) {
        if (!row.setting.empty()) {
            ++uses[row.setting];
        }
        if (!row.ssidSetting.empty()) {
            ++uses[row.ssidSetting];
        }
    }
    for (const auto& [name, count] : uses) {
        EXPECT_NE(findSetting(name), nullptr) << name;
        EXPECT_EQ(count, 1) << name;
    }
    for (const SettingDef& def : catalogue()) {
        EXPECT_EQ(uses.count(std::string(def.name)), def.name == "Uploadpctime" ? 0u : 1u)
            << def.name;
    }
}

// A sample of the memory map, row by row: the first and the last member of every family and
// every field whose place is irregular.
TEST(Layout, PlacesFieldsAtTheirOffsets) {
    struct Case {
        std::string setting;
        int offset;
        int width;
    };
    const Case cases[] = {
        {"Callsign", 14, 7},
        {"Baudrate", 22, 1},
        {"Txdelay", 24, 2},
        {"Digion", 29, 1},
        {"Floodtimeout", 30, 1},
        {"Latitude", 31, 9},
        {"Longitude", 40, 10},
        {"Consecutive_packets", 53, 1},
        {"Weather_comment", 74, 34},
        {"Aprsis_user", 108, 17},
        {"Aprsis3_port", 242, 2},
        {"Aprsis_filter", 245, 129},
        {"Aprsis_packet2rf_path", 399, 7},
        {"Packet2rf_filter_callsign01", 406, 7},
        {"Packet2rf_filter_type12", 501, 1},
        {"Ntp_servername", 503, 32},
        {"Ipaddr0", 535, 1},
        {"Ipgate0", 539, 1},
        {"Ipmask0", 543, 1},
        {"Ipdns3", 550, 1},
        {"Rtcyear", 552, 2},
        {"Rtcmin", 557, 1},
        {"Beacon1_dest_string", 558, 7},
        {"Beacon8_msg", 1164, 66},
        {"Pathn8_active", 1309, 1},
        {"Callfilter_callsign10", 1374, 7},
        {"www_port", 1408, 2},
        {"Debug_digi", 1447, 1},
        {"Teledata_txrate_rf", 1490, 2},
        {"Teleparams_txrate_aprsis", 1510, 2},
        {"Teleanalog5_name", 1693, 8},
        {"Teleanalog5_average", 1736, 1},
        {"Teledigital8_inverted", 1864, 1},
        {"Tele_holdoff", 1869, 1},
        {"WU_rapidfirerate", 2003, 1},
    };
    for (const auto& c : cases) {
        bool found = false;
        for (const FieldRow& row : layout()) {
            if (row.setting == c.setting) {
                EXPECT_EQ(row.offset, c.offset) << c.setting;
                EXPECT_EQ(row.width, c.width) << c.setting;
                found = true;
            }
        }
        EXPECT_TRUE(found) << c.setting;
    }
}

}  // namespace
}  // namespace korvex
