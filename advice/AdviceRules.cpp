// The station check's rules: one row each, in the order of the window's tabs.
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "advice/Advice.h"

namespace korvex {

namespace {

constexpr AdviceSeverity W = AdviceSeverity::Warning;
constexpr AdviceSeverity N = AdviceSeverity::Note;

// The documents the rules come from.
#define APRS101 "APRS Protocol Reference 1.0.1"
#define NEW_N "New-N paradigm notes"
#define APRSIS "APRS-IS server documentation"

constexpr AdviceRule kRules[] = {
    // Radio: identity and position.
    {"callsign-nocall", "Callsign", W,
     "{} is a placeholder, not a callsign: the station transmits without a callsign of its own",
     "Every packet carries its sender's callsign; servers drop packets from NOCALL and N0CALL.",
     APRS101 ", ch. 4 (source address); " APRSIS ", invalid source callsigns"},
    {"position-out-of-range", "Latitude, Longitude", W,
     "{} is no position on earth: at most {} degrees, and minutes below 60",
     "Latitude runs to 90 degrees, longitude to 180; a minute has 60 of its own.",
     APRS101 ", ch. 6 (latitude and longitude formats)"},
    {"position-minutes", "Latitude, Longitude", W,
     "{} holds {} minutes, where a degree has 60: receivers drop the position{}",
     "The field is degrees and minutes (ddmm.hh), minutes 00 to 59.99; decimal degrees must be "
     "converted, not typed in.",
     APRS101 ", ch. 6 (latitude and longitude formats)"},

    // Digipeater.
    {"digi-wide-n-too-large", "Pathn#_name, Pathn#_higher", W,
     "WIDE paths are digipeated up to WIDE{}-{}: the New-N paradigm serves WIDE2-2 at most and a "
     "digipeater should trap larger N",
     "Paths of more than two WIDE hops flood the channel far beyond the sender's area.",
     NEW_N ", WIDEn-N and trapping of large N"},
    {"digi-range-empty", "Pathn#_lower, Pathn#_higher", W,
     "N>= {} is above N<= {}: the rule can never match",
     "A path alias with hops N is digipeated when lower <= N <= higher.",
     NEW_N ", WIDEn-N (n and N)"},
    {"digi-rule-no-name", "Pathn#_name, Pathn#_active", W,
     "The rule is active but names no path: it digipeats nothing",
     "A path rule digipeats packets whose path carries its alias.",
     NEW_N ", path aliases (WIDEn-N, state and section SSn-N)"},
    {"digi-rule-duplicate", "Pathn#_name, Pathn#_active", W,
     "Rule {} is active with the same path name {}: the two rules compete for the same packets",
     "One alias needs one rule; its range of N decides what is digipeated.",
     NEW_N ", path aliases"},
    {"digi-duplicate-window-short", "Floodtimeout", W,
     "Duplicates are remembered for {} s only: copies of a packet heard again from other "
     "digipeaters after that are digipeated once more",
     "A New-N digipeater drops a packet it has digipeated within the last 30 s or so (28 s at "
     "least).",
     NEW_N ", duplicate checking"},
    {"digi-no-beacon", "Digion, Beacon#_txrate_rf", N,
     "The digipeater sends no beacon to RF: a digipeater should identify itself with its position",
     "Users plan their paths from the digipeaters they see on the map.",
     NEW_N ", digipeater identification and beacons"},

    // Beacons (and the weather report, which goes out the same way).
    {"beacon-empty-text", "Beacon#_msg, Beacon#_txrate_rf, Beacon#_txrate_aprsis", W,
     "The beacon is scheduled but its text is empty: it is never sent",
     "The device ignores beacons without a text.", "Beacons tab (empty fields are ignored)"},
    {"beacon-rf-rate-fast", "Beacon#_txrate_rf, Weather_txrate_rf", W,
     "Sent to RF every {} minutes: a fixed station should not send more often than every 10 "
     "minutes",
     "The RF channel is shared; a fixed station's position does not change.",
     NEW_N ", beacon rates of fixed stations"},
    {"beacon-rf-rate-multihop", "Beacon#_txrate_rf, Weather_txrate_rf", N,
     "Sent to RF every {} minutes over {} hops: beacons over more than one hop should go every 30 "
     "minutes or less often",
     "Each hop repeats the packet across a wider area.", NEW_N ", beacon rates of fixed stations"},
    {"beacon-path-used-up", "Beacon#_path_string, Beacon#_path_ssid, Weather_path_ssid", W,
     "The path {} has no hop left: no digipeater repeats it",
     "WIDEn-N counts its remaining hops in N; a digipeater repeats it only while N > 0.",
     NEW_N ", WIDEn-N"},
    {"beacon-path-long", "Beacon#_path_string, Beacon#_path_ssid, Weather_path_ssid", W,
     "The path {} asks for {} hops: more than two flood the channel far beyond the station's area",
     "The paradigm serves WIDE2-2 at most; larger N is trapped.", NEW_N ", recommended paths"},
    {"beacon-path-not-rf", "Beacon#_path_string, Weather_path_string", W,
     "{} belongs to APRS-IS and never to a path on RF",
     "TCPIP, TCPXX and the q constructs mark how a packet travelled on APRS-IS.",
     APRSIS ", q construct"},
    {"beacon-destination-form", "Beacon#_dest_string, Weather_dest_string", W,
     "The destination {} is not 1 to 6 letters and digits",
     "The destination is an AX.25 address: up to six upper-case letters and digits.",
     APRS101 ", ch. 4 (destination address)"},
    {"beacon-destination-ssid", "Beacon#_dest_ssid, Weather_dest_ssid", W,
     "The destination SSID {} asks for a generic digipeater path, which the New-N paradigm made "
     "obsolete",
     "Digipeaters no longer act on the destination's SSID; the path says how far a packet goes.",
     APRS101 ", ch. 4 (destination SSID generic paths); " NEW_N},
    {"beacon-data-type", "Beacon#_msg", W,
     "The text begins with {}, which is no APRS data type identifier: receivers cannot tell what "
     "it is",
     "The first character of an APRS information field names its format.",
     APRS101 ", ch. 5 (APRS data type identifiers)"},
    {"beacon-position-form", "Beacon#_msg", W, "The position report is not well formed: {}",
     "A position report holds DDHHMMz (for \"@\" and \"/\"), ddmm.hhN, the symbol table, "
     "dddmm.hhE and the symbol code.",
     APRS101 ", ch. 6 (time and position formats) and ch. 8 (position reports)"},
    {"beacon-comment-long", "Beacon#_msg", W,
     "The comment after the position holds {} characters, where {} fit",
     "A position report's comment takes at most 43 characters, 36 after a PHG, RNG or "
     "course/speed extension.",
     APRS101 ", ch. 8 (position reports) and ch. 7 (data extensions)"},
    {"beacon-status-long", "Beacon#_msg", W, "The status text holds {} characters, where 62 fit",
     "A status report's text takes at most 62 characters.", APRS101 ", ch. 16 (status reports)"},
    {"beacon-unknown-placeholder", "Beacon#_msg", W,
     "{} is not a special string of the card: it goes on the air as typed",
     "The device puts in only the special strings its card lists.", "Beacon special strings card"},

    // Network.
    {"network-mask-not-contiguous", "Ipmask0..Ipmask3", W,
     "The mask {} is not a run of ones followed by zeros",
     "A network mask is a prefix: its one bits stand together at the top.",
     "RFC 4632, section 3.1 (prefix notation)"},
    {"network-mask-size", "Ipmask0..Ipmask3", W, "A /{} network {}",
     "A host on a LAN needs a subnet with room for itself and its gateway.",
     "RFC 1122, section 3.3.1.1 (local and remote destinations); RFC 4632, section 3.1"},
    {"network-address-subnet-edge", "Ipaddr0..Ipaddr3", W,
     "{} is the {} address of its subnet, which no host may take",
     "The all-zeros and all-ones host numbers of a subnet name the network and its broadcast.",
     "RFC 1122, section 3.2.1.3 (address forms)"},
    {"network-address-reserved", "Ipaddr0..Ipaddr3", W, "{} lies in {}, which is no host address",
     "0/8 is this network, 127/8 the loopback, 224/4 multicast and 240/4 reserved.",
     "RFC 1122, section 3.2.1.3 (address forms)"},
    {"network-gateway-outside", "Ipgate0..Ipgate3", W,
     "The gateway {} lies outside the device's subnet {}: the device cannot reach it",
     "A host sends to its gateway on a directly connected network.",
     "RFC 1122, section 3.3.1.1 (gateway selection)"},
    {"network-gateway-is-address", "Ipgate0..Ipgate3", W,
     "The gateway is the device's own address: nothing beyond the local network is reached",
     "The gateway is another host on the local network.",
     "RFC 1122, section 3.3.1.1 (gateway selection)"},
    {"network-dns-zero", "Ipdns0..Ipdns3", W,
     "DNS 0.0.0.0 is no server: server names (APRS-IS, NTP) cannot be looked up",
     "0.0.0.0 may only stand as the source of a host that does not know its address.",
     "RFC 1122, section 3.2.1.3 (address forms)"},

    // APRS-IS.
    {"aprsis-user-nocall", "Aprsis_user", W,
     "{} is a placeholder: APRS-IS does not verify it and drops what it sends",
     "A login is the callsign of the station that sends.",
     APRSIS ", connecting (login) and invalid source callsigns"},
    {"aprsis-user-form", "Aprsis_user", W,
     "The login {} is not a callsign of letters and digits with at most one \"-SSID\", 9 "
     "characters in all",
     "Servers take a login of up to 9 characters: a callsign and an optional SSID.",
     APRSIS ", connecting (login)"},
    {"aprsis-user-not-station", "Aprsis_user, Callsign, Ssid", N,
     "The login {} is not the station's callsign {}",
     "APRS-IS names the I-gate by its login in the q construct of every packet it gates.",
     APRSIS ", q construct (qAR and qAO)"},
    {"passcode-mismatch", "Aprsis_pass, Aprsis_user", W,
     "APRS-IS will take this login as unverified and drop everything the station sends: no "
     "I-gating, no beacons or weather to APRS-IS{}",
     "The passcode is a number derived from the login's callsign (a 15-bit hash, the SSID left "
     "out) with which a server verifies it; it is no web password.",
     APRSIS ", connecting (passcode)"},
    {"passcode-receive-only", "Aprsis_pass", N,
     "The passcode -1 logs in receive-only: nothing the station hears or sends reaches APRS-IS",
     "An unverified login may receive but not send.", APRSIS ", connecting (passcode)"},
    {"aprsis-port-full-feed", "Aprsis#_port", W,
     "Port {} sends the full feed and ignores the filter{}",
     "Full-feed ports are for servers and services that take every packet.",
     APRSIS ", ports (10152 full feed, 14580 filtered)"},
    {"aprsis-port-zero", "Aprsis#_port", W,
     "Port 0 is reserved and no server listens there: the station never connects to {}",
     "APRS-IS clients connect to port 14580; an empty port is stored as 0.",
     "RFC 6335, section 6 (port 0 reserved); " APRSIS ", ports"},
    {"aprsis-no-server", "Aprsis_fromrf, Aprsis_msg2rf, Aprsis_packet2rf, Aprsis1_servername", W,
     "Gating is on ({}) but no APRS-IS server is named: the station never connects, so nothing "
     "is gated",
     "An I-gate gates through its connection to an APRS-IS server.",
     APRSIS ", IGate design (an I-gate is an APRS-IS client)"},
    {"aprsis-port-unusual", "Aprsis#_port", N, "Port {} is not the filtered client port 14580",
     "A client with a filter connects where the server applies it.",
     APRSIS ", ports (14580 user-defined filter)"},
    {"aprsis-filter-term", "Aprsis_filter", W,
     "The server does not know these filter terms and ignores them: {}",
     "Each blank-separated term is one filter command with its slash-separated arguments.",
     APRSIS ", server-side filter commands"},
    {"aprsis-filter-keyword", "Aprsis_filter", W,
     "The filter begins with the word \"filter\", which is the login's keyword and no filter term",
     "The device sends the filter after the keyword itself.",
     APRSIS ", connecting (login line) and server-side filter commands"},

    // I-Gate.
    {"igate-local-heard-long", "Rfheard_local_timeout", N,
     "Stations heard {} minutes ago still count as local: messages are gated to RF for stations "
     "long gone",
     "An I-gate gates a message to RF for a recipient heard on RF lately, most take 30 to 60 "
     "minutes.",
     APRSIS ", IGate design (gating messages to RF)"},
    {"igate-rate-1min-high", "Aprsis_packet2rf_1min", W,
     "{} packets a minute from APRS-IS take much of a 1200-baud channel: keep it at 20 or below",
     "A 1200-baud channel carries about 60 short packets a minute from every station together.",
     APRSIS ", IGate design (gating to RF)"},
    {"igate-rate-limits-order", "Aprsis_packet2rf_1min, _2min, _3min", N,
     "The limits {}, {} and {} do not grow from 1 to 3 minutes: the longer windows allow no more "
     "than the shorter ones",
     "Each longer window should allow more packets than the one before.",
     "I-Gate tab (packet limits)"},
    {"igate-packet2rf-no-filter", "Aprsis_packet2rf, Packet2rf_filter_type##", W,
     "Packets are gated to RF but every filter rule is \"Not used\": no rule limits the packets "
     "that the server filter {} sends, so what goes to RF is left to the device's default",
     "An I-gate gates to RF only what local users need, named by the packet filter's rules.",
     APRSIS ", IGate design (gating to RF)"},
    {"igate-filter-allows-all", "Packet2rf_filter_type##", W,
     "Rule {} allows every callsign and SSID: every packet from APRS-IS goes to RF",
     "An I-gate gates to RF only what local users need; the full feed would bury the channel.",
     APRSIS ", IGate design (gating to RF)"},
    {"igate-filter-unreachable", "Packet2rf_filter_type##", N,
     "Rule {} is never reached: rule {} before it matches every callsign",
     "The rules are tried in order and the first matching pattern decides.",
     "Packet filter dialog (order of entries)"},

    // WWW and Telnet.
    {"admin-password-default", "www_password, telnet_password", W,
     "The password is {}: anyone who reaches the station's network can change its settings",
     "Administration passwords protect a station that transmits.",
     "WWW and Telnet tabs (factory password)"},
    {"admin-port-truncated", "www_port, telnet_port", W,
     "The device keeps only the low 16 bits of the port: {} becomes {}",
     "TCP ports are 16-bit numbers, 0 to 65535.", "RFC 793, section 3.1 (header format)"},
    {"admin-port-zero", "www_port, telnet_port", N,
     "Port 0 is reserved and no client connects to it: the {} administration is off, or the "
     "port is a slip",
     "TCP port 0 is reserved; services listen on ports 1 to 65535.",
     "RFC 6335, section 6 (port 0 reserved)"},
    {"admin-ports-same", "www_port, telnet_port", W,
     "The web and Telnet administration both use port {}: only one of them can listen there",
     "A TCP port takes one listening service.", "RFC 793, section 2.7 (connections)"},

    // Telemetry.
    {"telemetry-text-too-long", "Teleanalog#_name, _units, Teledigital#_name, _units", W,
     "{} holds {} characters, where the telemetry parameter message takes {} for this channel",
     "PARM and UNIT give analog channels 7, 7, 6, 6, 5 characters and digital ones 6, 5, 4, 4, 4, "
     "3, 3, 3.",
     APRS101 ", ch. 13 (parameter name and unit/label messages)"},
    {"telemetry-text-separator", "Teleanalog#_name, _units, Teledigital#_name, _units", W,
     "The text holds {}: \",\" separates the fields of a parameter message and \"|\" may not stand "
     "in message text",
     "Parameter messages list their fields separated by commas, in message text.",
     APRS101 ", ch. 13 (telemetry parameters) and ch. 14 (message text)"},
    {"telemetry-coefficient-not-number", "Teleanalog#_coefa, _coefb, _coefc", W,
     "The coefficient {} is not a decimal number",
     "EQNS carries the coefficients a, b and c as decimal numbers.",
     APRS101 ", ch. 13 (equation coefficients)"},
};

#undef APRS101
#undef NEW_N
#undef APRSIS

}  // namespace

std::span<const AdviceRule> adviceRules() {
    return kRules;
}

const AdviceRule& adviceRule(std::string_view id) {
    // Every piece of advice looks its rule up: by a map, not by comparing each id in turn.
    static const std::unordered_map<std::string_view, const AdviceRule*> byId = [] {
        std::unordered_map<std::string_view, const AdviceRule*> map;
        for (const AdviceRule& rule : kRules) {
            map.emplace(rule.id, &rule);
        }
        return map;
    }();
    const auto found = byId.find(id);
    if (found == byId.end()) {
        throw std::logic_error("no station check rule " + std::string(id));
    }
    return *found->second;
}

}  // namespace korvex
