// korvex-cli check, encode and decode, run as the user runs them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "image/StartupImage.h"
#include "support/CliRunner.h"

namespace korvex::testing {
namespace {

class ImageCommands : public CliRunner {
  protected:
    // An image of the start-up settings, edited by `edit` the way a device could hold it (the
    // decoder checks nothing), with its checksum made to match; written as NAME.
    void writeImage(
        const std::string& name,
        const std::function<void(ConfigImage&)>& edit = [](ConfigImage&) {}) {
        ConfigImage image = startupImage(FixedClock({2024, 3, 9, 14, 7, 30}));
        edit(image);
        const uint32_t sum = image.computeChecksum();
        for (int i = 0; i < 4; ++i) {
            image.bytes[i] = static_cast<uint8_t>(sum >> (8 * i));
        }
        writeFile(folder / name, std::string(image.bytes.begin(), image.bytes.end()));
    }
};

TEST_F(ImageCommands, DecodeCheckEncodeGiveBackTheSameImage) {
    writeImage("device.bin");
    CliRun decoded = cli("decode " + at("device.bin") + " -o " + at("device.cfg"));
    ASSERT_EQ(decoded.status, 0) << decoded.err;
    EXPECT_EQ(decoded.err, "");

    CliRun checked = cli("check " + at("device.cfg"));
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.outLines().front(), "OK");
    EXPECT_EQ(checked.outLines().back(), "9 warnings, 0 notes");

    CliRun encoded =
        cli("encode " + at("device.cfg") + " -o " + at("again.bin") + " --time 2024-03-09T14:07");
    ASSERT_EQ(encoded.status, 0) << encoded.err;
    const std::string first = readFile(folder / "device.bin");
    const std::string again = readFile(folder / "again.bin");
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
    ASSERT_EQ(cli("decode " + at("device.bin") + " -o " + at("bad.cfg")).status, 0);

    CliRun checked = cli("check " + at("bad.cfg"));
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out, "");
    EXPECT_EQ(checked.err, "TX delay - range error (200 - 1000).\n");

    CliRun encoded = cli("encode " + at("bad.cfg") + " -o " + at("bad.bin"));
    EXPECT_EQ(encoded.status, 1);
    EXPECT_EQ(encoded.err, "TX delay - range error (200 - 1000).\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.bin"));
}

TEST_F(ImageCommands, CheckRefusesACallsignTooLongForItsField) {
    writeImage("device.bin");
    ASSERT_EQ(cli("decode " + at("device.bin") + " -o " + at("device.cfg")).status, 0);
    std::string cfg = readFile(folder / "device.cfg");
    const size_t callsign = cfg.find("Callsign=NOCALL");
    ASSERT_NE(callsign, std::string::npos);
    cfg.replace(callsign, 15, "Callsign=SP5ABCD");
    writeFile(folder / "long.cfg", cfg);
    CliRun checked = cli("check " + at("long.cfg"));
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.err, "Callsign - too long (max. 6 characters).\n");
}

TEST_F(ImageCommands, DecodeRefusesWrongSizeBadChecksumAndOtherVersion) {
    writeFile(folder / "short.bin", std::string(6143, '\0'));
    CliRun shortImage = cli("decode " + at("short.bin") + " -o " + at("x.cfg"));
    EXPECT_EQ(shortImage.status, 1);
    EXPECT_NE(shortImage.err.find("6144"), std::string::npos) << shortImage.err;

    writeImage("device.bin");
    std::string bytes = readFile(folder / "device.bin");
    bytes[600] ^= 1;
    writeFile(folder / "sum.bin", bytes);
    CliRun badSum = cli("decode " + at("sum.bin") + " -o " + at("x.cfg"));
    EXPECT_EQ(badSum.status, 1);
    EXPECT_EQ(badSum.out, "Eeprom checksum error. Please reload configuration.\n");

    writeFile(folder / "zero.bin", std::string(kImageSize, '\0'));
    CliRun old = cli("decode " + at("zero.bin") + " -o " + at("x.cfg"));
    EXPECT_EQ(old.status, 1);
    EXPECT_EQ(old.err, "Uncompatible configuration version:\nDevice: \nConfigurator: v1.10\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "x.cfg"));
}

TEST_F(ImageCommands, EncodeNeedsAnOutput) {
    EXPECT_EQ(cli("encode " + at("any.cfg")).status, 2);
    EXPECT_EQ(cli("decode " + at("any.bin")).status, 2);
    EXPECT_EQ(cli("check").status, 2);
}

}  // namespace
}  // namespace korvex::testing
