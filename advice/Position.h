#pragma once
// A station's position in every form a user brings it in: decimal degrees, degrees and minutes,
// degrees, minutes and seconds, the APRS latitude and longitude fields, a Maidenhead locator;
// and back out in each of them. Texts are Latin-1 ("\xB0" is the degree sign); UTF-8 degree,
// minute and second signs are read too.

#include <optional>
#include <string>
#include <string_view>

namespace korvex {

struct Position {
    double latitude = 0;   // degrees, north positive, -90..90
    double longitude = 0;  // degrees, east positive, -180..180
};

// A position read from text, or the reason it was refused, naming the part that is wrong.
struct PositionReading {
    std::optional<Position> position;
    std::string error;  // empty when read
};

// Reads "52.36, 16.893", "-33.9 18.4", "52\xB0""21.6'N 16\xB0""53.6'E", "52 21.6N 16 53.6E",
// "52 21 36N 16 53 35.9E", "5221.60N 01653.58E" (the APRS fields; a missing leading zero and a
// lower-case hemisphere are taken), and locators of 4, 6 or 8 characters ("JO82KI", their
// centre). Without hemisphere letters the first coordinate is the latitude.
PositionReading readPosition(std::string_view text);

// The APRS fields as the Radio tab holds them: "5221.60N" and "01653.58E" (hundredths of a
// minute, rounded).
std::string aprsLatitude(double latitude);
std::string aprsLongitude(double longitude);
// "52.36000, 16.89333" (five decimals, about a metre).
std::string decimalDegrees(const Position& position);
// "52\xB0""21.600'N 16\xB0""53.598'E".
std::string degreesMinutes(const Position& position);
// "52\xB0""21'36.0\"N 16\xB0""53'35.9\"E".
std::string degreesMinutesSeconds(const Position& position);
// The Maidenhead locator of 4, 6 or 8 characters ("JO82", "JO82KI", "JO82KI43").
std::string maidenheadLocator(const Position& position, int characters = 6);

}  // namespace korvex
