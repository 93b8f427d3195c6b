#include <gtest/gtest.h>

#include <memory>

#include "SimulatedRig.h"
#include "device/FirmwareUpload.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempDir.h"

namespace korvex::testing {
namespace {

// A file whose byte i is (i * 7 + seed) mod 251, so every page differs from its neighbours.
std::string firmwareBytes(size_t size, int seed = 1) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + seed) % 251);
    }
    return bytes;
}

struct UploadRig : SimulatedRig {
    bool upload(const std::optional<std::filesystem::path>& path) {
        chooser.answer(path);
        return UploadFirmware(link, *buffer, feedback, chooser, "/opt/korvex");
    }
    std::filesystem::path file(size_t size, int seed = 1) {
        const auto path =
            folder / ("fw" + std::to_string(size) + "-" + std::to_string(seed) + ".hash");
        writeFile(path, firmwareBytes(size, seed));
        return path;
    }
    std::string flashPrefix(size_t size) const {
        return std::string(device.flash().begin(), device.flash().begin() + size);
    }

    std::unique_ptr<FirmwareBuffer> buffer = std::make_unique<FirmwareBuffer>();
    ScriptedFileChooser chooser;
    TempDir folder;
};

struct SizeCase {
    size_t size;
    int pages;
};

class FirmwareSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FirmwareSizeTest, SendsEveryPageThatHoldsTheFile) {
    const auto [size, pages] = GetParam();
    UploadRig rig;
    EXPECT_TRUE(rig.upload(rig.file(size)));

    EXPECT_EQ(rig.feedback.logLines, lines({{kFoundLine},
                                            pageLines("Page written: ", pages, pages),
                                            {"Firmware upgrade success"}}));
    EXPECT_EQ(rig.feedback.events, lines({{"log " + kFoundLine},
                                          pageEvents("Page written: ", pages, pages),
                                          {"log Firmware upgrade success", "reset"}}));
    EXPECT_EQ(rig.feedback.responsiveCalls, pages);
    EXPECT_EQ(rig.device.requestCount(), static_cast<uint64_t>(pages));
    EXPECT_EQ(rig.feedback.actionsEnabledEvents, (std::vector<bool>{false, true}));
    EXPECT_EQ(rig.flashPrefix(size), firmwareBytes(size));
    // The rest of the last page is zero filler; the flash beyond it is untouched.
    const size_t sent = static_cast<size_t>(pages) * 32;
    EXPECT_EQ(rig.flashPrefix(sent).substr(size), std::string(sent - size, '\0'));
    if (sent < kFirmwareSize) {
        EXPECT_EQ(rig.device.flash()[sent], SimulatedDevice::kErasedFlash);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FirmwareSizeTest,
                         ::testing::Values(SizeCase{0, 0}, SizeCase{1, 1}, SizeCase{32, 1},
                                           SizeCase{33, 2}, SizeCase{100, 4},
                                           SizeCase{kFirmwareSize, 7680}));

TEST(FirmwareUpload, ThirtyThreeByteFileSendsItsLastByteThenThirtyOneZeros) {
    UploadRig rig;
    ASSERT_TRUE(rig.upload(rig.file(33)));
    std::string secondPage(32, '\0');
    secondPage[0] = firmwareBytes(33)[32];
    EXPECT_EQ(rig.flashPrefix(64).substr(32), secondPage);
}

TEST(FirmwareUpload, ShorterFileAfterLongerOneStillGetsZeroFiller) {
    UploadRig rig;
    ASSERT_TRUE(rig.upload(rig.file(100, 3)));
    ASSERT_TRUE(rig.upload(rig.file(33, 5)));
    std::string expected = firmwareBytes(33, 5) + std::string(31, '\0');
    EXPECT_EQ(rig.flashPrefix(64), expected);
    EXPECT_EQ(rig.flashPrefix(100).substr(64), firmwareBytes(100, 3).substr(64))
        << "pages the second upload did not send keep the first upload's bytes";
}

TEST(FirmwareUpload, TooLongFileIsRefusedBeforeAnyPage) {
    UploadRig rig;
    EXPECT_FALSE(rig.upload(rig.file(kFirmwareSize + 1)));
    EXPECT_EQ(rig.feedback.boxes, (std::vector<RecordingFeedback::Box>{
                                      {"message", "File to long.", "Firmware file error."}}));
    EXPECT_EQ(rig.feedback.logLines, std::vector<std::string>{kFoundLine});
    EXPECT_EQ(rig.device.requestCount(), 0u);
    EXPECT_EQ(rig.feedback.actionsEnabledEvents, (std::vector<bool>{false, true}));
}

TEST(FirmwareUpload, UnopenablePathsGiveTheFileOpenBox) {
    UploadRig rig;
    for (const auto& path : {rig.folder / "missing.hash", rig.folder.path()}) {
        rig.feedback = SequenceFeedback{};
        EXPECT_FALSE(rig.upload(path)) << path;
        EXPECT_EQ(rig.feedback.boxes, (std::vector<RecordingFeedback::Box>{
                                          {"message", "File open error", "File open error."}}))
            << path;
        EXPECT_EQ(rig.feedback.actionsEnabledEvents, (std::vector<bool>{false, true}));
    }
    EXPECT_EQ(rig.device.requestCount(), 0u);
}

TEST(FirmwareUpload, DialogStartsInTheFirmwareFolderWithTheHashFilter) {
    UploadRig rig;
    EXPECT_FALSE(rig.upload(std::nullopt));
    ASSERT_EQ(rig.chooser.requests.size(), 1u);
    EXPECT_EQ(rig.chooser.requests[0].kind, "open");
    EXPECT_EQ(rig.chooser.requests[0].filter, "Korvex firmware hash files (*.hash)|*.hash");
    EXPECT_EQ(rig.chooser.requests[0].initialFolder, std::filesystem::path("/opt/korvex/firmware"));
    EXPECT_TRUE(rig.feedback.boxes.empty());
    EXPECT_EQ(rig.feedback.logLines, std::vector<std::string>{kFoundLine});
    EXPECT_EQ(rig.feedback.actionsEnabledEvents, (std::vector<bool>{false, true}));
}

TEST(FirmwareUpload, AbsentDeviceShowsNoDialogAndKeepsTheButtons) {
    SimulatedBus empty;
    DeviceLink link(empty);
    RecordingFeedback feedback;
    ScriptedFileChooser chooser;
    auto buffer = std::make_unique<FirmwareBuffer>();
    EXPECT_FALSE(UploadFirmware(link, *buffer, feedback, chooser, "/opt/korvex"));
    EXPECT_EQ(feedback.logLines, std::vector<std::string>{kNotFoundLine});
    EXPECT_TRUE(chooser.requests.empty());
    EXPECT_TRUE(feedback.actionsEnabledEvents.empty());
}

struct PageFaultCase {
    SimulatedFault fault;
    int waits;
    const char* cause;
};

class FirmwarePageFaultTest : public ::testing::TestWithParam<PageFaultCase> {};

TEST_P(FirmwarePageFaultTest, StopsAtTheFifthPage) {
    UploadRig rig;
    rig.device.armFault(GetParam().fault, 4);
    EXPECT_FALSE(rig.upload(rig.file(320)));
    EXPECT_EQ(rig.feedback.logLines,
              lines({{kFoundLine},
                     pageLines("Page written: ", 4, 10),
                     {"Page write error: 5/10",
                      "The upload stopped at page 5: " + std::string(GetParam().cause) + "."}}));
    EXPECT_EQ(rig.feedback.progressEvents, std::vector<std::string>{"begin 10"});
    EXPECT_EQ(rig.feedback.progressPosition, 4);
    EXPECT_EQ(rig.feedback.actionsEnabledEvents, (std::vector<bool>{false, true}));
    EXPECT_EQ(static_cast<int>(rig.waits.size()), GetParam().waits);
    EXPECT_EQ(rig.device.flash()[4 * 32 + 1], SimulatedDevice::kErasedFlash)
        << "nothing after the failed page is sent";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FirmwarePageFaultTest,
    ::testing::Values(PageFaultCase{SimulatedFault::Reject, 0, "the device refused the request"},
                      PageFaultCase{SimulatedFault::Silent, 1,
                                    "the device did not answer within 5 s"},
                      PageFaultCase{SimulatedFault::Unplug, 0, "the device is gone (unplugged?)"}));

}  // namespace
}  // namespace korvex::testing
