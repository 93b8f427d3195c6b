#pragma once
// The command line of korvex-cli on CLI11: one subcommand per entry of commands(), the device
// options accepted before the command as well as after it, --help and --version.

namespace korvex::cli {

// Parses the command line, runs the command and returns the exit status: 0 success, 1 failure
// (message on stderr), 2 usage error.
int runCommandLine(int argc, char** argv);

}  // namespace korvex::cli
