// new and position: a sound station saved from a few answers, refusals that name the option and
// write nothing, and a position shown in every form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CliRunner.h"

namespace korvex::testing {
namespace {

class NewStationCommands : public CliRunner {};

TEST_F(NewStationCommands, NewSavesASoundStationAndRefusesBadAnswers) {
    const std::string base = "new -o " + at("hill.cfg") + " --call SP5ABC-3";
    const CliRun made = cli(base +
                            " --role fill-in-digi,igate-tx --position '52 21.6N 16 53.6E'"
                            " --comment 'Hill digi' --telnet-password Hill-4tel");
    ASSERT_EQ(made.status, 0) << made.err;
    const std::vector<std::string> lines = made.outLines();
    ASSERT_EQ(lines.size(), 3u) << made.out;
    EXPECT_EQ(lines[0].substr(0, 14), "www_password: ");
    EXPECT_EQ(lines[0].size(), 26u);
    EXPECT_EQ(lines[2], "Station check: 0 warnings, 0 notes");
    const CliRun check = cli("check --strict " + at("hill.cfg"));
    EXPECT_EQ(check.status, 0) << check.out;
    const CliRun got = cli("get " + at("hill.cfg") + " Latitude Longitude Beacon1_msg Aprsis_pass");
    const std::vector<std::string> values = {"5221.60N", "01653.60E", "=<lat>I<long>#Hill digi",
                                             "22448"};
    EXPECT_EQ(got.outLines(), values);

    const std::string cfg = readFile(folder / "hill.cfg");
    const std::vector<std::pair<std::string, std::string>> refusals = {
        {base + " --role wide-digi --position JO82", "exists; --force"},
        {"new -o @/b.cfg --call NOCALL --role wide-digi --position JO82", "--call"},
        {"new -o @/b.cfg --call SP5ABC-16 --role wide-digi --position JO82", "--call"},
        {"new -o @/b.cfg --call SP5ABC-3 --ssid 4 --role wide-digi --position JO82", "--ssid"},
        {"new -o @/b.cfg --call SP5ABC --role digi --position JO82", "--role"},
        {"new -o @/b.cfg --call SP5ABC --role igate,igate-tx --position JO82", "--role"},
        {"new -o @/b.cfg --call SP5ABC --role igate --symbol tower --position JO82", "--symbol"},
        {"new -o @/b.cfg --call SP5ABC --role igate --position '52 60N 16E'", "--position"},
        {"new -o @/b.cfg --call SP5ABC --role igate --position JO82 --comment " +
             std::string(44, 'c'),
         "--comment"},
        {"new -o @/b.cfg --call SP5ABC --role igate --position JO82 --www-password 1234567890123",
         "--www-password"},
        {"new -o @/b.cfg --role igate --position JO82", "--call"},
    };
    for (auto [arguments, named] : refusals) {
        for (size_t at = arguments.find('@'); at != std::string::npos; at = arguments.find('@')) {
            arguments.replace(at, 1, folder.path().string());
        }
        const CliRun refused = cli(arguments);
        EXPECT_EQ(refused.status, 2) << arguments;
        EXPECT_NE(refused.err.find(named), std::string::npos) << arguments << "\n" << refused.err;
        EXPECT_FALSE(std::filesystem::exists(folder / "b.cfg")) << arguments;
    }
    EXPECT_EQ(readFile(folder / "hill.cfg"), cfg);
    EXPECT_EQ(cli(base + " --role igate --position=-33.9,-18.4 --force").status, 0);
    EXPECT_EQ(cli("get " + at("hill.cfg") + " Latitude").out, "3354.00S\n");
}

TEST_F(NewStationCommands, PositionShowsEveryForm) {
    const CliRun shown = cli("position -33.9, -18.4");
    ASSERT_EQ(shown.status, 0) << shown.err;
    const std::vector<std::string> expected = {
        "Latitude: 3354.00S",
        "Longitude: 01824.00W",
        "Decimal degrees: -33.90000, -18.40000",
        "Degrees and minutes: 33\xC2\xB0"
        "54.000'S 18\xC2\xB0"
        "24.000'W",
        "Degrees, minutes and seconds: 33\xC2\xB0"
        "54'00.0\"S 18\xC2\xB0"
        "24'00.0\"W",
        "Locator: IF06tc",
    };
    EXPECT_EQ(shown.outLines(), expected);
    EXPECT_EQ(cli("position '52\xC2\xB0"
                  "21.6\xE2\x80\xB2N 16\xC2\xB0"
                  "53.6\xE2\x80\xB2"
                  "E'")
                  .outLines()
                  .front(),
              "Latitude: 5221.60N");
    const CliRun refused = cli("position 91N 16E");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("latitude \"91N\": past 90 degrees"), std::string::npos)
        << refused.err;
}

}  // namespace
}  // namespace korvex::testing
