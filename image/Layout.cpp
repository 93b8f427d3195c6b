#include "image/Layout.h"

#include <string_view>
#include <vector>

namespace korvex {

namespace {

using std::to_string;

constexpr uint16_t kByte = ByteNum::kWidth;
constexpr uint16_t kWord = Word16::kWidth;

constexpr NumberRange kSsidRange{0, SsidChar::kMaximum};
constexpr NumberRange kOctetRange{0, 255};
constexpr NumberRange kPortRange{0, 65535};
constexpr NumberRange kOneTo240{1, 240};

// Appends rows to the table; one function per row kind so that each line of the table below
// reads as offset, width, setting(s), check and message.
class Table {
  public:
    void stationCall(int offset, std::string call, std::string ssid, std::string tooShort,
                     std::string ssidMessage) {
        add(callSsid(RowKind::StationCall, offset, std::move(call), std::move(ssid),
                     std::move(tooShort), std::move(ssidMessage)));
    }
    void zeroByte(int offset) {
        add({.kind = RowKind::ZeroByte, .offset = at(offset), .width = 1});
    }
    void choice(int offset, std::string setting) {
        add(plain(RowKind::Choice, offset, ChoiceIndex::kWidth, std::move(setting)));
    }
    void flag(int offset, std::string setting) {
        add(plain(RowKind::Flag, offset, FlagByte::kWidth, std::move(setting)));
    }
    void storeThenCheck(int offset, uint16_t width, std::string setting, NumberRange range,
                        std::string message) {
        add(checked(RowKind::NumberStoredThenChecked, offset, width, std::move(setting), range,
                    std::move(message)));
    }
    void checkThenStore(int offset, uint16_t width, std::string setting, NumberRange range,
                        std::string message) {
        add(checked(RowKind::NumberCheckedThenStored, offset, width, std::move(setting), range,
                    std::move(message)));
    }
    void unchecked(int offset, uint16_t width, std::string setting) {
        add(plain(RowKind::UncheckedNumber, offset, width, std::move(setting)));
    }
    void clock(int offset, uint16_t width, std::string setting) {
        add(plain(RowKind::ClockNumber, offset, width, std::move(setting)));
    }
    void port(int offset, std::string setting, std::string message) {
        add(checked(RowKind::Port, offset, kWord, std::move(setting), kPortRange,
                    std::move(message)));
    }
    void text(int offset, uint16_t width, std::string setting) {
        add(plain(RowKind::Text, offset, width, std::move(setting)));
    }
    void upperText(int offset, uint16_t width, std::string setting) {
        FieldRow row = plain(RowKind::Text, offset, width, std::move(setting));
        row.upperCase = true;
        add(std::move(row));
    }
    void printableText(int offset, uint16_t width, std::string setting, std::string message) {
        add(checked(RowKind::PrintableText, offset, width, std::move(setting), {},
                    std::move(message)));
    }
    void latitude(int offset, std::string setting, std::string message) {
        add(checked(RowKind::Latitude, offset, LatText::kWidth, std::move(setting), {},
                    std::move(message)));
    }
    void longitude(int offset, std::string setting, std::string message) {
        add(checked(RowKind::Longitude, offset, LonText::kWidth, std::move(setting), {},
                    std::move(message)));
    }
    void requiredCall(int offset, std::string call, std::string ssid, std::string tooShort,
                      std::string ssidMessage) {
        add(callSsid(RowKind::RequiredCall, offset, std::move(call), std::move(ssid),
                     std::move(tooShort), std::move(ssidMessage)));
    }
    void optionalCall(int offset, std::string call, std::string ssid, std::string ssidMessage) {
        add(callSsid(RowKind::OptionalCall, offset, std::move(call), std::move(ssid), "",
                     std::move(ssidMessage)));
    }
    void wildcardCall(int offset, std::string call, std::string ssid, std::string ssidMessage) {
        add(callSsid(RowKind::WildcardCall, offset, std::move(call), std::move(ssid), "",
                     std::move(ssidMessage)));
    }

    std::vector<FieldRow> rows;

  private:
    static uint16_t at(int offset) { return static_cast<uint16_t>(offset); }
    static FieldRow plain(RowKind kind, int offset, size_t width, std::string setting) {
        return {.kind = kind,
                .offset = at(offset),
                .width = static_cast<uint16_t>(width),
                .setting = std::move(setting)};
    }
    static FieldRow checked(RowKind kind, int offset, size_t width, std::string setting,
                            NumberRange range, std::string message) {
        return {.kind = kind,
                .offset = at(offset),
                .width = static_cast<uint16_t>(width),
                .setting = std::move(setting),
                .message = std::move(message),
                .range = range};
    }
    static FieldRow callSsid(RowKind kind, int offset, std::string call, std::string ssid,
                             std::string tooShort, std::string ssidMessage) {
        return {.kind = kind,
                .offset = at(offset),
                .width = CallSsid::kWidth,
                .setting = std::move(call),
                .ssidSetting = std::move(ssid),
                .message = std::move(tooShort),
                .ssidMessage = std::move(ssidMessage),
                .range = kSsidRange};
    }
    void add(FieldRow row) { rows.push_back(std::move(row)); }
};

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + to_string(n);
}

void radioTab(Table& t) {
    t.stationCall(14, "Callsign", "Ssid", "Callsign - too short (ex. NOCALL-4).",
                  "Callsign - SSID range error (0 - 15).");
    t.zeroByte(21);
    t.choice(22, "Baudrate");
    t.storeThenCheck(24, kWord, "Txdelay", {200, 1000}, "TX delay - range error (200 - 1000).");
    t.storeThenCheck(26, kWord, "Quiettime", {200, 3000}, "Quiet time - range error (200 - 3000).");
    t.choice(28, "Quiettime_randomize");
    t.choice(50, "Ptt");
    t.choice(51, "Squelch");
    t.choice(52, "Busydetect");
    t.choice(53, "Consecutive_packets");
    t.latitude(31, "Latitude", "Latitude - syntax error (ex. 5221.60N).");
    t.longitude(40, "Longitude", "Longitude - syntax error (ex. 01653.63E).");
    t.choice(29, "Digion");
    t.checkThenStore(30, kByte, "Floodtimeout", {15, 180},
                     "Duplicate checking - range error (15 - 180).");
}

void digipeaterTab(Table& t) {
    // New-N path rules: 8 blocks of 10 bytes from 1230.
    for (int n = 1; n <= 8; ++n) {
        const int block = 1230 + 10 * (n - 1);
        const std::string rule = "Pathn" + to_string(n);
        const std::string label = "Path(n-N) " + to_string(n);
        t.text(block + 0, 6, rule + "_name");
        t.storeThenCheck(block + 6, kByte, rule + "_lower", {1, 7},
                         label + ", n>= value range error (1 - 7).");
        t.storeThenCheck(block + 7, kByte, rule + "_higher", {1, 7},
                         label + ", n<= value range error (1 - 7).");
        t.choice(block + 8, rule + "_traceable");
        t.flag(block + 9, rule + "_active");
    }
    t.choice(1310, "Callfilter_rule");
    // Call filter entries: 10 entries of 7 bytes from 1311.
    for (int k = 1; k <= 10; ++k) {
        t.wildcardCall(
            1311 + 7 * (k - 1), "Callfilter_callsign" + to_string(k),
            "Callfilter_ssid" + to_string(k),
            "Callsign filter " + to_string(k) + " - SSID range error (0 - 15, or wildcard '*').");
    }
}

void beaconsTab(Table& t) {
    // 8 blocks of 84 bytes from 558.
    for (int n = 1; n <= 8; ++n) {
        const int block = 558 + 84 * (n - 1);
        const std::string beacon = "Beacon" + to_string(n);
        const std::string label = "Beacon " + to_string(n);
        t.requiredCall(block + 0, beacon + "_dest_string", beacon + "_dest_ssid",
                       label + " destination - too short (ex. APQK04).",
                       label + " destination - SSID range error (0 - 15).");
        t.optionalCall(block + 7, beacon + "_path_string", beacon + "_path_ssid",
                       label + " path - SSID range error (0 - 15).");
        t.storeThenCheck(block + 14, MinuteRate::kWidth, beacon + "_txrate_rf", MinuteRate::kRange,
                         label + " tx rate (RF) range error (5 - 1440), or 0 to disable.");
        t.storeThenCheck(block + 16, MinuteRate::kWidth, beacon + "_txrate_aprsis",
                         MinuteRate::kRange,
                         label + " tx rate (APRSIS) range error (5 - 1440), or 0 to disable.");
        t.printableText(block + 18, 66, beacon + "_msg",
                        label + " message - forbidden characters.");
    }
}

void networkTab(Table& t) {
    // Stored address 535, gateway 539, mask 543, DNS 547; checked address, mask, gateway, DNS.
    struct Group {
        int offset;
        std::string_view prefix;
        std::string_view message;
    };
    const Group groups[] = {{535, "Ipaddr", "IP Address - range error (0 - 255)."},
                            {543, "Ipmask", "IP Mask - range error (0 - 255)."},
                            {539, "Ipgate", "Gateway - range error (0 - 255)."},
                            {547, "Ipdns", "DNS - range error (0 - 255)."}};
    for (const Group& group : groups) {
        for (int octet = 0; octet < 4; ++octet) {
            t.storeThenCheck(group.offset + octet, kByte,
                             std::string(group.prefix) + to_string(octet), kOctetRange,
                             std::string(group.message));
        }
    }
}

void aprsisTab(Table& t) {
    t.text(142, 32, "Aprsis1_servername");
    t.port(174, "Aprsis1_port", "APRS-IS Server 1 Port - range error (0 - 65535).");
    t.text(176, 32, "Aprsis2_servername");
    t.port(208, "Aprsis2_port", "APRS-IS Server 2 Port - range error (0 - 65535).");
    t.text(210, 32, "Aprsis3_servername");
    t.port(242, "Aprsis3_port", "APRS-IS Server 3 Port - range error (0 - 65535).");
    t.upperText(108, 17, "Aprsis_user");
    t.text(125, 17, "Aprsis_pass");
    t.text(245, 129, "Aprsis_filter");
    t.storeThenCheck(244, kByte, "Aprsis_timeout", {1, 60},
                     "APRS-IS reconnect timeout - range error (1 - 60).");
}

void igateTab(Table& t) {
    t.storeThenCheck(374, kByte, "Aprsis_heard_timeout", kOneTo240,
                     "APRS-IS heard buffer timeout range error (1 - 240).");
    t.optionalCall(375, "Aprsis_2rf_dest", "Aprsis_2rf_dest_ssid",
                   "APRS-IS to RF dest - SSID range error (0 - 15).");
    t.choice(382, "Aprsis_fromrf");
    t.choice(383, "Aprsis_msg2rf");
    t.optionalCall(384, "Aprsis_msg2rf_path", "Aprsis_msg2rf_ssid",
                   "APRS-IS message path - SSID range error (0 - 15).");
    t.storeThenCheck(391, kByte, "Rfheard_local_maxhops", {0, 8},
                     "Local RF heard max. digi-hops range error (0 - 8).");
    t.storeThenCheck(392, kByte, "Rfheard_local_timeout", kOneTo240,
                     "Local RF heard buffer timeout range error (1 - 240).");
    t.choice(393, "Aprsis_packet2rf");
    t.optionalCall(399, "Aprsis_packet2rf_path", "Aprsis_packet2rf_ssid",
                   "APRS-IS non-message path - SSID range error (0 - 15).");
    t.choice(394, "Aprsis_packet2rf_ifheard");
    t.storeThenCheck(395, kByte, "Rfheard_timeout", kOneTo240,
                     "RF heard buffer timeout range error (1 - 240).");
    t.storeThenCheck(396, kByte, "Aprsis_packet2rf_1min", kOneTo240,
                     "Max. non-message packets per 1 min range error (1 - 240).");
    t.storeThenCheck(397, kByte, "Aprsis_packet2rf_2min", kOneTo240,
                     "Max. non-message packets per 2 min range error (1 - 240).");
    t.storeThenCheck(398, kByte, "Aprsis_packet2rf_3min", kOneTo240,
                     "Max. non-message packets per 3 min range error (1 - 240).");
    // APRS-IS to RF filter rules: 12 records of 8 bytes from 406.
    for (int n = 1; n <= 12; ++n) {
        const int record = 406 + 8 * (n - 1);
        t.wildcardCall(record + 0, "Packet2rf_filter_callsign" + twoDigits(n),
                       "Packet2rf_filter_ssid" + twoDigits(n),
                       "APRS-IS packets to RF filter " + to_string(n) +
                           " - SSID range error (0 - 15, or wildcard '*').");
        t.choice(record + 7, "Packet2rf_filter_type" + twoDigits(n));
    }
}

void weatherTab(Table& t) {
    t.choice(54, "Weather_stationtype");
    t.requiredCall(55, "Weather_dest_string", "Weather_dest_ssid",
                   "Weather destination - too short (ex. APQK04).",
                   "Weather destination - SSID range error (0 - 15).");
    t.optionalCall(62, "Weather_path_string", "Weather_path_ssid",
                   "Weather path - SSID range error (0 - 15).");
    t.storeThenCheck(70, MinuteRate::kWidth, "Weather_txrate_rf", MinuteRate::kRange,
                     "Weather report tx rate (RF) range error (5 - 1440).");
    t.storeThenCheck(72, MinuteRate::kWidth, "Weather_txrate_aprsis", MinuteRate::kRange,
                     "Weather report tx rate (APRSIS) range error (5 - 1440).");
    t.printableText(74, 34, "Weather_comment", "Weather report comment - forbidden characters.");
}

void clockAndServiceTabs(Table& t) {
    t.clock(552, kWord, "Rtcyear");
    t.clock(554, kByte, "Rtcmonth");
    t.clock(555, kByte, "Rtcday");
    t.clock(556, kByte, "Rtchour");
    t.clock(557, kByte, "Rtcmin");
    t.flag(502, "Ntp_enable");
    t.text(503, 32, "Ntp_servername");
    t.text(1381, 13, "www_user");
    t.text(1394, 13, "www_password");
    t.unchecked(1408, kWord, "www_port");
    t.text(1410, 13, "telnet_user");
    t.text(1423, 13, "telnet_password");
    t.unchecked(1436, kWord, "telnet_port");
    const char* const debugChannels[] = {
        "Debug_aprsis", "Debug_aprsismsgs", "Debug_telemetry", "Debug_ntp",          "Debug_dns",
        "Debug_rf",     "Debug_ax25",       "Debug_weather",   "Debug_wunderground", "Debug_digi"};
    int offset = 1438;
    for (const char* channel : debugChannels) {
        t.choice(offset++, channel);
    }
}

void telemetryTab(Table& t) {
    t.text(1448, 24, "Teletitle");
    t.choice(1472, "Tele_enable");
    t.choice(1473, "Telemodule_enable");
    t.choice(1474, "Bitsmodule_enable");
    t.checkThenStore(1869, kByte, "Tele_holdoff", {0, 250},
                     "First telemetry data packet delay range error (0 - 250).");
    // Analog channels: 5 records of 45 bytes from 1512.
    for (int n = 1; n <= 5; ++n) {
        const int record = 1512 + 45 * (n - 1);
        const std::string channel = "Teleanalog" + to_string(n);
        t.choice(record + 0, channel + "_source");
        t.text(record + 1, 8, channel + "_name");
        t.text(record + 9, 8, channel + "_units");
        t.text(record + 17, 9, channel + "_coefa");
        t.text(record + 26, 9, channel + "_coefb");
        t.text(record + 35, 9, channel + "_coefc");
        t.choice(record + 44, channel + "_average");
    }
    // Digital channels: 8 records of 16 bytes from 1737.
    for (int n = 1; n <= 8; ++n) {
        const int record = 1737 + 16 * (n - 1);
        const std::string channel = "Teledigital" + to_string(n);
        t.choice(record + 0, channel + "_source");
        t.text(record + 1, 7, channel + "_name");
        t.text(record + 8, 7, channel + "_units");
        t.choice(record + 15, channel + "_inverted");
    }
    t.requiredCall(1475, "Teledata_dest_string", "Teledata_dest_ssid",
                   "Telemetry data destination - too short (ex. APQK04).",
                   "Telemetry data destination - SSID range error (0 - 15).");
    t.optionalCall(1482, "Teledata_path_string", "Teledata_path_ssid",
                   "Telemetry data path - SSID range error (0 - 15).");
    t.storeThenCheck(1490, MinuteRate::kWidth, "Teledata_txrate_rf", MinuteRate::kRange,
                     "Telemetry data tx rate (RF) range error (5 - 1440).");
    t.storeThenCheck(1492, MinuteRate::kWidth, "Teledata_txrate_aprsis", MinuteRate::kRange,
                     "Telemetry data tx rate (APRSIS) range error (5 - 1440).");
    t.requiredCall(1494, "Teleparams_dest_string", "Teleparams_dest_ssid",
                   "Telemetry parameters destination - too short (ex. APQK04).",
                   "Telemetry parameters destination - SSID range error (0 - 15).");
    t.optionalCall(1501, "Teleparams_path_string", "Teleparams_path_ssid",
                   "Telemetry parameters path - SSID range error (0 - 15).");
    t.storeThenCheck(1508, MinuteRate::kWidth, "Teleparams_txrate_rf", MinuteRate::kRange,
                     "Telemetry parameters tx rate (RF) range error (5 - 1440).");
    t.storeThenCheck(1510, MinuteRate::kWidth, "Teleparams_txrate_aprsis", MinuteRate::kRange,
                     "Telemetry parameters tx rate (APRSIS) range error (5 - 1440).");
    t.choice(1865, "Pinrow_output1");
    t.choice(1866, "Pinrow_output2");
    t.choice(1867, "Pinrow_output3");
    t.choice(1868, "Pinrow_output4");
}

void wundergroundTab(Table& t) {
    t.choice(1870, "WU_enable");
    t.text(1871, 25, "WU_stationid");
    t.text(1896, 25, "WU_password");
    t.text(1921, 40, "WU_normalserver");
    t.text(1961, 40, "WU_rapidfireserver");
    t.choice(2001, "WU_sendmethod");
    t.storeThenCheck(2002, kByte, "WU_normalrate", {1, 240},
                     "WeatherUnderground normal send rate range error (1 - 240).");
    t.storeThenCheck(2003, kByte, "WU_rapidfirerate", {5, 60},
                     "WeatherUnderground \"Rapid fire\" send rate range error (5 - 60).");
}

std::vector<FieldRow> buildLayout() {
    Table t;
    radioTab(t);
    digipeaterTab(t);
    beaconsTab(t);
    networkTab(t);
    aprsisTab(t);
    igateTab(t);
    weatherTab(t);
    clockAndServiceTabs(t);
    telemetryTab(t);
    wundergroundTab(t);
    return std::move(t.rows);
}

}  // namespace

std::span<const FieldRow> layout() {
    static const std::vector<FieldRow> rows = buildLayout();
    return rows;
}

}  // namespace korvex
