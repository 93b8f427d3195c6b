// korvex-cli: the configurator's actions without a window.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "settings/IntegerRule.h"

namespace {

void printHelp(std::ostream& out) {
    out << "Usage: korvex-cli COMMAND [ARGUMENTS] [OPTIONS]\n\nCommands:\n";
    for (const auto& command : korvex::cli::commands()) {
        std::string line = "  " + std::string(command.name) + " " + std::string(command.usage);
        if (line.size() < 46) {
            line.resize(46, ' ');
        } else {
            line += "\n" + std::string(46, ' ');
        }
        out << line << command.summary << "\n";
    }
    out << "\nExit status: 0 success, 1 failure (message on stderr), 2 usage error.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        printHelp(std::cerr);
        return 2;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        printHelp(std::cout);
        return 0;
    }
    for (const auto& command : korvex::cli::commands()) {
        if (command.name != words[0]) {
            continue;
        }
        try {
            const auto arguments = korvex::cli::parseArguments({words.begin() + 1, words.end()});
            return command.run(arguments);
        } catch (const korvex::cli::UsageError& usage) {
            std::cerr << "korvex-cli " << command.name << ": " << usage.what()
                      << "\nUsage: korvex-cli " << command.name << " " << command.usage << "\n";
            return 2;
        } catch (const korvex::NotAnInteger& notANumber) {
            std::cerr << notANumber.what() << "\n";
            return 1;
        } catch (const std::exception& failure) {
            std::cerr << failure.what() << "\n";
            return 1;
        }
    }
    std::cerr << "korvex-cli: unknown command " << words[0] << "\n";
    printHelp(std::cerr);
    return 2;
}
