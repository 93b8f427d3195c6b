// korvex-cli explain NAME...: the settings reference's entry of each setting named, in any case.

#include <iostream>

#include "cli/Commands.h"
#include "cli/SettingNames.h"
#include "reference/ReferenceDocument.h"
#include "settings/Latin1.h"

namespace korvex::cli {

int runExplain(const Arguments& arguments) {
    arguments.expectAtLeast(1);
    std::vector<const SettingDef*> wanted;
    for (const std::string& name : arguments.positional) {
        wanted.push_back(&settingNamed(name));
    }
    for (size_t i = 0; i < wanted.size(); ++i) {
        std::cout << (i == 0 ? "" : "\n") << latin1ToUtf8(entryText(referenceEntry(*wanted[i])));
    }
    return 0;
}

}  // namespace korvex::cli
