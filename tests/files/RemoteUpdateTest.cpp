#include "files/RemoteUpdate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files/Crc32.h"
#include "files/Xtea.h"
#include "settings/SeededRandom.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "support/RecordingFeedback.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempDir.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::RecordingFeedback;
using testing::ScriptedFileChooser;
using testing::TempDir;
using testing::writeFile;

uint32_t little32(const std::vector<uint8_t>& bytes, size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<uint8_t> firmwareOf(size_t size) {
    std::vector<uint8_t> firmware(size);
    for (size_t i = 0; i < size; ++i) {
        firmware[i] = static_cast<uint8_t>(i * 7 + i / 256);
    }
    return firmware;
}

// Checks the whole layout of an update file against the image and firmware it should carry.
void expectUpdateFile(const std::vector<uint8_t>& file, const ConfigImage& image,
                      const std::vector<uint8_t>& firmware, int64_t seed) {
    ASSERT_EQ(file.size(), 6656 + firmware.size());
    EXPECT_EQ(little32(file, 0), firmware.size());
    EXPECT_EQ(little32(file, 4), crc32Jam(std::span(file).subspan(512)));
    SeededRandom random(seed);
    for (size_t offset = 8; offset < 512; ++offset) {
        EXPECT_EQ(file[offset], random.next() % 255) << offset;
    }
    EXPECT_EQ(std::count(file.begin() + 8, file.begin() + 512, 255), 0);
    std::vector<uint8_t> deciphered(file.begin() + 512, file.begin() + 6656);
    EXPECT_FALSE(std::equal(deciphered.begin(), deciphered.end(), image.bytes.begin()));
    xteaDecipherBlocks(deciphered, kRemoteUpdateKey);
    EXPECT_TRUE(std::equal(deciphered.begin(), deciphered.end(), image.bytes.begin()));
    EXPECT_TRUE(std::equal(firmware.begin(), firmware.end(), file.begin() + 6656));
}

class PackSizes : public ::testing::TestWithParam<size_t> {};

TEST_P(PackSizes, LaysOutTheFile) {
    ConfigImage image;
    for (size_t i = 0; i < kImageSize; ++i) {
        image.bytes[i] = static_cast<uint8_t>(i % 251);
    }
    const auto firmware = firmwareOf(GetParam());
    expectUpdateFile(packRemoteUpdate(image, firmware, 1234567), image, firmware, 1234567);
}

INSTANTIATE_TEST_SUITE_P(FirmwareLengths, PackSizes, ::testing::Values(0u, 1u, 8u, 4095u, 245760u));

TEST(PackRemoteUpdate, FixedBlockAndCrcOfAZeroImage) {
    // Every block of a zero image enciphers alike under the fixed key; the CRC covers it alone.
    const std::vector<uint8_t> file = packRemoteUpdate(ConfigImage{}, {}, 0);
    uint32_t y = 0;
    uint32_t z = 0;
    xteaEncipher(y, z, kRemoteUpdateKey);
    for (size_t offset = 512; offset < 6656; offset += 8) {
        ASSERT_EQ(little32(file, offset), y);
        ASSERT_EQ(little32(file, offset + 4), z);
    }
    EXPECT_EQ(little32(file, 0), 0u);
    EXPECT_EQ(little32(file, 4), crc32Jam(std::span(file).subspan(512, 6144)));
}

// A run of "Build remote update file" on the start-up settings, in a temporary program folder.
struct Build {
    TempDir dir;
    SettingsStore settings;
    RecordingFeedback feedback;
    ScriptedFileChooser chooser;
    FixedClock clock{UtcDateTime{2025, 2, 3, 4, 5, 6}};
    ConfigImage outgoing;

    Build() { applyStartupState(settings, FixedClock({2020, 1, 1, 0, 0, 0})); }
    fs::path firmware(size_t size) {
        const auto bytes = firmwareOf(size);
        writeFile(dir / "fw.hash", std::string(bytes.begin(), bytes.end()));
        return dir / "fw.hash";
    }
    bool run() {
        return BuildRemoteUpdateFile(outgoing, settings, feedback, chooser, clock, dir / "prog");
    }
};

TEST(BuildRemoteUpdate, WritesTheFileThroughBothDialogs) {
    for (size_t size : {size_t{0}, size_t{245760}}) {
        Build build;
        build.chooser.answer(build.firmware(size));
        build.chooser.answer(build.dir / "out");  // used as typed, no extension added
        ASSERT_TRUE(build.run());
        EXPECT_TRUE(build.feedback.boxes.empty());
        ASSERT_EQ(build.chooser.requests.size(), 2u);
        EXPECT_EQ(build.chooser.requests[0].kind, "open");
        EXPECT_EQ(build.chooser.requests[0].filter, "Korvex firmware hash files (*.hash)|*.hash");
        EXPECT_EQ(build.chooser.requests[0].initialFolder, build.dir / "prog" / "firmware");
        EXPECT_EQ(build.chooser.requests[1].kind, "save");
        EXPECT_EQ(build.chooser.requests[1].filter, "KorvexMini remote update files (*.ruf)|*.ruf");
        EXPECT_EQ(build.chooser.requests[1].initialFolder, build.dir / "prog" / "remote");
        EXPECT_EQ(build.chooser.requests[1].proposedName, "korvexmini.ruf");
        EXPECT_TRUE(build.outgoing.checksumMatches());
        expectUpdateFile(bytesOf(readFile(build.dir / "out")), build.outgoing, firmwareOf(size),
                         build.clock.secondsNow());
        EXPECT_EQ(std::distance(fs::directory_iterator(build.dir.path()), fs::directory_iterator()),
                  2);
    }
}

TEST(BuildRemoteUpdate, CopiesTheClockOnlyWhenUploadpctimeIsTicked) {
    for (bool ticked : {true, false}) {
        Build build;
        build.settings.setChecked("Uploadpctime", ticked);
        build.chooser.answer(build.firmware(16));
        build.chooser.answer(build.dir / "out.ruf");
        ASSERT_TRUE(build.run());
        EXPECT_EQ(build.settings.text("Rtcyear"), ticked ? "2025" : "2020");
        EXPECT_EQ(build.settings.text("Rtcmin"), ticked ? "5" : "0");
    }
}

TEST(BuildRemoteUpdate, TooLongFirmwareLeavesTheDestinationAsItWas) {
    Build build;
    writeFile(build.dir / "out.ruf", "previous update");
    build.chooser.answer(build.firmware(245761));
    build.chooser.answer(build.dir / "out.ruf");
    EXPECT_FALSE(build.run());
    EXPECT_EQ(build.feedback.boxes, (std::vector<RecordingFeedback::Box>{
                                        {"message", "File open error", "Firmware file too long"}}));
    EXPECT_EQ(readFile(build.dir / "out.ruf"), "previous update");
}

struct FailureCase {
    const char* name;
    bool firmwareExists;
    bool answerFirmware;
    bool answerDestination;
    const char* destination;  // inside the test folder
    size_t dialogs;
    std::vector<RecordingFeedback::Box> boxes;
};

class BuildFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(BuildFailure, WritesNothing) {
    const FailureCase& c = GetParam();
    Build build;
    fs::create_directory(build.dir / "ro");
    writeFile(build.dir / "ro" / "old.ruf", "old");
    fs::permissions(build.dir / "ro" / "old.ruf", fs::perms::owner_read);
    const fs::path firmware = c.firmwareExists ? build.firmware(100) : build.dir / "none.hash";
    build.chooser.answer(c.answerFirmware ? std::optional(firmware) : std::nullopt);
    build.chooser.answer(c.answerDestination ? std::optional(build.dir / c.destination)
                                             : std::nullopt);
    EXPECT_FALSE(build.run());
    EXPECT_EQ(build.chooser.requests.size(), c.dialogs);
    EXPECT_EQ(build.feedback.boxes, c.boxes);
    if (c.destination != std::string("ro/old.ruf")) {
        EXPECT_FALSE(fs::exists(build.dir / c.destination));
    }
    EXPECT_EQ(readFile(build.dir / "ro" / "old.ruf"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(build.dir / "ro"), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildFailure,
    ::testing::Values(
        FailureCase{"FirmwareDialogCancelled", true, false, true, "out.ruf", 1, {}},
        FailureCase{"DestinationDialogCancelled", true, true, false, "out.ruf", 2, {}},
        FailureCase{"FirmwareMissing",
                    false,
                    true,
                    true,
                    "out.ruf",
                    1,
                    {{"message", "File open error", "Could not open firmware file"}}},
        FailureCase{"DestinationFolderMissing",
                    true,
                    true,
                    true,
                    "missing/out.ruf",
                    2,
                    {{"message", "File open error", "Could not open destination file."}}},
        FailureCase{"DestinationReadOnly",
                    true,
                    true,
                    true,
                    "ro/old.ruf",
                    2,
                    {{"message", "File open error", "Could not open destination file."}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildRemoteUpdate, FirmwareThatIsAFolderCannotBeOpened) {
    Build build;
    build.chooser.answer(build.dir.path());
    build.chooser.answer(build.dir / "out.ruf");
    EXPECT_FALSE(build.run());
    EXPECT_EQ(build.feedback.lastBoxText(), "Could not open firmware file");
    EXPECT_EQ(build.chooser.requests.size(), 1u);
}

TEST(BuildRemoteUpdate, FailingCheckStopsBeforeAnyDialog) {
    Build build;
    build.settings.setText("Callsign", "");
    build.chooser.answer(build.firmware(10));
    build.chooser.answer(build.dir / "out.ruf");
    EXPECT_FALSE(build.run());
    EXPECT_TRUE(build.chooser.requests.empty());
    ASSERT_EQ(build.feedback.boxes.size(), 1u);
    EXPECT_EQ(build.feedback.boxes[0].kind, "information");
    EXPECT_FALSE(fs::exists(build.dir / "out.ruf"));
}

}  // namespace
}  // namespace korvex
