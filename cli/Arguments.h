#pragma once
// The command line of one command as parsed: positional arguments and the options given
// ("o", "time", "simulate", "sim-fault", "json", ...), wherever they stood on the line.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace CLI {
class App;
}

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
    bool has(const std::string& name) const { return options.count(name) != 0; }
    // Throws UsageError unless exactly `count` positional arguments were given.
    void expectPositional(size_t count) const;
    // Throws UsageError unless at least `count` positional arguments were given.
    void expectAtLeast(size_t count) const;
};

// Registers on `command` an option spelt `spellings` ("-o,--output") that takes a value and stores
// it in `given` under `key`; given twice, before and after the command alike, it is a usage error.
void addValueOption(CLI::App& command, const std::string& key, const std::string& spellings,
                    const std::string& valueName, const std::string& help, Arguments& given);
// The same for an option without a value ("--json"), stored with an empty value.
void addFlagOption(CLI::App& command, const std::string& name, const std::string& help,
                   Arguments& given);

}  // namespace korvex::cli
