#pragma once
// A test that runs korvex-cli as a program, the way the user runs it, in a fresh folder: the
// program comes from the folder ctest names in KORVEX_BIN_DIR, stdin is empty, and the exit
// status, stdout and stderr are captured through files in the folder.

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
        const char* bin = std::getenv("KORVEX_BIN_DIR");
        EXPECT_NE(bin, nullptr) << "run through ctest, which names the program folder";
        const auto out = folder / "stdout";
        const auto err = folder / "stderr";
        const std::string command = "'" + std::string(bin ? bin : ".") + "/korvex-cli' " +
                                    arguments + " >'" + out.string() + "' 2>'" + err.string() +
                                    "' </dev/null";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
    }
    // The path of NAME in the test's folder.
    std::string at(const std::string& name) const { return (folder / name).string(); }

    TempDir folder;
};

}  // namespace korvex::testing
