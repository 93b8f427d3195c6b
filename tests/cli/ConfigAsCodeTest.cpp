// show, diff, get and set: settings read from files, images and the simulated device, compared,
// and changed one at a time with the checks of a write.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/CliRunner.h"

namespace korvex::testing {
namespace {

class ConfigAsCode : public CliRunner {
  protected:
    std::string sim() const { return " --simulate " + at("sim"); }
    // "@" stands for the test's folder.
    std::string inFolder(std::string text) const {
        for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
            text.replace(at, 1, folder.path().string());
        }
        return text;
    }
    // a.cfg the start-up settings; b.cfg, b.bin and the simulated device the same three changes.
    void writeSources() {
        ASSERT_EQ(cli("defaults -o " + at("a.cfg")).status, 0);
        const CliRun set =
            cli("set " + at("b.cfg") +
                " callsign=SP5ABC Aprsis_user=SP5ABC 'Baudrate=9600 / GMSK (RX only)'");
        ASSERT_EQ(set.status, 0) << set.err;
        ASSERT_EQ(cli("encode " + at("b.cfg") + " -o " + at("b.bin")).status, 0);
        ASSERT_EQ(cli("write " + at("b.cfg") + sim()).status, 0);
    }
};

TEST_F(ConfigAsCode, ShowAndDiffReadEveryKindOfSource) {
    writeSources();
    for (const std::string source : {"@/b.cfg", "@/b.bin", "device"}) {
        const CliRun shown = cli("show " + inFolder(source) + " --json" + sim());
        ASSERT_EQ(shown.status, 0) << source << shown.err;
        const auto settings = nlohmann::json::parse(shown.out);
        ASSERT_EQ(settings.size(), 338u) << source;
        for (const auto& setting : settings) {
            if (setting["name"] == "Callsign") {
                EXPECT_EQ(setting["value"], "SP5ABC") << source;
            }
            if (setting["name"] == "Baudrate") {
                EXPECT_EQ(setting["index"], 1) << source;
                EXPECT_EQ(setting["entry"], "9600 / GMSK (RX only)") << source;
            }
        }
        EXPECT_EQ(cli(inFolder("diff @/b.cfg " + source) + sim()).status, 0) << source;
    }
    const CliRun differs = cli(inFolder("diff @/a.cfg device --json") + sim());
    EXPECT_EQ(differs.status, 1) << differs.err;
    std::vector<std::string> names;
    for (const auto& difference : nlohmann::json::parse(differs.out)) {
        names.push_back(difference["name"]);
        if (difference["name"] == "Callsign") {
            EXPECT_EQ(difference["a"], "NOCALL");
            EXPECT_EQ(difference["b"], "SP5ABC");
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Callsign", "Baudrate", "Aprsis_user"}));
    const CliRun text = cli(inFolder("diff @/a.cfg @/b.cfg"));
    EXPECT_EQ(text.outLines().front(), "Radio / Callsign: \"NOCALL\" -> \"SP5ABC\"  [Callsign]");
}

struct BadSource {
    std::string name;
    std::string content;  // written as the file unless empty
    std::string reason;   // what stderr must name besides the file
};

TEST_F(ConfigAsCode, UnreadableSourcesAreRefusedNamingTheFile) {
    ASSERT_EQ(cli("defaults -o " + at("a.cfg")).status, 0);
    ASSERT_EQ(cli("encode " + at("a.cfg") + " -o " + at("a.bin")).status, 0);
    std::string badSum = readFile(folder / "a.bin");
    badSum[600] ^= 1;
    std::filesystem::create_directory(folder / "dir.cfg");
    const std::vector<BadSource> cases = {
        {"none.cfg", "", "no such file"},
        {"dir.cfg", "", "folder"},
        {"garbage.cfg", std::string("\x01\xFF\x00[x", 5), "not a Korvex Mini configuration file"},
        {"other.cfg", "[!WARNING]\r\nApplication=Other Tool\r\n", "not a Korvex Mini"},
        {"short.bin", std::string(6143, '\0'), "6144"},
        {"sum.bin", badSum, "checksum"},
        {"old.bin", std::string(6144, '\0'), "another version"},
    };
    for (const BadSource& bad : cases) {
        if (!bad.content.empty()) {
            writeFile(folder / bad.name, bad.content);
        }
        const CliRun diff = cli("diff " + at("a.cfg") + " " + at(bad.name));
        EXPECT_EQ(diff.status, 2) << bad.name;
        EXPECT_NE(diff.err.find(at(bad.name)), std::string::npos) << bad.name << diff.err;
        EXPECT_NE(diff.err.find(bad.reason), std::string::npos) << bad.name << diff.err;
        const CliRun show = cli("show " + at(bad.name));
        EXPECT_EQ(show.status, 1) << bad.name;
        EXPECT_EQ(show.out, "") << bad.name;
    }
}

struct RefusedSet {
    std::string assignments;
    int status;
    std::string err;  // the whole of stderr, or a part of it when `whole` is false
    bool whole;
};

TEST_F(ConfigAsCode, RefusedSetLeavesTheFileAsItWas) {
    const std::string mine =
        "[!WARNING]\r\nApplication=Korvex Mini Configurator\r\n; mine\r\n[Mine]\r\nkept=1\r\n";
    writeFile(folder / "c.cfg", mine);
    ASSERT_EQ(cli("set " + at("c.cfg") + " Callsign=SP5ABC").status, 0);
    const std::string before = readFile(folder / "c.cfg");
    const std::vector<RefusedSet> cases = {
        {"Txdelay=5", 1, "TX delay - range error (200 - 1000).\n", true},
        {"Callsign=SP5ABCD", 1, "longer than the field's 6 characters", false},
        {"'Beacon1_msg=a\nb'", 1, "line break", false},
        {"Beacon1_msg=\xE2\x82\xAC", 1, "outside Latin-1", false},
        {"Baudrate=2", 1, "takes one of", false},
        {"Pathn1_active=maybe", 1, "takes 1, 0", false},
        {"Rtcyear=2030", 1, "clock field", false},
        {"Calsign=X", 2, "Callsign", false},
        {"Callsign", 2, "NAME=VALUE", false},
    };
    for (const RefusedSet& refused : cases) {
        const CliRun run = cli("set " + at("c.cfg") + " Ssid=5 " + refused.assignments);
        EXPECT_EQ(run.status, refused.status) << refused.assignments;
        if (refused.whole) {
            EXPECT_EQ(run.err, refused.err);
        } else {
            EXPECT_NE(run.err.find(refused.err), std::string::npos) << run.err;
        }
        EXPECT_TRUE(readFile(folder / "c.cfg") == before) << refused.assignments;
    }
    EXPECT_NE(before.find("; mine\r\n[Mine]\r\nkept=1\r\n"), std::string::npos) << before;
}

// A Latin-1 letter typed as UTF-8 arrives whole, whatever code page the system runs under.
TEST_F(ConfigAsCode, ALatin1LetterInAnArgumentIsKept) {
    ASSERT_EQ(cli("set " + at("c.cfg") + " Aprsis1_servername=\xC3\xA9te").status, 0);
    const CliRun got = cli("get " + at("c.cfg") + " Aprsis1_servername");
    EXPECT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(got.out, "\xC3\xA9te\n");
}

TEST_F(ConfigAsCode, ListsTakeTheirEntryTextOrTheirIndex) {
    ASSERT_EQ(cli("set " + at("text.cfg") +
                  " 'baudrate=9600 / gmsk (rx only)' Squelch=2 "
                  "Digion=no Pathn1_active=false")
                  .status,
              0);
    ASSERT_EQ(
        cli("set " + at("index.cfg") + " Baudrate=1 Squelch=1 DIGION=0 pathn1_active=0").status, 0);
    EXPECT_EQ(readFile(folder / "text.cfg"), readFile(folder / "index.cfg"));
    const CliRun got = cli("get " + at("index.cfg") + " Baudrate squelch Digion Pathn1_active");
    EXPECT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(got.out, "9600 / GMSK (RX only)\n2\nNo\nno\n");
}

}  // namespace
}  // namespace korvex::testing
