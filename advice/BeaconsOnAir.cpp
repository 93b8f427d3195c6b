#include "advice/BeaconsOnAir.h"

#include "advice/StationValues.h"
#include "advice/Symbols.h"

namespace korvex {

namespace {

constexpr int kBeacons = 8;

std::string rateText(int minutes, std::string_view where) {
    return minutes > 0 ? "every " + std::to_string(minutes) + " min to " + std::string(where)
                       : "not to " + std::string(where);
}

}  // namespace

std::vector<BeaconOnAir> beaconsOnAir(const Settings& settings, const BeaconSample& sample) {
    std::vector<BeaconOnAir> beacons;
    const std::string source = pathElement(settings, "Callsign", "Ssid").text();
    for (int n = 1; n <= kBeacons; ++n) {
        BeaconOnAir beacon;
        beacon.number = n;
        beacon.rfRate = storedNumber(settings, numberedName("Beacon#_txrate_rf", n)).value_or(0);
        beacon.aprsisRate =
            storedNumber(settings, numberedName("Beacon#_txrate_aprsis", n)).value_or(0);
        if (beacon.rfRate <= 0 && beacon.aprsisRate <= 0) {
            continue;
        }
        const std::string text = settings.text(numberedName("Beacon#_msg", n));
        if (!text.empty()) {
            const PathElement destination =
                pathElement(settings, numberedName("Beacon#_dest_string", n),
                            numberedName("Beacon#_dest_ssid", n));
            const PathElement path = pathElement(settings, numberedName("Beacon#_path_string", n),
                                                 numberedName("Beacon#_path_ssid", n));
            const std::string information = expandBeaconText(text, settings.text("Latitude"),
                                                             settings.text("Longitude"), sample);
            beacon.packet = source + ">" + destination.text() +
                            (path.call.empty() ? "" : "," + path.text()) + ":" + information;
            beacon.symbol = positionSymbol(information);
        }
        beacons.push_back(std::move(beacon));
    }
    return beacons;
}

std::string beaconHeading(const BeaconOnAir& beacon) {
    return "Beacon " + std::to_string(beacon.number) + ": " + rateText(beacon.rfRate, "RF") + ", " +
           rateText(beacon.aprsisRate, "APRS-IS");
}

std::string symbolLine(const BeaconOnAir& beacon) {
    if (beacon.symbol.size() != 2) {
        return {};
    }
    const std::string description = symbolDescription(beacon.symbol[0], beacon.symbol[1]);
    return "Symbol: " + beacon.symbol + " " +
           (description.empty() ? "(not in the symbol table)" : description);
}

bool isAboutBeacon(const Advice& advice, int number) {
    return advice.settings.front().starts_with("Beacon" + std::to_string(number) + "_");
}

}  // namespace korvex
