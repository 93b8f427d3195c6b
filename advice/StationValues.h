#pragma once
// The settings as the device will hold them, for the station check: calls upper-cased and
// trimmed, numbers converted by the one integer rule (nullopt where a text is not a number), and
// the New-N form of a path element.

#include <optional>
#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace korvex {

// A call field as stored (upper-cased) without its trailing spaces.
std::string storedCall(const Settings& settings, std::string_view name);
// The entered number, or nullopt for a text that is not one.
std::optional<int> storedNumber(const Settings& settings, std::string_view name);
// The text with blanks removed at both ends.
std::string trimmed(std::string_view text);
// The setting's name with `n` put in place of the "#" it holds ("Beacon#_msg" -> "Beacon3_msg").
std::string numberedName(std::string_view pattern, int n);
// Whether some APRS-IS server name is set: only then does the station use APRS-IS.
bool usesAprsis(const Settings& settings);

// One path element as it goes on the air: a call or alias and its SSID.
struct PathElement {
    std::string call;  // upper-cased, trailing spaces removed; empty for no path
    int ssid = 0;

    // "WIDE2-2", or the call alone for SSID 0.
    std::string text() const;
    // A New-N alias: letters followed by one digit n of 1 to 7 (WIDE2, SP3).
    bool isNewN() const;
    // The hops the element asks for: N of a New-N alias, 1 for any other call, 0 for no path.
    int hops() const;
};

// The call setting and its SSID setting as one element; an SSID that is no number counts as 0.
PathElement pathElement(const Settings& settings, std::string_view call, std::string_view ssid);

}  // namespace korvex
