// What each role sets follows the New-N paradigm notes (fill-in digipeaters answer WIDE1-1 only,
// wide-area ones WIDEn-N up to N = 2 and trap larger N; fixed stations beacon every 30 minutes
// over one hop) and the APRS-IS server documentation (login, passcode, port 14580 with a filter).
#include "newstation/NewStation.h"

#include <algorithm>

#include "advice/Findings.h"
#include "advice/Passcode.h"
#include "advice/Position.h"
#include "advice/Symbols.h"
#include "image/FieldEncodings.h"
#include "settings/Catalogue.h"
#include "settings/StartupState.h"

namespace korvex {

namespace {

enum Role : unsigned {
    kFillInDigi = 1u << 0,
    kWideDigi = 1u << 1,
    kIgate = 1u << 2,
    kIgateTx = 1u << 3,
    kWeather = 1u << 4,
};

constexpr StationRole kRoles[] = {
    {"fill-in-digi", "digipeats WIDE1-1 only, filling a gap near the ground"},
    {"wide-digi", "digipeats WIDEn-N up to WIDE2-2 from a high site, traps larger N"},
    {"igate", "gates what it hears on RF to APRS-IS, sends nothing to RF"},
    {"igate-tx", "gates RF to APRS-IS and messages for local stations back to RF"},
    {"weather", "sends the attached weather station's reports"},
};

constexpr int kFixedStationRate = 30;  // minutes between a fixed station's beacons
constexpr int kWeatherRfRate = 10;
constexpr int kWeatherAprsisRate = 5;
constexpr size_t kCallMax = 6;
constexpr size_t kServerMax = 31;
constexpr size_t kMadePasswordLength = 12;
// Letters and digits that cannot be mistaken for one another when read aloud or off a screen.
constexpr std::string_view kPasswordCharacters =
    "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

NewStation refused(std::string_view answer, std::string message) {
    NewStation result;
    result.refusal = NewStationRefusal{answer, std::move(message)};
    return result;
}

std::optional<int> ssidNumber(std::string_view text) {
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), isDigit)) {
        return std::nullopt;
    }
    const int value = std::stoi(std::string(text));
    return value <= 15 ? std::optional<int>(value) : std::nullopt;
}

std::string madePassword(const std::function<unsigned()>& random) {
    std::string password;
    while (password.size() < kMadePasswordLength) {
        password += kPasswordCharacters[random() % kPasswordCharacters.size()];
    }
    return password;
}

}  // namespace

std::span<const StationRole> stationRoles() {
    return kRoles;
}

NewStation newStation(const NewStationAnswers& answers, const Clock& clock,
                      const std::function<unsigned()>& random) {
    // The callsign and its SSID.
    const std::string given = upperCased(answers.call);
    const size_t dash = given.find('-');
    const std::string call = given.substr(0, dash);
    if (call == "NOCALL" || call == "N0CALL") {
        return refused("call", call + " is a placeholder, not a callsign");
    }
    if (call.empty() || call.size() > kCallMax ||
        !std::all_of(call.begin(), call.end(), [](char c) { return isLetter(c) || isDigit(c); }) ||
        std::none_of(call.begin(), call.end(), isDigit) ||
        std::none_of(call.begin(), call.end(), isLetter)) {
        return refused("call", quoted(given) +
                                   " is no callsign: 1 to 6 letters and digits with at least one "
                                   "of each, and an optional -SSID");
    }
    int ssid = 0;
    if (dash != std::string::npos) {
        const auto number = ssidNumber(given.substr(dash + 1));
        if (!number) {
            return refused("call", "the SSID " + quoted(given.substr(dash + 1)) +
                                       " is not a number from 0 to 15");
        }
        if (answers.ssid) {
            return refused("ssid", "the SSID is given twice, in " + quoted(given) + " and apart");
        }
        ssid = *number;
    } else if (answers.ssid) {
        const auto number = ssidNumber(*answers.ssid);
        if (!number) {
            return refused("ssid", quoted(*answers.ssid) + " is not a number from 0 to 15");
        }
        ssid = *number;
    }

    // The roles.
    unsigned roles = 0;
    if (answers.roles.empty()) {
        return refused(
            "role", "no role given; the roles are " + [] {
                std::string names;
                for (const StationRole& role : kRoles) {
                    names += (names.empty() ? "" : ", ") + std::string(role.name);
                }
                return names;
            }());
    }
    for (const std::string& name : answers.roles) {
        const auto found = std::find_if(std::begin(kRoles), std::end(kRoles),
                                        [&](const StationRole& role) { return role.name == name; });
        if (found == std::end(kRoles)) {
            return refused("role", "unknown role " + quoted(name) +
                                       "; the roles are fill-in-digi, wide-digi, igate, igate-tx, "
                                       "weather");
        }
        roles |= 1u << (found - std::begin(kRoles));
    }
    if ((roles & kFillInDigi) && (roles & kWideDigi)) {
        return refused("role",
                       "fill-in-digi and wide-digi contradict each other: a digipeater "
                       "answers either WIDE1-1 only or WIDEn-N");
    }
    if ((roles & kIgate) && (roles & kIgateTx)) {
        return refused("role",
                       "igate and igate-tx contradict each other: igate is receive-only, "
                       "igate-tx sends to RF as well");
    }
    const bool digi = roles & (kFillInDigi | kWideDigi);
    const bool gate = roles & (kIgate | kIgateTx);
    const bool aprsis = gate || (roles & kWeather);
    // A receive-only I-gate and nothing else does not transmit.
    const bool transmits = digi || (roles & (kIgateTx | kWeather));

    // The position.
    const PositionReading position = readPosition(answers.position);
    if (!position.position) {
        return refused("position", position.error);
    }

    // The symbol: the one asked for, else the roles' own.
    std::string_view symbolName = (roles & kWideDigi) ? "digi-wide" : "digi-fill-in";
    if (digi && gate) {
        symbolName = "digi-igate";
    } else if (!digi) {
        symbolName = (roles & kIgateTx) ? "igate-tx" : (roles & kIgate) ? "igate" : "wx";
        if (roles == kIgate) {
            symbolName = "igate-rx";
        }
    }
    const std::optional<AprsSymbol> symbol =
        findSymbol(answers.symbol.empty() ? symbolName : std::string_view(answers.symbol));
    if (!symbol) {
        return refused("symbol", "unknown symbol " + quoted(answers.symbol) + "; give a name (" +
                                     symbolNames() + ") or the two characters, table and code");
    }

    // The texts.
    if (answers.server.size() > kServerMax || answers.server.find(' ') != std::string::npos) {
        return refused("server",
                       "a host name of at most 31 characters without blanks expected, "
                       "not " +
                           quoted(answers.server));
    }
    if (!PrintableRule::accepts(answers.comment)) {
        return refused("comment", "only printable ASCII characters go on the air");
    }
    if (answers.comment.size() > kBeaconCommentMax) {
        return refused("comment", std::to_string(answers.comment.size()) +
                                      " characters, where a position beacon carries " +
                                      std::to_string(kBeaconCommentMax));
    }
    for (const auto& [answer, password] : {std::pair{"www-password", &answers.wwwPassword},
                                           std::pair{"telnet-password", &answers.telnetPassword}}) {
        if (password->size() > kAdminPasswordMax) {
            return refused(answer, std::to_string(password->size()) +
                                       " characters, where the device keeps at most " +
                                       std::to_string(kAdminPasswordMax));
        }
    }

    NewStation result;
    result.settings = startupSettings(clock);
    Settings& s = result.settings;
    const std::string login = ssid == 0 ? call : call + "-" + std::to_string(ssid);

    // Radio: identity and position.
    s.setText("Callsign", call);
    s.setText("Ssid", std::to_string(ssid));
    s.setText("Latitude", aprsLatitude(position.position->latitude));
    s.setText("Longitude", aprsLongitude(position.position->longitude));

    // Digipeater: rule 1 answers WIDE1-1 (fill-in) or WIDEn-N up to 2 (wide), the others rest.
    s.setIndex("Digion", digi ? 1 : 0);
    s.setText("Pathn1_name", "WIDE");
    s.setText("Pathn1_lower", "1");
    s.setText("Pathn1_higher", (roles & kWideDigi) ? "2" : "1");
    s.setIndex("Pathn1_traceable", 1);
    s.setChecked("Pathn1_active", digi);
    for (int n = 2; n <= 8; ++n) {
        s.setChecked("Pathn" + std::to_string(n) + "_active", false);
    }

    // Beacon 1: the position with the symbol and comment, every 30 minutes over one hop.
    const char dataType = (roles & kIgateTx) ? '=' : '!';  // '=' for a station taking messages
    s.setText("Beacon1_msg", std::string(1, dataType) + "<lat>" + std::string(1, symbol->table) +
                                 "<long>" + std::string(1, symbol->code) + answers.comment);
    s.setText("Beacon1_path_string", "WIDE2");
    s.setText("Beacon1_path_ssid", "1");
    s.setText("Beacon1_txrate_rf", transmits ? std::to_string(kFixedStationRate) : "0");
    s.setText("Beacon1_txrate_aprsis", aprsis ? std::to_string(kFixedStationRate) : "0");

    // Weather: reported only by a weather station.
    const bool weather = roles & kWeather;
    if (!weather) {
        s.setIndex("Weather_stationtype", 0);  // "None"
    }
    s.setText("Weather_txrate_rf", weather ? std::to_string(kWeatherRfRate) : "0");
    s.setText("Weather_txrate_aprsis", weather ? std::to_string(kWeatherAprsisRate) : "0");
    s.setText("Weather_path_string", "WIDE2");
    s.setText("Weather_path_ssid", "1");

    // APRS-IS: the login and its passcode; a server only where the station uses APRS-IS.
    s.setText("Aprsis_user", login);
    s.setText("Aprsis_pass", std::to_string(aprsisPasscode(login)));
    if (!answers.server.empty()) {
        s.setText("Aprsis1_servername", answers.server);
    }
    if (!aprsis) {
        for (int n = 1; n <= 3; ++n) {
            s.setText("Aprsis" + std::to_string(n) + "_servername", "");
        }
    }
    // What the server sends: little for a receive-only gate, local traffic for a two-way one.
    s.setText("Aprsis_filter", (roles & kIgateTx) ? "m/25" : "m/10");

    // I-Gate: RF to APRS-IS for both gates, messages to RF for the two-way one; other packets
    // from APRS-IS stay off RF.
    s.setIndex("Aprsis_fromrf", gate ? 1 : 0);
    s.setIndex("Aprsis_msg2rf", (roles & kIgateTx) ? 1 : 0);
    s.setIndex("Aprsis_packet2rf", 0);

    // Time from the network where there is one.
    s.setChecked("Ntp_enable", true);

    // Administration passwords of the station's own.
    for (const auto& [name, password] : {std::pair{"www_password", &answers.wwwPassword},
                                         std::pair{"telnet_password", &answers.telnetPassword}}) {
        std::string value = *password;
        if (value.empty()) {
            value = madePassword(random);
            result.madePasswords.emplace_back(name, value);
        }
        s.setText(name, value);
    }
    return result;
}

void applyNewStation(const NewStation& station, Settings& settings) {
    for (const SettingDef& def : catalogue()) {
        switch (def.kind) {
            case SettingKind::Edit:
                settings.setText(def.name, station.settings.text(def.name));
                break;
            case SettingKind::Choice:
                settings.setIndex(def.name, station.settings.index(def.name));
                break;
            case SettingKind::Check:
                settings.setChecked(def.name, station.settings.checked(def.name));
                break;
        }
    }
}

}  // namespace korvex
