#include "files/ConfigKeys.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "settings/Catalogue.h"
#include "settings/IntegerRule.h"
#include "settings/Version.h"

namespace korvex {

namespace {

constexpr HeaderKey kHeaderKeys[] = {
    {"WARNING",
     "Please do not try to modify this file. It should be managed with Korvex Mini "
     "configurator program.",
     ""},
    {"Application", kApplicationName, "unknown"},
    {"Version", kVersionText, "unknown"},
};

constexpr auto Text = ValueForm::Text;
constexpr auto Number = ValueForm::Number;
constexpr auto Choice = ValueForm::Choice;
constexpr auto Flag = ValueForm::Flag;

// One row of the table. In a block, "{n}" in a name stands for the index and "{nn}" for the
// index in two digits; `defaults` holds one default for every index or one per index.
struct Row {
    std::string_view key;
    std::string_view setting;  // empty where the setting has the key's name
    ValueForm form;
    std::vector<std::string_view> defaults;
    bool defaultIsStartText = false;  // the default is the setting's start-up text
};

// Rows of one section; with `indices` > 0 the rows form a block repeated index by index, all
// rows of index 1 first.
struct Block {
    std::string_view section;
    int indices;
    std::vector<Row> rows;
};

const std::vector<Block>& blocks() {
    static const std::vector<Block> table = {
        {"Radio",
         0,
         {
             {"Callsign", "", Text, {"NOCALL"}},
             {"SSID", "Ssid", Text, {"0"}},
             {"Baudrate", "", Choice, {"0"}},
             {"TXdelay", "Txdelay", Number, {"250"}},
             {"Quiettime", "", Number, {"400"}},
             {"Quiettime_randomize", "", Choice, {"3"}},
             {"PTT", "Ptt", Choice, {"0"}},
             {"Squelch", "", Choice, {"0"}},
             {"Busydetect", "", Choice, {"0"}},
             {"Consecutive_packets", "", Choice, {"0"}},
             {"Latitude", "", Text, {"5221.60N"}},
             {"Longitude", "", Text, {"01653.63E"}},
         }},
        {"Digipeater",
         0,
         {
             {"Digion", "", Choice, {"1"}},
             {"Floodtimeout", "", Number, {"60"}},
         }},
        {"Digipeater",
         8,
         {
             {"Pathn{n}_name", "", Text, {"WIDE", "SP", "", "", "", "", "", ""}},
             {"Pathn{n}_lower", "", Text, {"1"}},
             {"Pathn{n}_higher", "", Text, {"7"}},
             {"Pathn{n}_traceable", "", Choice, {"1", "0", "0", "0", "0", "0", "0", "0"}},
             {"Pathn{n}_active", "", Flag, {"1", "1", "0", "0", "0", "0", "0", "0"}},
         }},
        {"Digipeater", 0, {{"Callfilter_rule", "", Choice, {"0"}}}},
        {"Digipeater",
         10,
         {
             {"Callfilter_callsign{n}", "", Text, {""}},
             {"Callfilter_ssid{n}", "", Text, {"*"}},
         }},
        {"Beacons",
         8,
         {
             {"Beacon{n}_dest_string", "", Text, {"APQK04"}},
             {"Beacon{n}_dest_ssid", "", Text, {"0"}},
             {"Beacon{n}_path_string", "", Text, {"WIDE2"}},
             {"Beacon{n}_path_ssid", "", Text, {"2"}},
             {"Beacon{n}_txrate_rf", "", Number, {"5"}},
             {"Beacon{n}_txrate_aprsis", "", Number, {"5"}},
             {"Beacon{n}_msg",
              "",
              Text,
              {"@<date>z<lat>/<long>-KORVEX Test.", "", "", "", "", "", "", ""}},
         }},
        {"Network",
         0,
         {
             {"Ipaddr0", "", Number, {"192"}},
             {"Ipaddr1", "", Number, {"168"}},
             {"Ipaddr2", "", Number, {"2"}},
             {"Ipaddr3", "", Number, {"1"}},
             {"Ipmask0", "", Number, {"255"}},
             {"Ipmask1", "", Number, {"255"}},
             {"Ipmask2", "", Number, {"255"}},
             {"Ipmask3", "", Number, {"0"}},
             {"Ipgate0", "", Number, {"192"}},
             {"Ipgate1", "", Number, {"168"}},
             {"Ipgate2", "", Number, {"2"}},
             {"Ipgate3", "", Number, {"1"}},
             {"Ipdns0", "", Number, {"192"}},
             {"Ipdns1", "", Number, {"168"}},
             {"Ipdns2", "", Number, {"2"}},
             {"Ipdns3", "", Number, {"1"}},
         }},
        {"APRS-IS",
         0,
         {
             {"Aprsis1_servername", "", Text, {}, true},
             {"Aprsis1_port", "", Number, {"14580"}},
             {"Aprsis2_servername", "", Text, {""}},
             {"Aprsis2_port", "", Number, {"14580"}},
             {"Aprsis3_servername", "", Text, {""}},
             {"Aprsis3_port", "", Number, {"14580"}},
             {"Aprsis_user", "", Text, {"nocall"}},
             {"Aprsis_pass", "", Text, {"48306"}},
             {"Aprsis_timeout", "", Number, {"1"}},
             {"Aprsis_filter", "", Text, {"m/40"}},
         }},
        {"I-Gate",
         0,
         {
             {"Aprsis_heardtimeout", "Aprsis_heard_timeout", Number, {"30"}},
             {"Aprsis_2rf_dest", "", Text, {"APQK04"}},
             {"Aprsis_2rf_dest_ssid", "", Text, {"0"}},
             {"Aprsis_fromrf", "", Choice, {"1"}},
             {"Aprsis_msg2rf", "", Choice, {"1"}},
             {"Aprsis_msg2rf_path", "", Text, {"WIDE2"}},
             {"Aprsis_msg2rf_ssid", "", Text, {"1"}},
             {"Rfheard_local_maxhops", "", Number, {"2"}},
             {"Rfheard_local_timeout", "", Number, {"30"}},
             {"Aprsis_packet2rf", "", Choice, {"0"}},
             {"Aprsis_packet2rf_path", "", Text, {"WIDE2"}},
             {"Aprsis_packet2rf_ssid", "", Text, {"1"}},
             {"Aprsis_packet2rf_ifheard", "", Choice, {"0"}},
             {"Rfheard_timeout", "", Number, {"30"}},
             {"Aprsis_packet2rf_1min", "", Number, {"6"}},
             {"Aprsis_packet2rf_2min", "", Number, {"9"}},
             {"Aprsis_packet2rf_3min", "", Number, {"12"}},
         }},
        {"I-Gate",
         12,
         {
             {"Packet2rf_filter_callsign{nn}", "", Text, {""}},
             {"Packet2rf_filter_ssid{nn}", "", Text, {"*"}},
             {"Packet2rf_filter_type{nn}", "", Choice, {"0"}},
         }},
        {"Weather",
         0,
         {
             {"Weather_stationtype", "", Choice, {"5"}},
             {"Weather_dest_string", "", Text, {"APQK04"}},
             {"Weather_dest_ssid", "", Text, {"0"}},
             {"Weather_path_string", "", Text, {"WIDE2"}},
             {"Weather_path_ssid", "", Text, {"2"}},
             {"Weather_txrate_rf", "", Number, {"5"}},
             {"Weather_txrate_aprsis", "", Number, {"5"}},
             {"Weather_comment", "", Text, {""}},
         }},
        {"RTC",
         0,
         {
             {"Uploadpctime", "", Flag, {"1"}},
             {"Ntp_enable", "", Flag, {"1"}},
             {"Ntp_servername", "", Text, {}, true},
         }},
        {"WWW",
         0,
         {
             {"Www_user", "www_user", Text, {"admin"}},
             {"Www_pass", "www_password", Text, {"qzvrt"}},
             {"Www_port", "www_port", Number, {"80"}},
         }},
        {"Telnet",
         0,
         {
             {"Telnet_user", "telnet_user", Text, {"admin"}},
             {"Telnet_pass", "telnet_password", Text, {"qzvrt"}},
             {"Telnet_port", "telnet_port", Number, {"23"}},
         }},
        {"Debug",
         0,
         {
             {"Debug_aprsis", "", Choice, {"0"}},
             {"Debug_aprsismsgs", "", Choice, {"0"}},
             {"Debug_telemetry", "", Choice, {"0"}},
             {"Debug_ntp", "", Choice, {"1"}},
             {"Debug_dns", "", Choice, {"1"}},
             {"Debug_rf", "", Choice, {"1"}},
             {"Debug_ax25", "", Choice, {"1"}},
             {"Debug_weather", "", Choice, {"0"}},
             {"Debug_wunderground", "", Choice, {"1"}},
             {"Debug_digi", "", Choice, {"1"}},
         }},
        {"Telemetry",
         0,
         {
             {"Tele_title", "Teletitle", Text, {"Telemetry test"}},
             {"Tele_enable", "", Choice, {"0"}},
             {"Telemodule_enable", "", Choice, {"0"}},
             {"Bitsmodule_enable", "", Choice, {"0"}},
             {"Tele_holdoff", "", Number, {"0"}},
         }},
        {"Telemetry",
         5,
         {
             {"Teleanalog{n}_name", "", Text, {"I1", "I2", "U1", "U2", "Temp"}},
             {"Teleanalog{n}_units", "", Text, {"mA", "mA", "Volt", "Volt", "C"}},
             {"Teleanalog{n}_source", "", Choice, {"1", "4", "7", "8", "9"}},
             {"Teleanalog{n}_coefa", "", Text, {"0"}},
             {"Teleanalog{n}_coefb", "", Text, {"19.5", "19.5", "0.1", "0.1", "0.5"}},
             {"Teleanalog{n}_coefc", "", Text, {"0", "0", "0", "0", "-64"}},
             {"Teleanalog{n}_average", "", Choice, {"0"}},
         }},
        {"Telemetry",
         8,
         {
             {"Teledigital{n}_name", "", Text, {"O1", "O2", "O3", "O4", "I1", "I2", "I3", "I4"}},
             {"Teledigital{n}_label",
              "Teledigital{n}_units",
              Text,
              {"On", "On", "On", "On", "Hi", "Hi", "Hi", "Hi"}},
             {"Teledigital{n}_source", "", Choice, {"1", "2", "3", "4", "5", "6", "7", "8"}},
             {"Teledigital{n}_inverted", "", Choice, {"0"}},
         }},
        {"Telemetry",
         0,
         {
             {"Teleparams_dest_string", "", Text, {"APQK04"}},
             {"Teleparams_dest_ssid", "", Text, {"0"}},
             {"Teleparams_path_string", "", Text, {"WIDE2"}},
             {"Teleparams_path_ssid", "", Text, {"2"}},
             {"Teleparams_txrate_rf", "", Number, {"5"}},
             {"Teleparams_txrate_aprsis", "", Number, {"5"}},
             {"Teledata_dest_string", "", Text, {"APQK04"}},
             {"Teledata_dest_ssid", "", Text, {"0"}},
             {"Teledata_path_string", "", Text, {"WIDE2"}},
             {"Teledata_path_ssid", "", Text, {"2"}},
             {"Teledata_txrate_rf", "", Number, {"5"}},
             {"Teledata_txrate_aprsis", "", Number, {"5"}},
             {"Pinrow_output1", "", Choice, {"0"}},
             {"Pinrow_output2", "", Choice, {"0"}},
             {"Pinrow_output3", "", Choice, {"0"}},
             {"Pinrow_output4", "", Choice, {"0"}},
         }},
        {"WeatherUnderground",
         0,
         {
             {"Enable", "WU_enable", Choice, {"0"}},
             {"StationID", "WU_stationid", Text, {""}},
             {"Password", "WU_password", Text, {""}},
             {"Normalserver", "WU_normalserver", Text, {}, true},
             {"Rapidfireserver", "WU_rapidfireserver", Text, {}, true},
             {"Sendmethod", "WU_sendmethod", Choice, {"0"}},
             {"Normal_rate", "WU_normalrate", Number, {"1"}},
             {"Rapidfire_rate", "WU_rapidfirerate", Number, {"5"}},
         }},
    };
    return table;
}

// `pattern` with "{nn}" replaced by the index in two digits and "{n}" by the index.
std::string expand(std::string_view pattern, int index) {
    std::string name(pattern);
    for (const auto& [placeholder, digits] : {std::pair<std::string_view, int>{"{nn}", 2},
                                              std::pair<std::string_view, int>{"{n}", 1}}) {
        const size_t at = name.find(placeholder);
        if (at != std::string::npos) {
            std::string number = std::to_string(index);
            if (number.size() < static_cast<size_t>(digits)) {
                number.insert(0, digits - number.size(), '0');
            }
            name.replace(at, placeholder.size(), number);
        }
    }
    return name;
}

ConfigKey makeKey(std::string_view section, const Row& row, int index, int indices) {
    ConfigKey key;
    key.section = section;
    key.key = expand(row.key, index);
    key.setting = expand(row.setting.empty() ? row.key : row.setting, index);
    key.form = row.form;
    if (row.defaultIsStartText) {
        key.defaultText = settingDef(key.setting).startText;
    } else if (row.defaults.size() == 1) {
        key.defaultText = row.defaults.front();
    } else if (indices > 0 && row.defaults.size() == static_cast<size_t>(indices)) {
        key.defaultText = row.defaults[index - 1];
    } else {
        throw std::logic_error("key table: wrong number of defaults for " + key.key);
    }
    if (key.form != ValueForm::Text) {
        key.defaultNumber = convertInteger(key.defaultText);
    }
    return key;
}

std::vector<ConfigKey> buildKeys() {
    std::vector<ConfigKey> keys;
    for (const Block& block : blocks()) {
        for (int index = 1; index <= std::max(block.indices, 1); ++index) {
            for (const Row& row : block.rows) {
                keys.push_back(makeKey(block.section, row, index, block.indices));
            }
        }
    }
    return keys;
}

}  // namespace

std::span<const HeaderKey> headerKeys() {
    return kHeaderKeys;
}

const std::vector<ConfigKey>& configKeys() {
    static const std::vector<ConfigKey> keys = buildKeys();
    return keys;
}

}  // namespace korvex
