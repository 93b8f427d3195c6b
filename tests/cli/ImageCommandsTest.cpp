// korvex-cli check, encode and decode, run as the user runs them.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>

#include <functional>
#include <string>

#include "image/Codec.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "support/RecordingFeedback.h"
#include "support/TempDir.h"

namespace korvex::testing {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class ImageCommands : public ::testing::Test {
  protected:
    CliRun cli(const std::string& arguments) {
        const char* bin = std::getenv("KORVEX_BIN_DIR");
        const std::string program = std::string(bin != nullptr ? bin : "bin") + "/korvex-cli";
        const std::string command = "'" + program + "' " + arguments + " >'" +
                                    (dir / "out").string() + "' 2>'" + (dir / "err").string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"),
                readFile(dir / "err")};
    }
    std::string path(const std::string& name) const { return "'" + (dir / name).string() + "'"; }

    // An image of the start-up settings, edited by `edit` the way a device could hold it (the
    // decoder checks nothing), with its checksum made to match; written as NAME.
    void writeImage(
        const std::string& name,
        const std::function<void(ConfigImage&)>& edit = [](ConfigImage&) {}) {
        const FixedClock clock({2024, 3, 9, 14, 7, 30});
        SettingsStore settings;
        applyStartupState(settings, clock);
        ConfigImage image;
        RecordingFeedback feedback;
        ASSERT_TRUE(EncodeConfigImage(image, settings, feedback, clock));
        edit(image);
        const uint32_t sum = image.computeChecksum();
        for (int i = 0; i < 4; ++i) {
            image.bytes[i] = static_cast<uint8_t>(sum >> (8 * i));
        }
        writeFile(dir / name, std::string(image.bytes.begin(), image.bytes.end()));
    }

    TempDir dir;
};

TEST_F(ImageCommands, DecodeCheckEncodeGiveBackTheSameImage) {
    writeImage("device.bin");
    CliRun decoded = cli("decode " + path("device.bin") + " -o " + path("device.cfg"));
    ASSERT_EQ(decoded.status, 0) << decoded.err;
    EXPECT_EQ(decoded.err, "");

    CliRun checked = cli("check " + path("device.cfg"));
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.out, "OK\n");

    CliRun encoded = cli("encode " + path("device.cfg") + " -o " + path("again.bin") +
                         " --time 2024-03-09T14:07");
    ASSERT_EQ(encoded.status, 0) << encoded.err;
    const std::string first = readFile(dir / "device.bin");
    const std::string again = readFile(dir / "again.bin");
    ASSERT_EQ(again.size(), kImageSize);
    // The same settings and the same clock fields; only the stamp and the checksum differ, the
    // stamp being seeded from 14:07:00 now.
    EXPECT_EQ(again.substr(6), first.substr(6));
    EXPECT_EQ(again.substr(552, 6), std::string("\xE8\x07\x03\x09\x0E\x07", 6));
}

TEST_F(ImageCommands, CheckAndEncodeReportTheFirstFailingSetting) {
    writeImage("device.bin", [](ConfigImage& image) {
        image.bytes[24] = 2000 & 0xFF;  // Txdelay
        image.bytes[25] = 2000 >> 8;
    });
    ASSERT_EQ(cli("decode " + path("device.bin") + " -o " + path("bad.cfg")).status, 0);

    CliRun checked = cli("check " + path("bad.cfg"));
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out, "");
    EXPECT_EQ(checked.err, "TX delay - range error (200 - 1000).\n");

    CliRun encoded = cli("encode " + path("bad.cfg") + " -o " + path("bad.bin"));
    EXPECT_EQ(encoded.status, 1);
    EXPECT_EQ(encoded.err, "TX delay - range error (200 - 1000).\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.bin"));
}

TEST_F(ImageCommands, CheckRefusesACallsignTooLongForItsField) {
    writeImage("device.bin");
    ASSERT_EQ(cli("decode " + path("device.bin") + " -o " + path("device.cfg")).status, 0);
    std::string cfg = readFile(dir / "device.cfg");
    const size_t at = cfg.find("Callsign=NOCALL");
    ASSERT_NE(at, std::string::npos);
    cfg.replace(at, 15, "Callsign=SP5ABCD");
    writeFile(dir / "long.cfg", cfg);
    CliRun checked = cli("check " + path("long.cfg"));
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.err, "Callsign - too long (max. 6 characters).\n");
}

TEST_F(ImageCommands, DecodeRefusesWrongSizeBadChecksumAndOtherVersion) {
    writeFile(dir / "short.bin", std::string(6143, '\0'));
    CliRun shortImage = cli("decode " + path("short.bin") + " -o " + path("x.cfg"));
    EXPECT_EQ(shortImage.status, 1);
    EXPECT_NE(shortImage.err.find("6144"), std::string::npos) << shortImage.err;

    writeImage("device.bin");
    std::string bytes = readFile(dir / "device.bin");
    bytes[600] ^= 1;
    writeFile(dir / "sum.bin", bytes);
    CliRun badSum = cli("decode " + path("sum.bin") + " -o " + path("x.cfg"));
    EXPECT_EQ(badSum.status, 1);
    EXPECT_EQ(badSum.out, "Eeprom checksum error. Please reload configuration.\n");

    writeFile(dir / "zero.bin", std::string(kImageSize, '\0'));
    CliRun old = cli("decode " + path("zero.bin") + " -o " + path("x.cfg"));
    EXPECT_EQ(old.status, 1);
    EXPECT_EQ(old.err, "Uncompatible configuration version:\nDevice: \nConfigurator: v1.10\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "x.cfg"));
}

TEST_F(ImageCommands, EncodeNeedsAnOutput) {
    EXPECT_EQ(cli("encode " + path("any.cfg")).status, 2);
    EXPECT_EQ(cli("decode " + path("any.bin")).status, 2);
    EXPECT_EQ(cli("check").status, 2);
}

}  // namespace
}  // namespace korvex::testing
