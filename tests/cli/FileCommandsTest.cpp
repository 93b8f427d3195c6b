// The file commands of korvex-cli, run as a program: defaults and ruf.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "files/Xtea.h"
#include "support/CliRunner.h"

namespace korvex::testing {
namespace {

class FileCommands : public CliRunner {};

TEST_F(FileCommands, DefaultsWritesTheStartupSettings) {
    const CliRun run = cli("defaults -o " + at("d.cfg"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    const std::string text = readFile(folder / "d.cfg");
    EXPECT_EQ(text.rfind("[!WARNING]\r\nWARNING=Please do not try", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '='), 336 + 1);  // Beacon1_msg holds one
    EXPECT_NE(text.find("\r\nQuiettime_randomize=4\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTeleanalog1_name=Vin\r\n"), std::string::npos);
}

TEST_F(FileCommands, DefaultsUpdatesAnExistingFile) {
    writeFile(folder / "d.cfg", "[Mine]\r\nkept=yes\r\n[Radio]\r\nCallsign=OLD\r\n");
    ASSERT_EQ(cli("defaults -o " + at("d.cfg")).status, 0);
    const std::string text = readFile(folder / "d.cfg");
    EXPECT_EQ(text.rfind("[Mine]\r\nkept=yes\r\n[Radio]\r\nCallsign=NOCALL\r\nSSID=0\r\n", 0), 0u);
}

struct FailingRun {
    const char* name;
    std::string arguments;  // "@" stands for the test's folder
    int status;
    std::string err;  // "" to check only the status
};

class FileCommandFailures : public FileCommands,
                            public ::testing::WithParamInterface<FailingRun> {};

TEST_P(FileCommandFailures, ExitWithTheMessage) {
    writeFile(folder / "ok.cfg", "");
    ASSERT_EQ(cli("defaults -o " + at("ok.cfg")).status, 0);
    writeFile(folder / "fw.hash", std::string(1000, '\x11'));
    writeFile(folder / "big.hash", std::string(245761, '\x11'));
    writeFile(folder / "out.ruf", "old");
    std::string arguments = GetParam().arguments;
    std::string err = GetParam().err;
    for (std::string* text : {&arguments, &err}) {
        for (size_t at = text->find('@'); at != std::string::npos; at = text->find('@', at)) {
            text->replace(at, 1, folder.path().string());
        }
    }
    const CliRun run = cli(arguments);
    EXPECT_EQ(run.status, GetParam().status);
    if (!GetParam().err.empty()) {
        EXPECT_EQ(run.err, err);
    }
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile(folder / "out.ruf"), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileCommandFailures,
    ::testing::Values(
        FailingRun{"DefaultsWithoutOutput", "defaults", 2, ""},
        FailingRun{"DefaultsWithArgument", "defaults x -o @/a.cfg", 2, ""},
        FailingRun{"DefaultsUnwritable", "defaults -o @/missing/a.cfg", 1,
                   "Unable to write to @/missing/a.cfg\n"},
        FailingRun{"RufWithoutOutput", "ruf @/ok.cfg @/fw.hash", 2, ""},
        FailingRun{"RufWithBadTime", "ruf @/ok.cfg @/fw.hash -o @/out.ruf --time 2024-13-01T00:00",
                   2, ""},
        FailingRun{"RufFirmwareTooLong", "ruf @/ok.cfg @/big.hash -o @/out.ruf", 1,
                   "File open error: Firmware file too long\n"},
        FailingRun{"RufFirmwareMissing", "ruf @/ok.cfg @/none.hash -o @/out.ruf", 1,
                   "File open error: Could not open firmware file\n"},
        FailingRun{"RufNotAConfigFile", "ruf @/fw.hash @/fw.hash -o @/out.ruf", 1,
                   "Imported configuration file is not a Korvex Mini configuration file. "
                   "\nOperation aborted.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, RufCarriesTheImageThatEncodeWrites) {
    ASSERT_EQ(cli("defaults -o " + at("d.cfg")).status, 0);
    writeFile(folder / "fw.hash", std::string(4096, '\x42'));
    const std::string time = " --time 2024-07-09T08:05";
    const CliRun run =
        cli("ruf " + at("d.cfg") + " " + at("fw.hash") + " -o " + at("a.ruf") + time);
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(cli("ruf " + at("d.cfg") + " " + at("fw.hash") + " -o " + at("b.ruf") + time).status,
              0);
    ASSERT_EQ(cli("encode " + at("d.cfg") + " -o " + at("image.bin") + time).status, 0);
    const std::string file = readFile(folder / "a.ruf");
    EXPECT_EQ(file, readFile(folder / "b.ruf"));
    ASSERT_EQ(file.size(), 6656u + 4096u);
    EXPECT_EQ(file.substr(0, 4), std::string("\x00\x10\x00\x00", 4));
    std::vector<uint8_t> image(file.begin() + 512, file.begin() + 6656);
    xteaDecipherBlocks(image, kRemoteUpdateKey);
    EXPECT_EQ(std::string(image.begin(), image.end()), readFile(folder / "image.bin"));
    EXPECT_EQ(file.substr(6656), std::string(4096, '\x42'));
}

TEST_F(FileCommands, RufStopsAtAFailingCheck) {
    writeFile(folder / "c.cfg",
              "[!WARNING]\r\nApplication=Korvex Mini Configurator\r\nVersion=v1.10\r\n"
              "[Radio]\r\nTXdelay=5\r\n");
    writeFile(folder / "fw.hash", "fw");
    const CliRun run = cli("ruf " + at("c.cfg") + " " + at("fw.hash") + " -o " + at("c.ruf"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "TX delay - range error (200 - 1000).\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "c.ruf"));
}

}  // namespace
}  // namespace korvex::testing
