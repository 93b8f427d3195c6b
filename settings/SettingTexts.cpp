#include "settings/SettingTexts.h"

#include <cctype>
#include <string>

namespace korvex {

namespace {

constexpr SettingText kTexts[] = {
    // Radio.
    {"Callsign",
     "The station's own callsign, sent as the source of every packet it transmits and as its "
     "login name where no other is given. Letters and digits, up to six."},
    {"Ssid",
     "The station's SSID (0 to 15), appended to the callsign as -N to tell apart several "
     "stations of one operator; 0 sends the bare callsign."},
    {"Baudrate",
     "The modem: 1200 baud AFSK is the common APRS channel; 9600 baud GMSK is received only."},
    {"Txdelay",
     "How long the transmitter is keyed before the packet starts, so that the radio is on full "
     "power when the data comes. Too short loses the start of packets; too long wastes air time."},
    {"Quiettime",
     "How long the channel must stay quiet after the last received packet before the station "
     "transmits."},
    {"Quiettime_randomize",
     "A random amount added to or taken from the quiet time, so that stations waiting for the "
     "same quiet channel do not all start at once."},
    {"Ptt",
     "How the transmitter is keyed: a separate PTT output, or PTT through a 2.2 kOhm resistor on "
     "the microphone line as many handhelds want."},
    {"Squelch", "The level of received signal above which the channel counts as busy."},
    {"Busydetect",
     "How the station tells that the channel is busy: by the analog signal level (with the "
     "radio's squelch closed) or by detecting data (needed with the squelch open)."},
    {"Consecutive_packets",
     "Whether packets waiting to be sent go out in one transmission (in bursts) or each in a "
     "transmission of its own."},
    {"Latitude",
     "The station's latitude as APRS writes it: degrees and minutes with two decimals and N or "
     "S, 8 characters (5221.60N). Put in for <lat> in beacon texts."},
    {"Longitude",
     "The station's longitude as APRS writes it: three digits of degrees, minutes with two "
     "decimals and E or W, 9 characters (01653.63E). Put in for <long> in beacon texts."},

    // Digipeater.
    {"Digion", "Whether the station digipeats (repeats) packets heard on the radio channel."},
    {"Floodtimeout",
     "How long the digipeater remembers a packet it has repeated; the same packet heard again "
     "within this time is a duplicate and is not repeated again."},
    {"Pathn#_name",
     "The path alias a rule serves (WIDE, or a state or region alias such as SP). A packet whose "
     "next path element is this alias with a hop count the rule admits is digipeated. Empty: the "
     "rule serves nothing."},
    {"Pathn#_lower", "The smallest hop count N (1 to 7) of the alias that the rule digipeats."},
    {"Pathn#_higher",
     "The largest hop count N (1 to 7) of the alias that the rule digipeats; larger N is not "
     "repeated."},
    {"Pathn#_traceable",
     "Whether the digipeater puts its own callsign into the path of the packets it repeats by "
     "this rule, so that the route can be traced."},
    {"Pathn#_active", "Whether the path rule is in use."},
    {"Callfilter_rule",
     "What the digipeater does with stations not listed in the callsign filter: repeat all "
     "except those listed, or none except those listed."},
    {"Callfilter_callsign#",
     "A callsign the digipeater's callsign filter lists (* as wildcard). Empty entries are "
     "ignored."},
    {"Callfilter_ssid#", "The SSID (0 to 15) of a callsign filter entry, or * for any SSID."},

    // Beacons, and the other reports that go out the same way.
    {"Beacon#_dest_string, Weather_dest_string, Teledata_dest_string, Teleparams_dest_string",
     "The destination (to-call) of the packets: in APRS it names the sending software, not a "
     "receiver."},
    {"Beacon#_dest_ssid, Weather_dest_ssid, Teledata_dest_ssid, Teleparams_dest_ssid",
     "The SSID of the destination (0 to 15); 0 is usual."},
    {"Beacon#_path_string, Weather_path_string, Teledata_path_string, Teleparams_path_string",
     "The path alias the packets ask digipeaters to serve (WIDE2 with SSID 2 is WIDE2-2: up to "
     "two hops). Empty: the packets go out without a path and reach only direct listeners."},
    {"Beacon#_path_ssid, Weather_path_ssid, Teledata_path_ssid, Teleparams_path_ssid",
     "The hop count N of the path alias (0 to 15); 1 or 2 is usual."},
    {"Beacon#_txrate_rf, Weather_txrate_rf, Teledata_txrate_rf, Teleparams_txrate_rf",
     "How often the packets are sent on the radio channel, in minutes; 0 switches that off."},
    {"Beacon#_txrate_aprsis, Weather_txrate_aprsis, Teledata_txrate_aprsis, "
     "Teleparams_txrate_aprsis",
     "How often the packets are sent to APRS-IS, in minutes; 0 switches that off."},
    {"Beacon#_msg",
     "The beacon's APRS information field as sent, up to 64 characters; <lat>, <long>, <date> "
     "and <volt> are put in when it is sent (see \"Special strings\"). An empty text is not "
     "sent."},

    // Network.
    {"Ipaddr#", "The station's own IPv4 address on the local network, one byte per field."},
    {"Ipmask#", "The network mask of the local network (255.255.255.0 for most home networks)."},
    {"Ipgate#", "The router through which the station reaches the Internet."},
    {"Ipdns#", "The name server the station asks for the addresses of servers given by name."},

    // APRS-IS.
    {"Aprsis_user", "The login name on APRS-IS: the station's callsign, with its SSID."},
    {"Aprsis_pass",
     "The APRS-IS passcode, a number computed from the login callsign, not a web password; "
     "without the right one the server accepts no packets from the station. \"Compute\" beside "
     "the field fills it in."},
    {"Aprsis#_servername",
     "An APRS-IS server (name or address); the station tries the servers in turn. "
     "rotate.aprs2.net picks one of a pool."},
    {"Aprsis#_port", "The server's port; 14580 takes the filter below, 10152 sends the full feed."},
    {"Aprsis_filter",
     "The server-side filter sent after login: which packets APRS-IS sends the station (m/40: "
     "within 40 km of it)."},
    {"Aprsis_timeout", "Minutes without data from APRS-IS after which the station connects anew."},

    // I-Gate.
    {"Aprsis_heard_timeout",
     "How long stations heard on APRS-IS are remembered by the I-gate, in minutes."},
    {"Aprsis_2rf_dest",
     "The destination (to-call) of packets the I-gate sends from APRS-IS to RF."},
    {"Aprsis_2rf_dest_ssid", "The SSID of that destination (0 to 15)."},
    {"Aprsis_fromrf", "Whether packets heard on the radio channel are passed on to APRS-IS."},
    {"Rfheard_local_maxhops",
     "A station heard over at most this many digipeater hops counts as local, so that messages "
     "for it are sent from APRS-IS to RF."},
    {"Rfheard_local_timeout", "How long a station heard on RF counts as local, in minutes."},
    {"Aprsis_msg2rf",
     "Whether messages from APRS-IS for local stations are sent on the radio channel."},
    {"Aprsis_msg2rf_path, Aprsis_packet2rf_path",
     "The path alias of packets sent from APRS-IS to RF (WIDE2 with SSID 1 is WIDE2-1: one hop)."},
    {"Aprsis_msg2rf_ssid, Aprsis_packet2rf_ssid", "The hop count N of that path alias (0 to 15)."},
    {"Aprsis_packet2rf",
     "Whether packets other than messages from APRS-IS are sent on the radio channel, as the "
     "filter rules allow."},
    {"Aprsis_packet2rf_ifheard",
     "Whether such packets are sent on RF even when their source is heard on RF itself."},
    {"Rfheard_timeout", "How long stations heard on RF are remembered, in minutes."},
    {"Aprsis_packet2rf_#min",
     "The most packets the I-gate sends from APRS-IS to RF in the last 1, 2 or 3 minutes, so "
     "that APRS-IS cannot flood the radio channel."},
    {"Packet2rf_filter_callsign#",
     "The callsign pattern of a filter rule for packets from APRS-IS to RF (* as wildcard). The "
     "rules are tried in order and the first that matches decides."},
    {"Packet2rf_filter_ssid#", "The SSID pattern of a filter rule: 0 to 15, or * for any."},
    {"Packet2rf_filter_type#",
     "What a filter rule does with packets that match: allow or deny all of them, or allow only "
     "beacons, packets to a destination or telemetry; \"Not used\" switches the rule off."},

    // Weather.
    {"Weather_stationtype", "The weather station attached to the device, or None."},
    {"Weather_comment", "The comment sent at the end of each weather report."},

    // RTC/NTP time.
    {"Rtcyear, Rtcmonth, Rtcday, Rtchour, Rtcmin",
     "The date and time (UTC) written into the device's clock with the configuration. Not kept "
     "in configuration files."},
    {"Uploadpctime",
     "Whether Write config takes the date and time from the computer's clock (UTC); the five "
     "fields cannot be edited while it is ticked."},
    {"Ntp_enable", "Whether the device sets its clock from a network time server."},
    {"Ntp_servername", "The network time server (name or address)."},

    // WWW and Telnet.
    {"www_user, telnet_user", "The user name for the device's web pages or Telnet console."},
    {"www_password, telnet_password",
     "The password for the device's web pages or Telnet console. Change it from the factory "
     "value."},
    {"www_port, telnet_port",
     "The TCP port of the device's web pages (80 as usual) or Telnet console (23 as usual)."},
    {"Debug_*",
     "Whether the Telnet console shows this kind of debug message right after a connection."},

    // Telemetry reports.
    {"Tele_enable", "Whether the device sends APRS telemetry reports."},
    {"Telemodule_enable",
     "Whether the Voltrow add-on module (analog inputs) is attached and read."},
    {"Bitsmodule_enable",
     "Whether the Pinrow add-on module (digital inputs and outputs) is attached and used."},
    {"Teletitle", "The project title sent in the telemetry BITS message."},
    {"Tele_holdoff",
     "Minutes after power-up before the first telemetry data packet, so that measurements "
     "can gather."},
    {"Teleanalog#_source", "What the analog channel measures."},
    {"Teledigital#_source", "Which input the digital channel reads."},
    {"Teleanalog#_name, Teledigital#_name",
     "The channel's name as sent in the telemetry parameter packets; the lengths are those that "
     "APRS telemetry allows for each channel."},
    {"Teleanalog#_units, Teledigital#_units",
     "The channel's unit (analog) or label (digital) as sent in the telemetry unit packets."},
    {"Teleanalog#_coef*",
     "A coefficient of the equation A*x*x+B*x+C that turns a channel's raw value x into its "
     "unit, sent in the telemetry equation packets."},
    {"Teleanalog#_average",
     "Whether the channel reports the average over one minute instead of the last sample."},
    {"Teledigital#_inverted", "Whether the digital channel is active when its input is low."},
    {"Pinrow_output#", "The state of a Pinrow module output after power-up."},

    // WUnderground.
    {"WU_enable", "Whether the device uploads its weather data to WeatherUnderground."},
    {"WU_stationid", "The station's ID at WeatherUnderground."},
    {"WU_password", "The station's password (key) at WeatherUnderground."},
    {"WU_normalserver", "The server for normal uploads."},
    {"WU_rapidfireserver", "The server for rapid fire uploads."},
    {"WU_sendmethod",
     "Normal uploads every few minutes, or \"Rapid fire\" uploads every few seconds."},
    {"WU_normalrate", "Minutes between normal uploads."},
    {"WU_rapidfirerate", "Seconds between rapid fire uploads."},
};

// Glob match: '#' takes one or more digits, '*' any run of characters.
bool matches(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) {
        return name.empty();
    }
    if (pattern[0] == '*') {
        for (size_t skip = 0; skip <= name.size(); ++skip) {
            if (matches(pattern.substr(1), name.substr(skip))) {
                return true;
            }
        }
        return false;
    }
    if (pattern[0] == '#') {
        size_t digits = 0;
        while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) {
            ++digits;
            if (matches(pattern.substr(1), name.substr(digits))) {
                return true;
            }
        }
        return false;
    }
    return !name.empty() && pattern[0] == name[0] && matches(pattern.substr(1), name.substr(1));
}

}  // namespace

std::span<const SettingText> settingTexts() {
    return kTexts;
}

bool namesMatch(std::string_view patterns, std::string_view name) {
    std::string_view rest = patterns;
    std::string previous;
    while (!rest.empty()) {
        const size_t comma = rest.find(", ");
        std::string pattern(rest.substr(0, comma));
        if (pattern.starts_with('_') && previous.find('_') != std::string::npos) {
            // "_units" after "Teleanalog#_name" continues its stem: "Teleanalog#_units".
            pattern = previous.substr(0, previous.rfind('_')) + pattern;
        }
        if (const size_t range = pattern.find(".."); range != std::string::npos) {
            // "Ipaddr0..Ipaddr3": every number of the stem.
            pattern.resize(range);
            while (!pattern.empty() && std::isdigit(static_cast<unsigned char>(pattern.back()))) {
                pattern.pop_back();
            }
            pattern += '#';
        }
        if (matches(pattern, name)) {
            return true;
        }
        previous = pattern;
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 2);
    }
    return false;
}

std::string_view settingText(std::string_view name) {
    for (const SettingText& row : kTexts) {
        if (namesMatch(row.names, name)) {
            return row.text;
        }
    }
    return {};
}

}  // namespace korvex
