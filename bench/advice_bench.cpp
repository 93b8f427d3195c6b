// The station check's rules over a whole set of settings (target: under 1 ms each): the start-up
// state, and a full station with every beacon, path rule, packet filter rule, server and
// telemetry channel in use, so that every rule has something to look at.
// Measured (RelWithDebInfo, g++ 12, 2 cores shared at a load average of 12): start-up state
// 13.5 us wall, 8.3 us CPU; full station (24 pieces of advice) 45 us wall, 29 us CPU.

#include <benchmark/benchmark.h>

#include <string>

#include "advice/Advice.h"
#include "settings/StartupState.h"

namespace {

const korvex::FixedClock kClock({2026, 12, 9, 12, 34, 0});

korvex::SettingsStore fullStation() {
    korvex::SettingsStore settings = korvex::startupSettings(kClock);
    settings.setText("Callsign", "SP5ABC");
    settings.setText("Aprsis2_servername", "second.example.net");
    settings.setText("Aprsis3_servername", "third.example.net");
    settings.setText("Aprsis_filter",
                     "m/40 r/52.3/16.9/50 -b/SP* t/poimqstunw/SP5ABC/50 a/53/14/52/17 s/#/>/ "
                     "q/C/I f/SP5X/10 p/SP/SQ o/X e/Y g/Z u/APRS d/WIDE x/1");
    for (int n = 1; n <= 8; ++n) {
        const std::string stem = "Beacon" + std::to_string(n);
        settings.setText(stem + "_txrate_rf", "30");
        settings.setText(stem + "_txrate_aprsis", "30");
        settings.setText(stem + "_msg",
                         "@<date>z<lat>/<long>-PHG5132 Hill " + stem + " U=<volt>V <gpsdate> <x>");
        const std::string rule = "Pathn" + std::to_string(n);
        settings.setChecked(rule + "_active", true);
        settings.setText(rule + "_name", n % 2 ? "WIDE" : "SP");
    }
    for (int n = 1; n <= 12; ++n) {
        const std::string nn = (n < 10 ? "0" : "") + std::to_string(n);
        settings.setText("Packet2rf_filter_callsign" + nn, n == 12 ? "*" : "SP" + nn);
        settings.setIndex("Packet2rf_filter_type" + nn, 1 + n % 5);
    }
    settings.setIndex("Tele_enable", 1);
    return settings;
}

void BM_AdviseStartupState(benchmark::State& state) {
    const korvex::SettingsStore settings = korvex::startupSettings(kClock);
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvex::adviseStation(settings));
    }
}
BENCHMARK(BM_AdviseStartupState)->Unit(benchmark::kMicrosecond);

void BM_AdviseFullStation(benchmark::State& state) {
    const korvex::SettingsStore settings = fullStation();
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvex::adviseStation(settings));
    }
    state.counters["advice"] = static_cast<double>(korvex::adviseStation(settings).size());
}
BENCHMARK(BM_AdviseFullStation)->Unit(benchmark::kMicrosecond);

}  // namespace
