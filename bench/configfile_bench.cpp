// Saving and loading a whole configuration file, and the profile document's growth with the
// number of keys.

#include <benchmark/benchmark.h>

#include <string>

#include "files/ConfigFile.h"
#include "files/ProfileFile.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "tests/support/RecordingFeedback.h"
#include "tests/support/TempDir.h"

namespace {

using korvex::ProfileFile;

const korvex::FixedClock kClock({2025, 1, 2, 3, 4, 5});

// A save into a new file each time: every key added, the file written and renamed into place.
void BM_SaveNewConfigFile(benchmark::State& state) {
    const korvex::testing::TempDir dir;
    const auto settings = korvex::startupSettings(kClock);
    korvex::testing::RecordingFeedback feedback;
    for (auto _ : state) {
        std::filesystem::remove(dir / "new.cfg");
        benchmark::DoNotOptimize(korvex::saveConfigFile(settings, dir / "new.cfg", feedback));
    }
}
BENCHMARK(BM_SaveNewConfigFile)->Unit(benchmark::kMicrosecond);

// A save over an existing full file: read, every key replaced in place, written back.
void BM_SaveOverConfigFile(benchmark::State& state) {
    const korvex::testing::TempDir dir;
    const auto settings = korvex::startupSettings(kClock);
    korvex::testing::RecordingFeedback feedback;
    korvex::saveConfigFile(settings, dir / "full.cfg", feedback);
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvex::saveConfigFile(settings, dir / "full.cfg", feedback));
    }
}
BENCHMARK(BM_SaveOverConfigFile)->Unit(benchmark::kMicrosecond);

void BM_LoadConfigFile(benchmark::State& state) {
    const korvex::testing::TempDir dir;
    korvex::testing::RecordingFeedback feedback;
    korvex::saveConfigFile(korvex::startupSettings(kClock), dir / "full.cfg", feedback);
    korvex::SettingsStore settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvex::loadConfigFile(settings, dir / "full.cfg", feedback));
    }
}
BENCHMARK(BM_LoadConfigFile)->Unit(benchmark::kMicrosecond);

// A document of `keys` entries spread over sections of 64 keys.
std::string profileText(int64_t keys) {
    std::string text;
    for (int64_t i = 0; i < keys; ++i) {
        if (i % 64 == 0) {
            text += "[Section" + std::to_string(i / 64) + "]\r\n";
        }
        text += "Key" + std::to_string(i) + "=value of key " + std::to_string(i) + "\r\n";
    }
    return text;
}

// The documents go up to 65536 keys (about 200 full files): beyond that the per-key cost grows
// with cache misses, not with the algorithm.
// The key count for the complexity fit, and keys handled per second: a rate that stays level
// as the count grows shows linear time.
void reportKeys(benchmark::State& state) {
    state.SetComplexityN(state.range(0));
    state.counters["keys"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                benchmark::Counter::kIsIterationInvariantRate);
}

// Parse once, then look up every key.
void BM_ProfileRead(benchmark::State& state) {
    const std::string text = profileText(state.range(0));
    for (auto _ : state) {
        const ProfileFile profile(text);
        for (int64_t i = 0; i < state.range(0); ++i) {
            benchmark::DoNotOptimize(
                profile.value("section" + std::to_string(i / 64), "key" + std::to_string(i)));
        }
    }
    reportKeys(state);
}
BENCHMARK(BM_ProfileRead)->RangeMultiplier(4)->Range(256, 65536)->Complexity(benchmark::oN);

// Write every key into an empty document, then serialise it.
void BM_ProfileWrite(benchmark::State& state) {
    for (auto _ : state) {
        ProfileFile profile;
        for (int64_t i = 0; i < state.range(0); ++i) {
            profile.setValue("Section" + std::to_string(i / 64), "Key" + std::to_string(i),
                             "value of key " + std::to_string(i));
        }
        benchmark::DoNotOptimize(profile.text());
    }
    reportKeys(state);
}
BENCHMARK(BM_ProfileWrite)->RangeMultiplier(4)->Range(256, 65536)->Complexity(benchmark::oN);

// Replace every key of an existing document in place, then serialise it.
void BM_ProfileUpdate(benchmark::State& state) {
    const std::string text = profileText(state.range(0));
    for (auto _ : state) {
        ProfileFile profile(text);
        for (int64_t i = 0; i < state.range(0); ++i) {
            profile.setValue("Section" + std::to_string(i / 64), "Key" + std::to_string(i), "new");
        }
        benchmark::DoNotOptimize(profile.text());
    }
    reportKeys(state);
}
BENCHMARK(BM_ProfileUpdate)->RangeMultiplier(4)->Range(256, 65536)->Complexity(benchmark::oN);

}  // namespace
