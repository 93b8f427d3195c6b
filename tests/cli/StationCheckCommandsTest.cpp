// check and beacons: the station check's advice after the checks of a write, as text, as JSON and
// as the exit status a CI job tests; the beacons as they go on the air.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/CliRunner.h"

namespace korvex::testing {
namespace {

class StationCheckCommands : public CliRunner {
  protected:
    void SetUp() override { ASSERT_EQ(cli("defaults -o " + at("a.cfg")).status, 0); }
    // b.cfg: the start-up settings made sound but for one warning and one note.
    void writeStation() {
        const CliRun set = cli("set " + at("b.cfg") +
                               " Callsign=SP5ABC Ssid=3 Aprsis_user=SP5ABC Aprsis_pass=22448"
                               " Pathn1_higher=2 Beacon1_txrate_rf=20 Weather_txrate_rf=30"
                               " www_password=Hill-4web telnet_password=Hill-4tel"
                               " Weather_path_ssid=1 Floodtimeout=20 Aprsis_packet2rf=No");
        ASSERT_EQ(set.status, 0) << set.err;
    }
};

TEST_F(StationCheckCommands, CheckPrintsTheAdviceAfterOkAndStrictFailsOnAWarning) {
    writeStation();
    const CliRun checked = cli("check " + at("b.cfg"));
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.err, "");
    const std::vector<std::string> expected = {
        "OK",
        "warning: Digipeater / Duplicate checking [s]: Duplicates are remembered for 20 s only: "
        "copies of a packet heard again from other digipeaters after that are digipeated once "
        "more",
        "note: Beacons / RF rate [min] (Beacon1_txrate_rf): Sent to RF every 20 minutes over 2 "
        "hops: beacons over more than one hop should go every 30 minutes or less often",
        "note: APRS-IS / User: The login SP5ABC is not the station's callsign SP5ABC-3",
        "1 warning, 2 notes",
    };
    EXPECT_EQ(checked.outLines(), expected);
    EXPECT_EQ(cli("check --strict " + at("b.cfg")).status, 1);

    ASSERT_EQ(cli("set " + at("b.cfg") + " Floodtimeout=30").status, 0);
    EXPECT_EQ(cli("check --strict " + at("b.cfg")).status, 0);

    const CliRun json = cli("check --json " + at("a.cfg"));
    ASSERT_EQ(json.status, 0) << json.err;
    const auto document = nlohmann::json::parse(json.out);
    ASSERT_EQ(document["advice"].size(), 9u);
    const auto& first = document["advice"][0];
    EXPECT_EQ(first["id"], "callsign-nocall");
    EXPECT_EQ(first["severity"], "warning");
    EXPECT_EQ(first["settings"], nlohmann::json::array({"Callsign"}));
    EXPECT_NE(first["reference"].get<std::string>().find("APRS Protocol Reference"),
              std::string::npos);
    EXPECT_EQ(document["summary"], "9 warnings, 0 notes");
}

TEST_F(StationCheckCommands, CheckStopsAtAFailedCheckAndReadsTheDeviceWithLogOnStderr) {
    writeStation();
    std::string cfg = readFile(folder / "b.cfg");
    cfg.replace(cfg.find("TXdelay=250"), 11, "TXdelay=2000");
    writeFile(folder / "bad.cfg", cfg);
    const CliRun refused = cli("check --json " + at("bad.cfg"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "TX delay - range error (200 - 1000).\n");

    const std::string sim = " --simulate " + at("sim");
    const CliRun device = cli("check device --json" + sim);
    ASSERT_EQ(device.status, 0) << device.err;
    EXPECT_EQ(nlohmann::json::parse(device.out)["advice"].size(), 9u);
    EXPECT_NE(device.err.find("Eeprom read success."), std::string::npos) << device.err;
}

TEST_F(StationCheckCommands, BeaconsShowsEachScheduledBeaconOnTheAir) {
    const CliRun startup = cli("beacons " + at("a.cfg") + " --time 2026-12-09T12:34");
    ASSERT_EQ(startup.status, 0) << startup.err;
    const std::vector<std::string> expected = {
        "Beacon 1: every 5 min to RF, every 5 min to APRS-IS",
        "NOCALL>APQK04,WIDE2-2:@091234z5221.60N/01653.63E-KorvexMini U=13.8V.",
        "Symbol: /- House (VHF)",
        "warning: Beacons / RF rate [min] (Beacon1_txrate_rf): Sent to RF every 5 minutes: a "
        "fixed station should not send more often than every 10 minutes",
    };
    EXPECT_EQ(startup.outLines(), expected);

    const CliRun set = cli("set " + at("a.cfg") +
                           " Callsign=SP5ABC Ssid=3 Beacon3_txrate_aprsis=60 Beacon3_path_string="
                           " 'Beacon3_msg=@<gpsdate>z<gpslat>/<gpslong>-<date> <volt> <lat> "
                           "<long> <x> <la'");
    ASSERT_EQ(set.status, 0) << set.err;
    const CliRun every = cli("beacons " + at("a.cfg") + " --time 2026-01-02T03:04 --volt 12.5");
    ASSERT_EQ(every.status, 0) << every.err;
    const std::vector<std::string> lines = every.outLines();
    ASSERT_EQ(lines.size(), 9u) << every.out;
    EXPECT_EQ(lines[4], "Beacon 3: not to RF, every 60 min to APRS-IS");
    EXPECT_EQ(lines[5],
              "SP5ABC-3>APQK04:@020304z5221.60N/01653.63E-020304 12.5 5221.60N 01653.63E <x> <la");
    EXPECT_EQ(lines[6], "Symbol: /- House (VHF)");
    EXPECT_EQ(lines[7],
              "warning: Beacons / Message (empty fields are ignored) (Beacon3_msg): \"<x>\" is not "
              "a special string of the card: it goes on the air as typed");
    EXPECT_EQ(lines[8],
              "warning: Beacons / Message (empty fields are ignored) (Beacon3_msg): \"<la\" is not "
              "a special string of the card: it goes on the air as typed");
}

}  // namespace
}  // namespace korvex::testing
