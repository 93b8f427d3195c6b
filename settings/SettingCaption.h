#pragma once
// A setting as a log line or a list names it: its label without the trailing colon; a cell of a
// table group (whose label is only a column heading) adds its name, as in "Path name
// (Pathn6_name)".

#include <string>
#include <string_view>

#include "settings/Catalogue.h"

namespace korvex {

std::string settingCaption(const SettingDef& def);
// Where the setting is shown: its tab's caption, or "Packet filter" for the filter dialog.
std::string_view settingPlace(const SettingDef& def);

}  // namespace korvex
