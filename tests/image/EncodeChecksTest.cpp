// The checks of an encode: every message, the values that just pass, the order between checks,
// conversion errors and texts that do not fit their fields.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ImageTestSupport.h"
#include "settings/IntegerRule.h"

namespace korvex::testing {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct Refusal {
    Entries entries;
    std::string message;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    for (const auto& [name, value] : refusal.entries) {
        *out << name << "=\"" << value << "\" ";
    }
}

class EncodeRefuses : public ImageTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(EncodeRefuses, WithTheSettingsMessage) {
    for (const auto& [name, value] : GetParam().entries) {
        settings.setText(name, value);
    }
    EXPECT_EQ(encodeFailure(), GetParam().message);
    EXPECT_EQ(bytesAt(image, 2004, 3), std::string(3, '\0'));
    EXPECT_EQ(image.storedChecksum(), 0u);
}

const std::string kCallSsid = "Callsign - SSID range error (0 - 15).";
const std::string kCallFilter1 = "Callsign filter 1 - SSID range error (0 - 15, or wildcard '*').";
const std::string kPacketFilter3 =
    "APRS-IS packets to RF filter 3 - SSID range error (0 - 15, or wildcard '*').";

INSTANTIATE_TEST_SUITE_P(
    Radio, EncodeRefuses,
    ::testing::Values(
        Refusal{{{"Callsign", ""}}, "Callsign - too short (ex. NOCALL-4)."},
        Refusal{{{"Callsign", ""}, {"Ssid", "x"}}, "Callsign - too short (ex. NOCALL-4)."},
        Refusal{{{"Ssid", "16"}}, kCallSsid}, Refusal{{{"Ssid", "-1"}}, kCallSsid},
        Refusal{{{"Txdelay", "199"}}, "TX delay - range error (200 - 1000)."},
        Refusal{{{"Txdelay", "1001"}}, "TX delay - range error (200 - 1000)."},
        Refusal{{{"Quiettime", "199"}}, "Quiet time - range error (200 - 3000)."},
        Refusal{{{"Quiettime", "3001"}}, "Quiet time - range error (200 - 3000)."},
        Refusal{{{"Floodtimeout", "14"}}, "Duplicate checking - range error (15 - 180)."},
        Refusal{{{"Floodtimeout", "300"}}, "Duplicate checking - range error (15 - 180)."},
        Refusal{{{"Latitude", "5221.60n"}}, "Latitude - syntax error (ex. 5221.60N)."},
        Refusal{{{"Latitude", "5221,60N"}}, "Latitude - syntax error (ex. 5221.60N)."},
        Refusal{{{"Latitude", "521.60N"}}, "Latitude - syntax error (ex. 5221.60N)."},
        Refusal{{{"Latitude", ""}}, "Latitude - syntax error (ex. 5221.60N)."},
        Refusal{{{"Longitude", "01653.63e"}}, "Longitude - syntax error (ex. 01653.63E)."},
        Refusal{{{"Longitude", "0165\xb3.63E"}}, "Longitude - syntax error (ex. 01653.63E)."}));

INSTANTIATE_TEST_SUITE_P(
    Digipeater, EncodeRefuses,
    ::testing::Values(
        Refusal{{{"Pathn1_lower", "0"}}, "Path(n-N) 1, n>= value range error (1 - 7)."},
        Refusal{{{"Pathn1_lower", "8"}}, "Path(n-N) 1, n>= value range error (1 - 7)."},
        Refusal{{{"Pathn3_higher", "8"}}, "Path(n-N) 3, n<= value range error (1 - 7)."},
        Refusal{{{"Pathn8_higher", "0"}}, "Path(n-N) 8, n<= value range error (1 - 7)."},
        Refusal{{{"Callfilter_ssid1", "16"}}, kCallFilter1},
        Refusal{{{"Callfilter_ssid1", "**"}}, kCallFilter1},
        Refusal{{{"Callfilter_ssid1", ""}}, kCallFilter1},
        Refusal{{{"Callfilter_ssid1", " *"}}, kCallFilter1},
        Refusal{{{"Callfilter_ssid1", "\xe9"}}, kCallFilter1},
        Refusal{{{"Callfilter_ssid10", "-1"}},
                "Callsign filter 10 - SSID range error (0 - 15, or wildcard '*')."}));

INSTANTIATE_TEST_SUITE_P(
    Beacons, EncodeRefuses,
    ::testing::Values(
        Refusal{{{"Beacon1_dest_string", ""}}, "Beacon 1 destination - too short (ex. APQK04)."},
        Refusal{{{"Beacon5_dest_string", ""}}, "Beacon 5 destination - too short (ex. APQK04)."},
        Refusal{{{"Beacon1_dest_string", ""}, {"Beacon1_dest_ssid", "x"}},
                "Beacon 1 destination - too short (ex. APQK04)."},
        Refusal{{{"Beacon1_dest_ssid", ""}}, "Beacon 1 destination - SSID range error (0 - 15)."},
        Refusal{{{"Beacon2_dest_ssid", "16"}}, "Beacon 2 destination - SSID range error (0 - 15)."},
        Refusal{{{"Beacon1_path_ssid", "x"}}, "Beacon 1 path - SSID range error (0 - 15)."},
        Refusal{{{"Beacon7_path_ssid", "-1"}}, "Beacon 7 path - SSID range error (0 - 15)."},
        Refusal{{{"Beacon1_txrate_rf", "4"}},
                "Beacon 1 tx rate (RF) range error (5 - 1440), or 0 to disable."},
        Refusal{{{"Beacon1_txrate_rf", "1441"}},
                "Beacon 1 tx rate (RF) range error (5 - 1440), or 0 to disable."},
        Refusal{{{"Beacon8_txrate_aprsis", "-5"}},
                "Beacon 8 tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
        Refusal{{{"Beacon1_msg", "caf\xe9"}}, "Beacon 1 message - forbidden characters."},
        Refusal{{{"Beacon1_msg", "a\tb"}}, "Beacon 1 message - forbidden characters."},
        Refusal{{{"Beacon8_msg", "\x7f"}}, "Beacon 8 message - forbidden characters."},
        Refusal{{{"Beacon3_msg", "\xff"}}, "Beacon 3 message - forbidden characters."}));

INSTANTIATE_TEST_SUITE_P(
    NetworkAndIgate, EncodeRefuses,
    ::testing::Values(
        Refusal{{{"Ipaddr0", "256"}}, "IP Address - range error (0 - 255)."},
        Refusal{{{"Ipaddr0", "-1"}}, "IP Address - range error (0 - 255)."},
        Refusal{{{"Ipmask3", "256"}}, "IP Mask - range error (0 - 255)."},
        Refusal{{{"Ipgate2", "300"}}, "Gateway - range error (0 - 255)."},
        Refusal{{{"Ipdns3", "-5"}}, "DNS - range error (0 - 255)."},
        Refusal{{{"Aprsis1_port", "65536"}}, "APRS-IS Server 1 Port - range error (0 - 65535)."},
        Refusal{{{"Aprsis2_port", "-1"}}, "APRS-IS Server 2 Port - range error (0 - 65535)."},
        Refusal{{{"Aprsis3_port", "70000"}}, "APRS-IS Server 3 Port - range error (0 - 65535)."},
        Refusal{{{"Aprsis_timeout", "0"}}, "APRS-IS reconnect timeout - range error (1 - 60)."},
        Refusal{{{"Aprsis_timeout", "61"}}, "APRS-IS reconnect timeout - range error (1 - 60)."},
        Refusal{{{"Aprsis_heard_timeout", "300"}},
                "APRS-IS heard buffer timeout range error (1 - 240)."},
        Refusal{{{"Aprsis_2rf_dest_ssid", "16"}},
                "APRS-IS to RF dest - SSID range error (0 - 15)."},
        Refusal{{{"Aprsis_msg2rf_ssid", "-1"}},
                "APRS-IS message path - SSID range error (0 - 15)."},
        Refusal{{{"Rfheard_local_maxhops", "9"}},
                "Local RF heard max. digi-hops range error (0 - 8)."},
        Refusal{{{"Rfheard_local_timeout", "241"}},
                "Local RF heard buffer timeout range error (1 - 240)."},
        Refusal{{{"Aprsis_packet2rf_ssid", ""}},
                "APRS-IS non-message path - SSID range error (0 - 15)."},
        Refusal{{{"Rfheard_timeout", "0"}}, "RF heard buffer timeout range error (1 - 240)."},
        Refusal{{{"Aprsis_packet2rf_1min", "0"}},
                "Max. non-message packets per 1 min range error (1 - 240)."},
        Refusal{{{"Aprsis_packet2rf_2min", "241"}},
                "Max. non-message packets per 2 min range error (1 - 240)."},
        Refusal{{{"Aprsis_packet2rf_3min", "256"}},
                "Max. non-message packets per 3 min range error (1 - 240)."},
        Refusal{{{"Packet2rf_filter_ssid03", "**"}}, kPacketFilter3},
        Refusal{{{"Packet2rf_filter_ssid03", ""}}, kPacketFilter3},
        Refusal{{{"Packet2rf_filter_ssid12", "16"}},
                "APRS-IS packets to RF filter 12 - SSID range error (0 - 15, or wildcard '*')."}));

INSTANTIATE_TEST_SUITE_P(
    WeatherTelemetryWunderground, EncodeRefuses,
    ::testing::Values(
        Refusal{{{"Weather_dest_string", ""}}, "Weather destination - too short (ex. APQK04)."},
        Refusal{{{"Weather_dest_ssid", "abc"}}, "Weather destination - SSID range error (0 - 15)."},
        Refusal{{{"Weather_path_ssid", "x"}}, "Weather path - SSID range error (0 - 15)."},
        Refusal{{{"Weather_txrate_rf", "4"}},
                "Weather report tx rate (RF) range error (5 - 1440)."},
        Refusal{{{"Weather_txrate_aprsis", "1441"}},
                "Weather report tx rate (APRSIS) range error (5 - 1440)."},
        Refusal{{{"Weather_comment", "r\xe9sum\xe9"}},
                "Weather report comment - forbidden characters."},
        Refusal{{{"Weather_comment", "\x1b[0m"}}, "Weather report comment - forbidden characters."},
        Refusal{{{"Teledata_dest_ssid", "\x80"}},
                "Telemetry data destination - SSID range error (0 - 15)."},
        Refusal{{{"Tele_holdoff", "251"}},
                "First telemetry data packet delay range error (0 - 250)."},
        Refusal{{{"Tele_holdoff", "-1"}},
                "First telemetry data packet delay range error (0 - 250)."},
        Refusal{{{"Teledata_dest_string", ""}},
                "Telemetry data destination - too short (ex. APQK04)."},
        Refusal{{{"Teledata_dest_ssid", "16"}},
                "Telemetry data destination - SSID range error (0 - 15)."},
        Refusal{{{"Teledata_path_ssid", ""}}, "Telemetry data path - SSID range error (0 - 15)."},
        Refusal{{{"Teledata_txrate_rf", "3"}},
                "Telemetry data tx rate (RF) range error (5 - 1440)."},
        Refusal{{{"Teledata_txrate_aprsis", "1441"}},
                "Telemetry data tx rate (APRSIS) range error (5 - 1440)."},
        Refusal{{{"Teleparams_dest_string", ""}},
                "Telemetry parameters destination - too short (ex. APQK04)."},
        Refusal{{{"Teleparams_dest_ssid", "x"}},
                "Telemetry parameters destination - SSID range error (0 - 15)."},
        Refusal{{{"Teleparams_path_ssid", "16"}},
                "Telemetry parameters path - SSID range error (0 - 15)."},
        Refusal{{{"Teleparams_txrate_rf", "1"}},
                "Telemetry parameters tx rate (RF) range error (5 - 1440)."},
        Refusal{{{"Teleparams_txrate_aprsis", "2000"}},
                "Telemetry parameters tx rate (APRSIS) range error (5 - 1440)."},
        Refusal{{{"WU_normalrate", "0"}},
                "WeatherUnderground normal send rate range error (1 - 240)."},
        Refusal{{{"WU_normalrate", "241"}},
                "WeatherUnderground normal send rate range error (1 - 240)."},
        Refusal{{{"WU_rapidfirerate", "4"}},
                "WeatherUnderground \"Rapid fire\" send rate range error (5 - 60)."},
        Refusal{{{"WU_rapidfirerate", "61"}},
                "WeatherUnderground \"Rapid fire\" send rate range error (5 - 60)."}));

// The fields cannot hold these texts; the configuration file is the only way to get them there.
INSTANTIATE_TEST_SUITE_P(
    TooLong, EncodeRefuses,
    ::testing::Values(
        Refusal{{{"Callsign", "SP5ABCD"}}, "Callsign - too long (max. 6 characters)."},
        Refusal{{{"Beacon2_path_string", "WIDE2XX"}},
                "Beacon2_path_string - too long (max. 6 characters)."},
        Refusal{{{"Callfilter_callsign2", "ABCDEFG"}},
                "Callfilter_callsign2 - too long (max. 6 characters)."},
        Refusal{{{"Aprsis_2rf_dest", "APQK04X"}},
                "Aprsis_2rf_dest - too long (max. 6 characters)."},
        Refusal{{{"Pathn1_name", "WIDEST"}}, "Pathn1_name - too long (max. 5 characters)."},
        Refusal{{{"Beacon1_msg", std::string(66, 'a')}},
                "Beacon1_msg - too long (max. 65 characters)."},
        Refusal{{{"Aprsis_user", std::string(17, 'n')}},
                "Aprsis_user - too long (max. 16 characters)."},
        Refusal{{{"Aprsis_filter", std::string(129, 'f')}},
                "Aprsis_filter - too long (max. 128 characters)."},
        Refusal{{{"Teleanalog5_name", "Eight888"}},
                "Teleanalog5_name - too long (max. 7 characters)."},
        Refusal{{{"Teledigital8_units", "Seven77"}},
                "Teledigital8_units - too long (max. 6 characters)."},
        Refusal{{{"WU_rapidfireserver", std::string(40, 'w')}},
                "WU_rapidfireserver - too long (max. 39 characters)."},
        // The SSID is decided before the call's bytes are stored, so its message comes first.
        Refusal{{{"Callfilter_callsign2", "ABCDEFG"}, {"Callfilter_ssid2", "x"}},
                "Callsign filter 2 - SSID range error (0 - 15, or wildcard '*')."}));

// Where several settings are wrong, the first in encode order is reported.
INSTANTIATE_TEST_SUITE_P(
    Order, EncodeRefuses,
    ::testing::Values(
        Refusal{{{"Ssid", "16"}, {"Txdelay", "1"}}, kCallSsid},
        Refusal{{{"Longitude", ""}, {"Floodtimeout", "1"}},
                "Longitude - syntax error (ex. 01653.63E)."},
        Refusal{{{"Ipmask3", "256"}, {"Ipgate0", "256"}}, "IP Mask - range error (0 - 255)."},
        Refusal{{{"Ipaddr3", "256"}, {"Ipmask0", "256"}}, "IP Address - range error (0 - 255)."},
        Refusal{{{"Ipgate3", "256"}, {"Ipdns0", "256"}}, "Gateway - range error (0 - 255)."},
        Refusal{{{"Aprsis3_port", "-1"}, {"Aprsis_timeout", "0"}},
                "APRS-IS Server 3 Port - range error (0 - 65535)."},
        Refusal{{{"Packet2rf_filter_ssid12", ""}, {"Weather_dest_string", ""}},
                "APRS-IS packets to RF filter 12 - SSID range error (0 - 15, or wildcard '*')."},
        Refusal{{{"Tele_holdoff", "251"}, {"Teledata_dest_string", ""}},
                "First telemetry data packet delay range error (0 - 250)."},
        Refusal{{{"Teledata_txrate_aprsis", "3"}, {"Teleparams_dest_string", ""}},
                "Telemetry data tx rate (APRSIS) range error (5 - 1440)."},
        Refusal{{{"Beacon8_msg", "\t"}, {"Ipaddr0", "-1"}},
                "Beacon 8 message - forbidden characters."},
        Refusal{{{"Callfilter_ssid10", ""}, {"Beacon1_dest_string", ""}},
                "Callsign filter 10 - SSID range error (0 - 15, or wildcard '*')."}));

class EncodeAccepts : public ImageTest, public ::testing::WithParamInterface<Entries> {};

TEST_P(EncodeAccepts, Boundaries) {
    for (const auto& [name, value] : GetParam()) {
        settings.setText(name, value);
    }
    encodeOk();
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EncodeAccepts,
    ::testing::Values(
        Entries{{"Ssid", "0"}}, Entries{{"Ssid", "15"}}, Entries{{"Txdelay", "200"}},
        Entries{{"Txdelay", "1000"}}, Entries{{"Quiettime", "200"}}, Entries{{"Quiettime", "3000"}},
        Entries{{"Floodtimeout", "15"}}, Entries{{"Floodtimeout", "180"}},
        Entries{{"Pathn1_lower", "5"}, {"Pathn1_higher", "2"}},
        Entries{{"Pathn2_lower", "7"}, {"Pathn2_higher", "1"}}, Entries{{"Callfilter_ssid1", "0"}},
        Entries{{"Callfilter_ssid10", "15"}}, Entries{{"Beacon1_txrate_rf", "0"}},
        Entries{{"Beacon1_txrate_rf", "5"}}, Entries{{"Beacon1_txrate_aprsis", "1440"}},
        Entries{{"Beacon2_dest_ssid", "15"}}, Entries{{"Beacon1_msg", std::string(64, 'x')}},
        Entries{{"Beacon1_msg", ""}}, Entries{{"Beacon1_msg", " !~"}}, Entries{{"Ipaddr0", "0"}},
        Entries{{"Ipdns3", "255"}}, Entries{{"Aprsis1_port", "0"}},
        Entries{{"Aprsis1_port", "65535"}}, Entries{{"Aprsis1_port", ""}},
        Entries{{"Aprsis_timeout", "1"}}, Entries{{"Aprsis_timeout", "60"}},
        Entries{{"Aprsis_heard_timeout", "240"}}, Entries{{"Rfheard_local_maxhops", "0"}},
        Entries{{"Rfheard_local_maxhops", "8"}},
        Entries{{"Aprsis_2rf_dest", ""}, {"Aprsis_2rf_dest_ssid", "junk"}},
        Entries{{"Aprsis_packet2rf_1min", "1"}}, Entries{{"Aprsis_packet2rf_3min", "240"}},
        Entries{{"Weather_txrate_rf", "0"}}, Entries{{"Weather_txrate_rf", "1440"}},
        Entries{{"Weather_comment", ""}}, Entries{{"Tele_holdoff", "0"}},
        Entries{{"Tele_holdoff", "250"}}, Entries{{"Teledata_txrate_rf", "0"}},
        Entries{{"WU_normalrate", "1"}}, Entries{{"WU_normalrate", "240"}},
        Entries{{"WU_rapidfirerate", "5"}}, Entries{{"WU_rapidfirerate", "60"}},
        Entries{{"Rtcmonth", "13"}}, Entries{{"Rtcyear", "-1"}}, Entries{{"www_port", "-1"}},
        // Texts without a check take any byte, and calls refuse no character.
        Entries{{"Teletitle", "\x01\x7f\xe9\xff"}}, Entries{{"Aprsis_pass", "\t"}},
        Entries{{"Callsign", "\xe9\x01"}}, Entries{{"Callfilter_callsign1", "*"}},
        Entries{{"Teleanalog5_name", "Seven77"}}));

struct Unconverted {
    std::string setting;
    std::string text;
};

class EncodeThrows : public ImageTest, public ::testing::WithParamInterface<Unconverted> {};

TEST_P(EncodeThrows, NotAnIntegerForNumbersWithoutAMessageOfTheirOwn) {
    settings.setText(GetParam().setting, GetParam().text);
    try {
        encode();
        FAIL() << "no conversion error for " << GetParam().setting;
    } catch (const NotAnInteger& error) {
        EXPECT_EQ(error.text(), GetParam().text);
    }
    EXPECT_TRUE(feedback.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, EncodeThrows,
    ::testing::Values(
        Unconverted{"Ssid", "x"}, Unconverted{"Ssid", ""}, Unconverted{"Txdelay", "250 "},
        Unconverted{"Quiettime", ""}, Unconverted{"Floodtimeout", "6o"},
        Unconverted{"Pathn1_lower", ""}, Unconverted{"Pathn4_higher", "\xe9"},
        Unconverted{"Beacon1_txrate_rf", ""}, Unconverted{"Beacon3_txrate_aprsis", "five"},
        Unconverted{"Ipaddr0", ""}, Unconverted{"Ipdns3", "1.0"},
        Unconverted{"Aprsis1_port", "port"}, Unconverted{"Aprsis_timeout", ""},
        Unconverted{"Aprsis_heard_timeout", "-"}, Unconverted{"Rfheard_local_maxhops", "x"},
        Unconverted{"Rfheard_local_timeout", ""}, Unconverted{"Rfheard_timeout", "\x01"},
        Unconverted{"Aprsis_packet2rf_2min", ""}, Unconverted{"Weather_txrate_aprsis", ""},
        Unconverted{"Rtcyear", "abc"}, Unconverted{"Rtcmin", ""}, Unconverted{"www_port", ""},
        Unconverted{"telnet_port", "23a"}, Unconverted{"Tele_holdoff", ""},
        Unconverted{"Teledata_txrate_rf", "x"}, Unconverted{"Teleparams_txrate_aprsis", ""},
        Unconverted{"WU_normalrate", ""}, Unconverted{"WU_rapidfirerate", "9999999999"}));

using EncodeOrder = ImageTest;

TEST_F(EncodeOrder, SsidIsCheckedBeforeTheCallsBytesAreWritten) {
    settings.setText("Callsign", "sp5ab");
    settings.setText("Ssid", "16");
    EXPECT_EQ(encodeFailure(), kCallSsid);
    EXPECT_EQ(bytesAt(image, 14, 8), std::string(8, '\0'));
}

TEST_F(EncodeOrder, FilterSsidIsDecidedBeforeTheCallsBytesAreWritten) {
    settings.setText("Callfilter_callsign3", "abc");
    settings.setText("Callfilter_ssid3", "16");
    EXPECT_FALSE(encode());
    EXPECT_EQ(bytesAt(image, 1325, 7), std::string(7, '\0'));
    EXPECT_EQ(bytesAt(image, 1318, 7), "      *");
}

TEST_F(EncodeOrder, StoredThenCheckedLeavesTheNumberInTheImage) {
    settings.setText("Txdelay", "2000");
    EXPECT_FALSE(encode());
    EXPECT_EQ(bytesAt(image, 24, 2), "\xD0\x07");
    EXPECT_EQ(bytesAt(image, 26, 2), std::string(2, '\0'));
}

TEST_F(EncodeOrder, CheckedThenStoredLeavesTheFieldEmpty) {
    settings.setText("Floodtimeout", "300");
    EXPECT_FALSE(encode());
    EXPECT_EQ(image.bytes[30], 0);
    EXPECT_EQ(bytesAt(image, 31, 9), std::string("5221.60N\0", 9));

    settings.setText("Floodtimeout", "60");
    settings.setText("Tele_holdoff", "251");
    EXPECT_FALSE(encode());
    EXPECT_EQ(image.bytes[1869], 0);
}

TEST_F(EncodeOrder, TheByteOfAnOverlargeNumberIsStoredBeforeTheRefusal) {
    settings.setText("Aprsis_heard_timeout", "300");
    EXPECT_FALSE(encode());
    EXPECT_EQ(image.bytes[374], 300 & 0xFF);
}

TEST_F(EncodeOrder, PrintableCheckFollowsTheCopy) {
    settings.setText("Beacon1_msg", "ab\x01");
    EXPECT_FALSE(encode());
    EXPECT_EQ(bytesAt(image, 576, 4), std::string("ab\x01\0", 4));
}

}  // namespace
}  // namespace korvex::testing
