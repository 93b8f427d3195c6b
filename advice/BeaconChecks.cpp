// The beacons and the weather report as they go out: their rates, destinations, paths and, for
// the beacons, their texts after the special strings are put in.
#include "advice/BeaconText.h"
#include "advice/Findings.h"
#include "advice/StationValues.h"

namespace korvex {

namespace {

constexpr int kBeacons = 8;
constexpr int kFixedRateMin = 10;
constexpr int kMultihopRateMin = 30;
constexpr int kHopsMax = 2;
constexpr size_t kDestinationMax = 6;

// The settings of one report that goes out on a schedule.
struct Report {
    std::string dest, destSsid, path, pathSsid, rfRate, aprsisRate;
};

Report beaconReport(int n) {
    return {numberedName("Beacon#_dest_string", n), numberedName("Beacon#_dest_ssid", n),
            numberedName("Beacon#_path_string", n), numberedName("Beacon#_path_ssid", n),
            numberedName("Beacon#_txrate_rf", n),   numberedName("Beacon#_txrate_aprsis", n)};
}

const Report kWeatherReport = {"Weather_dest_string", "Weather_dest_ssid", "Weather_path_string",
                               "Weather_path_ssid",   "Weather_txrate_rf", "Weather_txrate_aprsis"};

bool isAddress(std::string_view call) {
    if (call.empty() || call.size() > kDestinationMax) {
        return false;
    }
    for (const char c : call) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

bool isAprsisOnly(std::string_view call) {
    return call == "TCPIP" || call == "TCPXX" || (call.size() == 3 && call.starts_with("QA"));
}

void checkReport(const Settings& settings, const Report& report, int rfRate, Findings& found) {
    const std::string destination = storedCall(settings, report.dest);
    if (!isAddress(destination)) {
        found.add("beacon-destination-form", {report.dest}, {quoted(destination)});
    }
    const int destinationSsid = storedNumber(settings, report.destSsid).value_or(0);
    if (destinationSsid != 0) {
        found.add("beacon-destination-ssid", {report.destSsid}, {std::to_string(destinationSsid)});
    }
    if (rfRate <= 0) {
        return;
    }
    const PathElement path = pathElement(settings, report.path, report.pathSsid);
    if (rfRate < kFixedRateMin) {
        found.add("beacon-rf-rate-fast", {report.rfRate}, {std::to_string(rfRate)});
    } else if (rfRate < kMultihopRateMin && path.hops() > 1) {
        found.add("beacon-rf-rate-multihop", {report.rfRate, report.path},
                  {std::to_string(rfRate), std::to_string(path.hops())});
    }
    if (isAprsisOnly(path.call)) {
        found.add("beacon-path-not-rf", {report.path}, {path.call});
    } else if (path.isNewN() && path.ssid == 0) {
        found.add("beacon-path-used-up", {report.pathSsid, report.path}, {path.call + "-0"});
    } else if (path.hops() > kHopsMax) {
        found.add("beacon-path-long", {report.pathSsid, report.path},
                  {path.text(), std::to_string(path.hops())});
    }
}

void checkBeaconText(const Settings& settings, const std::string& setting,
                     const BeaconSample& sample, Findings& found) {
    const std::string text = settings.text(setting);
    for (const std::string& placeholder : unknownPlaceholders(text)) {
        found.add("beacon-unknown-placeholder", {setting}, {quoted(placeholder)});
    }
    const std::string information =
        expandBeaconText(text, settings.text("Latitude"), settings.text("Longitude"), sample);
    for (InformationFinding& finding : checkInformationField(information)) {
        found.add(finding.rule, {setting}, std::move(finding.details));
    }
}

}  // namespace

void checkBeacons(const Settings& settings, const BeaconSample& sample, Findings& found) {
    for (int n = 1; n <= kBeacons; ++n) {
        const Report report = beaconReport(n);
        const int rf = storedNumber(settings, report.rfRate).value_or(0);
        const int aprsis = storedNumber(settings, report.aprsisRate).value_or(0);
        if (rf <= 0 && aprsis <= 0) {
            continue;
        }
        const std::string message = numberedName("Beacon#_msg", n);
        if (settings.text(message).empty()) {
            found.add("beacon-empty-text", {message, rf > 0 ? report.rfRate : report.aprsisRate});
            continue;
        }
        checkReport(settings, report, rf, found);
        checkBeaconText(settings, message, sample, found);
    }

    if (settings.index("Weather_stationtype") > 0) {
        const int rf = storedNumber(settings, kWeatherReport.rfRate).value_or(0);
        const int aprsis = storedNumber(settings, kWeatherReport.aprsisRate).value_or(0);
        if (rf > 0 || aprsis > 0) {
            checkReport(settings, kWeatherReport, rf, found);
        }
    }
}

}  // namespace korvex
