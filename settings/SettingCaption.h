#pragma once
// A setting as a log line or a list names it: its label without the trailing colon; a cell of a
// table group (whose label is only a column heading) adds its name, as in "Path name
// (Pathn6_name)".

#include <string>

#include "settings/Catalogue.h"

namespace korvex {

std::string settingCaption(const SettingDef& def);

}  // namespace korvex
