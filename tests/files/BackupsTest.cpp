#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "device/TraceTransport.h"
#include "files/Backups.h"
#include "image/Codec.h"
#include "image/StartupImage.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"
#include "support/RecordingFeedback.h"
#include "support/TempDir.h"

namespace korvex::testing {
namespace {

namespace fs = std::filesystem;

size_t countFiles(const fs::path& folder, const std::string& extension) {
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        count += entry.path().extension() == extension;
    }
    return count;
}

TEST(Backups, KeepsTheNewestFiftyAndNothingElseIsTouched) {
    TempDir folder;
    std::ofstream(folder / "notes.txt") << "mine";
    std::ofstream(folder / "SP5AB-old.cfg") << "not a backup name";
    FixedClock clock(UtcDateTime{2026, 1, 1, 0, 0, 0});
    const ConfigImage image = startupImage(clock);
    RecordingFeedback feedback;
    // 53 backups, a minute apart except the last three, which share one minute.
    for (int i = 0; i < 53; ++i) {
        clock.set(UtcDateTime{2026, 1, 1, 1 + std::min(i, 50) / 60, std::min(i, 50) % 60, 0});
        ASSERT_TRUE(saveBackup(image, folder.path(), clock, feedback));
    }
    EXPECT_EQ(countFiles(folder.path(), ".cfg"), 51u);  // 50 backups and SP5AB-old.cfg
    EXPECT_EQ(countFiles(folder.path(), ".bin"), 50u);
    EXPECT_TRUE(fs::exists(folder / "notes.txt"));
    EXPECT_TRUE(fs::exists(folder / "SP5AB-old.cfg"));
    // The oldest three went; the minute shared by the last three kept all three, numbered.
    EXPECT_FALSE(fs::exists(folder / "NOCALL-20260101T0102Z.cfg"));
    EXPECT_TRUE(fs::exists(folder / "NOCALL-20260101T0103Z.cfg"));
    for (const char* name : {"NOCALL-20260101T0150Z.cfg", "NOCALL-20260101T0150Z-2.bin",
                             "NOCALL-20260101T0150Z-3.cfg"}) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
}

TEST(Backups, ImageThatCannotBeDecodedIsKeptAsBinOnly) {
    TempDir folder;
    const FixedClock clock(UtcDateTime{2026, 12, 8, 21, 30, 0});
    ConfigImage image = startupImage(clock);
    image.bytes[100] ^= 0xFF;  // the checksum no longer matches
    RecordingFeedback feedback;
    ASSERT_TRUE(saveBackup(image, folder.path(), clock, feedback));
    EXPECT_EQ(feedback.logLines,
              (std::vector<std::string>{
                  "Backup saved: " + (folder / "NOCALL-20261208T2130Z.bin").string(),
                  "Backup kept as .bin only: the device's image has a bad checksum."}));
    std::ifstream in(folder / "NOCALL-20261208T2130Z.bin", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, std::string(image.bytes.begin(), image.bytes.end()));
    EXPECT_EQ(countFiles(folder.path(), ".cfg"), 0u);
}

// The backups and the trace hold the station's passwords: the owner's alone whatever the umask.
// A folder that was already open to others is used as it is, and the log says so.
TEST(Backups, SecretsAreTheOwnersAloneAndNamedWithoutTheCallsPadding) {
    const mode_t umaskBefore = ::umask(022);
    TempDir scratch;
    const FixedClock clock(UtcDateTime{2026, 12, 9, 6, 50, 0});
    SettingsStore settings = startupSettings(clock);
    settings.setText("Callsign", "SP5AB");
    ConfigImage image;
    SilentFeedback quiet;
    ASSERT_TRUE(EncodeConfigImage(image, settings, quiet, clock));
    const auto mode = [](const fs::path& path) { return fs::status(path).permissions(); };
    constexpr auto kOwnerOnly = fs::perms::owner_read | fs::perms::owner_write;

    RecordingFeedback feedback;
    const auto made = scratch / "data" / "backups";
    ASSERT_TRUE(saveBackup(image, made, clock, feedback));
    EXPECT_EQ(mode(made), fs::perms::owner_all);
    for (const char* name : {"SP5AB-20261209T0650Z.cfg", "SP5AB-20261209T0650Z.bin"}) {
        EXPECT_EQ(mode(made / name), kOwnerOnly) << name;
    }
    EXPECT_EQ(feedback.logLines.size(), 1u);

    const auto open = scratch / "open";
    fs::create_directory(open);
    fs::permissions(open, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    RecordingFeedback openFeedback;
    ASSERT_TRUE(saveBackup(image, open, clock, openFeedback));
    EXPECT_EQ(openFeedback.logLines.front(),
              "Backup folder is open to other users of this computer: " + open.string() +
                  " (its permissions are left as they are).");
    EXPECT_EQ(mode(open) & fs::perms::others_read, fs::perms::others_read);
    EXPECT_EQ(mode(open / "SP5AB-20261209T0650Z.cfg"), kOwnerOnly);

    EXPECT_TRUE(TraceFile::create(scratch / "trace.txt"));
    EXPECT_EQ(mode(scratch / "trace.txt"), kOwnerOnly);
    ::umask(umaskBefore);
}

ConfigImage stationImage(const std::string& callsign, const std::string& ssid) {
    const FixedClock clock(UtcDateTime{2026, 12, 1, 0, 0, 0});
    SettingsStore settings = startupSettings(clock);
    settings.setText("Callsign", callsign);
    settings.setText("Ssid", ssid);
    ConfigImage image;
    SilentFeedback quiet;
    EXPECT_TRUE(EncodeConfigImage(image, settings, quiet, clock));
    return image;
}

void writeBytes(const fs::path& path, const ConfigImage& image, size_t size = kImageSize) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<long>(size));
}

// A folder as it grows over time and by hand: every backup is listed newest first with its
// station, or with why it cannot be restored; files not named as backups are left out.
TEST(Backups, ListsEveryBackupWithItsStationOrItsProblem) {
    TempDir folder;
    std::ofstream(folder / "notes.txt") << "mine";
    std::ofstream(folder / "SP5AB-old.cfg") << "not a backup name";
    RecordingFeedback feedback;
    const ConfigImage sp5ab3 = stationImage("SP5AB", "3");
    ASSERT_TRUE(saveBackup(sp5ab3, folder.path(), FixedClock(UtcDateTime{2026, 12, 9, 18, 37, 0}),
                           feedback));
    ConfigImage damaged = sp5ab3;
    damaged.bytes[100] ^= 0xFF;
    ASSERT_TRUE(saveBackup(damaged, folder.path(), FixedClock(UtcDateTime{2026, 12, 9, 19, 0, 0}),
                           feedback));
    writeBytes(folder / "SP5AB-20261201T1000Z.bin", sp5ab3);  // named before SSIDs were
    ASSERT_TRUE(saveBackup(stationImage("SP5CD", "0"), folder.path(),
                           FixedClock(UtcDateTime{2026, 12, 5, 9, 0, 0}), feedback));
    writeBytes(folder / "SP5EF-20261206T0900Z.bin", sp5ab3, 100);
    std::ofstream(folder / "SP5GH-20261207T0900Z.cfg") << "[Radio]\n";
    writeBytes(folder / "NOCALL-20261208T0900Z.bin", ConfigImage{});

    struct Listed {
        std::string station;
        std::string time;
        std::string file;
        std::string problem;
        bool operator==(const Listed&) const = default;
    };
    std::vector<Listed> listed;
    for (const auto& entry : listBackups(folder.path())) {
        listed.push_back({entry.station, utcMinuteText(entry.time),
                          entry.file().filename().string(), entry.problem});
    }
    const std::string damagedText =
        "its image has a bad checksum (a damaged or partly written configuration)";
    const std::vector<Listed> expected{
        {"SP5AB-3", "2026-12-09 19:00 UTC", "SP5AB-3-20261209T1900Z.bin", damagedText},
        {"SP5AB-3", "2026-12-09 18:37 UTC", "SP5AB-3-20261209T1837Z.bin", ""},
        {"NOCALL", "2026-12-08 09:00 UTC", "NOCALL-20261208T0900Z.bin",
         "its image is of version \"\", not v1.10"},
        {"SP5GH", "2026-12-07 09:00 UTC", "SP5GH-20261207T0900Z.cfg",
         "its image (.bin) is missing"},
        {"SP5EF", "2026-12-06 09:00 UTC", "SP5EF-20261206T0900Z.bin",
         "its image is not 6144 bytes long"},
        {"SP5CD", "2026-12-05 09:00 UTC", "SP5CD-20261205T0900Z.bin", ""},
        {"SP5AB-3", "2026-12-01 10:00 UTC", "SP5AB-20261201T1000Z.bin", ""},
    };
    ASSERT_EQ(listed, expected);

    const auto backups = listBackups(folder.path());
    ASSERT_NE(newestRestorable(backups, "sp5ab-3"), nullptr);
    EXPECT_EQ(newestRestorable(backups, "sp5ab-3")->time, (UtcDateTime{2026, 12, 9, 18, 37, 0}));
    EXPECT_EQ(newestRestorable(backups, "SP5AB"), nullptr);
    EXPECT_EQ(newestRestorable(backups, "NOCALL"), nullptr);
    EXPECT_EQ(backupAt(folder / "SP5CD-20261205T0900Z.cfg")->image,
              folder / "SP5CD-20261205T0900Z.bin");
    EXPECT_EQ(backupAt(folder / "notes.txt"), std::nullopt);
}

TEST(Backups, FolderFollowsTheDataHome) {
    const auto lookup = [](std::map<std::string, std::string> values) {
        return [values](const char* name) -> const char* {
            const auto found = values.find(name);
            return found == values.end() ? nullptr : found->second.c_str();
        };
    };
    EXPECT_EQ(backupsFolder(lookup({{"XDG_DATA_HOME", "/d"}, {"HOME", "/h"}})),
              fs::path("/d/korvex-mini/backups"));
    EXPECT_EQ(backupsFolder(lookup({{"XDG_DATA_HOME", "rel"}, {"HOME", "/h"}})),
              fs::path("/h/.local/share/korvex-mini/backups"));
    EXPECT_EQ(backupsFolder(lookup({})), fs::path());
}

}  // namespace
}  // namespace korvex::testing
