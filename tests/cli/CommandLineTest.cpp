// The command line itself: the device options before and after the command, --output=FILE,
// --version, and usage errors that name what was wrong.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CliRunner.h"

namespace korvex::testing {
namespace {

class CommandLine : public CliRunner {};

TEST_F(CommandLine, DeviceOptionsWorkBeforeAndAfterTheCommand) {
    const std::string sim = "--simulate " + at("sim");
    for (const std::string& line :
         {"read -o " + at("after.cfg") + " " + sim, sim + " read --output=" + at("before.cfg")}) {
        const CliRun run = cli(line);
        EXPECT_EQ(run.status, 0) << line << "\n" << run.err;
        EXPECT_EQ(run.outLines().size(), 196u) << line;
    }
    EXPECT_EQ(readFile(folder / "after.cfg"), readFile(folder / "before.cfg"));
    const CliRun faulty = cli("--sim-fault reject:40 read -o " + at("no.cfg") + " " + sim);
    EXPECT_EQ(faulty.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "no.cfg"));
}

TEST_F(CommandLine, VersionNamesTheConfigurationVersion) {
    const CliRun run = cli("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("configuration version v1.10"), std::string::npos) << run.out;
}

struct UsageCase {
    std::string arguments;  // "@" stands for the test's folder
    std::string named;      // what the message on stderr must name
};

TEST_F(CommandLine, UsageErrorsNameWhatWasWrong) {
    const std::vector<UsageCase> cases = {
        {"--simulate @/sim defaults -o @/d.cfg", "--simulate"},
        {"--simulate @/a version --simulate @/b", "given twice"},
        {"bogus", "bogus"},
        {"defaults --output", "--output"},
        {"defaults -o @/a.cfg --time 2024-01-01T00:00", "--time"},
        {"get --json @/a.cfg", "--json"},
        {"beacons @/a.cfg --volt 12V", "--volt"},
    };
    for (const UsageCase& usage : cases) {
        std::string arguments = usage.arguments;
        for (size_t at = arguments.find('@'); at != std::string::npos; at = arguments.find('@')) {
            arguments.replace(at, 1, folder.path().string());
        }
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find(usage.named), std::string::npos) << arguments << "\n" << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "sim"));
    EXPECT_FALSE(std::filesystem::exists(folder / "d.cfg"));
}

}  // namespace
}  // namespace korvex::testing
