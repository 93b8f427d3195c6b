// Building a remote update file with the largest firmware image.

#include <benchmark/benchmark.h>

#include <string>

#include "files/RemoteUpdate.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "tests/support/RecordingFeedback.h"
#include "tests/support/TempDir.h"

namespace {

// Answers every firmware dialog and every destination dialog with the same paths.
class FixedChooser final : public korvex::FileChooser {
  public:
    FixedChooser(std::filesystem::path firmware, std::filesystem::path destination)
        : firmware_(std::move(firmware)), destination_(std::move(destination)) {}
    std::optional<std::filesystem::path> openFile(std::string_view,
                                                  const std::filesystem::path&) override {
        return firmware_;
    }
    std::optional<std::filesystem::path> saveFile(std::string_view, const std::filesystem::path&,
                                                  std::string_view) override {
        return destination_;
    }

  private:
    std::filesystem::path firmware_;
    std::filesystem::path destination_;
};

void BM_BuildRemoteUpdateFile(benchmark::State& state) {
    const korvex::testing::TempDir dir;
    korvex::testing::writeFile(dir / "fw.hash", std::string(korvex::kMaxFirmwareSize, '\x5a'));
    korvex::SettingsStore settings;
    const korvex::FixedClock clock({2025, 1, 2, 3, 4, 5});
    korvex::applyStartupState(settings, clock);
    korvex::testing::RecordingFeedback feedback;
    FixedChooser chooser(dir / "fw.hash", dir / "out.ruf");
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
    const std::vector<uint8_t> firmware(korvex::kMaxFirmwareSize, 0x5a);
    const korvex::ConfigImage image;
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvex::packRemoteUpdate(image, firmware, 42));
    }
}
BENCHMARK(BM_PackRemoteUpdate)->Unit(benchmark::kMillisecond);

}  // namespace
