#pragma once
// A setting as a log line or a list names it: its label without the trailing colon; a cell of a
// table group (whose label is only a column heading) adds its name, as in "Path name
// (Pathn6_name)".

#include <string>
#include <string_view>

#include "settings/Catalogue.h"

namespace korvex {

std::string settingCaption(const SettingDef& def);
// The label as lists and `diff` show it: a cell of a table group carries its row number in front,
// as in "1. RF rate [min]:".
std::string numberedLabel(const SettingDef& def);
// Where the setting is shown: its tab's caption, or "Packet filter" for the filter dialog.
std::string_view settingPlace(const SettingDef& def);
// The place with the inner page where there is one: "Telemetry reports / Analog channels".
std::string settingPagePlace(const SettingDef& def);

}  // namespace korvex
