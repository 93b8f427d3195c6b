// Building a remote update file with the largest firmware image.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/FixedFileChooser.h"
#include "files/RemoteUpdate.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "tests/support/RecordingFeedback.h"
#include "tests/support/TempDir.h"

namespace {

void BM_BuildRemoteUpdateFile(benchmark::State& state) {
    const korvex::testing::TempDir dir;
    korvex::testing::writeFile(dir / "fw.hash", std::string(korvex::kFirmwareSize, '\x5a'));
    const korvex::FixedClock clock({2025, 1, 2, 3, 4, 5});
    korvex::SettingsStore settings = korvex::startupSettings(clock);
    korvex::testing::RecordingFeedback feedback;
    korvex::FixedFileChooser chooser(dir / "fw.hash", dir / "out.ruf");
    korvex::ConfigImage outgoing;
    for (auto _ : state) {
        if (!korvex::BuildRemoteUpdateFile(outgoing, settings, feedback, chooser, clock,
                                           dir.path())) {
            state.SkipWithError("build failed");
            break;
        }
    }
}
BENCHMARK(BM_BuildRemoteUpdateFile)->Unit(benchmark::kMillisecond);

// The packing alone: copy, encipher, CRC and filler, without the files.
void BM_PackRemoteUpdate(benchmark::State& state) {
    const std::vector<uint8_t> firmware(korvex::kFirmwareSize, 0x5a);
    const korvex::ConfigImage image;
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvex::packRemoteUpdate(image, firmware, 42));
    }
}
BENCHMARK(BM_PackRemoteUpdate)->Unit(benchmark::kMillisecond);

}  // namespace
