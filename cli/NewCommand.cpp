// korvex-cli new -o FILE.cfg --call CALL[-SSID] --role ROLE[,ROLE...] --position POSITION [...]:
// a new station's settings from a few answers, saved as "Save to file" saves them; the passwords
// made up for it are printed once.
#include <filesystem>
#include <iostream>
#include <random>

#include "advice/Advice.h"
#include "cli/Commands.h"
#include "cli/TerminalFeedback.h"
#include "files/ConfigFile.h"
#include "newstation/NewStation.h"
#include "settings/Latin1.h"

namespace korvex::cli {

namespace {

std::vector<std::string> roleList(const std::string& roles) {
    std::vector<std::string> list;
    size_t start = 0;
    while (start <= roles.size()) {
        const size_t comma = std::min(roles.find(',', start), roles.size());
        if (comma > start) {
            list.push_back(roles.substr(start, comma - start));
        }
        start = comma + 1;
    }
    return list;
}

}  // namespace

int runNew(const Arguments& arguments) {
    arguments.expectPositional(0);
    const auto output = arguments.option("o");
    if (!output) {
        throw UsageError("-o FILE.cfg is required");
    }
    for (const char* required : {"call", "role", "position"}) {
        if (!arguments.has(required)) {
            throw UsageError("--" + std::string(required) + " is required");
        }
    }
    // The texts in Latin-1, as the settings hold them.
    const auto text = [&arguments](const char* name) {
        const auto latin1 = utf8ToLatin1(arguments.option(name).value_or(""));
        if (!latin1) {
            throw UsageError("--" + std::string(name) + ": a character beyond Latin-1");
        }
        return *latin1;
    };
    NewStationAnswers answers;
    answers.call = text("call");
    answers.ssid = arguments.option("ssid");
    answers.roles = roleList(text("role"));
    const PositionReading position = readPositionArgument(*arguments.option("position"));
    if (!position.position) {
        throw UsageError("--position: " + position.error);
    }
    // The position again in the form the core reads back exactly.
    answers.position = aprsLatitude(position.position->latitude) + " " +
                       aprsLongitude(position.position->longitude);
    answers.symbol = text("symbol");
    answers.server = text("server");
    answers.comment = text("comment");
    answers.wwwPassword = text("www-password");
    answers.telnetPassword = text("telnet-password");

    std::random_device device;
    const NewStation made =
        newStation(answers, SystemClock(), [&device] { return static_cast<unsigned>(device()); });
    if (made.refusal) {
        throw UsageError("--" + std::string(made.refusal->answer) + ": " +
                         latin1ToUtf8(made.refusal->message));
    }
    if (std::filesystem::exists(*output) && !arguments.has("force")) {
        throw UsageError(*output + " exists; --force replaces it");
    }
    TerminalFeedback feedback;
    if (!saveConfigFile(made.settings, *output, feedback)) {
        return 1;
    }
    for (const auto& [name, password] : made.madePasswords) {
        std::cout << name << ": " << password << "\n";
    }
    if (!made.madePasswords.empty()) {
        std::cout << "The passwords above were made up for this station and are shown only once.\n";
    }
    std::cout << "Station check: " << adviceSummary(adviseStation(made.settings)) << "\n";
    return 0;
}

}  // namespace korvex::cli
