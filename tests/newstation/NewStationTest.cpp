// A new station from answers: every role and sound mix of roles passes the checks of a write and
// draws no advice; bad answers are refused naming the answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "advice/Advice.h"
#include "advice/StationCheck.h"
#include "newstation/NewStation.h"

namespace korvex::testing {
namespace {

const FixedClock kClock({2026, 12, 9, 12, 34, 0});

unsigned counting() {
    static unsigned next = 0;
    return next++;
}

NewStationAnswers hill(std::vector<std::string> roles) {
    NewStationAnswers answers;
    answers.call = "sp5abc-3";
    answers.roles = std::move(roles);
    answers.position = "52.36, 16.8933";
    return answers;
}

TEST(NewStation, EveryRoleIsASoundStation) {
    struct RoleCase {
        std::vector<std::string> roles;
        std::string beacon;  // Beacon1_msg
        std::string rf;      // Beacon1_txrate_rf
        std::string digion;
        std::string server;  // Aprsis1_servername
    };
    const RoleCase cases[] = {
        {{"fill-in-digi"}, "!<lat>1<long>#", "30", "1", ""},
        {{"wide-digi"}, "!<lat>L<long>#", "30", "1", ""},
        {{"igate"}, "!<lat>R<long>&", "0", "0", "rotate.aprs2.net"},
        {{"igate-tx"}, "=<lat>T<long>&", "30", "0", "rotate.aprs2.net"},
        {{"weather"}, "!<lat>/<long>_", "30", "0", "rotate.aprs2.net"},
        {{"fill-in-digi", "igate"}, "!<lat>I<long>#", "30", "1", "rotate.aprs2.net"},
        {{"wide-digi", "igate-tx", "weather"}, "=<lat>I<long>#", "30", "1", "rotate.aprs2.net"},
    };
    for (const RoleCase& role : cases) {
        const NewStation made = newStation(hill(role.roles), kClock, counting);
        ASSERT_FALSE(made.refusal) << role.roles.front() << ": " << made.refusal->message;
        const SettingsStore& s = made.settings;
        EXPECT_EQ(s.text("Callsign"), "SP5ABC");
        EXPECT_EQ(s.text("Ssid"), "3");
        EXPECT_EQ(s.text("Latitude"), "5221.60N");
        EXPECT_EQ(s.text("Longitude"), "01653.60E");
        EXPECT_EQ(s.text("Aprsis_user"), "SP5ABC-3");
        EXPECT_EQ(s.text("Aprsis_pass"), "22448");
        EXPECT_EQ(s.text("Beacon1_msg"), role.beacon) << role.roles.front();
        EXPECT_EQ(s.text("Beacon1_txrate_rf"), role.rf) << role.roles.front();
        EXPECT_EQ(std::to_string(s.index("Digion")), role.digion) << role.roles.front();
        EXPECT_EQ(s.text("Aprsis1_servername"), role.server) << role.roles.front();
        ASSERT_EQ(made.madePasswords.size(), 2u);
        EXPECT_EQ(made.madePasswords[0].second.size(), 12u);
        EXPECT_NE(made.madePasswords[0].second, made.madePasswords[1].second);

        const StationCheck check = checkStation(s, kClock);
        ASSERT_TRUE(check.passed) << check.refusal;
        for (const Advice& advice : check.advice) {
            ADD_FAILURE() << role.roles.front() << ": " << adviceLine(advice);
        }
    }
}

TEST(NewStation, TakesWhatIsGiven) {
    NewStationAnswers answers = hill({"wide-digi"});
    answers.call = "SP5ABC";
    answers.ssid = "10";
    answers.symbol = "house";
    answers.comment = "Hill 412 m";
    answers.server = "euro.aprs2.net";
    answers.wwwPassword = "Hill-4web";
    answers.telnetPassword = "Hill-4tel";
    answers.position = "JO82";
    const NewStation made = newStation(answers, kClock, counting);
    ASSERT_FALSE(made.refusal) << made.refusal->message;
    EXPECT_EQ(made.settings.text("Ssid"), "10");
    EXPECT_EQ(made.settings.text("Aprsis_user"), "SP5ABC-10");
    EXPECT_EQ(made.settings.text("Beacon1_msg"), "!<lat>/<long>-Hill 412 m");
    EXPECT_EQ(made.settings.text("Latitude"), "5230.00N");
    EXPECT_EQ(made.settings.text("Longitude"), "01700.00E");
    EXPECT_EQ(made.settings.text("www_password"), "Hill-4web");
    EXPECT_TRUE(made.madePasswords.empty());
    EXPECT_TRUE(adviseStation(made.settings).empty());
}

TEST(NewStation, RefusesNamingTheAnswer) {
    struct Refusal {
        std::string answer;
        void (*change)(NewStationAnswers&);
    };
    const Refusal cases[] = {
        {"call", [](NewStationAnswers& a) { a.call = "NOCALL"; }},
        {"call", [](NewStationAnswers& a) { a.call = "SP5ABC-16"; }},
        {"call", [](NewStationAnswers& a) { a.call = "SP5ABCD"; }},
        {"call", [](NewStationAnswers& a) { a.call = "SPABC"; }},
        {"ssid", [](NewStationAnswers& a) { a.ssid = "4"; }},
        {"ssid", [](NewStationAnswers& a) { a.call = "SP5ABC", a.ssid = "x"; }},
        {"role",
         [](NewStationAnswers& a) {
             a.roles = {"igate", "igate-tx"};
         }},
        {"role",
         [](NewStationAnswers& a) {
             a.roles = {"fill-in-digi", "wide-digi"};
         }},
        {"role", [](NewStationAnswers& a) { a.roles = {"digi"}; }},
        {"role", [](NewStationAnswers& a) { a.roles = {}; }},
        {"position", [](NewStationAnswers& a) { a.position = "52 61N 16E"; }},
        {"symbol", [](NewStationAnswers& a) { a.symbol = "tower"; }},
        {"server", [](NewStationAnswers& a) { a.server = std::string(32, 's'); }},
        {"comment", [](NewStationAnswers& a) { a.comment = std::string(44, 'c'); }},
        {"comment", [](NewStationAnswers& a) { a.comment = "caf\xE9"; }},
        {"www-password", [](NewStationAnswers& a) { a.wwwPassword = std::string(13, 'p'); }},
        {"telnet-password", [](NewStationAnswers& a) { a.telnetPassword = std::string(13, 'p'); }},
    };
    for (const Refusal& refusal : cases) {
        NewStationAnswers answers = hill({"wide-digi"});
        refusal.change(answers);
        const NewStation made = newStation(answers, kClock, counting);
        ASSERT_TRUE(made.refusal) << refusal.answer;
        EXPECT_EQ(made.refusal->answer, refusal.answer) << made.refusal->message;
        EXPECT_FALSE(made.refusal->message.empty());
    }
    NewStationAnswers longest = hill({"wide-digi"});
    longest.comment = std::string(43, 'c');
    longest.wwwPassword = std::string(12, 'p');
    EXPECT_FALSE(newStation(longest, kClock, counting).refusal);
}

}  // namespace
}  // namespace korvex::testing
