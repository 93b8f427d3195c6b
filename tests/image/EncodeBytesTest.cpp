// What an encode writes, byte by byte, for the examples the device documentation gives.
#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "ImageTestSupport.h"
#include "settings/SeededRandom.h"

namespace korvex::testing {
namespace {

using EncodeBytes = ImageTest;

TEST_F(EncodeBytes, FrameHoldsVersionEndMarkerZeroTailStampAndChecksum) {
    encodeOk();
    EXPECT_EQ(bytesAt(image, 6, 8), std::string("v1.10\0\0\0", 8));
    EXPECT_EQ(bytesAt(image, 2004, 4), std::string("END\0", 4));
    for (size_t offset = 2008; offset < kImageSize; ++offset) {
        ASSERT_EQ(image.bytes[offset], 0) << offset;
    }
    const uint32_t sum = std::accumulate(image.bytes.begin() + 4, image.bytes.begin() + 2008, 0u);
    EXPECT_EQ(image.storedChecksum(), sum);
    const int stamp = SeededRandom(clock.secondsNow()).next() % 10000;
    EXPECT_EQ(image.bytes[4] | image.bytes[5] << 8, stamp);
}

TEST_F(EncodeBytes, SameSecondGivesTheSameImageAndAnotherSecondItsOwnStamp) {
    encodeOk();
    const ConfigImage first = image;
    encodeOk();
    EXPECT_EQ(image, first);

    UtcDateTime later = kPinnedTime;
    later.second += 1;
    clock.set(later);
    encodeOk();
    const int stamp = SeededRandom(clock.secondsNow()).next() % 10000;
    EXPECT_EQ(image.bytes[4] | image.bytes[5] << 8, stamp);
    EXPECT_NE(bytesAt(image, 4, 2), bytesAt(first, 4, 2));
    EXPECT_EQ(bytesAt(image, 6, 2002), bytesAt(first, 6, 2002));
}

TEST_F(EncodeBytes, EncodeStartsFromACleanImage) {
    image.bytes.fill(0xAB);
    encodeOk();
    EXPECT_EQ(image.bytes[23], 0);
    EXPECT_EQ(image.bytes[3000], 0);
    EXPECT_EQ(image.bytes[21], 0);
}

TEST_F(EncodeBytes, StationCallAndSsid) {
    settings.setText("Callsign", "sp5ab");
    settings.setText("Ssid", "10");
    encodeOk();
    EXPECT_EQ(bytesAt(image, 14, 8), std::string("SP5AB :\0", 8));
}

TEST_F(EncodeBytes, BeaconOne) {
    settings.setText("Beacon1_dest_string", "apqk04");
    settings.setText("Beacon1_dest_ssid", "0");
    settings.setText("Beacon1_path_string", "wide2");
    settings.setText("Beacon1_path_ssid", "2");
    settings.setText("Beacon1_txrate_rf", "5");
    settings.setText("Beacon1_txrate_aprsis", "5");
    encodeOk();
    EXPECT_EQ(bytesAt(image, 558, 18), std::string("APQK040WIDE2 2\x05\0\x05\0", 18));
}

struct FieldCase {
    std::string setting;
    std::string value;
    size_t offset;
    std::string bytes;
};

class EncodeField : public ImageTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(EncodeField, StoresTheBytes) {
    const FieldCase& c = GetParam();
    settings.setText(c.setting, c.value);
    encodeOk();
    EXPECT_EQ(bytesAt(image, c.offset, c.bytes.size()), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EncodeField,
    ::testing::Values(
        FieldCase{"Ssid", "15", 20, "?"}, FieldCase{"Ssid", "0", 20, "0"},
        FieldCase{"Txdelay", "1000", 24, "\xE8\x03"},
        FieldCase{"Latitude", "5221.60S", 31, std::string("5221.60S\0", 9)},
        FieldCase{"Longitude", "01653.63W", 40, std::string("01653.63W\0", 10)},
        FieldCase{"Pathn1_name", "wide", 1230, std::string("wide\0\0", 6)},
        FieldCase{"Pathn3_name", "", 1250, std::string("\0", 1)},
        FieldCase{"Callfilter_ssid1", "*", 1317, "\x2A"},
        FieldCase{"Callfilter_ssid1", "15", 1317, "?"},
        FieldCase{"Callfilter_callsign1", "", 1311, "      "},
        FieldCase{"Callfilter_callsign2", "sp*", 1318, "SP*   "},
        FieldCase{"Aprsis_msg2rf_path", "wide2", 384, "WIDE2 1"},
        FieldCase{"Aprsis_2rf_dest_ssid", "15", 381, "?"},
        FieldCase{"Aprsis_2rf_dest", "", 375, "      0"},
        FieldCase{"Aprsis_user", "nocall", 108, std::string("NOCALL\0", 7)},
        FieldCase{"Aprsis_pass", "AbC", 125, std::string("AbC\0", 4)},
        FieldCase{"Aprsis1_port", "65535", 174, "\xFF\xFF"},
        FieldCase{"Aprsis2_port", "", 208, std::string("\0\0", 2)},
        FieldCase{"Packet2rf_filter_ssid03", "*", 428, "\x2A"},
        FieldCase{"Packet2rf_filter_ssid03", "7", 428, "7"},
        FieldCase{"Packet2rf_filter_callsign04", "sp*", 430, "SP*   *\0"},
        FieldCase{"Weather_path_string", "", 62, "      0"},
        FieldCase{"Weather_txrate_rf", "0", 70, std::string("\0\0", 2)},
        FieldCase{"Rtcmonth", "13", 554, "\x0D"}, FieldCase{"Rtcyear", "2024", 552, "\xE8\x07"},
        FieldCase{"www_port", "-1", 1408, "\xFF\xFF"},
        FieldCase{"telnet_port", "9999", 1436, "\x0F\x27"},
        FieldCase{"Tele_holdoff", "250", 1869, "\xFA"},
        FieldCase{"Teleanalog1_coefb", "0.079", 1538, std::string("0.079\0\0\0\0", 9)},
        FieldCase{"Teleanalog1_coefa", "abc", 1529, std::string("abc\0", 4)},
        FieldCase{"Teleanalog5_name", "Seven77", 1693, std::string("Seven77\0", 8)},
        FieldCase{"Beacon1_msg", "<lat>", 576, std::string("<lat>\0", 6)},
        FieldCase{"Beacon2_msg", "", 660, std::string("\0", 1)},
        FieldCase{"Beacon1_msg", std::string(64, '~'), 576, std::string(64, '~') + '\0' + '\0'},
        FieldCase{"Beacon1_path_string", "", 565, "      0"}, FieldCase{"Ssid", "$F", 20, "?"},
        FieldCase{"Txdelay", " 0x200", 24, "\x00\x02"}));

TEST_F(EncodeBytes, EmptyPathIgnoresItsSsidText) {
    settings.setText("Beacon1_path_string", "");
    settings.setText("Beacon1_path_ssid", "x");
    settings.setText("Weather_path_string", "");
    settings.setText("Weather_path_ssid", "99");
    settings.setText("Teleparams_path_string", "");
    settings.setText("Teleparams_path_ssid", "");
    encodeOk();
    EXPECT_EQ(bytesAt(image, 565, 7), "      0");
    EXPECT_EQ(bytesAt(image, 62, 7), "      0");
    EXPECT_EQ(bytesAt(image, 1501, 7), "      0");
}

TEST_F(EncodeBytes, ChoicesAndCheckBoxes) {
    settings.setIndex("Baudrate", -1);
    settings.setIndex("WU_sendmethod", 1);
    settings.setIndex("Teledigital8_inverted", 1);
    settings.setIndex("Packet2rf_filter_type05", 5);
    settings.setChecked("Ntp_enable", false);
    settings.setChecked("Pathn8_active", true);
    encodeOk();
    EXPECT_EQ(image.bytes[22], 0xFF);
    EXPECT_EQ(image.bytes[2001], 1);
    EXPECT_EQ(image.bytes[1864], 1);
    EXPECT_EQ(image.bytes[445], 5);
    EXPECT_EQ(image.bytes[502], 0);
    EXPECT_EQ(image.bytes[1309], 1);
}

TEST_F(EncodeBytes, StartupFilterRulesAreSixSpacesWildcardNotUsed) {
    encodeOk();
    for (int rule = 0; rule < 12; ++rule) {
        EXPECT_EQ(bytesAt(image, 406 + 8 * rule, 8), std::string("      *\0", 8)) << rule + 1;
    }
}

TEST_F(EncodeBytes, NetworkOctetsKeepTheirOwnOffsets) {
    const char* const groups[] = {"Ipaddr", "Ipgate", "Ipmask", "Ipdns"};
    int value = 1;
    for (const char* group : groups) {
        for (int octet = 0; octet < 4; ++octet) {
            settings.setText(group + std::to_string(octet), std::to_string(value++));
        }
    }
    encodeOk();
    for (int offset = 535; offset < 551; ++offset) {
        EXPECT_EQ(image.bytes[offset], offset - 534) << offset;
    }
    EXPECT_EQ(image.bytes[551], 0);
}

}  // namespace
}  // namespace korvex::testing
