#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

#include "ScriptedTransport.h"
#include "SimulatedRig.h"
#include "device/DeviceLink.h"
#include "device/HidapiTransport.h"
#include "support/TempDir.h"

#ifdef __linux__
#include <unistd.h>
#endif

namespace korvex::testing {
namespace {

std::array<uint8_t, 32> countingBytes(uint8_t first) {
    std::array<uint8_t, 32> bytes;
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(HidReport, PageSumAddsUnsignedBytesWithoutWrapping) {
    std::array<uint8_t, 32> bytes;
    bytes.fill(0xFF);
    EXPECT_EQ(PageSum(bytes), 8160);
    EXPECT_EQ(PageSum(countingBytes(1)), 528);
}

TEST(DeviceLink, PageWriteRequestCarriesCommandPageDataAndSumAndZeroesTheRest) {
    ScriptedProvider provider;
    provider.script.replies = {replyOf(0xFD), replyOf(0xFE)};
    DeviceLink link(provider);
    RecordingFeedback feedback;
    ASSERT_TRUE(link.OpenDevice(feedback));
    ASSERT_TRUE(link.WriteConfigPage(0x0123, countingBytes(200)));
    ASSERT_TRUE(link.WriteFirmwarePage(7679, countingBytes(0)));

    HidReport expected;
    expected.bytes[1] = 0xFD;
    expected.bytes[2] = 0x23;
    expected.bytes[3] = 0x01;
    for (int i = 0; i < 32; ++i) {
        expected.bytes[4 + i] = static_cast<uint8_t>(200 + i);
    }
    const unsigned sum = PageSum(countingBytes(200));
    expected.bytes[36] = static_cast<uint8_t>(sum);
    expected.bytes[37] = static_cast<uint8_t>(sum >> 8);
    EXPECT_EQ(provider.script.requests.at(0), expected);
    EXPECT_EQ(provider.script.requests.at(1).bytes[1], 0xFE);
    EXPECT_EQ(provider.script.requests.at(1).page(), 7679);
    EXPECT_EQ(provider.script.timeouts, (std::vector{kReplyTimeout, kReplyTimeout}));
    EXPECT_EQ(kReplyTimeout, std::chrono::seconds(5));
}

TEST(DeviceLink, ReadAndVersionRequestsCarryOnlyTheirFields) {
    ScriptedProvider provider;
    DeviceLink link(provider);
    RecordingFeedback feedback;
    ASSERT_TRUE(link.OpenDevice(feedback));
    std::array<uint8_t, 32> destination{};
    link.ReadConfigPage(191, destination);
    link.QueryFirmwareVersion(feedback);

    HidReport read;
    read.bytes[1] = 0xFC;
    read.bytes[2] = 191;
    HidReport version;
    version.bytes[1] = 0xFB;
    EXPECT_EQ(provider.script.requests, (std::vector{read, version}));
}

enum class Exchange { WriteConfig, WriteFirmware, ReadConfig, Version };

struct ExchangeCase {
    const char* name;
    Exchange exchange;
    bool writeGoes;
    std::optional<HidReport> reply;
    bool succeeds;
};

class ExchangeSuccessTest : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeSuccessTest, SucceedsOnlyOnTheRightAnswer) {
    const auto& param = GetParam();
    ScriptedProvider provider;
    provider.script.writeGoes = param.writeGoes;
    provider.script.replies = {param.reply};
    DeviceLink link(provider);
    RecordingFeedback feedback;
    ASSERT_TRUE(link.OpenDevice(feedback));

    std::array<uint8_t, 32> destination;
    destination.fill(0x5A);
    const auto before = destination;
    bool result = false;
    switch (param.exchange) {
        case Exchange::WriteConfig:
            result = link.WriteConfigPage(1, countingBytes(0));
            break;
        case Exchange::WriteFirmware:
            result = link.WriteFirmwarePage(1, countingBytes(0));
            break;
        case Exchange::ReadConfig:
            result = link.ReadConfigPage(1, destination);
            break;
        case Exchange::Version:
            result = link.QueryFirmwareVersion(feedback);
            break;
    }
    EXPECT_EQ(result, param.succeeds);
    if (param.exchange == Exchange::ReadConfig) {
        EXPECT_EQ(destination, param.succeeds ? countingBytes(40) : before);
    }
    if (param.exchange == Exchange::Version) {
        EXPECT_EQ(feedback.boxes.size(), param.succeeds ? 1u : 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ExchangeSuccessTest,
    ::testing::Values(
        ExchangeCase{"ConfigWriteAcknowledged", Exchange::WriteConfig, true, replyOf(0xFD), true},
        ExchangeCase{"ConfigWriteAnsweredWithReadCode", Exchange::WriteConfig, true, replyOf(0xFC),
                     false},
        ExchangeCase{"ConfigWriteNotSent", Exchange::WriteConfig, false, replyOf(0xFD), false},
        ExchangeCase{"ConfigWriteNoReply", Exchange::WriteConfig, true, std::nullopt, false},
        ExchangeCase{"FirmwareWriteAcknowledged", Exchange::WriteFirmware, true, replyOf(0xFE),
                     true},
        ExchangeCase{"FirmwareWriteAnsweredWithConfigCode", Exchange::WriteFirmware, true,
                     replyOf(0xFD), false},
        ExchangeCase{"ReadWithRightSum", Exchange::ReadConfig, true,
                     replyOf(0xFC, countingBytes(40)), true},
        ExchangeCase{"ReadWithWrongSum", Exchange::ReadConfig, true,
                     replyOf(0xFC, countingBytes(40), 1), false},
        ExchangeCase{"ReadWithSumOffByWholeWord", Exchange::ReadConfig, true,
                     replyOf(0xFC, countingBytes(40), 0x10000 - 1), false},
        ExchangeCase{"ReadAnsweredWithWriteCode", Exchange::ReadConfig, true,
                     replyOf(0xFD, countingBytes(40)), false},
        ExchangeCase{"ReadNoReply", Exchange::ReadConfig, true, std::nullopt, false},
        ExchangeCase{"VersionAnswered", Exchange::Version, true, replyOf(0xFB), true},
        ExchangeCase{"VersionAnsweredWithReadCode", Exchange::Version, true, replyOf(0xFC), false},
        ExchangeCase{"VersionNoReply", Exchange::Version, true, std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceLink, FirmwareVersionIsShownWithTwoDecimals) {
    for (const auto& [version, text] : std::vector<std::pair<uint32_t, std::string>>{
             {110, "Firmware version: 1.10"},
             {123, "Firmware version: 1.23"},
             {7, "Firmware version: 0.07"},
             {0, "Firmware version: 0.00"},
             {4294967295u, "Firmware version: 42949672.95"}}) {
        SimulatedRig rig;
        rig.device.setFirmwareVersion(version);
        ASSERT_TRUE(rig.link.OpenDevice(rig.feedback));
        EXPECT_TRUE(rig.link.QueryFirmwareVersion(rig.feedback));
        EXPECT_EQ(
            rig.feedback.boxes,
            (std::vector<RecordingFeedback::Box>{{"plain", "Korvex Mini Configurator", text}}));
    }
}

TEST(DeviceLink, AbsentDeviceIsNotFound) {
    SimulatedBus empty;
    DeviceLink link(empty);
    RecordingFeedback feedback;
    EXPECT_FALSE(link.OpenDevice(feedback));
    EXPECT_EQ(feedback.logLines, std::vector<std::string>{kNotFoundLine});
    std::array<uint8_t, 32> page{};
    EXPECT_FALSE(link.WriteConfigPage(0, page));
}

TEST(DeviceLink, SkipsOtherProductsAndUsesTheFirstMatchingDevice) {
    SimulatedDevice otherProduct{ConfigImage{}};
    SimulatedDevice otherVendor{ConfigImage{}};
    SimulatedDevice first{ConfigImage{}};
    SimulatedDevice second{ConfigImage{}};
    SimulatedBus bus;
    bus.plug(otherProduct, kKorvexVendorId, 0x5740);
    bus.plug(otherVendor, 0x1234, kKorvexProductId);
    bus.plug(first);
    bus.plug(second);
    DeviceLink link(bus);
    RecordingFeedback feedback;

    ASSERT_TRUE(link.OpenDevice(feedback));
    EXPECT_TRUE(link.WriteConfigPage(0, countingBytes(1)));
    link.CloseDevice();

    EXPECT_EQ(feedback.logLines, std::vector<std::string>{kFoundLine});
    EXPECT_EQ(first.requestCount(), 1u);
    EXPECT_EQ(second.requestCount() + otherProduct.requestCount() + otherVendor.requestCount(), 0u);
    EXPECT_EQ(first.eeprom().page(0)[31], 32);
}

TEST(DeviceLink, FoundButNotOpenableSaysSoAndEveryExchangeFails) {
    SimulatedRig rig;
    rig.bus.denyAccess(rig.path);
    EXPECT_TRUE(rig.link.OpenDevice(rig.feedback));
    EXPECT_EQ(rig.feedback.logLines,
              (std::vector<std::string>{kFoundLine,
                                        "Korvex Mini could not be opened (no permission?). Install "
                                        "the udev rule: see README."}));
    std::array<uint8_t, 32> page{};
    EXPECT_FALSE(rig.link.ReadConfigPage(0, page));
    EXPECT_FALSE(rig.link.QueryFirmwareVersion(rig.feedback));
    EXPECT_EQ(rig.device.requestCount(), 0u);
}

TEST(DeviceLink, SilentDeviceFailsAfterTheBoundedWait) {
    SimulatedRig rig;
    rig.device.armFault(SimulatedFault::Silent, 3);
    ASSERT_TRUE(rig.link.OpenDevice(rig.feedback));
    std::array<uint8_t, 32> page;
    page.fill(9);
    EXPECT_TRUE(rig.link.ReadConfigPage(2, page));
    EXPECT_TRUE(rig.waits.empty());
    page.fill(9);
    EXPECT_FALSE(rig.link.ReadConfigPage(3, page));
    EXPECT_EQ(rig.waits, std::vector{kReplyTimeout});
    EXPECT_EQ(page[0], 9);
    EXPECT_TRUE(rig.link.ReadConfigPage(3, page)) << "a silent fault strikes once";
}

// A reply that is slow to come is waited for out loud, once per wait, and the whole wait stays
// the link's bounded one.
TEST(DeviceLink, LongWaitIsToldAndThenCleared) {
    SimulatedRig rig;
    rig.device.armFault(SimulatedFault::Silent, 3);
    rig.link.noticeLongWaits(std::chrono::seconds(1));
    ASSERT_TRUE(rig.link.OpenDevice(rig.feedback));
    std::array<uint8_t, 32> page{};
    EXPECT_TRUE(rig.link.ReadConfigPage(2, page));
    EXPECT_FALSE(rig.link.ReadConfigPage(3, page));
    EXPECT_EQ(rig.waits,
              (std::vector{std::chrono::milliseconds(1000), std::chrono::milliseconds(4000)}));
    EXPECT_EQ(
        rig.feedback.waitingTexts,
        (std::vector<std::string>{"Waiting for the Korvex Mini to answer (at most 5 s)...", ""}));
    EXPECT_EQ(rig.link.failureCause(), "the device did not answer within 5 s");
}

TEST(DeviceLink, ReplyWaitIsTheLinksOwn) {
    SimulatedRig rig;
    DeviceLink quick(rig.bus, std::chrono::milliseconds(20));
    rig.device.armFault(SimulatedFault::Silent, 0);
    ASSERT_TRUE(quick.OpenDevice(rig.feedback));
    EXPECT_FALSE(quick.WriteConfigPage(0, countingBytes(0)));
    EXPECT_EQ(rig.waits, std::vector{std::chrono::milliseconds(20)});
}

TEST(DeviceLink, UnpluggedDeviceFailsEveryExchangeAndIsGoneFromTheBus) {
    SimulatedRig rig;
    rig.device.armFault(SimulatedFault::Unplug, 2);
    ASSERT_TRUE(rig.link.OpenDevice(rig.feedback));
    EXPECT_TRUE(rig.link.WriteConfigPage(1, countingBytes(0)));
    EXPECT_FALSE(rig.link.WriteConfigPage(2, countingBytes(0)));
    EXPECT_FALSE(rig.link.WriteConfigPage(3, countingBytes(0)));
    EXPECT_FALSE(rig.link.QueryFirmwareVersion(rig.feedback));
    rig.link.CloseDevice();
    EXPECT_FALSE(rig.link.OpenDevice(rig.feedback));
    EXPECT_EQ(rig.feedback.logLines, (std::vector<std::string>{kFoundLine, kNotFoundLine}));
    EXPECT_TRUE(rig.waits.empty()) << "a gone device fails at once, without waiting";
}

TEST(SimulatedDevice, RefusesCorruptedAndOutOfRangePages) {
    SimulatedRig rig;
    ASSERT_TRUE(rig.link.OpenDevice(rig.feedback));
    EXPECT_FALSE(rig.link.WriteConfigPage(192, countingBytes(0)));
    EXPECT_FALSE(rig.link.WriteFirmwarePage(7680, countingBytes(0)));
    std::array<uint8_t, 32> page{};
    EXPECT_FALSE(rig.link.ReadConfigPage(192, page));

    HidReport corrupted;
    corrupted.setCommand(DeviceCommand::WriteConfigPage);
    corrupted.data()[0] = 1;  // the stored sum stays 0
    EXPECT_EQ(rig.device.answer(corrupted)->command(), 0x00);
    EXPECT_EQ(rig.device.eeprom().bytes[0], 0);
}

TEST(HidapiTransport, NoKorvexAttachedMeansNotFound) {
    HidapiTransportProvider hidapi;
    for (const auto& present : hidapi.enumerate()) {
        if (present.vendorId == kKorvexVendorId && present.productId == kKorvexProductId) {
            GTEST_SKIP() << "a Korvex Mini is attached to this machine";
        }
    }
    DeviceLink link(hidapi);
    RecordingFeedback feedback;
    EXPECT_FALSE(link.OpenDevice(feedback));
    EXPECT_EQ(feedback.logLines, std::vector<std::string>{kNotFoundLine});
}

#ifdef __linux__
// The window asks every two seconds whether the device could be opened; on Linux the hidraw node's
// permission answers that, and a node that vanished in the meantime counts as gone.
TEST(HidapiTransport, ProbeTellsAnOpenableNodeFromADeniedOrVanishedOne) {
    TempDir folder;
    const auto node = folder / "hidraw0";
    writeFile(node, "");
    const auto locked = folder / "hidraw1";
    writeFile(locked, "");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    // Root may open any node, so the denied row only tells something for other users.
    const bool root = ::geteuid() == 0;
    const struct {
        std::filesystem::path path;
        InterfaceAccess expected;
    } cases[] = {
        {node, InterfaceAccess::Openable},
        {locked, root ? InterfaceAccess::Openable : InterfaceAccess::Denied},
        {folder / "hidraw2", InterfaceAccess::Gone},
        {node / "hidraw3", InterfaceAccess::Gone},
    };
    HidapiTransportProvider hidapi;
    for (const auto& c : cases) {
        EXPECT_EQ(hidapi.probe({kKorvexVendorId, kKorvexProductId, c.path.string()}), c.expected)
            << c.path;
    }
}
#endif

}  // namespace
}  // namespace korvex::testing
