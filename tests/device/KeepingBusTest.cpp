// A simulated device kept in a folder: each acknowledged page reaches its file at its own place,
// and a page whose file cannot be written fails its exchange.

#include <gtest/gtest.h>

#include <array>

#include "device/KeepingBus.h"
#include "support/RecordingFeedback.h"
#include "support/TempDir.h"

namespace korvex::testing {
namespace {

struct KeptPage {
    DeviceCommand command;
    uint16_t page;
};

class KeepingBusTest : public ::testing::TestWithParam<KeptPage> {};

TEST_P(KeepingBusTest, AnAcknowledgedPageIsInTheFolderAtOnce) {
    const KeptPage kept = GetParam();
    TempDir folder;
    SimulatedDevice device = SimulatedDevice::loadOrCreate(folder.path());
    SimulatedBus bus([](std::chrono::milliseconds) {});
    bus.plug(device);
    KeepingBus keeping(bus, device, folder.path());
    DeviceLink link(keeping);
    RecordingFeedback feedback;
    ASSERT_TRUE(link.OpenDevice(feedback));

    std::array<uint8_t, kReportDataSize> data{};
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<uint8_t>(0xA0 + i);
    }
    const bool config = kept.command == DeviceCommand::WriteConfigPage;
    ASSERT_TRUE(config ? link.WriteConfigPage(kept.page, data)
                       : link.WriteFirmwarePage(kept.page, data));

    const SimulatedDevice reloaded = SimulatedDevice::loadOrCreate(folder.path());
    const uint8_t* memory = config ? reloaded.eeprom().bytes.data() : reloaded.flash().data();
    const size_t offset = size_t{kept.page} * kReportDataSize;
    EXPECT_TRUE(std::equal(data.begin(), data.end(), memory + offset));
    EXPECT_EQ(
        memory[offset + kReportDataSize],
        config ? device.eeprom().bytes[offset + kReportDataSize] : SimulatedDevice::kErasedFlash);

    // A folder that takes no new file: the configuration page is not acknowledged.
    std::filesystem::create_directory(folder / "eeprom.bin.tmp");
    EXPECT_FALSE(link.WriteConfigPage(0, data));
}

INSTANTIATE_TEST_SUITE_P(Pages, KeepingBusTest,
                         ::testing::Values(KeptPage{DeviceCommand::WriteConfigPage, 0},
                                           KeptPage{DeviceCommand::WriteConfigPage, 190},
                                           KeptPage{DeviceCommand::WriteFirmwarePage, 3},
                                           KeptPage{DeviceCommand::WriteFirmwarePage, 7678}));

}  // namespace
}  // namespace korvex::testing
