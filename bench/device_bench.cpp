// The tool's own cost of the device transfers against an in-process simulated device (no USB
// time): a whole configuration written and read back, and a firmware of the largest size.
// Measured (RelWithDebInfo, g++ 12, 2 shared cores), medians of 5 runs: 192 pages written plus
// 192 read about 10 us (budget 4 ms; about 27 ns per exchange); "Write config" plus "Read config"
// with encode, decode and version query about 55 us; the 7680-page firmware upload with its file
// read about 0.53 ms (budget 80 ms; about 68 ns per page).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "device/ConfigTransfer.h"
#include "device/DeviceLink.h"
#include "device/FirmwareUpload.h"
#include "device/SimulatedDevice.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"

namespace {

using namespace korvex;

class NullFeedback final : public Feedback {
  public:
    void log(std::string_view line) override { benchmark::DoNotOptimize(line.data()); }
    void information(std::string_view) override {}
    void message(std::string_view, std::string_view) override {}
    void plainMessage(std::string_view) override {}
    void error(std::string_view) override {}
    void progressBegin(int) override {}
    void progressStep() override {}
    void progressReset() override {}
    void keepResponsive() override {}
    void setActionsEnabled(bool) override {}
};

class OneFileChooser final : public FileChooser {
  public:
    explicit OneFileChooser(std::filesystem::path path) : path_(std::move(path)) {}
    std::optional<std::filesystem::path> openFile(std::string_view,
                                                  const std::filesystem::path&) override {
        return path_;
    }
    std::optional<std::filesystem::path> saveFile(std::string_view, const std::filesystem::path&,
                                                  std::string_view) override {
        return std::nullopt;
    }

  private:
    std::filesystem::path path_;
};

// 192 pages written and 192 read back through the link, with the open and close around each.
void BM_ConfigPagesWriteThenRead(benchmark::State& state) {
    SimulatedDevice device{ConfigImage{}};
    SimulatedBus bus;
    bus.plug(device);
    DeviceLink link(bus);
    NullFeedback feedback;
    ConfigImage outgoing;
    for (size_t i = 0; i < kImageSize; ++i) {
        outgoing.bytes[i] = static_cast<uint8_t>(i * 13);
    }
    ConfigImage incoming;
    for (auto _ : state) {
        bool good = link.OpenDevice(feedback);
        for (uint16_t page = 0; page < kPageCount; ++page) {
            good &= link.WriteConfigPage(page, outgoing.page(page));
        }
        link.CloseDevice();
        good &= link.OpenDevice(feedback);
        for (uint16_t page = 0; page < kPageCount; ++page) {
            good &= link.ReadConfigPage(page, incoming.page(page));
        }
        link.CloseDevice();
        if (!good || incoming != outgoing) {
            state.SkipWithError("transfer failed");
        }
    }
    state.counters["exchanges"] = benchmark::Counter(static_cast<double>(2 * kPageCount),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ConfigPagesWriteThenRead)->Unit(benchmark::kMicrosecond);

// "Write config" then "Read config" as the buttons run them: encode, 192 pages out, 192 pages in,
// checksum, decode and the version query.
void BM_WriteConfigThenReadConfig(benchmark::State& state) {
    SimulatedDevice device{ConfigImage{}};
    SimulatedBus bus;
    bus.plug(device);
    DeviceLink link(bus);
    NullFeedback feedback;
    const FixedClock clock(UtcDateTime{2024, 7, 9, 8, 5, 0});
    SettingsStore settings;
    applyStartupState(settings, clock);
    ConfigImage outgoing;
    ConfigImage incoming;
    for (auto _ : state) {
        if (!WriteConfig(link, outgoing, settings, feedback, clock) ||
            !ReadConfig(link, incoming, settings, feedback)) {
            state.SkipWithError("transfer failed");
        }
    }
}
BENCHMARK(BM_WriteConfigThenReadConfig)->Unit(benchmark::kMicrosecond);

// "Upload firmware" with a 245760-byte file: the file read and 7680 page exchanges.
void BM_FirmwareUploadLargest(benchmark::State& state) {
    const auto file = std::filesystem::temp_directory_path() / "korvex-bench-firmware.hash";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        for (size_t i = 0; i < kFirmwareSize; ++i) {
            out.put(static_cast<char>(i * 7));
        }
    }
    SimulatedDevice device{ConfigImage{}};
    SimulatedBus bus;
    bus.plug(device);
    DeviceLink link(bus);
    NullFeedback feedback;
    OneFileChooser chooser(file);
    auto buffer = std::make_unique<FirmwareBuffer>();
    for (auto _ : state) {
        if (!UploadFirmware(link, *buffer, feedback, chooser, ".")) {
            state.SkipWithError("upload failed");
        }
    }
    state.counters["exchanges"] = benchmark::Counter(static_cast<double>(kFirmwarePageCount),
                                                     benchmark::Counter::kIsIterationInvariantRate);
    std::filesystem::remove(file);
}
BENCHMARK(BM_FirmwareUploadLargest)->Unit(benchmark::kMillisecond);

}  // namespace
