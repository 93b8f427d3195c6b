#include "settings/Catalogue.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>

#include "settings/Presets.h"

namespace korvex {

namespace {

using Entries = std::span<const std::string_view>;

// The fixed choice lists, each in index order.
constexpr std::array<std::string_view, 2> kNoYes = {"No", "Yes"};
constexpr std::array<std::string_view, 2> kDisabledEnabled = {"Disabled", "Enabled"};
constexpr std::array<std::string_view, 2> kOffOn = {"Off", "On"};
constexpr std::array<std::string_view, 2> kBaudrates = {"1200 / AFSK", "9600 / GMSK (RX only)"};
constexpr std::array<std::string_view, 5> kQuietRandomize = {"No", "+/- 16 ms", "+/- 32 ms",
                                                             "+/- 64 ms", "+/- 128 ms"};
constexpr std::array<std::string_view, 2> kPttTypes = {"separate output", "2k2 resistor"};
constexpr std::array<std::string_view, 10> kSquelchLevels = {
    "1 (lowest)", "2", "3", "4", "5", "6", "7", "8", "9", "10 (highest)"};
constexpr std::array<std::string_view, 2> kBusyDetection = {"analog signal level",
                                                            "digital detect"};
constexpr std::array<std::string_view, 2> kConsecutivePackets = {"in bursts", "separately"};
constexpr std::array<std::string_view, 2> kCallfilterRules = {"Allow all, except below",
                                                              "Deny all, except below"};
constexpr std::array<std::string_view, 6> kFilterTypes = {"Not used", "Allow all",   "Deny all",
                                                          "Beacons",  "Destination", "Telemetry"};
constexpr std::array<std::string_view, 11> kWeatherStations = {"None",
                                                               "Peet Bros Ultimeter 100",
                                                               "Peet Bros Ultimeter 800",
                                                               "Peet Bros Ultimeter 2000",
                                                               "Peet Bros Ultimeter 2100",
                                                               "WS-2300",
                                                               "WS-2350",
                                                               "Davis Vantage Pro",
                                                               "Davis Vantage Pro2",
                                                               "Davis Vantage Pro Plus",
                                                               "Davis Vantage Pro2 Plus"};
constexpr std::array<std::string_view, 2> kWuSendMethods = {"Normal", "\"Rapid fire\""};

// Collects the entries in window order. It remembers the current tab, page and group, and, inside
// a table-like group, the current row: each setting added to a row takes the next column.
class Builder {
  public:
    Builder(std::deque<std::string>& texts, std::vector<SettingDef>& defs)
        : texts_(texts), defs_(defs) {}

    // Keeps a computed text (a numbered name or hint) alive for the whole run.
    std::string_view keep(std::string text) { return texts_.emplace_back(std::move(text)); }

    void tab(std::string_view caption) {
        tab_ = caption;
        page_ = {};
        group(std::string_view{});
    }
    void page(std::string_view caption) {
        page_ = caption;
        group(std::string_view{});
    }
    void group(std::string_view caption) {
        group_ = caption;
        row_ = -1;
    }
    void filterDialog() {
        window_ = SettingWindow::FilterDialog;
        tab(std::string_view{});
    }
    // Starts a table row; the following settings take columns 0, 1, 2, ...
    void row(int row) {
        row_ = row;
        column_ = 0;
    }

    void edit(std::string_view name, std::string_view label, int limit, std::string_view start,
              std::string_view hint = {}) {
        SettingDef& def = add(name, SettingKind::Edit, label, hint);
        def.editLimit = limit;
        def.startText = start;
    }
    void choice(std::string_view name, std::string_view label, Entries entries, int start,
                std::string_view hint = {}) {
        SettingDef& def = add(name, SettingKind::Choice, label, hint);
        def.choices = entries;
        def.startIndex = start;
    }
    void check(std::string_view name, std::string_view label, bool start,
               std::string_view hint = {}) {
        add(name, SettingKind::Check, label, hint).startChecked = start;
    }

  private:
    SettingDef& add(std::string_view name, SettingKind kind, std::string_view label,
                    std::string_view hint) {
        SettingDef& def = defs_.emplace_back();
        def.name = name;
        def.kind = kind;
        def.window = window_;
        def.tab = tab_;
        def.page = page_;
        def.group = group_;
        def.label = label;
        def.hint = hint;
        if (row_ >= 0) {
            def.row = row_;
            def.column = column_++;
        }
        return def;
    }

    std::deque<std::string>& texts_;
    std::vector<SettingDef>& defs_;
    SettingWindow window_ = SettingWindow::Main;
    std::string_view tab_;
    std::string_view page_;
    std::string_view group_;
    int row_ = -1;
    int column_ = 0;
};

std::string numbered(std::string_view stem, int n, std::string_view rest = {}) {
    return std::string(stem) + std::to_string(n) + std::string(rest);
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void radioTab(Builder& b) {
    b.tab("Radio");
    b.edit("Callsign", "Callsign:", 6, "NOCALL", "Stations callsign.");
    b.edit("Ssid", "SSID:", 2, "0", "Stations SSID");
    b.choice("Baudrate", "Baud rate / modem:", kBaudrates, 0);
    b.edit("Txdelay", "TX delay [ms]:", 4, "250",
           "Time between PTT on and packet start (preamble length).");
    b.edit("Quiettime", "Quiet time [ms]:", 4, "400",
           "Delay between last received  packet and packet send.");
    b.choice("Quiettime_randomize", "Quiet time randomize:", kQuietRandomize, 4,
             "Quiet time random modifier.");
    b.choice("Ptt", "PTT type:", kPttTypes, 0, "PTT output type.");
    b.choice("Squelch", "Squelch level:", kSquelchLevels, 0,
             "Squelch level. 1 - lowest, 10 - highest.");
    b.choice("Busydetect", "Busy detection:", kBusyDetection, 0,
             "Channel busy detection method. For open quelch operation use only digital detect.");
    b.choice("Consecutive_packets", "Consecutive packets:", kConsecutivePackets, 0,
             "Multiple packets from TX fifo will be sent without gap if \"bursts\" is selected.");
    b.edit("Latitude", "Latitude:", 8, "5221.60N", "Stations latitude.");
    b.edit("Longitude", "Longitude:", 9, "01653.63E", "Stations longitude.");
}

void pathRule(Builder& b, int n) {
    b.row(n - 1);
    const std::string_view names[] = {"WIDE", "SP"};
    b.edit(b.keep(numbered("Pathn", n, "_name")), "Path name:", 5, n <= 2 ? names[n - 1] : "",
           "New-N path for digipeated packets. Example: setting path to WIDE and N>=1, N<=2 will "
           "make the device digipeat packets with WIDE2-2 or WIDE2-1 or WIDE1-1 in path.");
    b.edit(b.keep(numbered("Pathn", n, "_lower")), "N>=:", 1, "1");
    b.edit(b.keep(numbered("Pathn", n, "_higher")), "N<=:", 1, "7");
    b.choice(b.keep(numbered("Pathn", n, "_traceable")), "Traceable:", kNoYes, n == 1 ? 1 : 0,
             "If selected, the device will add its callsign to path of digipeated packets.");
    b.check(b.keep(numbered("Pathn", n, "_active")), "Active:", n <= 2);
}

void callFilterEntry(Builder& b, int k) {
    b.row(k - 1);
    b.edit(b.keep(numbered("Callfilter_callsign", k)), "Callsign:", 6, "",
           "Callsign filter callsign.");
    b.edit(b.keep(numbered("Callfilter_ssid", k)), "SSID:", 2, "*", "Callsign filter SSID.");
}

void digipeaterTab(Builder& b) {
    b.tab("Digipeater");
    b.group("Common Digipeater settings:");
    b.choice("Digion", "Digipeater on:", kNoYes, 1);
    b.edit("Floodtimeout", "Duplicate checking [s]:", 3, "60",
           "Time for which a received packet is stored for duplicate checking. Duplicate packets "
           "are discarded and are not digipeated.");
    b.group("New-N Paradigm PATH filter rules:");
    for (int n = 1; n <= 8; ++n) {
        pathRule(b, n);
    }
    b.group("CALLSIGN filter rules:");
    b.choice("Callfilter_rule", "General rule:", kCallfilterRules, 0,
             "General rule for digipeater callsign filter");
    for (int k = 1; k <= 10; ++k) {
        callFilterEntry(b, k);
    }
}

void beacon(Builder& b, int n) {
    b.row(n - 1);
    const std::string stem = numbered("Beacon", n);
    const std::string hintStem = numbered("Beacon ", n);
    const std::string_view rate = n == 1 ? "5" : "0";
    b.edit(b.keep(stem + "_dest_string"), "Destination:", 6, "APQK04",
           b.keep(hintStem + " destination to-call."));
    b.edit(b.keep(stem + "_dest_ssid"), "SSID:", 2, "0", b.keep(hintStem + " destination SSID."));
    b.edit(b.keep(stem + "_path_string"), "Path:", 6, "WIDE2", b.keep(hintStem + " path."));
    b.edit(b.keep(stem + "_path_ssid"), "SSID:", 2, "2", b.keep(hintStem + " path SSID."));
    b.edit(b.keep(stem + "_txrate_rf"), "RF rate [min]:", 4, rate,
           b.keep(hintStem + " TX rate to RF (minutes). Set 0 to disable."));
    b.edit(b.keep(stem + "_txrate_aprsis"), "APRS-IS rate [min]:", 4, rate,
           b.keep(hintStem + " TX rate to APRS-IS (minutes). Set 0 to disable."));
    b.edit(b.keep(stem + "_msg"), "Message (empty fields are ignored):", 64,
           n == 1 ? "@<date>z<lat>/<long>-KorvexMini U=<volt>V." : "",
           "Beacon message. Please check \"Special strings\".");
}

void beaconsTab(Builder& b) {
    b.tab("Beacons");
    for (int n = 1; n <= 8; ++n) {
        beacon(b, n);
    }
}

// One row of four octets, most significant first.
void octets(Builder& b, int row, std::string_view stem, std::string_view label,
            const std::array<std::string_view, 4>& start, std::string_view hint) {
    b.row(row);
    for (int octet = 0; octet < 4; ++octet) {
        b.edit(b.keep(numbered(stem, octet)), label, 3, start[octet], hint);
    }
}

void networkTab(Builder& b) {
    b.tab("Network");
    octets(b, 0, "Ipaddr", "IP address:", {"192", "168", "2", "2"}, "Device IP address.");
    octets(b, 1, "Ipmask", "Network mask:", {"255", "255", "255", "0"}, "Device network mask");
    octets(b, 2, "Ipgate", "Gateway:", {"192", "168", "2", "1"}, "Your network gateway/router IP.");
    octets(b, 3, "Ipdns", "DNS server:", {"192", "168", "2", "1"},
           "Domain name server IP. This should be your ISP's DNS server IP. Also most home routers "
           "are able to relay DNS queries.");
}

void aprsisTab(Builder& b) {
    b.tab("APRS-IS");
    b.edit("Aprsis_user", "User:", 16, "nocall",
           "Your login to APRS-IS network. Usually your callsign.");
    b.edit("Aprsis_pass", "Passcode:", 16, "48306",
           "You login to APRS-IS network. If you don't know it, you should ask your local APRS-IS "
           "administrator.");
    const std::string_view firstServer = "rotate.aprs2.net";
    for (int n = 1; n <= 3; ++n) {
        b.edit(b.keep(numbered("Aprsis", n, "_servername")), b.keep(numbered("Server ", n, ":")),
               31, n == 1 ? firstServer : "", "APRS-IS server domain name or IP address.");
        b.edit(b.keep(numbered("Aprsis", n, "_port")), b.keep(numbered("Port ", n, ":")), 5,
               "14580", "APRS-IS server port.");
    }
    b.edit("Aprsis_filter", "Filter:", 128, "m/40",
           "This filter string will be sent to APRS-IS server after connect.");
    b.edit("Aprsis_timeout", "Reconnect timeout [min]:", 2, "1",
           "Device will reconnect if no data received from APRS-IS over specified time.");
}

void igateTab(Builder& b) {
    b.tab("I-Gate");
    b.group("Common I-Gate settings:");
    b.edit("Aprsis_heard_timeout", "APRS-IS heard timeout [min]:", 3, "30",
           "Stations heard from APRS-IS will be stored in buffer for specified time.");
    b.edit("Aprsis_2rf_dest", "Destination:", 6, "APQK04", "APRS-IS to RF destination to-call.");
    b.edit("Aprsis_2rf_dest_ssid", "Destination SSID:", 2, "0", "APRS-IS to RF destination SSID.");

    b.group("RF packets to APRS-IS gateway:");
    b.choice("Aprsis_fromrf", "Gate RF packets to APRS-IS:", kNoYes, 1,
             "If enabled, will gate packets received from RF to APRS-IS.");

    b.group("APRS-IS messages to local RF gateway:");
    b.edit("Rfheard_local_maxhops", "Local RF max. digi-hops:", 3, "2",
           "Maximum number of digi-hops to recognize station as in local RF.");
    b.edit("Rfheard_local_timeout", "Local RF heard timeout [min]:", 3, "30",
           "Stations heard from local RF will be stored in buffer for specified time.");
    b.choice("Aprsis_msg2rf", "Gate messages to RF:", kNoYes, 1,
             "If enabled, will gate messages received from APRS-IS to RF.");
    b.edit("Aprsis_msg2rf_path", "Message destination:", 6, "WIDE2",
           "APRS-IS to RF message destination to-call.");
    b.edit("Aprsis_msg2rf_ssid", "Message destination SSID:", 2, "1",
           "APRS-IS to RF message destination SSID.");

    b.group("APRS-IS packets to RF filter:");
    b.choice("Aprsis_packet2rf", "Gate non-message packets to RF:", kNoYes, 1,
             "If enabled, will gate non-message packets received from APRS-IS to RF.");
    b.choice("Aprsis_packet2rf_ifheard", "Gate even if heard on RF:", kNoYes, 0,
             "If enabled, will gate non-message packets to RF even if source is heard via RF.");
    b.edit("Aprsis_packet2rf_path", "Packet destination:", 6, "WIDE2",
           "APRS-IS to RF non-message packets destination to-call.");
    b.edit("Aprsis_packet2rf_ssid", "Packet destination SSID:", 2, "1",
           "APRS-IS to RF non-message packets destination SSID.");
    b.edit("Rfheard_timeout", "RF heard timeout [min]:", 3, "60",
           "Stations heard from RF will be stored in buffer for specified time.");
    b.edit("Aprsis_packet2rf_1min", "Max. packets per 1 min:", 3, "6",
           "Maximum number of packets gated from APRS-IS to RF over 1 minute.");
    b.edit("Aprsis_packet2rf_2min", "Max. packets per 2 min:", 3, "9",
           "Maximum number of packets gated from APRS-IS to RF over 2 minutes.");
    b.edit("Aprsis_packet2rf_3min", "Max. packets per 3 min:", 3, "12",
           "Maximum number of packets gated from APRS-IS to RF over 3 minutes.");
}

void weatherTab(Builder& b) {
    b.tab("Weather");
    b.choice("Weather_stationtype", "Weather station:", kWeatherStations, 5,
             "Weather station selection box.");
    b.edit("Weather_dest_string", "Destination:", 6, "APQK04",
           "Weather report destination to-call.");
    b.edit("Weather_dest_ssid", "Destination SSID:", 2, "0", "Weather report destination SSID.");
    b.edit("Weather_path_string", "Path:", 6, "WIDE2", "Weather report path.");
    b.edit("Weather_path_ssid", "Path SSID:", 2, "2", "Weather report path SSID.");
    b.edit("Weather_txrate_rf", "TX rate to RF [min]:", 3, "5",
           "Weather report TX rate to RF (minutes). Set 0 to disable.");
    b.edit("Weather_txrate_aprsis", "TX rate to APRS-IS [min]:", 3, "5",
           "Weather report TX rate to APRS-IS (minutes). Set 0 to disable.");
    b.edit("Weather_comment", "Comment:", 32, "Korvex weather", "weather report comment.");
}

void timeTab(Builder& b) {
    b.tab("RTC/NTP time");
    // Start-up copies the computer's clock into these five.
    b.edit("Rtcyear", "Year:", 4, "");
    b.edit("Rtcmonth", "Month:", 2, "");
    b.edit("Rtcday", "Day:", 2, "");
    b.edit("Rtchour", "Hour:", 2, "");
    b.edit("Rtcmin", "Minute:", 2, "");
    b.check("Uploadpctime", "Upload PC system time on config write", true,
            "If selected, the application will send current PC time on config save.");
    b.check("Ntp_enable", "Use NTP server", true,
            "If selected, the device will synchronize time with network time protocol server.");
    b.edit("Ntp_servername", "NTP server:", 31, "pool.ntp.org",
           "Network time protocol server IP for time synchronization.");
}

void wwwTab(Builder& b) {
    b.tab("WWW");
    b.edit("www_user", "User name:", 12, "admin", "Web administration user name.");
    b.edit("www_password", "Password:", 12, "qzvrt", "Web administration password.");
    b.edit("www_port", "Port:", 4, "80", "Web administration port number.");
}

void telnetTab(Builder& b) {
    b.tab("Telnet");
    b.edit("telnet_user", "User name:", 12, "admin", "Telnet administration user name.");
    b.edit("telnet_password", "Password:", 12, "qzvrt", "Telnet administration password.");
    b.edit("telnet_port", "Port:", 4, "23", "Telnet administration port number.");
    b.group("Telnet debug messages (default state after connect):");
    b.choice("Debug_aprsis", "APRS-IS:", kDisabledEnabled, 0);
    b.choice("Debug_aprsismsgs", "APRS-IS msgs:", kDisabledEnabled, 0);
    b.choice("Debug_telemetry", "Telemetry:", kDisabledEnabled, 0);
    b.choice("Debug_ntp", "NTP:", kDisabledEnabled, 1);
    b.choice("Debug_dns", "DNS:", kDisabledEnabled, 1);
    b.choice("Debug_rf", "RF:", kDisabledEnabled, 1);
    b.choice("Debug_ax25", "AX.25:", kDisabledEnabled, 1);
    b.choice("Debug_weather", "Weather:", kDisabledEnabled, 0);
    b.choice("Debug_wunderground", "Wunderground:", kDisabledEnabled, 1);
    b.choice("Debug_digi", "Digi:", kDisabledEnabled, 1);
}

// Destination, path and the two rates of the telemetry data or parameter reports; `what` is
// "data" or "parameters", `label` the same word as the labels start it.
void teleReport(Builder& b, std::string_view stem, std::string_view what, std::string_view label) {
    const std::string s(stem);
    const std::string hint = "Telemetry " + std::string(what);
    const std::string l(label);
    b.edit(b.keep(s + "_dest_string"), b.keep(l + " destination:"), 6, "APQK04",
           b.keep(hint + " destination to-call."));
    b.edit(b.keep(s + "_dest_ssid"), b.keep(l + " destination SSID:"), 2, "0",
           b.keep(hint + " destination SSID."));
    b.edit(b.keep(s + "_path_string"), b.keep(l + " path:"), 6, "WIDE2", b.keep(hint + " path."));
    b.edit(b.keep(s + "_path_ssid"), b.keep(l + " path SSID:"), 2, "2",
           b.keep(hint + " path SSID."));
    b.edit(b.keep(s + "_txrate_rf"), b.keep(l + " TX rate to RF [min]:"), 3, "5",
           b.keep(hint + " TX rate to RF (minutes). Set 0 to disable."));
    b.edit(b.keep(s + "_txrate_aprsis"), b.keep(l + " TX rate to APRS-IS [min]:"), 3, "5",
           b.keep(hint + " TX rate to APRS-IS (minutes). Set 0 to disable."));
}

// Name and units limits of the telemetry channels: what a telemetry report admits.
constexpr int kAnalogTextLimits[kAnalogChannels] = {7, 7, 6, 6, 5};
constexpr int kDigitalTextLimits[kDigitalChannels] = {6, 5, 4, 4, 4, 3, 3, 3};
constexpr int kAnalogStartSources[kAnalogChannels] = {11, 12, 14, 17, 0};

void analogChannel(Builder& b, int n) {
    b.row(n - 1);
    const std::string stem = numbered("Teleanalog", n);
    const std::string hintStem = numbered("Analog channel ", n);
    const int limit = kAnalogTextLimits[n - 1];
    b.choice(b.keep(stem + "_source"), "Source:", analogSourceEntries(), kAnalogStartSources[n - 1],
             b.keep(hintStem + " measurement source."));
    // Names, units and coefficients come from the channel's preset at start-up.
    b.edit(b.keep(stem + "_name"), "Name:", limit, "", b.keep(hintStem + " report name."));
    b.edit(b.keep(stem + "_units"), "Units:", limit, "", b.keep(hintStem + " report units."));
    for (const char coefficient : {'A', 'B', 'C'}) {
        const char suffix = static_cast<char>(coefficient - 'A' + 'a');
        b.edit(b.keep(stem + "_coef" + suffix),
               b.keep(std::string("Coefficient ") + coefficient + ":"), 8, "",
               b.keep(hintStem + " telemetry calculation coefficient " + coefficient +
                      ". Equation: A*x*x+B*x+C (where x is the measurement sample)."));
    }
    b.choice(b.keep(stem + "_average"), "Average:", kOffOn, 0,
             "If selected, the device will calculate 1 minute average of measured samples.");
}

void digitalChannel(Builder& b, int n) {
    b.row((n - 1) % 4);
    const std::string stem = numbered("Teledigital", n);
    const std::string hintStem = numbered("Digital channel ", n);
    const int limit = kDigitalTextLimits[n - 1];
    b.choice(b.keep(stem + "_source"), "Source:", digitalSourceEntries(), n,
             b.keep(hintStem + " source."));
    b.edit(b.keep(stem + "_name"), "Name:", limit, "", b.keep(hintStem + " report name."));
    b.edit(b.keep(stem + "_units"), "Label:", limit, "", b.keep(hintStem + " report label."));
    b.choice(b.keep(stem + "_inverted"), "Inverted:", kNoYes, 0,
             "Select if digital channel is active-low.");
}

void telemetryTab(Builder& b) {
    b.tab("Telemetry reports");
    b.page("Report settings");
    b.choice("Tele_enable", "Telemetry reports:", kDisabledEnabled, 0,
             "Enables or disables telemetry reports.");
    b.choice("Telemodule_enable", "Voltrow module:", kDisabledEnabled, 0,
             "Enables or disables Voltrow module support.");
    b.choice("Bitsmodule_enable", "Pinrow module:", kDisabledEnabled, 0,
             "Enables or disables Pinrow module support.");
    b.edit("Teletitle", "Title:", 23, "Telemetry test",
           "Title for telemetry sent in BITS message.");
    b.edit("Tele_holdoff", "First telemetry data packet delay [min]:", 3, "60",
           "Delay for first telemetry data packet. Allows to gather data after device power-up.");
    teleReport(b, "Teledata", "data", "Data");
    teleReport(b, "Teleparams", "parameters", "Parameters");

    b.page("Analog channels");
    for (int n = 1; n <= kAnalogChannels; ++n) {
        analogChannel(b, n);
    }
    b.page("Digital channels 1-4");
    for (int n = 1; n <= kDigitalChannels; ++n) {
        if (n == 5) {
            b.page("Digital channels 5-8");
        }
        digitalChannel(b, n);
    }
    b.page("Pinrow outputs");
    for (int n = 1; n <= 4; ++n) {
        b.choice(b.keep(numbered("Pinrow_output", n)),
                 b.keep(numbered("Output ", n, " default state:")), kOffOn, 0);
    }
}

void wundergroundTab(Builder& b) {
    b.tab("WUnderground");
    b.group("Weather reports to WeatherUnderground:");
    b.choice("WU_enable", "WeatherUnderground reports:", kDisabledEnabled, 0);
    b.edit("WU_stationid", "Station ID:", 24, "");
    b.edit("WU_password", "Password:", 24, "");
    b.edit("WU_normalserver", "Normal server:", 39, "weatherstation.wunderground.com");
    b.edit("WU_rapidfireserver", "Rapid fire server:", 39, "rtupdate.wunderground.com");
    b.choice("WU_sendmethod", "Send method:", kWuSendMethods, 0);
    b.edit("WU_normalrate", "Normal weather send rate [min]:", 3, "1");
    b.edit("WU_rapidfirerate", "Rapid fire send rate [s]:", 3, "5");
}

void packetFilterDialog(Builder& b) {
    b.filterDialog();
    for (int n = 1; n <= 12; ++n) {
        b.row(n - 1);
        const std::string nn = twoDigits(n);
        b.edit(b.keep("Packet2rf_filter_callsign" + nn), "Callsign:", 6, "",
               "Callsign pattern for APRS-IS to RF filter.");
        b.edit(b.keep("Packet2rf_filter_ssid" + nn), "SSID:", 2, "*",
               "SSID pattern for APRS-IS to RF filter.");
        b.choice(b.keep("Packet2rf_filter_type" + nn), "Type:", kFilterTypes, 0,
                 "APRS-IS to RF filter type.");
    }
}

// The catalogue's place of each name, by open addressing into a power-of-two table at most a
// quarter full, so that a lookup (every read and write of a setting) is a cheap hash and nearly
// always one comparison.
class NameIndex {
  public:
    explicit NameIndex(std::span<const SettingDef> defs)
        : defs_(defs), slots_(std::bit_ceil(defs.size() * 4), kEmpty) {
        for (size_t place = 0; place < defs_.size(); ++place) {
            if (find(defs_[place].name) >= 0) {
                throw std::logic_error("setting " + std::string(defs_[place].name) +
                                       " is in the catalogue twice");
            }
            size_t at = hash(defs_[place].name) & mask();
            while (slots_[at] != kEmpty) {
                at = (at + 1) & mask();
            }
            slots_[at] = static_cast<int16_t>(place);
        }
    }

    // The place in the catalogue, or -1 for a name outside it.
    int find(std::string_view name) const {
        for (size_t at = hash(name) & mask();; at = (at + 1) & mask()) {
            const int16_t place = slots_[at];
            if (place == kEmpty || defs_[place].name == name) {
                return place;
            }
        }
    }

  private:
    static constexpr int16_t kEmpty = -1;
    // The length and the first and last eight characters: the catalogue's names differ there,
    // and two wide loads cost less than a pass over every character.
    static size_t hash(std::string_view name) {
        if (name.empty()) {
            return 0;
        }
        uint64_t head = 0;
        uint64_t tail = 0;
        const size_t wide = std::min<size_t>(name.size(), 8);
        std::memcpy(&head, name.data(), wide);
        std::memcpy(&tail, name.data() + name.size() - wide, wide);
        // splitmix64's finaliser: every bit of both loads reaches the low bits the table uses.
        uint64_t mixed = head ^ (tail * 0x9E3779B97F4A7C15u) ^ name.size();
        mixed = (mixed ^ mixed >> 30) * 0xBF58476D1CE4E5B9u;
        mixed = (mixed ^ mixed >> 27) * 0x94D049BB133111EBu;
        return static_cast<size_t>(mixed ^ mixed >> 31);
    }
    size_t mask() const { return slots_.size() - 1; }

    std::span<const SettingDef> defs_;
    std::vector<int16_t> slots_;
};

struct CatalogueData {
    std::deque<std::string> texts;
    std::vector<SettingDef> defs;
    std::optional<NameIndex> byName;

    CatalogueData() {
        Builder b(texts, defs);
        radioTab(b);
        digipeaterTab(b);
        beaconsTab(b);
        networkTab(b);
        aprsisTab(b);
        igateTab(b);
        weatherTab(b);
        timeTab(b);
        wwwTab(b);
        telnetTab(b);
        telemetryTab(b);
        wundergroundTab(b);
        packetFilterDialog(b);
        byName.emplace(defs);
    }
};

const CatalogueData& data() {
    static const CatalogueData instance;
    return instance;
}

}  // namespace

std::span<const SettingDef> catalogue() {
    return data().defs;
}

int settingPlace(std::string_view name) {
    return data().byName->find(name);
}

const SettingDef* findSetting(std::string_view name) {
    const int place = settingPlace(name);
    return place < 0 ? nullptr : &data().defs[static_cast<size_t>(place)];
}

const SettingDef& settingDef(std::string_view name) {
    const SettingDef* def = findSetting(name);
    if (def == nullptr) {
        throw std::logic_error("unknown setting " + std::string(name));
    }
    return *def;
}

}  // namespace korvex
