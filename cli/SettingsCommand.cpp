// korvex-cli settings [--json]: the catalogue for people writing scripts. The text form has one
// line per setting, its fields separated by tabs: name, kind, tab, label, edit limit, entries.

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "cli/SettingText.h"
#include "settings/Latin1.h"

namespace korvex::cli {

int runSettings(const Arguments& arguments) {
    arguments.expectPositional(0);
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    for (const SettingDef& def : catalogue()) {
        nlohmann::ordered_json entry = describeSetting(def);
        std::string entries;
        if (def.kind == SettingKind::Edit) {
            entry["editLimit"] = def.editLimit;
        }
        if (def.kind == SettingKind::Choice) {
            entry["choices"] = nlohmann::ordered_json::array();
            for (const std::string_view choice : def.choices) {
                entry["choices"].push_back(latin1ToUtf8(choice));
                entries += (entries.empty() ? "" : " | ") + latin1ToUtf8(choice);
            }
        }
        if (arguments.has("json")) {
            all.push_back(std::move(entry));
        } else {
            std::cout << def.name << '\t' << kindName(def.kind) << '\t' << tabText(def) << '\t'
                      << labelText(def) << '\t'
                      << (def.kind == SettingKind::Edit ? std::to_string(def.editLimit) : "")
                      << '\t' << entries << '\n';
        }
    }
    if (arguments.has("json")) {
        std::cout << all.dump(2) << "\n";
    }
    return 0;
}

}  // namespace korvex::cli
