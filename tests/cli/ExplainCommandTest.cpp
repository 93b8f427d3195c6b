// korvex-cli explain: the reference's entries by name in any case; an unknown name is a usage
// error naming the closest names.

#include <gtest/gtest.h>

#include "support/CliRunner.h"

namespace korvex::testing {
namespace {

class Explain : public CliRunner {};

TEST_F(Explain, ShowsEachNamedSettingInAnyCase) {
    const CliRun run = cli("explain txdelay BEACON2_MSG");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Txdelay\n  Where: Radio / TX delay [ms]:\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("  Configuration file: [Radio] TXdelay (number)\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n\nBeacon2_msg\n  Where: Beacons / 2. Message"), std::string::npos);

    const CliRun unknown = cli("explain Txdelai");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("closest names are Txdelay"), std::string::npos) << unknown.err;
}

}  // namespace
}  // namespace korvex::testing
