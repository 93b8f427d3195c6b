// korvex-cli diff A B [--json] [--text]: the settings whose values differ as the device stores
// them (with --text: as typed). Exit 0 when none does, 1 when some do, 2 for a usage error or a
// source that cannot be read.

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "cli/SettingText.h"
#include "cli/SourceSteps.h"
#include "cli/TerminalFeedback.h"
#include "image/StoredForm.h"
#include "settings/Latin1.h"
#include "settings/SettingsDiff.h"

namespace korvex::cli {

int runDiff(const Arguments& arguments) {
    arguments.expectPositional(2);
    const bool json = arguments.has("json");
    // stdout holds the differences alone: the device's log lines go to stderr.
    TerminalFeedback feedback(std::cerr, std::cerr, stderrIsTerminal());
    SourceLoader loader(arguments);
    SettingsStore a;
    SettingsStore b;
    if (!loader.load(arguments.positional[0], a, feedback) ||
        !loader.load(arguments.positional[1], b, feedback)) {
        return 2;
    }
    const auto differences = diffSettings(a, b, arguments.has("text") ? sameAsTyped : sameAsStored);
    if (json) {
        nlohmann::ordered_json all = nlohmann::ordered_json::array();
        for (const SettingDifference& difference : differences) {
            nlohmann::ordered_json entry = describeSetting(*difference.def);
            entry["a"] = latin1ToUtf8(difference.left);
            entry["b"] = latin1ToUtf8(difference.right);
            all.push_back(std::move(entry));
        }
        std::cout << all.dump(2) << "\n";
    } else {
        for (const SettingDifference& difference : differences) {
            std::cout << tabText(*difference.def) << " / " << labelText(*difference.def) << " \""
                      << latin1ToUtf8(difference.left) << "\" -> \""
                      << latin1ToUtf8(difference.right) << "\"  [" << difference.def->name << "]\n";
        }
    }
    return differences.empty() ? 0 : 1;
}

}  // namespace korvex::cli
