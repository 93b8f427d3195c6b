// korvex-cli position TEXT...: a position in any form, shown as the Radio tab's fields, in
// decimal degrees, degrees and minutes, degrees, minutes and seconds, and as a locator.
#include <iostream>

#include "advice/Position.h"
#include "cli/Commands.h"
#include "settings/Latin1.h"

namespace korvex::cli {

PositionReading readPositionArgument(std::string_view utf8) {
    const auto latin1 = utf8ToLatin1(utf8);
    PositionReading read = readPosition(latin1 ? *latin1 : utf8);
    if (latin1) {
        read.error = latin1ToUtf8(read.error);
    }
    return read;
}

int runPosition(const Arguments& arguments) {
    arguments.expectAtLeast(1);
    std::string text;
    for (const std::string& part : arguments.positional) {
        text += (text.empty() ? "" : " ") + part;
    }
    const PositionReading read = readPositionArgument(text);
    if (!read.position) {
        throw UsageError(read.error);
    }
    const Position& p = *read.position;
    std::cout << "Latitude: " << aprsLatitude(p.latitude) << "\n"
              << "Longitude: " << aprsLongitude(p.longitude) << "\n"
              << "Decimal degrees: " << decimalDegrees(p) << "\n"
              << "Degrees and minutes: " << latin1ToUtf8(degreesMinutes(p)) << "\n"
              << "Degrees, minutes and seconds: " << latin1ToUtf8(degreesMinutesSeconds(p)) << "\n"
              << "Locator: " << maidenheadLocator(p) << "\n";
    return 0;
}

}  // namespace korvex::cli
