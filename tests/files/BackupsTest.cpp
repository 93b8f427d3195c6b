#include <gtest/gtest.h>

#include <fstream>

#include "files/Backups.h"
#include "image/StartupImage.h"
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
