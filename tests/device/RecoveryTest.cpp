#include <gtest/gtest.h>

#include <algorithm>

#include "SimulatedRig.h"
#include "device/ConfigTransfer.h"
#include "image/StartupImage.h"
#include "settings/StartupState.h"
#include "sources/SettingsSource.h"
#include "support/TempDir.h"

namespace korvex::testing {
namespace {

const FixedClock kClock(UtcDateTime{2026, 12, 9, 18, 37, 0});

// What the device's EEPROM holds after the write.
enum class Holds { Old, New, NewUpToPage10, NewWithPage40Corrupted };

struct RecoveryCase {
    const char* fault;  // as --sim-fault takes it
    bool backup;
    std::optional<DeviceAfterWrite> state;  // nullopt: the write succeeded
    Holds holds;
    const char* notComparable = "";  // what the question was told, with backups off
};

// Every write failure says what it left on the device, whether or not a backup was kept, and the
// device holds what it says.
TEST(Recovery, EachFailureReportsWhatTheDeviceHolds) {
    const RecoveryCase cases[] = {
        {"unplug:write:0", true, DeviceAfterWrite::Untouched, Holds::Old},
        {"unplug:write:0", false, DeviceAfterWrite::Untouched, Holds::Old},
        {"unplug:write:10", true, DeviceAfterWrite::PartlyWritten, Holds::NewUpToPage10},
        {"reject:write:10", false, DeviceAfterWrite::PartlyWritten, Holds::NewUpToPage10},
        // A page without an answer may have been stored: the device is not called untouched.
        {"silent:write:0", false, DeviceAfterWrite::PartlyWritten, Holds::Old},
        {"corrupt:write:40", true, DeviceAfterWrite::WrittenButDifferent,
         Holds::NewWithPage40Corrupted},
        {"badsum:verify:3", false, DeviceAfterWrite::WrittenButDifferent, Holds::New},
        {"unplug:backup:5", true, DeviceAfterWrite::Untouched, Holds::Old},
        // With backups off the read only compares; when it fails the question still comes.
        {"reject:plan:5", false, std::nullopt, Holds::New,
         "The device's image could not be read: nothing could be compared."},
        {"unplug:firmware:0", true, std::nullopt, Holds::New},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(std::string(each.fault) + (each.backup ? " with backup" : " without"));
        const ConfigImage old = startupImage(kClock);
        SimulatedRig rig(old);
        rig.device.armFault(parseSimulatedFault(each.fault));
        TempDir scratch;
        std::optional<std::string> asked;
        WriteSafety safety{.backup = each.backup,
                           .backupFolder = scratch / "backups",
                           .verify = true,
                           .confirm = [&](const WritePlan* plan) {
                               asked = plan ? plan->notComparable : "no plan";
                               return true;
                           }};
        SettingsStore settings = startupSettings(kClock);
        settings.setText("Callsign", "SP5AB");
        ConfigImage outgoing;
        WriteFailure failure;
        failure.text = "none";

        const bool written =
            WriteConfig(rig.link, outgoing, settings, rig.feedback, kClock, safety, &failure);

        EXPECT_EQ(written, !each.state);
        if (each.state) {
            EXPECT_EQ(failure.state, *each.state);
            EXPECT_EQ(rig.feedback.logLines.back(), failure.text);
            const bool backupRead =
                std::string_view(each.fault).find("backup") == std::string_view::npos;
            EXPECT_EQ(failure.backup.empty(), !each.backup || !backupRead);
        } else {
            EXPECT_EQ(asked, std::string(each.notComparable));
        }
        ConfigImage expected = each.holds == Holds::Old ? old : outgoing;
        if (each.holds == Holds::NewUpToPage10) {
            std::copy(old.bytes.begin() + 10 * kPageSize, old.bytes.end(),
                      expected.bytes.begin() + 10 * kPageSize);
        }
        if (each.holds == Holds::NewWithPage40Corrupted) {
            expected.bytes[40 * kPageSize] ^= 0x01;
        }
        EXPECT_EQ(rig.device.eeprom(), expected);
    }
}

// A write cut off halfway, then its backup restored: the device holds exactly what it held, and
// the settings are the backup's.
TEST(Recovery, RestoringTheBackupPutsTheOldImageBack) {
    const ConfigImage old = startupImage(kClock);
    SimulatedRig rig(old);
    rig.device.armFault(parseSimulatedFault("unplug:write:10"));
    TempDir scratch;
    const WriteSafety safety{.backup = true, .backupFolder = scratch / "backups", .verify = true};
    SettingsStore settings = startupSettings(kClock);
    settings.setText("Callsign", "SP5AB");
    ConfigImage outgoing;
    WriteFailure failure;
    ASSERT_FALSE(WriteConfig(rig.link, outgoing, settings, rig.feedback, kClock, safety, &failure));
    ASSERT_EQ(failure.state, DeviceAfterWrite::PartlyWritten);
    rig.device.plugIn();

    const auto backup =
        readImageFile(std::filesystem::path(failure.backup).replace_extension(".bin"));
    ASSERT_TRUE(backup);
    SettingsStore restored = startupSettings(FixedClock(UtcDateTime{2030, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(RestoreImage(rig.link, *backup, restored, rig.feedback, kClock, safety));

    EXPECT_EQ(rig.device.eeprom(), old);
    EXPECT_EQ(restored.text("Callsign"), "NOCALL");
    EXPECT_EQ(restored.text("Rtcyear"), "2026") << "the backup's clock, not the window's";
    EXPECT_EQ(rig.feedback.logLines.back(), "Eeprom verify success");
}

// A backup of another configuration version, or a damaged one, is refused before the device is
// opened, and the settings stay as they were.
TEST(Recovery, BackupsThatCannotBeRestoredWriteNothing) {
    ConfigImage otherVersion = startupImage(kClock);
    std::copy_n("v1.05", 5, otherVersion.bytes.begin() + 6);
    ConfigImage damaged = startupImage(kClock);
    damaged.bytes[100] ^= 0x01;
    for (const ConfigImage& backup : {otherVersion, damaged}) {
        SimulatedRig rig;
        SettingsStore settings = startupSettings(kClock);
        settings.setText("Callsign", "SP5AB");
        EXPECT_FALSE(RestoreImage(rig.link, backup, settings, rig.feedback, kClock));
        EXPECT_EQ(rig.device.requestCount(), 0u);
        EXPECT_EQ(settings.text("Callsign"), "SP5AB");
    }
}

// Reading a partly written device says what it holds.
TEST(Recovery, ReadingAPartlyWrittenDeviceSaysSo) {
    SimulatedRig rig(startupImage(kClock));
    rig.device.eeprom().bytes[20] ^= 0x01;
    SettingsStore settings = startupSettings(kClock);
    ConfigImage incoming;
    bool damaged = false;
    EXPECT_FALSE(ReadConfig(rig.link, incoming, settings, rig.feedback, &damaged));
    EXPECT_TRUE(damaged);
    EXPECT_EQ(rig.feedback.logLines.back(), kDamagedDeviceLine);
}

}  // namespace
}  // namespace korvex::testing
