#include <gtest/gtest.h>

#include <algorithm>

#include "SimulatedRig.h"
#include "device/ConfigTransfer.h"
#include "device/TraceTransport.h"
#include "image/StartupImage.h"
#include "settings/StartupState.h"
#include "support/TempDir.h"

namespace korvex::testing {
namespace {

// 2026-12-08 21:30 UTC, so the backup is named ...-20261208T2130Z.
const FixedClock kClock(UtcDateTime{2026, 12, 8, 21, 30, 0});

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        files.push_back(entry.path().filename());
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct SafeWriteCase {
    const char* name;
    bool backup;
    std::optional<SimulatedFault> fault;
    uint16_t page;
    std::vector<std::string> tail;  // the log after "Eeprom write success"
    bool result;
    friend void PrintTo(const SafeWriteCase& c, std::ostream* out) { *out << c.name; }
};

class SafeWriteTest : public ::testing::TestWithParam<SafeWriteCase> {};

TEST_P(SafeWriteTest, BacksUpWritesAndVerifiesInThatOrder) {
    const auto& param = GetParam();
    SimulatedRig rig(startupImage(kClock));
    if (param.fault) {
        rig.device.armFault(*param.fault, param.page);
    }
    TempDir scratch;
    const auto backups = scratch / "backups";
    SettingsStore settings = startupSettings(kClock);
    settings.setText("Callsign", "SP5AB");
    ConfigImage outgoing;

    EXPECT_EQ(WriteConfig(rig.link, outgoing, settings, rig.feedback, kClock,
                          {.backup = param.backup, .backupFolder = backups, .verify = true}),
              param.result);

    const std::string saved = "Backup saved: " + (backups / "NOCALL-20261208T2130Z.cfg").string();
    std::vector<std::string> head{kFoundLine};
    if (param.backup) {
        head.insert(head.end(), {saved, "Write config will change 1 setting:",
                                 "  Radio / Callsign: \"NOCALL\" -> \"SP5AB\""});
    }
    std::vector<std::string> tail = param.tail;
    for (auto& line : tail) {
        if (const auto at = line.find("BACKUP"); at != std::string::npos) {
            line.replace(at, 6, (backups / "NOCALL-20261208T2130Z.cfg").string());
        }
    }
    EXPECT_EQ(rig.feedback.logLines,
              lines({head, pageLines("Page written: ", 192, 192), {"Eeprom write success"}, tail}));
    // Three page loops, each with its own progress run.
    const int loops = param.backup ? 3 : 2;
    EXPECT_EQ(std::count(rig.feedback.events.begin(), rig.feedback.events.end(), "begin 192"),
              loops);
    if (param.backup) {
        EXPECT_EQ(filesIn(backups), (std::vector<std::filesystem::path>{
                                        "NOCALL-20261208T2130Z.bin", "NOCALL-20261208T2130Z.cfg"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SafeWriteTest,
    ::testing::Values(
        SafeWriteCase{"Clean", true, std::nullopt, 0, {"Eeprom verify success"}, true},
        SafeWriteCase{"CorruptedPathPage",
                      true,
                      SimulatedFault::Corrupt,
                      40,
                      {"Eeprom verify error: 1 setting differs: Path name (Pathn6_name)",
                       "Verify: Digipeater / Path name (Pathn6_name): written \"\", read back "
                       "\"\\x01\"",
                       "Verify: the device's image no longer matches its checksum; Read config "
                       "will refuse it.",
                       "The device does not hold what was written. Write config again; the "
                       "settings it held before are in BACKUP."},
                      false},
        // The checksum's own byte changes no setting, but the next read would refuse the image.
        SafeWriteCase{"CorruptedChecksum",
                      false,
                      SimulatedFault::Corrupt,
                      0,
                      {"Eeprom verify error: 1 byte differs without changing a setting: offset 0 "
                       "(checksum)",
                       "Verify: the device's image no longer matches its checksum; Read config "
                       "will refuse it.",
                       "The device does not hold what was written. Write config again."},
                      false}),
    [](const auto& info) { return std::string(info.param.name); });

// What happens between the device's image being read and the first page.
struct PlanCase {
    const char* name;
    void (*prepare)(ConfigImage& onDevice, SettingsStore& settings, WriteSafety& safety);
    std::vector<std::string> log;  // after the found line; SAVED stands for the backup line
    bool written;                  // whether the pages were written
    bool result;
    friend void PrintTo(const PlanCase& c, std::ostream* out) { *out << c.name; }
};

class WritePlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(WritePlanTest, ListsTheChangesAndWritesOnlyWhenAsked) {
    const auto& param = GetParam();
    ConfigImage onDevice = startupImage(kClock);
    SettingsStore settings = startupSettings(kClock);
    TempDir scratch;
    const auto backups = scratch / "backups";
    WriteSafety safety{.backup = true, .backupFolder = backups, .verify = false};
    param.prepare(onDevice, settings, safety);
    SimulatedRig rig(onDevice);
    if (safety.confirm) {
        // The question's answer, with the rig's device at hand for the case that unplugs it.
        safety.confirm = [&, ask = safety.confirm](const WritePlan* plan) {
            if (!ask(plan)) {
                return false;
            }
            if (!safety.backup) {
                rig.device.armFault(SimulatedFault::Unplug, 0);
            }
            return true;
        };
    }
    ConfigImage outgoing;

    EXPECT_EQ(WriteConfig(rig.link, outgoing, settings, rig.feedback, kClock, safety),
              param.result);

    std::vector<std::string> expected{kFoundLine};
    for (const std::string& line : param.log) {
        const auto backup = filesIn(backups);
        expected.push_back(line != "SAVED" || backup.empty()
                               ? line
                               : "Backup saved: " + (backups / backup.back()).string());
    }
    EXPECT_EQ(rig.feedback.logLines, expected);
    if (!param.written) {
        EXPECT_EQ(rig.device.eeprom(), onDevice);
    }
}

const std::vector<std::string> kCallsignChange = {"Write config will change 1 setting:",
                                                  "  Radio / Callsign: \"NOCALL\" -> \"SP5AB\""};
const std::vector<std::string> kWritten =
    lines({pageLines("Page written: ", 192, 192), {"Eeprom write success"}});

INSTANTIATE_TEST_SUITE_P(
    Cases, WritePlanTest,
    ::testing::Values(
        // Case, padding and leading zeros are stored alike: nothing to write.
        PlanCase{"NothingChanges",
                 [](ConfigImage&, SettingsStore& settings, WriteSafety&) {
                     settings.setText("Aprsis_user", "NoCall");
                     settings.setText("Txdelay", "0250");
                 },
                 {"The device already holds these settings."},
                 false,
                 true},
        // The clock is never a change, but a write that sets another minute still writes.
        PlanCase{"OnlyTheClock",
                 [](ConfigImage&, SettingsStore& settings, WriteSafety&) {
                     settings.setChecked("Uploadpctime", false);
                     settings.setText("Rtcmin", "59");
                 },
                 lines({{"SAVED", "Write config will set the device's clock (RTC/NTP time)."},
                        kWritten}),
                 true, true},
        PlanCase{"DryRunKeepsNoBackup",
                 [](ConfigImage&, SettingsStore& settings, WriteSafety& safety) {
                     settings.setText("Callsign", "SP5AB");
                     safety.dryRun = true;
                 },
                 lines({kCallsignChange, {"Dry run: nothing was written to the device."}}), false,
                 true},
        PlanCase{"Cancelled",
                 [](ConfigImage&, SettingsStore& settings, WriteSafety& safety) {
                     settings.setText("Callsign", "SP5AB");
                     safety.confirm = [](const WritePlan* plan) {
                         return plan == nullptr;  // refuses the plan it is shown
                     };
                 },
                 lines({{"SAVED"},
                        kCallsignChange,
                        {"Write config cancelled: nothing was written to the device."}}),
                 false, false},
        PlanCase{
            "BadChecksumOnTheDevice",
            [](ConfigImage& onDevice, SettingsStore& settings, WriteSafety&) {
                onDevice.bytes[0] ^= 1;
                settings.setText("Callsign", "SP5AB");
            },
            lines({{"SAVED", "Backup kept as .bin only: the device's image has a bad checksum."},
                   kCallsignChange,
                   {"The device's image has a bad checksum: the values shown as the "
                    "device's may not be what it uses."},
                   kWritten}),
            true, true},
        PlanCase{"OtherVersionOnTheDevice",
                 [](ConfigImage& onDevice, SettingsStore&, WriteSafety&) { onDevice.clear(); },
                 lines({{"SAVED",
                         "Backup kept as .bin only: the device's image is of version \"\", not "
                         "v1.10.",
                         "The device's image is not of this configuration version: its settings "
                         "cannot be compared."},
                        kWritten}),
                 true, true},
        // Without a backup the device is still read to ask with the plan; then it is unplugged
        // after the question, before its first page.
        PlanCase{"UnpluggedAfterTheQuestion",
                 [](ConfigImage&, SettingsStore& settings, WriteSafety& safety) {
                     settings.setText("Callsign", "SP5AB");
                     safety.backup = false;
                     safety.backupOffSwitch = "--no-backup";
                     safety.confirm = [](const WritePlan* plan) { return plan != nullptr; };
                 },
                 lines({kCallsignChange,
                        {"No backup made (--no-backup).", "Page write error: 1/192",
                         "The write stopped at page 1: the device is gone (unplugged?).",
                         "The device still holds the configuration it held before: the write "
                         "changed nothing on it."}}),
                 false, false},
        PlanCase{"VerifyOff",
                 [](ConfigImage&, SettingsStore& settings, WriteSafety& safety) {
                     settings.setText("Callsign", "SP5AB");
                     safety.verifyOffSwitch = "Device > Verify after writing is off";
                 },
                 lines({{"SAVED"},
                        kCallsignChange,
                        kWritten,
                        {"Not verified (Device > Verify after writing is off)."}}),
                 true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WritePlan, DryRunWhoseReadFailsWritesNothing) {
    SimulatedRig rig(startupImage(kClock));
    rig.device.armFault(SimulatedFault::Reject, 7);
    SettingsStore settings = startupSettings(kClock);
    settings.setText("Callsign", "SP5AB");
    ConfigImage outgoing;
    EXPECT_FALSE(WriteConfig(rig.link, outgoing, settings, rig.feedback, kClock,
                             {.backup = true, .verify = true, .dryRun = true}));
    EXPECT_EQ(rig.feedback.logLines,
              (std::vector<std::string>{kFoundLine, "Dry run page read error: 8/192",
                                        "Dry run: the device's image could not be read.",
                                        "The read stopped at page 8: the device refused the "
                                        "request."}));
    EXPECT_EQ(rig.device.eeprom(), startupImage(kClock));
}

struct BackupFailureCase {
    const char* name;
    std::optional<SimulatedFault> fault;
    bool folderIsAFile;
    std::vector<std::string> tail;  // the log after the found line, with FOLDER for the folder
    friend void PrintTo(const BackupFailureCase& c, std::ostream* out) { *out << c.name; }
};

class BackupFailureTest : public ::testing::TestWithParam<BackupFailureCase> {};

TEST_P(BackupFailureTest, WritesNoPage) {
    const auto& param = GetParam();
    ConfigImage old = startupImage(kClock);
    SimulatedRig rig(old);
    if (param.fault) {
        rig.device.armFault(*param.fault, 7);
    }
    TempDir scratch;
    const auto folder = scratch / "backups";
    if (param.folderIsAFile) {
        std::ofstream(folder) << "not a folder";
    }
    SettingsStore settings = startupSettings(kClock);
    settings.setText("Callsign", "SP5AB");
    ConfigImage outgoing;

    EXPECT_FALSE(WriteConfig(rig.link, outgoing, settings, rig.feedback, kClock,
                             {.backup = true, .backupFolder = folder, .verify = true}));

    std::vector<std::string> tail = param.tail;
    for (auto& line : tail) {
        if (const auto at = line.find("FOLDER"); at != std::string::npos) {
            line.replace(at, 6, folder.string());
        }
    }
    EXPECT_EQ(rig.feedback.logLines, lines({{kFoundLine}, tail}));
    EXPECT_EQ(rig.device.eeprom(), old);
    EXPECT_FALSE(std::filesystem::is_directory(folder));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackupFailureTest,
    ::testing::Values(BackupFailureCase{"DeviceRefusesAPage",
                                        SimulatedFault::Reject,
                                        false,
                                        {"Backup page read error: 8/192",
                                         "Backup failed: nothing was written to the device.",
                                         "The backup read stopped at page 8: the device refused "
                                         "the request. Nothing was written to the device; it "
                                         "still holds the configuration it held before."}},
                      BackupFailureCase{"UnpluggedDuringBackup",
                                        SimulatedFault::Unplug,
                                        false,
                                        {"Backup page read error: 8/192",
                                         "Backup failed: nothing was written to the device.",
                                         "The backup read stopped at page 8: the device is gone "
                                         "(unplugged?). Nothing was written to the device; it "
                                         "still holds the configuration it held before."}},
                      BackupFailureCase{"FolderCannotBeWritten",
                                        std::nullopt,
                                        true,
                                        {"Backup folder cannot be written: FOLDER. Nothing was "
                                         "written to the device.",
                                         "The backup could not be kept in FOLDER. Nothing was "
                                         "written to the device; it still holds the "
                                         "configuration it held before."}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LineSink final : TraceSink {
    void line(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

TEST(Trace, RecordsAVersionQueryByteForByte) {
    SimulatedRig rig;
    TracingProvider tracing(rig.bus);
    LineSink sink;
    int tick = 0;
    TraceRecorder recorder(sink, [&] { return std::chrono::milliseconds(7 * ++tick); });
    tracing.setRecorder(&recorder);
    DeviceLink link(tracing);
    ASSERT_TRUE(link.OpenDevice(rig.feedback));
    ASSERT_TRUE(link.QueryFirmwareVersion(rig.feedback));

    std::string request = "      7 ms > 00 fb";
    std::string reply = "     14 ms < 00 fb 6e 00 00 00";
    for (int i = 0; i < 63; ++i) {
        request += " 00";
    }
    for (int i = 0; i < 59; ++i) {
        reply += " 00";
    }
    EXPECT_EQ(sink.lines, (std::vector<std::string>{request, reply + "  ok"}));

    // A device that does not answer: the exchange ends "timed out".
    rig.device.armFault(SimulatedFault::Silent, 0);
    std::array<uint8_t, kReportDataSize> page{};
    EXPECT_FALSE(link.ReadConfigPage(0, page));
    EXPECT_EQ(sink.lines.back(), "     28 ms < none  timed out");
}

}  // namespace
}  // namespace korvex::testing
