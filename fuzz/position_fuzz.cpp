// Arbitrary text as a position. The reader must refuse it with a message or give a place on
// earth, and every form written of that place must read back to it within the form's rounding.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "advice/Position.h"

namespace {

using namespace korvex;

void expect(bool holds, const char* what, std::string_view input) {
    if (!holds) {
        std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(input.size()), input.data());
        std::abort();
    }
}

// Reads `text` back and compares with `place` within `degrees`.
void readsBack(const std::string& text, const Position& place, double degrees,
               std::string_view input) {
    const PositionReading again = readPosition(text);
    expect(again.position.has_value(), "a written form is refused", input);
    expect(std::fabs(again.position->latitude - place.latitude) <= degrees &&
               std::fabs(again.position->longitude - place.longitude) <= degrees,
           "a written form reads back elsewhere", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const PositionReading read = readPosition(input);
    if (!read.position) {
        expect(!read.error.empty(), "a refusal without a message", input);
        return 0;
    }
    const Position& place = *read.position;
    expect(place.latitude >= -90 && place.latitude <= 90 && place.longitude >= -180 &&
               place.longitude <= 180,
           "a place off the earth", input);
    readsBack(aprsLatitude(place.latitude) + " " + aprsLongitude(place.longitude), place,
              0.005 / 60 + 1e-9, input);
    readsBack(decimalDegrees(place), place, 0.000005 + 1e-9, input);
    readsBack(degreesMinutes(place), place, 0.0005 / 60 + 1e-9, input);
    readsBack(degreesMinutesSeconds(place), place, 0.05 / 3600 + 1e-9, input);
    readsBack(maidenheadLocator(place, 8), place, 1.0 / 120, input);
    return 0;
}
