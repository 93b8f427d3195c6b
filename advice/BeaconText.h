#pragma once
// A beacon text as the device sends it: the special strings of the "Beacon special strings" card
// put in, and the APRS information field that results looked at as a receiver parses it.

#include <string>
#include <string_view>
#include <vector>

#include "settings/Clock.h"

namespace korvex {

// What the device puts in for the measured and timed special strings.
struct BeaconSample {
    UtcDateTime time{2026, 1, 1, 0, 0, 0};  // <date> as DDHHMM of this time
    std::string volt = "13.8";              // <volt>
};

// The text with every special string of the card replaced: <lat> and <long> by the Radio tab's
// position, <date> by DDHHMM, <volt> by the sample; the card's example spells the first three
// <gpslat>, <gpslong> and <gpsdate>, which stand for the same. Anything else is kept as typed.
std::string expandBeaconText(std::string_view text, std::string_view latitude,
                             std::string_view longitude, const BeaconSample& sample);

// Placeholders that are not on the card: "<word>" of letters, and the start of a card entry
// left without its ">" ("<la" at the end), in their order.
std::vector<std::string> unknownPlaceholders(std::string_view text);

// One finding about an information field: the station-check rule it falls under and the
// details for that rule's text.
struct InformationFinding {
    std::string_view rule;
    std::vector<std::string> details;
};

// The APRS data type identifier, the position and timestamp of a position report, the comment's
// length after a position, the status text's length.
std::vector<InformationFinding> checkInformationField(std::string_view information);

// The symbol table and code of a position report ("/#"), empty when the information field holds
// no well-formed position.
std::string positionSymbol(std::string_view information);

// Latitude "ddmm.hhN" and longitude "dddmm.hhE" within their ranges (at most 90 and 180 degrees,
// minutes below 60); blanks in place of digits (position ambiguity) count as zeros.
bool latitudeInRange(std::string_view text);
bool longitudeInRange(std::string_view text);

}  // namespace korvex
