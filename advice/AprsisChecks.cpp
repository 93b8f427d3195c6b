// The station's identity on the air and on APRS-IS, its APRS-IS login, servers and filter, and
// the I-gate's way from APRS-IS to RF.
#include <charconv>

#include "advice/BeaconText.h"
#include "advice/FilterTerms.h"
#include "advice/Findings.h"
#include "advice/Passcode.h"
#include "advice/Position.h"
#include "advice/StationValues.h"
#include "image/FieldEncodings.h"

namespace korvex {

namespace {

constexpr int kFilteredPort = 14580;
constexpr int kFullFeedPort = 10152;
constexpr int kReceiveOnlyFullFeedPort = 10151;
constexpr size_t kLoginMax = 9;
constexpr int kOneMinuteLimitMax = 20;
constexpr int kLocalHeardMax = 60;
constexpr int kFilterRules = 12;

bool isPlaceholderCall(std::string_view call) {
    return call == "NOCALL" || call == "N0CALL";
}

bool isAlphanumeric(std::string_view text) {
    for (const char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return !text.empty();
}

bool isLogin(std::string_view login) {
    if (login.size() > kLoginMax) {
        return false;
    }
    const size_t dash = login.find('-');
    if (dash == std::string_view::npos) {
        return isAlphanumeric(login);
    }
    const std::string_view ssid = login.substr(dash + 1);
    return isAlphanumeric(login.substr(0, dash)) && ssid.size() <= 2 && isAlphanumeric(ssid);
}

// The station's own call as it logs in: CALL, or CALL-SSID for an SSID other than 0.
std::string stationLogin(const Settings& settings) {
    const PathElement station = pathElement(settings, "Callsign", "Ssid");
    return station.text();
}

std::optional<int> decimalNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// Minutes of 60 or more in an APRS field ("5275.00N"), most often decimal degrees typed in:
// adds the advice with that reading converted, and tells whether it did.
bool checkMinutes(const std::string& field, std::string_view name, Findings& found) {
    const size_t degreeDigits = field.size() - 6;
    const std::string hundredths =
        field.substr(degreeDigits, 2) + field.substr(degreeDigits + 3, 2);
    const int minuteHundredths = std::stoi(hundredths);
    if (minuteHundredths < 6000) {
        return false;
    }
    const std::string minutes = hundredths.substr(0, 2) + "." + hundredths.substr(2);
    // The same digits read as decimal degrees.
    const std::string decimal = field.substr(0, degreeDigits) + "." + hundredths;
    const bool south = field.back() == 'S' || field.back() == 'W';
    const double degrees =
        (south ? -1 : 1) * (std::stoi(field.substr(0, degreeDigits)) + minuteHundredths / 10000.0);
    const std::string converted =
        degreeDigits == 2 ? aprsLatitude(degrees) : aprsLongitude(degrees);
    found.add("position-minutes", {std::string(name)},
              {field, minutes, "; as decimal degrees " + decimal + " it is " + converted});
    return true;
}

}  // namespace

void checkIdentity(const Settings& settings, Findings& found) {
    const std::string call = storedCall(settings, "Callsign");
    if (isPlaceholderCall(call)) {
        found.add("callsign-nocall", {"Callsign"}, {call});
    }
    const std::string latitude = settings.text("Latitude");
    if (LatText::accepts(latitude) && !checkMinutes(latitude, "Latitude", found) &&
        !latitudeInRange(latitude)) {
        found.add("position-out-of-range", {"Latitude"}, {latitude, "90"});
    }
    const std::string longitude = settings.text("Longitude");
    if (LonText::accepts(longitude) && !checkMinutes(longitude, "Longitude", found) &&
        !longitudeInRange(longitude)) {
        found.add("position-out-of-range", {"Longitude"}, {longitude, "180"});
    }
}

void checkAprsis(const Settings& settings, Findings& found) {
    if (!usesAprsis(settings)) {
        return;
    }
    const std::string login = upperCased(settings.text("Aprsis_user"));
    const std::string loginCall = login.substr(0, login.find('-'));
    if (isPlaceholderCall(loginCall)) {
        found.add("aprsis-user-nocall", {"Aprsis_user"}, {login});
    } else if (!isLogin(login)) {
        found.add("aprsis-user-form", {"Aprsis_user"}, {quoted(login)});
    } else if (const std::string station = stationLogin(settings);
               login != station && !isPlaceholderCall(storedCall(settings, "Callsign"))) {
        found.add("aprsis-user-not-station", {"Aprsis_user", "Callsign", "Ssid"}, {login, station});
    }

    const std::string pass = settings.text("Aprsis_pass");
    const auto passcode = decimalNumber(pass);
    if (passcode == -1) {
        found.add("passcode-receive-only", {"Aprsis_pass"});
    } else if (passcode != aprsisPasscode(login)) {
        found.add(
            "passcode-mismatch", {"Aprsis_pass", "Aprsis_user"},
            {isPlaceholderCall(loginCall) || !isLogin(login)
                 ? ""
                 : "; the passcode of " + login + " is " + std::to_string(aprsisPasscode(login))});
    }

    for (int n = 1; n <= 3; ++n) {
        const std::string server = trimmed(settings.text(numberedName("Aprsis#_servername", n)));
        if (server.empty()) {
            continue;
        }
        const std::string portName = numberedName("Aprsis#_port", n);
        // An empty port is stored as 0.
        const int port = settings.text(portName).empty()
                             ? 0
                             : storedNumber(settings, portName).value_or(kFilteredPort);
        if (port == 0) {
            found.add("aprsis-port-zero", {portName}, {quoted(server)});
        } else if (port == kFullFeedPort || port == kReceiveOnlyFullFeedPort) {
            found.add(
                "aprsis-port-full-feed", {portName},
                {std::to_string(port),
                 port == kReceiveOnlyFullFeedPort ? "; it takes nothing from the station" : ""});
        } else if (port != kFilteredPort) {
            found.add("aprsis-port-unusual", {portName}, {std::to_string(port)});
        }
    }

    const std::string filterText = settings.text("Aprsis_filter");
    std::string_view terms = filterText;
    const size_t first = terms.find_first_not_of(' ');
    if (first != std::string_view::npos && terms.substr(first, 6) == "filter" &&
        (terms.size() == first + 6 || terms[first + 6] == ' ')) {
        found.add("aprsis-filter-keyword", {"Aprsis_filter"});
        terms.remove_prefix(first + 6);
    }
    const std::vector<std::string> bad = badFilterTerms(terms);
    if (!bad.empty()) {
        std::string list;
        for (const std::string& term : bad) {
            list += (list.empty() ? "" : ", ") + quoted(term);
        }
        found.add("aprsis-filter-term", {"Aprsis_filter"}, {list});
    }
}

void checkIgate(const Settings& settings, Findings& found) {
    if (!usesAprsis(settings)) {
        std::vector<std::string> switches;
        std::string which;
        for (const auto& [name, what] : {std::pair{"Aprsis_fromrf", "RF to APRS-IS"},
                                         std::pair{"Aprsis_msg2rf", "messages to RF"},
                                         std::pair{"Aprsis_packet2rf", "packets to RF"}}) {
            if (settings.index(name) == 1) {
                switches.emplace_back(name);
                which += (which.empty() ? "" : ", ") + std::string(what);
            }
        }
        if (!switches.empty()) {
            switches.emplace_back("Aprsis1_servername");
            found.add("aprsis-no-server", std::move(switches), {which});
        }
        return;
    }
    if (settings.index("Aprsis_msg2rf") == 1) {
        const auto localHeard = storedNumber(settings, "Rfheard_local_timeout");
        if (localHeard && *localHeard > kLocalHeardMax) {
            found.add("igate-local-heard-long", {"Rfheard_local_timeout"},
                      {std::to_string(*localHeard)});
        }
    }
    if (settings.index("Aprsis_packet2rf") != 1) {
        return;
    }
    const auto one = storedNumber(settings, "Aprsis_packet2rf_1min");
    const auto two = storedNumber(settings, "Aprsis_packet2rf_2min");
    const auto three = storedNumber(settings, "Aprsis_packet2rf_3min");
    if (one && *one > kOneMinuteLimitMax) {
        found.add("igate-rate-1min-high", {"Aprsis_packet2rf_1min"}, {std::to_string(*one)});
    }
    if (one && two && three && (*two <= *one || *three <= *two)) {
        found.add("igate-rate-limits-order",
                  {"Aprsis_packet2rf_1min", "Aprsis_packet2rf_2min", "Aprsis_packet2rf_3min"},
                  {std::to_string(*one), std::to_string(*two), std::to_string(*three)});
    }

    bool anyRule = false;
    for (int n = 1; n <= kFilterRules; ++n) {
        anyRule = anyRule || settings.index("Packet2rf_filter_type" + twoDigits(n)) > 0;
    }
    if (!anyRule) {
        found.add("igate-packet2rf-no-filter", {"Aprsis_packet2rf", "Packet2rf_filter_type01"},
                  {quoted(settings.text("Aprsis_filter"))});
    }

    int matchesAll = 0;  // the first rule in use that matches every callsign
    for (int n = 1; n <= kFilterRules; ++n) {
        const std::string nn = twoDigits(n);
        const std::string type = "Packet2rf_filter_type" + nn;
        const int kind = settings.index(type);
        if (kind <= 0) {
            continue;  // "Not used"
        }
        if (matchesAll) {
            found.add("igate-filter-unreachable", {type},
                      {std::to_string(n), std::to_string(matchesAll)});
            continue;
        }
        const bool everyCall = storedCall(settings, "Packet2rf_filter_callsign" + nn) == "*" &&
                               trimmed(settings.text("Packet2rf_filter_ssid" + nn)) == "*";
        if (everyCall && kind == 1) {  // "Allow all"
            found.add("igate-filter-allows-all",
                      {type, "Packet2rf_filter_callsign" + nn, "Packet2rf_filter_ssid" + nn},
                      {std::to_string(n)});
        }
        if (everyCall) {
            matchesAll = n;
        }
    }
}

}  // namespace korvex
