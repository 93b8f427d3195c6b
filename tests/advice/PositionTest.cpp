// Positions in every form, their edges and refusals, locator centres; symbols by name.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "advice/Position.h"
#include "advice/Symbols.h"

namespace korvex::testing {
namespace {

struct Reading {
    std::string text;
    double latitude;
    double longitude;
};

TEST(Position, ReadsEachFormToTheSamePlace) {
    // 52 deg 21.6 min N, 16 deg 53.58 min E in each form, then the edges.
    const Reading cases[] = {
        {"52.36, 16.893", 52.36, 16.893},
        {"52.36 16.893", 52.36, 16.893},
        {"-33.9, -18.4", -33.9, -18.4},
        {"52\xB0"
         "21.6'N 16\xB0"
         "53.58'E",
         52.36, 16.893},
        {"52\xC2\xB0"
         "21.6\xE2\x80\xB2N, 16\xC2\xB0"
         "53.58\xE2\x80\xB2"
         "E",
         52.36, 16.893},
        {"52 21.6N 16 53.58E", 52.36, 16.893},
        {"52 21.6 16 53.58", 52.36, 16.893},
        {"N52 21.6 E16 53.58", 52.36, 16.893},
        {"52\xB0"
         "21'36\"N 16\xB0"
         "53'34.8\"E",
         52.36, 16.893},
        {"52 21 36 16 53 34.8", 52.36, 16.893},
        {"5221.60N 01653.58E", 52.36, 16.893},
        {"5221.60N/01653.58E", 52.36, 16.893},
        {"5221.60n 1653.58e", 52.36, 16.893},  // lower case, longitude without its leading zero
        {"01653.58E 5221.60N", 52.36, 16.893},
        {"3354.00S 01824.00W", -33.9, -18.4},
        {"0, 0", 0, 0},
        {"90, 180", 90, 180},
        {"-90, -180", -90, -180},
        {"9000.00N 18000.00E", 90, 180},
        {"90 0 0S 180 0 0W", -90, -180},
        // Locator centres (IARU Region 1 definition; FN31pr is W1AW's published square).
        {"JO82", 52.5, 17},
        {"jo82ki", 52 + 8.5 / 24, 16 + 10.5 / 12},
        {"FN31pr", 41.729167, -72.708333},
        {"AA00aa00", -90 + 1.0 / 480, -180 + 1.0 / 240},
        {"RR99xx99", 90 - 1.0 / 480, 180 - 1.0 / 240},
    };
    for (const Reading& reading : cases) {
        const PositionReading read = readPosition(reading.text);
        ASSERT_TRUE(read.position) << reading.text << ": " << read.error;
        EXPECT_NEAR(read.position->latitude, reading.latitude, 1e-5) << reading.text;
        EXPECT_NEAR(read.position->longitude, reading.longitude, 1e-5) << reading.text;
    }
}

TEST(Position, RefusesNamingTheWrongPart) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "no position given"},
        {"52 61.6N 16 53.6E", "latitude \"52 61.6N\": the minutes 61.6 are 60 or more"},
        {"52 21 60N 16 53.6E", "latitude \"52 21 60N\": the seconds 60 are 60 or more"},
        {"5260.00N 01653.58E", "latitude \"5260.00N\": the minutes 60 are 60 or more"},
        {"91, 16", "latitude \"91\": past 90 degrees"},
        {"90 0.01N 16E", "latitude \"90 0.01N\": past 90 degrees"},
        {"52, 180.5", "longitude \"180.5\": past 180 degrees"},
        {"522136N 0165335E", "latitude \"522136N\": degrees, minutes and seconds run together"},
        {"-52.3S 16E", "latitude \"-52.3S\": both a minus sign and a hemisphere letter"},
        {"52.5 21N 16E", "latitude \"52.5 21N\": degrees with a decimal point before the minutes"},
        {"52N 53N", "two latitudes (N or S) and no longitude"},
        {"52 21.6 16", "cannot tell where the latitude ends and the longitude begins"},
        {"52, 16, 3", "a latitude and a longitude expected, 3 parts found"},
        {"near Poznan", "unknown text \"ar\""},
        {"52.36; 16.89x", "unknown text \"x\""},
        {"JO8", "locator \"JO8\": 4, 6 or 8 characters, not 3"},
        {"JZ82", "locator \"JZ82\": the field letters run from A to R, not Z"},
        {"JO82kz", "locator \"JO82kz\": the subsquare letters run from a to x, not z"},
    };
    for (const auto& [text, error] : cases) {
        const PositionReading read = readPosition(text);
        EXPECT_FALSE(read.position) << text;
        EXPECT_EQ(read.error.substr(0, error.size()), error) << text << ": " << read.error;
    }
}

TEST(Position, WritesEachForm) {
    struct Forms {
        Position position;
        std::string latitude, longitude, decimal, dm, dms, locator;
    };
    const Forms cases[] = {
        {{52.36, 16.893},
         "5221.60N",
         "01653.58E",
         "52.36000, 16.89300",
         "52\xB0"
         "21.600'N 16\xB0"
         "53.580'E",
         "52\xB0"
         "21'36.0\"N 16\xB0"
         "53'34.8\"E",
         "JO82ki"},
        {{-33.9, -18.4},
         "3354.00S",
         "01824.00W",
         "-33.90000, -18.40000",
         "33\xB0"
         "54.000'S 18\xB0"
         "24.000'W",
         "33\xB0"
         "54'00.0\"S 18\xB0"
         "24'00.0\"W",
         "IF06tc"},
        {{0, 0},
         "0000.00N",
         "00000.00E",
         "0.00000, 0.00000",
         "0\xB0"
         "00.000'N 0\xB0"
         "00.000'E",
         "0\xB0"
         "00'00.0\"N 0\xB0"
         "00'00.0\"E",
         "JJ00aa"},
        {{90, 180},
         "9000.00N",
         "18000.00E",
         "90.00000, 180.00000",
         "90\xB0"
         "00.000'N 180\xB0"
         "00.000'E",
         "90\xB0"
         "00'00.0\"N 180\xB0"
         "00'00.0\"E",
         "RR99xx"},
        {{-90, -180},
         "9000.00S",
         "18000.00W",
         "-90.00000, -180.00000",
         "90\xB0"
         "00.000'S 180\xB0"
         "00.000'W",
         "90\xB0"
         "00'00.0\"S 180\xB0"
         "00'00.0\"W",
         "AA00aa"},
        // Rounding carries into the degrees.
        {{52.99999999, 16.999999},
         "5300.00N",
         "01700.00E",
         "53.00000, 17.00000",
         "53\xB0"
         "00.000'N 17\xB0"
         "00.000'E",
         "53\xB0"
         "00'00.0\"N 17\xB0"
         "00'00.0\"E",
         "JO82lx"},
        // W1AW, whose published locator is FN31pr.
        {{41.7148, -72.7273},
         "4142.89N",
         "07243.64W",
         "41.71480, -72.72730",
         "41\xB0"
         "42.888'N 72\xB0"
         "43.638'W",
         "41\xB0"
         "42'53.3\"N 72\xB0"
         "43'38.3\"W",
         "FN31pr"},
    };
    for (const Forms& forms : cases) {
        const Position& p = forms.position;
        EXPECT_EQ(aprsLatitude(p.latitude), forms.latitude);
        EXPECT_EQ(aprsLongitude(p.longitude), forms.longitude);
        EXPECT_EQ(decimalDegrees(p), forms.decimal);
        EXPECT_EQ(degreesMinutes(p), forms.dm);
        EXPECT_EQ(degreesMinutesSeconds(p), forms.dms);
        EXPECT_EQ(maidenheadLocator(p), forms.locator);
    }
    EXPECT_EQ(maidenheadLocator({52.36, 16.893}, 4), "JO82");
    EXPECT_EQ(maidenheadLocator({52.36, 16.893}, 8), "JO82ki76");
}

TEST(Symbols, AreFoundByNameOrCharactersAndDescribed) {
    const std::pair<std::string, std::string> cases[] = {
        {"igate", "I&"}, {"digi", "/#"}, {"house", "/-"}, {"wx", "/_"},           {"car", "/>"},
        {"R&", "R&"},    {"/#", "/#"},   {"3>", "3>"},    {"digi-fill-in", "1#"}, {"\\#", "\\#"},
    };
    for (const auto& [given, characters] : cases) {
        const auto symbol = findSymbol(given);
        ASSERT_TRUE(symbol) << given;
        EXPECT_EQ(std::string({symbol->table, symbol->code}), characters) << given;
        EXPECT_FALSE(symbol->reference.empty()) << given;
    }
    for (const std::string unknown : {"", "igat", "3-", "/", "abc", "a#"}) {
        EXPECT_FALSE(findSymbol(unknown)) << unknown;
    }
    EXPECT_EQ(symbolDescription('R', '&'), "Gateway, overlay R (receive-only I-gate)");
    EXPECT_EQ(symbolDescription('3', '>'), "Car (takes an overlay), overlay 3");
    EXPECT_EQ(symbolDescription('/', '-'), "House (VHF)");
    EXPECT_EQ(symbolDescription('/', '~'), "");
}

}  // namespace
}  // namespace korvex::testing
