#pragma once
// The command line after the command name: positional arguments and the options
// "-o FILE", "--time YYYY-MM-DDTHH:MM", "--simulate DIR" and "--sim-fault KIND:PAGE".

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvex::cli {

// A command line that does not fit the command: exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // option name without dashes -> value

    std::optional<std::string> option(const std::string& name) const;
    // Throws UsageError unless exactly `count` positional arguments were given.
    void expectPositional(size_t count) const;
    // Throws UsageError when an option outside `allowed` was given.
    void allowOnly(const std::vector<std::string>& allowed) const;
};

// Every option takes one value; throws UsageError for an unknown option or a missing value.
Arguments parseArguments(const std::vector<std::string>& words);

}  // namespace korvex::cli
