#pragma once
// The station's beacons as they go on the air: each beacon with a rate above 0, its rates and its
// packet in the TNC2 monitor form (SOURCE>DEST,PATH:information).

#include <string>
#include <vector>

#include "advice/Advice.h"
#include "advice/BeaconText.h"
#include "settings/Settings.h"

namespace korvex {

struct BeaconOnAir {
    int number = 0;      // 1..8
    int rfRate = 0;      // minutes between sendings to RF, 0 for none
    int aprsisRate = 0;  // minutes between sendings to APRS-IS, 0 for none
    std::string packet;  // empty when the text is empty (the beacon is never sent)
    std::string symbol;  // "R& Gateway, overlay R (receive-only I-gate)"; empty without a position
};

// In beacon order. Special strings are put in from the Radio tab and `sample`.
std::vector<BeaconOnAir> beaconsOnAir(const Settings& settings, const BeaconSample& sample);

// "Beacon 1: every 5 min to RF, every 10 min to APRS-IS" ("not to RF" for a rate of 0).
std::string beaconHeading(const BeaconOnAir& beacon);

// "Symbol: R& Gateway, overlay R (receive-only I-gate)", or "Symbol: X% (not in the symbol
// table)"; empty for a beacon without a position.
std::string symbolLine(const BeaconOnAir& beacon);

// Whether the advice is about beacon `number` (the first setting it names is that beacon's).
bool isAboutBeacon(const Advice& advice, int number);

}  // namespace korvex
