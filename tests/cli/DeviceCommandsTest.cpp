// The device commands of korvex-cli, run as a program against a simulated device in a folder.

#include <gtest/gtest.h>

#include <sstream>

#include <string>
#include <vector>

#include "support/CliRunner.h"

namespace korvex::testing {
namespace {

class DeviceCommands : public CliRunner {
  protected:
    std::string simulate() const { return " --simulate " + at("sim"); }
};

TEST_F(DeviceCommands, VersionOfAFreshSimulatedDevice) {
    const CliRun run = cli("version" + simulate());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Korvex Mini found, vid: Vid_0483, pid: A04B\nFirmware version: 1.10\n");
    EXPECT_EQ(readFile(folder / "sim" / "eeprom.bin").size(), 6144u);
    EXPECT_EQ(readFile(folder / "sim" / "firmware.bin"), std::string(245760, '\xFF'));
}

TEST_F(DeviceCommands, WithoutSimulationTheAttachedDeviceIsSearched) {
    const CliRun run = cli("version");
    if (run.out.rfind("Korvex Mini found", 0) == 0) {
        GTEST_SKIP() << "a Korvex Mini is attached to this machine";
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Korvex Mini not found.\n");
}

TEST_F(DeviceCommands, WriteThenReadGivesBackTheSettings) {
    ASSERT_EQ(cli("defaults -o " + at("start.cfg")).status, 0);
    const CliRun written = cli("write " + at("start.cfg") +
                               " --time 2024-07-09T08:05 --no-verify --no-backup" + simulate());
    EXPECT_EQ(written.status, 0) << written.err;
    const auto writeLines = written.outLines();
    ASSERT_EQ(writeLines.size(), 196u);
    EXPECT_EQ(writeLines[1], "No backup made (--no-backup).");
    EXPECT_EQ(writeLines[2], "Page written: 1/192");
    EXPECT_EQ(writeLines[194], "Eeprom write success");
    EXPECT_EQ(writeLines.back(), "Not verified (--no-verify).");

    const CliRun readBack = cli("read -o " + at("back.cfg") + simulate());
    EXPECT_EQ(readBack.status, 0) << readBack.err;
    const auto lines = readBack.outLines();
    ASSERT_EQ(lines.size(), 196u);
    EXPECT_EQ(lines[192], "Page read: 192/192");
    EXPECT_EQ(lines[193], "Eeprom read success.");
    EXPECT_EQ(lines[195], "Firmware version: 1.10");
    // The image keeps the APRS-IS user in upper case; everything else comes back as it went.
    std::string expected = readFile(folder / "start.cfg");
    const std::string user = "Aprsis_user=nocall";
    const auto found = expected.find(user);
    ASSERT_NE(found, std::string::npos);
    expected.replace(found, user.size(), "Aprsis_user=NOCALL");
    EXPECT_TRUE(readFile(folder / "back.cfg") == expected) << readFile(folder / "back.cfg");
}

TEST_F(DeviceCommands, WriteBacksUpVerifiesAndTracesAndFailsOnADifference) {
    ASSERT_EQ(cli("set " + at("start.cfg") + " Callsign=SP5AB").status, 0);
    const CliRun run =
        cli("write " + at("start.cfg") + " --time 2026-12-08T21:30 --backup-dir " + at("backups") +
            " --trace " + at("trace.txt") + simulate() + " --sim-fault corrupt:40");
    EXPECT_EQ(run.status, 1) << run.err;
    const auto lines = run.outLines();
    ASSERT_GE(lines.size(), 199u);
    EXPECT_EQ(lines[1].rfind("Backup saved: ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "Write config will change 1 setting:");
    EXPECT_EQ(lines[3], "  Radio / Callsign: \"NOCALL\" -> \"SP5AB\"");
    // The simulated device was made at another minute than --time.
    EXPECT_EQ(lines[4], "Write config will also set the device's clock (RTC/NTP time).");
    EXPECT_EQ(lines[197], "Eeprom write success");
    EXPECT_EQ(lines[198], "Eeprom verify error: 1 setting differs: Path name (Pathn6_name)");
    // The backup's path as the system writes it (a Windows build joins it with a backslash).
    const std::string advice =
        "The device does not hold what was written. Write config again; the settings it held "
        "before are in ";
    EXPECT_EQ(lines.back().rfind(advice + folder.path().string(), 0), 0u) << lines.back();
    EXPECT_TRUE(lines.back().ends_with("NOCALL-20261208T2130Z.cfg.")) << lines.back();
    EXPECT_TRUE(std::filesystem::exists(folder / "backups" / "NOCALL-20261208T2130Z.bin"));
    const std::string tracePath = (folder / "trace.txt").string();
    // The failure on stderr too, with the command that puts the backup back; a path with a
    // backslash (a Windows build's separator) is quoted for the shell.
    const std::string backup =
        lines.back().substr(advice.size(), lines.back().size() - advice.size() - 1);
    const std::string shownBackup =
        backup.find('\\') == std::string::npos ? backup : "'" + backup + "'";
    EXPECT_EQ(run.err, "Trace recording started: " + tracePath + "\n" + lines.back() +
                           "\nTo restore the backup kept before this write: korvex-cli restore " +
                           shownBackup + " --simulate " + (folder / "sim").string() +
                           "\nTrace recording stopped: " + tracePath + "\n");
    // Backup, write and verify: 576 exchanges of two lines each.
    std::istringstream trace(readFile(folder / "trace.txt"));
    size_t traced = 0;
    for (std::string line; std::getline(trace, line);) {
        ++traced;
    }
    EXPECT_EQ(traced, 2u * 576);
}

// A write that succeeded leaves nothing for diff to report: texts the device stores alike (the
// call's padding, the upper-cased APRS-IS user) are the same setting. A dry run writes nothing,
// and show and diff keep the device's log lines off stdout.
TEST_F(DeviceCommands, DiffAfterAWriteFindsNothingAndADryRunChangesNothing) {
    ASSERT_EQ(cli("set " + at("hill.cfg") + " Callsign=SP5AB Aprsis_user=nocall").status, 0);
    ASSERT_EQ(cli("write " + at("hill.cfg") + " --no-backup" + simulate()).status, 0);
    const CliRun same = cli("diff " + at("hill.cfg") + " device" + simulate());
    EXPECT_EQ(same.status, 0) << same.out;
    EXPECT_EQ(same.out, "");
    EXPECT_NE(same.err.find("Eeprom read success."), std::string::npos) << same.err;
    const CliRun typed = cli("diff --text " + at("hill.cfg") + " device" + simulate());
    EXPECT_EQ(typed.status, 1);
    EXPECT_EQ(typed.out,
              "Radio / Callsign: \"SP5AB\" -> \"SP5AB \"  [Callsign]\n"
              "APRS-IS / User: \"nocall\" -> \"NOCALL\"  [Aprsis_user]\n");
    const CliRun shown = cli("show device" + simulate());
    EXPECT_EQ(shown.out.find("Page read"), std::string::npos);

    ASSERT_EQ(cli("set " + at("hill.cfg") + " Callsign=SP5ABC Txdelay=0300").status, 0);
    const std::string before = readFile(folder / "sim" / "eeprom.bin");
    const CliRun dry = cli("write " + at("hill.cfg") + " --dry-run" + simulate());
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.outLines(),
              (std::vector<std::string>{"Korvex Mini found, vid: Vid_0483, pid: A04B",
                                        "Write config will change 2 settings:",
                                        "  Radio / Callsign: \"SP5AB \" -> \"SP5ABC\"",
                                        "  Radio / TX delay [ms]: \"250\" -> \"300\"",
                                        "Dry run: nothing was written to the device."}));
    EXPECT_TRUE(readFile(folder / "sim" / "eeprom.bin") == before);
    const CliRun failing =
        cli("write " + at("hill.cfg") + " --dry-run" + simulate() + " --sim-fault reject:3");
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.outLines().back(),
              "The read stopped at page 4: the device refused the request.");
    EXPECT_EQ(failing.err, failing.outLines().back() + "\n");
    EXPECT_TRUE(readFile(folder / "sim" / "eeprom.bin") == before);
}

TEST_F(DeviceCommands, FailedReadSavesNoFile) {
    const CliRun run = cli("read -o " + at("out.cfg") + simulate() + " --sim-fault reject:40");
    EXPECT_EQ(run.status, 1);
    const auto lines = run.outLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "The read stopped at page 41: the device refused the request.");
    EXPECT_EQ(lines[lines.size() - 2], "Eeprom checksum error. Please reload configuration.");
    EXPECT_FALSE(std::filesystem::exists(folder / "out.cfg"));
}

TEST_F(DeviceCommands, InterruptedWriteFailsAndKeepsTheWrittenPages) {
    ASSERT_EQ(cli("defaults -o " + at("start.cfg")).status, 0);
    ASSERT_EQ(cli("version" + simulate()).status, 0);
    const std::string before = readFile(folder / "sim" / "eeprom.bin");
    const CliRun run = cli("write " + at("start.cfg") + " --time 2030-01-02T03:04" + simulate() +
                           " --no-backup --sim-fault unplug:3");
    EXPECT_EQ(run.status, 1);
    const auto lines = run.outLines();
    ASSERT_FALSE(lines.empty()) << run.err;
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "Page write error: 4/192");
    EXPECT_EQ(lines[lines.size() - 2],
              "The write stopped at page 4: the device is gone (unplugged?).");
    EXPECT_EQ(run.err, lines.back() + "\n");
    const std::string after = readFile(folder / "sim" / "eeprom.bin");
    EXPECT_NE(after.substr(0, 96), before.substr(0, 96));
    EXPECT_EQ(after.substr(96), before.substr(96));
}

// A write cut off after its backup, then the way back the CLI names: the backup is listed with
// its station and how far it is from the device, and restore puts the old image back exactly.
TEST_F(DeviceCommands, RestoreAfterAnInterruptedWritePutsTheBackupBack) {
    ASSERT_EQ(cli("defaults -o " + at("start.cfg")).status, 0);
    ASSERT_EQ(cli("set " + at("start.cfg") + " Callsign=SP5AB Ssid=3").status, 0);
    ASSERT_EQ(cli("version" + simulate()).status, 0);
    const std::string before = readFile(folder / "sim" / "eeprom.bin");
    const std::string backups = " --backup-dir " + at("backups");
    const CliRun failed =
        cli("write " + at("start.cfg") + backups + simulate() + " --sim-fault unplug:write:10");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("partly written configuration"), std::string::npos) << failed.err;
    EXPECT_NE(failed.err.find("To restore the backup kept before this write: korvex-cli restore "),
              std::string::npos)
        << failed.err;

    const CliRun listed = cli("backups --device" + backups + simulate());
    EXPECT_EQ(listed.status, 1) << "the partly written device cannot be read: " << listed.err;
    ASSERT_EQ(listed.outLines().size(), 1u) << listed.out;
    EXPECT_EQ(listed.outLines()[0].rfind("NOCALL  ", 0), 0u) << listed.out;

    // The device names SP5AB-3 in its first pages, but only NOCALL has a backup: not taken.
    const CliRun refused = cli("restore" + backups + simulate());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("No backup of SP5AB-3 can be restored"), std::string::npos)
        << refused.err;

    const std::string file = listed.outLines()[0].substr(listed.outLines()[0].rfind("  ") + 2);
    // Quoted: a Windows build lists the path with a backslash, which the shell would take away.
    const CliRun restored = cli("restore '" + file + "'" + backups + simulate());
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.outLines().back(), "Eeprom verify success");
    EXPECT_TRUE(readFile(folder / "sim" / "eeprom.bin") == before);
    const CliRun same = cli("backups --device" + backups + simulate());
    EXPECT_NE(same.out.find("same settings as the device"), std::string::npos) << same.out;
}

TEST_F(DeviceCommands, FirmwareGoesIntoTheSimulatedFlash) {
    std::string firmware(100, '\0');
    for (size_t i = 0; i < firmware.size(); ++i) {
        firmware[i] = static_cast<char>(i + 1);
    }
    writeFile(folder / "new.hash", firmware);
    const CliRun run = cli("firmware " + at("new.hash") + simulate());
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = run.outLines();
    ASSERT_FALSE(lines.empty()) << run.err;
    EXPECT_EQ(lines.back(), "Firmware upgrade success");
    const std::string flash = readFile(folder / "sim" / "firmware.bin");
    EXPECT_EQ(flash.substr(0, 128), firmware + std::string(28, '\0'));
    EXPECT_EQ(flash.substr(128), std::string(245760 - 128, '\xFF'));
}

TEST_F(DeviceCommands, FirmwareFileErrorsGoToStderr) {
    writeFile(folder / "big.hash", std::string(245761, 'x'));
    const CliRun tooLong = cli("firmware " + at("big.hash") + simulate());
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_EQ(tooLong.err, "File to long.: Firmware file error.\n");
    const CliRun missing = cli("firmware " + at("none.hash") + simulate());
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "File open error: File open error.\n");
}

TEST_F(DeviceCommands, NotANumberInTheFileEndsTheWrite) {
    ASSERT_EQ(cli("defaults -o " + at("start.cfg")).status, 0);
    std::string text = readFile(folder / "start.cfg");
    const std::string ssid = "\r\nSSID=0\r\n";
    const auto found = text.find(ssid);
    ASSERT_NE(found, std::string::npos);
    text.replace(found, ssid.size(), "\r\nSSID=one\r\n");
    writeFile(folder / "bad.cfg", text);
    const CliRun run = cli("write " + at("bad.cfg") + simulate() + " --no-backup");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "'one' is not a valid integer value\n");
}

TEST_F(DeviceCommands, MalformedFaultOptionsAreUsageErrors) {
    for (const std::string& options : std::vector<std::string>{
             " --sim-fault reject:1", simulate() + " --sim-fault crash:1",
             simulate() + " --sim-fault reject", simulate() + " --sim-fault reject:",
             simulate() + " --sim-fault reject:70000", simulate() + " --sim-fault reject:1x"}) {
        const CliRun run = cli("version" + options);
        EXPECT_EQ(run.status, 2) << options;
        EXPECT_EQ(run.out, "") << options;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "sim"));
}

}  // namespace
}  // namespace korvex::testing
