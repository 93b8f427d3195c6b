// The tool's own cost of the device transfers against an in-process simulated device (no USB
// time): a whole configuration written and read back, and a firmware of the largest size.
// Measured (RelWithDebInfo, g++ 12, 2 shared cores), medians of 5 runs: 192 pages written plus
// 192 read about 10 us (budget 4 ms; about 27 ns per exchange); "Write config" plus "Read config"
// with encode, decode and version query about 55 us; the 7680-page firmware upload with its file
// read about 0.53 ms (budget 80 ms; about 68 ns per page). A backup restored (device read and
// kept, plan, 192 pages, verify) about 10 ms wall and 1.0 ms CPU, most of the wall time the two
// backup files written (2026-12-09, load about 20 on the 2 cores).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/FixedFileChooser.h"
#include "device/ConfigTransfer.h"
#include "device/DeviceLink.h"
#include "device/FirmwareUpload.h"
#include "device/SimulatedDevice.h"
#include "image/Codec.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

namespace {

using namespace korvex;

// A simulated device with an empty EEPROM, plugged into its own bus, and the link to it.
struct BlankDeviceRig {
    SimulatedDevice device{ConfigImage{}};
    SimulatedBus bus;
    std::string path = bus.plug(device);
    DeviceLink link{bus};
    SilentFeedback feedback;
};

// 192 pages written and 192 read back through the link, with the open and close around each.
void BM_ConfigPagesWriteThenRead(benchmark::State& state) {
    BlankDeviceRig rig;
    ConfigImage outgoing;
    for (size_t i = 0; i < kImageSize; ++i) {
        outgoing.bytes[i] = static_cast<uint8_t>(i * 13);
    }
    ConfigImage incoming;
    for (auto _ : state) {
        bool good = rig.link.OpenDevice(rig.feedback);
        for (uint16_t page = 0; page < kPageCount; ++page) {
            good &= rig.link.WriteConfigPage(page, outgoing.page(page));
        }
        rig.link.CloseDevice();
        good &= rig.link.OpenDevice(rig.feedback);
        for (uint16_t page = 0; page < kPageCount; ++page) {
            good &= rig.link.ReadConfigPage(page, incoming.page(page));
        }
        rig.link.CloseDevice();
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
    BlankDeviceRig rig;
    const FixedClock clock(UtcDateTime{2024, 7, 9, 8, 5, 0});
    SettingsStore settings = startupSettings(clock);
    ConfigImage outgoing;
    ConfigImage incoming;
    for (auto _ : state) {
        if (!WriteConfig(rig.link, outgoing, settings, rig.feedback, clock) ||
            !ReadConfig(rig.link, incoming, settings, rig.feedback)) {
            state.SkipWithError("transfer failed");
        }
    }
}
BENCHMARK(BM_WriteConfigThenReadConfig)->Unit(benchmark::kMicrosecond);

// "Write config" as the configurator runs it by default: the backup read and its two files in a
// folder that keeps the newest 50, the list of changes, the 192 pages written, and the verify
// read and comparison. The callsign alternates, so that every write has a change to make.
void BM_WriteConfigWithBackupAndVerify(benchmark::State& state) {
    SimulatedDevice device;
    SimulatedBus bus;
    bus.plug(device);
    DeviceLink link{bus};
    SilentFeedback feedback;
    const FixedClock clock(UtcDateTime{2024, 7, 9, 8, 5, 0});
    SettingsStore settings = startupSettings(clock);
    const auto folder = std::filesystem::temp_directory_path() / "korvex-bench-backups";
    std::filesystem::remove_all(folder);
    const WriteSafety safety{true, folder, true};
    ConfigImage outgoing;
    bool other = false;
    for (auto _ : state) {
        settings.setText("Callsign", (other = !other) ? "SP5AB" : "SP5CD");
        if (!WriteConfig(link, outgoing, settings, feedback, clock, safety) ||
            device.eeprom() != outgoing) {
            state.SkipWithError("write failed");
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteConfigWithBackupAndVerify)->Unit(benchmark::kMicrosecond);

// A backup restored as korvex-cli restore and the window's "Restore" run it: the device's image
// read and kept, the plan, 192 pages of the backup's image, and the verify. Two backups take
// turns, so that every restore has a change to make.
void BM_RestoreBackup(benchmark::State& state) {
    SimulatedDevice device;
    SimulatedBus bus;
    bus.plug(device);
    DeviceLink link{bus};
    SilentFeedback feedback;
    const FixedClock clock(UtcDateTime{2024, 7, 9, 8, 5, 0});
    const auto folder = std::filesystem::temp_directory_path() / "korvex-bench-restores";
    std::filesystem::remove_all(folder);
    const WriteSafety safety{true, folder, true};
    ConfigImage backups[2];
    for (int i = 0; i < 2; ++i) {
        SettingsStore settings = startupSettings(clock);
        settings.setText("Callsign", i ? "SP5AB" : "SP5CD");
        EncodeConfigImage(backups[i], settings, feedback, clock);
    }
    int turn = 0;
    SettingsStore window;
    for (auto _ : state) {
        const ConfigImage& backup = backups[turn ^= 1];
        if (!RestoreImage(link, backup, window, feedback, clock, safety) ||
            device.eeprom() != backup) {
            state.SkipWithError("restore failed");
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RestoreBackup)->Unit(benchmark::kMicrosecond);

// "Upload firmware" with a 245760-byte file: the file read and 7680 page exchanges.
void BM_FirmwareUploadLargest(benchmark::State& state) {
    const auto file = std::filesystem::temp_directory_path() / "korvex-bench-firmware.hash";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        for (size_t i = 0; i < kFirmwareSize; ++i) {
            out.put(static_cast<char>(i * 7));
        }
    }
    BlankDeviceRig rig;
    FixedFileChooser chooser(file);
    auto buffer = std::make_unique<FirmwareBuffer>();
    for (auto _ : state) {
        if (!UploadFirmware(rig.link, *buffer, rig.feedback, chooser, ".")) {
            state.SkipWithError("upload failed");
        }
    }
    state.counters["exchanges"] = benchmark::Counter(static_cast<double>(kFirmwarePageCount),
                                                     benchmark::Counter::kIsIterationInvariantRate);
    std::filesystem::remove(file);
}
BENCHMARK(BM_FirmwareUploadLargest)->Unit(benchmark::kMillisecond);

}  // namespace
