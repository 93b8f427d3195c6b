// korvex-cli check SOURCE [--strict] [--json]: the checks of "Write config" on a configuration
// file, an image or the device, then the station check's advice.
#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>

#include "advice/StationCheck.h"
#include "cli/Commands.h"
#include "cli/SourceSteps.h"
#include "cli/TerminalFeedback.h"
#include "settings/Latin1.h"

namespace korvex::cli {

namespace {

nlohmann::ordered_json asJson(const std::vector<Advice>& advice) {
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    for (const Advice& one : advice) {
        all.push_back({{"id", one.rule->id},
                       {"severity", severityWord(one.rule->severity)},
                       {"settings", one.settings},
                       {"text", latin1ToUtf8(one.text)},
                       {"reason", one.rule->reason},
                       {"reference", one.rule->reference}});
    }
    return all;
}

}  // namespace

int runCheck(const Arguments& arguments) {
    SettingsStore settings;
    const auto found = loadCheckedStation(arguments, settings);
    if (!found) {
        return 1;
    }
    const StationCheck& check = *found;
    const bool warned = std::any_of(check.advice.begin(), check.advice.end(), [](const Advice& a) {
        return a.rule->severity == AdviceSeverity::Warning;
    });
    if (arguments.has("json")) {
        nlohmann::ordered_json document = {{"passed", true},
                                           {"summary", adviceSummary(check.advice)},
                                           {"advice", asJson(check.advice)}};
        std::cout << document.dump(2) << "\n";
    } else {
        std::cout << "OK\n";
        for (const Advice& advice : check.advice) {
            std::cout << latin1ToUtf8(adviceLine(advice)) << "\n";
        }
        std::cout << adviceSummary(check.advice) << "\n";
    }
    return arguments.has("strict") && warned ? 1 : 0;
}

}  // namespace korvex::cli
