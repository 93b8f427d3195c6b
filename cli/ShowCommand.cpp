// korvex-cli show SOURCE [--json]: every setting in window order, grouped by tab, inner page and
// group box, with its value and its name.

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "cli/SettingText.h"
#include "cli/SourceSteps.h"
#include "cli/TerminalFeedback.h"
#include "settings/Latin1.h"
#include "settings/SettingsDiff.h"

namespace korvex::cli {

namespace {

void printText(const SettingsStore& settings) {
    const SettingDef* previous = nullptr;
    for (const SettingDef& def : catalogue()) {
        const bool newTab = !previous || tabText(*previous) != tabText(def);
        const bool newPage = newTab || previous->page != def.page;
        if (newTab) {
            std::cout << (previous ? "\n" : "") << tabText(def) << "\n";
        }
        if (newPage && !def.page.empty()) {
            std::cout << "  " << latin1ToUtf8(def.page) << "\n";
        }
        const std::string indent(def.page.empty() ? 2 : 4, ' ');
        if ((newPage || previous->group != def.group) && !def.group.empty()) {
            std::cout << indent << latin1ToUtf8(def.group) << "\n";
        }
        std::cout << indent << (def.group.empty() ? "" : "  ") << labelText(def) << " "
                  << latin1ToUtf8(displayValue(settings, def)) << "  [" << def.name << "]\n";
        previous = &def;
    }
}

nlohmann::ordered_json asJson(const SettingsStore& settings) {
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    for (const SettingDef& def : catalogue()) {
        nlohmann::ordered_json entry = describeSetting(def);
        entry["value"] = latin1ToUtf8(displayValue(settings, def));
        if (def.kind == SettingKind::Choice) {
            entry["index"] = settings.index(def.name);
            entry["entry"] = entry["value"];
        }
        all.push_back(std::move(entry));
    }
    return all;
}

}  // namespace

int runShow(const Arguments& arguments) {
    arguments.expectPositional(1);
    const bool json = arguments.has("json");
    // stdout holds the settings alone: the device's log lines go to stderr.
    TerminalFeedback feedback(std::cerr, std::cerr, stderrIsTerminal());
    SourceLoader loader(arguments);
    SettingsStore settings;
    if (!loader.load(arguments.positional[0], settings, feedback)) {
        return 1;
    }
    if (json) {
        std::cout << asJson(settings).dump(2) << "\n";
    } else {
        printText(settings);
    }
    return 0;
}

}  // namespace korvex::cli
