#include "files/ProfileFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace korvex {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

struct ReadCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsTheValue) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ProfileFile(c.text).value(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    ::testing::Values(
        ReadCase{"Crlf", "[Radio]\r\nCallsign=SP1ABC\r\nSSID=5\r\n", "Radio", "SSID", "5"},
        ReadCase{"LfOnly", "[Radio]\nCallsign=SP1ABC\nSSID=5\n", "Radio", "Callsign", "SP1ABC"},
        ReadCase{"NoFinalLineEnd", "[Radio]\r\nSSID=7", "Radio", "SSID", "7"},
        ReadCase{"SectionAndKeyIgnoreCase", "[rAdIo]\r\ncallSIGN=X\r\n", "RADIO", "CallSign", "X"},
        ReadCase{"BlanksAroundKeyAndSection", "[ Radio ]\r\n  Callsign \t=X\r\n", "Radio",
                 "Callsign", "X"},
        ReadCase{"ValueKeepsBlanks", "[B]\r\nmsg= padded \r\n", "B", "msg", " padded "},
        ReadCase{"ValueKeepsQuotes", "[B]\r\nmsg=\"quoted\"\r\n", "B", "msg", "\"quoted\""},
        ReadCase{"OnlyFirstEqualsSeparates", "[B]\r\nmsg=U=<volt>V\r\n", "B", "msg", "U=<volt>V"},
        ReadCase{"EmptyValueIsPresent", "[Radio]\r\nCallsign=\r\n", "Radio", "Callsign", ""},
        ReadCase{"MissingKey", "[Radio]\r\nCallsign=X\r\n", "Radio", "SSID", std::nullopt},
        ReadCase{"MissingSection", "[Radio]\r\nCallsign=X\r\n", "Beacons", "Callsign",
                 std::nullopt},
        ReadCase{"KeyOfAnotherSection", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n", "A", "j", std::nullopt},
        ReadCase{"FirstDuplicateKeyWins", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
        ReadCase{"FirstDuplicateSectionWins", "[A]\r\nk=1\r\n[a]\r\nk=2\r\nj=3\r\n", "A", "k", "1"},
        ReadCase{"LaterDuplicateSectionIgnored", "[A]\r\nk=1\r\n[a]\r\nj=3\r\n", "A", "j",
                 std::nullopt},
        ReadCase{"CommentIsNoEntry", "[A]\r\n;k=1\r\nk=2\r\n", "A", "k", "2"},
        ReadCase{"LineWithoutEqualsSkipped", "[A]\r\ngarbage line\r\nk=2\r\n", "A", "k", "2"},
        ReadCase{"BlankLinesIgnored", "\r\n\r\n[A]\r\n\r\n\r\nk=2\r\n\r\n", "A", "k", "2"},
        ReadCase{"KeysBeforeAnySectionIgnored", "k=0\r\n[A]\r\n", "A", "k", std::nullopt},
        ReadCase{"LoneCarriageReturnIsText", "[A]\r\nk=a\rb\r\n", "A", "k", "a\rb"},
        ReadCase{"BinaryBytesKept", "[A]\r\nk=\x01\x7f\xff\r\n", "A", "k", "\x01\x7f\xff"},
        ReadCase{"NulEndsTheValue", std::string("[A]\r\nk=\x01\x00\xff\r\n", 11), "A", "k", "\x01"},
        ReadCase{"ValueCutAt2047", "[A]\r\nk=" + std::string(5000, 'v') + "\r\n", "A", "k",
                 std::string(2047, 'v')},
        ReadCase{"EmptyText", "", "A", "k", std::nullopt},
        ReadCase{"HeaderWithoutBracketIsNoSection", "[A\r\nk=1\r\n", "A", "k", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    std::string before;
    std::vector<std::vector<std::string>> writes;  // section, key, value
    std::string after;
};

class ProfileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ProducesTheText) {
    const WriteCase& c = GetParam();
    ProfileFile profile(c.before);
    for (const auto& write : c.writes) {
        profile.setValue(write[0], write[1], write[2]);
    }
    EXPECT_EQ(profile.text(), c.after);
    // What was written reads back (the last write of a key wins).
    for (const auto& write : c.writes) {
        const auto& last = *std::find_if(c.writes.rbegin(), c.writes.rend(), [&](const auto& w) {
            return w[0] == write[0] && w[1] == write[1];
        });
        const std::string expected = last[2].substr(0, last[2].find_first_of("\r\n"));
        EXPECT_EQ(profile.value(write[0], write[1]), expected);
        EXPECT_EQ(ProfileFile(profile.text()).value(write[0], write[1]), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    ::testing::Values(
        WriteCase{
            "NewDocument",
            "",
            {{"!WARNING", "Application", "A"}, {"Radio", "Callsign", "X"}, {"Radio", "SSID", "0"}},
            "[!WARNING]\r\nApplication=A\r\n[Radio]\r\nCallsign=X\r\nSSID=0\r\n"},
        WriteCase{"ReplacesInPlaceKeepingOrderAndSpelling",
                  "[Radio]\r\nSSID=1\r\n callsign =OLD\r\nOther=2\r\n",
                  {{"Radio", "Callsign", "NEW"}},
                  "[Radio]\r\nSSID=1\r\n callsign =NEW\r\nOther=2\r\n"},
        WriteCase{"MissingKeyAfterLastEntryBeforeBlanksAndNextComment",
                  "[A]\r\nx=1\r\n; about B\r\n\r\n[B]\r\ny=2\r\n",
                  {{"A", "k", "v"}, {"A", "j", "w"}},
                  "[A]\r\nx=1\r\nk=v\r\nj=w\r\n; about B\r\n\r\n[B]\r\ny=2\r\n"},
        WriteCase{"MissingKeyInSectionWithoutEntries",
                  "[A]\r\n; only a note\r\n\r\n[B]\r\n",
                  {{"A", "k", "v"}, {"B", "j", "w"}},
                  "[A]\r\n; only a note\r\nk=v\r\n\r\n[B]\r\nj=w\r\n"},
        WriteCase{"MissingSectionAtEnd",
                  "; head\r\n[A]\r\nx=1\r\n\r\n",
                  {{"Z", "k", "v"}, {"A", "y", "2"}},
                  "; head\r\n[A]\r\nx=1\r\ny=2\r\n\r\n[Z]\r\nk=v\r\n"},
        WriteCase{"WriteReplacesFirstDuplicate",
                  "[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\n",
                  {{"a", "K", "9"}},
                  "[A]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\n"},
        WriteCase{"LfFileWrittenWithCrlf",
                  "[A]\nx=1\n\njunk\n",
                  {{"A", "x", "2"}},
                  "[A]\r\nx=2\r\n\r\njunk\r\n"},
        WriteCase{"AddedKeyWrittenTwice", "", {{"A", "k", "1"}, {"A", "k", "2"}}, "[A]\r\nk=2\r\n"},
        WriteCase{
            "ValueKeptAsItStands", "", {{"B", "m", " \"q\" = x "}}, "[B]\r\nm= \"q\" = x \r\n"},
        WriteCase{"LineBreakEndsTheValue",
                  "[A]\r\nk=1\r\n",
                  {{"A", "k", "a\r\n[Evil]\r\nx=1"}, {"A", "j", "b\nc"}},
                  "[A]\r\nk=a\r\nj=b\r\n"},
        WriteCase{
            "TextWithoutFinalLineEnd", "[A]\r\nx=1", {{"A", "y", "2"}}, "[A]\r\nx=1\r\ny=2\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFile, ManyKeysParseAndUpdateInOnePass) {
    // A 200000-key document: lookups and additions stay fast (a quadratic update would hang).
    std::string text = "[Big]\r\n";
    for (int i = 0; i < 200000; ++i) {
        text += "Key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
    }
    ProfileFile profile(text);
    EXPECT_EQ(profile.value("big", "key199999"), std::to_string(199999 * 7));
    for (int i = 0; i < 20000; ++i) {
        profile.setValue("Big", "New" + std::to_string(i), "n");
        profile.setValue("Big", "Key" + std::to_string(i), "r");
    }
    const std::string written = profile.text();
    EXPECT_EQ(written.substr(0, 20), "[Big]\r\nKey0=r\r\nKey1=");
    EXPECT_EQ(written.substr(written.size() - 12), "New19999=n\r\n");
}

TEST(ProfileFile, RefusesTextOverTheLimit) {
    EXPECT_THROW(ProfileFile(std::string(ProfileFile::kMaxFileSize + 1, 'x')), std::length_error);
}

TEST(ProfileFileDisk, LoadsWhatWasSaved) {
    TempDir dir;
    ProfileFile profile;
    profile.setValue("A", "k", "v");
    ASSERT_TRUE(profile.save(dir / "a.cfg"));
    EXPECT_EQ(readFile(dir / "a.cfg"), "[A]\r\nk=v\r\n");
    const auto loaded = ProfileFile::load(dir / "a.cfg");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->value("a", "K"), "v");
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ProfileFileDisk, UnreadableFilesLoadAsNothing) {
    TempDir dir;
    EXPECT_FALSE(ProfileFile::load(dir / "missing.cfg"));
    EXPECT_FALSE(ProfileFile::load(dir.path()));
    {
        std::ofstream(dir / "huge.cfg").put('[');
        std::filesystem::resize_file(dir / "huge.cfg", 100u * 1024u * 1024u);
    }
    EXPECT_FALSE(ProfileFile::load(dir / "huge.cfg"));
    std::filesystem::remove(dir / "huge.cfg");
    writeFile(dir / "limit.cfg",
              "[A]\r\nk=v\r\n" + std::string(ProfileFile::kMaxFileSize - 10, ';'));
    EXPECT_EQ(ProfileFile::load(dir / "limit.cfg").value().value("A", "k"), "v");
}

TEST(ProfileFileDisk, FailedSaveLeavesTheOldFile) {
    TempDir dir;
    ProfileFile profile;
    profile.setValue("A", "k", "new");
    writeFile(dir / "ro.cfg", "[A]\r\nk=old\r\n");
    std::filesystem::permissions(
        dir / "ro.cfg", std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_FALSE(profile.save(dir / "ro.cfg"));
    EXPECT_EQ(readFile(dir / "ro.cfg"), "[A]\r\nk=old\r\n");
    EXPECT_FALSE(profile.save(dir / "no-such-folder" / "a.cfg"));
    EXPECT_FALSE(profile.save(dir.path()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ProfileFileDisk, ReplacedFileKeepsItsPermissions) {
    TempDir dir;
    writeFile(dir / "a.cfg", "[A]\r\nk=old\r\n");
    const auto perms = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(dir / "a.cfg", perms);
    ProfileFile profile(readFile(dir / "a.cfg"));
    profile.setValue("A", "k", "new");
    ASSERT_TRUE(profile.save(dir / "a.cfg"));
    EXPECT_EQ(readFile(dir / "a.cfg"), "[A]\r\nk=new\r\n");
    EXPECT_EQ(std::filesystem::status(dir / "a.cfg").permissions(), perms);
}

}  // namespace
}  // namespace korvex
