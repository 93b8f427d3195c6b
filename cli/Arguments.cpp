#include "cli/Arguments.h"

#include <CLI/CLI.hpp>

namespace korvex::cli {

namespace {

void store(Arguments& given, const std::string& name, const std::string& value) {
    if (!given.options.emplace(name, value).second) {
        throw CLI::ValidationError((name.size() == 1 ? "-" : "--") + name, "given twice");
    }
}

}  // namespace

std::optional<std::string> Arguments::option(const std::string& name) const {
    const auto found = options.find(name);
    if (found == options.end()) {
        return std::nullopt;
    }
    return found->second;
}

void Arguments::expectPositional(size_t count) const {
    if (positional.size() != count) {
        throw UsageError("expected " + std::to_string(count) + " argument(s), got " +
                         std::to_string(positional.size()));
    }
}

void Arguments::expectAtLeast(size_t count) const {
    if (positional.size() < count) {
        throw UsageError("expected at least " + std::to_string(count) + " argument(s), got " +
                         std::to_string(positional.size()));
    }
}

void addValueOption(CLI::App& command, const std::string& key, const std::string& spellings,
                    const std::string& valueName, const std::string& help, Arguments& given) {
    command
        .add_option_function<std::string>(
            spellings, [&given, key](const std::string& value) { store(given, key, value); }, help)
        ->type_name(valueName);
}

void addFlagOption(CLI::App& command, const std::string& name, const std::string& help,
                   Arguments& given) {
    command.add_flag_callback(
        "--" + name, [&given, name] { store(given, name, ""); }, help);
}

}  // namespace korvex::cli
