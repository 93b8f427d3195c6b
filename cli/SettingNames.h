#pragma once
// Setting names as typed on the command line: matched without regard to case, and an unknown
// name answered with the closest names of the catalogue.

#include <string_view>

#include "settings/Catalogue.h"

namespace korvex::cli {

// The setting named `name` in any case; throws UsageError naming the closest names otherwise.
const SettingDef& settingNamed(std::string_view name);

}  // namespace korvex::cli
