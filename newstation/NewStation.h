#pragma once
// A new station from a few answers: callsign, roles, position and a few texts. The result is the
// start-up settings with only what the answers decide changed, and the station check finds
// nothing to advise in it.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/Clock.h"
#include "settings/SettingsStore.h"

namespace korvex {

struct StationRole {
    std::string_view name;         // "fill-in-digi", ...
    std::string_view description;  // one line on what the station then does
};

// fill-in-digi, wide-digi, igate, igate-tx, weather.
std::span<const StationRole> stationRoles();

struct NewStationAnswers {
    std::string call;                 // "SP5ABC" or "SP5ABC-3"
    std::optional<std::string> ssid;  // an SSID given apart from the call
    std::vector<std::string> roles;   // role names
    std::string position;             // any form readPosition takes
    std::string symbol;               // a symbol name or its two characters; empty: the roles'
    std::string server;               // APRS-IS server; empty: the start-up one
    std::string comment;              // the beacon's comment after the position
    std::string wwwPassword;          // empty: a random one
    std::string telnetPassword;       // empty: a random one
};

// Why answers were refused: the answer ("call", "ssid", "role", "position", "symbol", "server",
// "comment", "www-password", "telnet-password") and what is wrong with it.
struct NewStationRefusal {
    std::string_view answer;
    std::string message;
};

struct NewStation {
    std::optional<NewStationRefusal> refusal;  // set when nothing was made
    SettingsStore settings;
    // The passwords made up for answers left empty: setting name and password, to be shown once.
    std::vector<std::pair<std::string, std::string>> madePasswords;
};

// The longest comment a position beacon carries.
inline constexpr size_t kBeaconCommentMax = 43;
// The longest administration password the device stores.
inline constexpr size_t kAdminPasswordMax = 12;

// `random` draws the characters of passwords that are not given: a strong source in the faces,
// a fixed sequence in tests.
NewStation newStation(const NewStationAnswers& answers, const Clock& clock,
                      const std::function<unsigned()>& random);

// Puts every setting of a station made into `settings` (the window's), in catalogue order.
void applyNewStation(const NewStation& station, Settings& settings);

}  // namespace korvex
