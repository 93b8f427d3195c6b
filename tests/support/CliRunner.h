#pragma once
// A test that runs korvex-cli as a program, the way the user runs it, in a fresh folder: the
// program comes from the folder ctest names in KORVEX_BIN_DIR (or KORVEX_CLI), stdin is empty, and
// the exit status, stdout and stderr are captured through files in the folder.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace korvex::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;

    std::vector<std::string> outLines() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
};

class CliRunner : public ::testing::Test {
  protected:
    CliRun cli(const std::string& arguments) {
        const auto out = folder / "stdout";
        const auto err = folder / "stderr";
        const std::string command = program() + " " + arguments + " >'" + out.string() + "' 2>'" +
                                    err.string() + "' </dev/null";
        const int raw = std::system(command.c_str());
        CliRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
        if (std::getenv("KORVEX_CLI")) {
            // A Windows build writes its terminal lines with CRLF.
            std::erase(run.out, '\r');
            std::erase(run.err, '\r');
        }
        return run;
    }
    // The program as a shell word: KORVEX_CLI when set (for instance the Windows build under
    // wine), otherwise korvex-cli from the folder ctest names in KORVEX_BIN_DIR.
    static std::string program() {
        if (const char* other = std::getenv("KORVEX_CLI")) {
            return other;
        }
        const char* bin = std::getenv("KORVEX_BIN_DIR");
        EXPECT_NE(bin, nullptr) << "run through ctest, which names the program folder";
        return "'" + std::string(bin ? bin : ".") + "/korvex-cli'";
    }
    // The path of NAME in the test's folder.
    std::string at(const std::string& name) const { return (folder / name).string(); }

    TempDir folder;
};

}  // namespace korvex::testing
