#include "cli/Arguments.h"

#include <algorithm>

namespace korvex::cli {

namespace {

// Accepted spellings of each option, mapped to its name.
std::optional<std::string> optionName(const std::string& word) {
    if (word == "-o" || word == "--output") {
        return "o";
    }
    for (const char* name : {"time", "simulate", "sim-fault"}) {
        if (word == std::string("--") + name) {
            return name;
        }
    }
    return std::nullopt;
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

void Arguments::allowOnly(const std::vector<std::string>& allowed) const {
    for (const auto& [name, value] : options) {
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            throw UsageError("option " + std::string(name.size() == 1 ? "-" : "--") + name +
                             " does not apply to this command");
        }
    }
}

Arguments parseArguments(const std::vector<std::string>& words) {
    Arguments result;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() > 1 && word[0] == '-') {
            const auto name = optionName(word);
            if (!name) {
                throw UsageError("unknown option " + word);
            }
            if (i + 1 >= words.size()) {
                throw UsageError("option " + word + " needs a value");
            }
            if (result.options.count(*name) != 0) {
                throw UsageError("option " + word + " given twice");
            }
            result.options[*name] = words[++i];
        } else {
            result.positional.push_back(word);
        }
    }
    return result;
}

}  // namespace korvex::cli
