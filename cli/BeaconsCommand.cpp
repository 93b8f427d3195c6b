// korvex-cli beacons SOURCE [--time YYYY-MM-DDTHH:MM] [--volt V]: each beacon with a rate above 0
// as it goes on the air, followed by the advice about it.
#include <iostream>

#include "advice/BeaconsOnAir.h"
#include "advice/StationCheck.h"
#include "cli/Commands.h"
#include "cli/CommonSteps.h"
#include "cli/SourceSteps.h"
#include "cli/TerminalFeedback.h"
#include "settings/Latin1.h"

namespace korvex::cli {

namespace {

// The value of --volt: a decimal number such as 13.8, as the device would measure it.
std::string voltOption(const Arguments& arguments) {
    const auto volt = arguments.option("volt");
    if (!volt) {
        return BeaconSample{}.volt;
    }
    const size_t point = volt->find('.');
    const bool digits =
        !volt->empty() && volt->size() <= 6 &&
        volt->find_first_not_of("0123456789.") == std::string::npos &&
        volt->find('.', point == std::string::npos ? point : point + 1) == std::string::npos &&
        *volt != ".";
    if (!digits) {
        throw UsageError("--volt takes a voltage such as 13.8, not " + *volt);
    }
    return *volt;
}

}  // namespace

int runBeacons(const Arguments& arguments) {
    BeaconSample sample;
    sample.volt = voltOption(arguments);
    sample.time = timeOption(arguments).value_or(SystemClock().utcNow());
    SettingsStore settings;
    if (!loadCheckedStation(arguments, settings)) {
        return 1;
    }
    const std::vector<Advice> advice = adviseStation(settings, sample);
    const std::vector<BeaconOnAir> beacons = beaconsOnAir(settings, sample);
    if (beacons.empty()) {
        std::cout << "No beacon has a rate above 0.\n";
    }
    for (const BeaconOnAir& beacon : beacons) {
        std::cout << beaconHeading(beacon) << "\n";
        if (!beacon.packet.empty()) {
            std::cout << latin1ToUtf8(beacon.packet) << "\n";
        }
        if (const std::string symbol = symbolLine(beacon); !symbol.empty()) {
            std::cout << latin1ToUtf8(symbol) << "\n";
        }
        for (const Advice& about : advice) {
            if (isAboutBeacon(about, beacon.number)) {
                std::cout << latin1ToUtf8(adviceLine(about)) << "\n";
            }
        }
    }
    return 0;
}

}  // namespace korvex::cli
