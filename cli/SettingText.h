#pragma once
// How a setting of the catalogue is named in the output of show, diff and settings: as JSON
// fields and as a text heading, every text turned into UTF-8.

#include <nlohmann/json.hpp>
#include <string>

#include "settings/Catalogue.h"

namespace korvex::cli {

// "edit", "choice" or "check".
std::string kindName(SettingKind kind);

// The fields name, tab, page, group, label and kind.
nlohmann::ordered_json describeSetting(const SettingDef& def);

// The label as a person reads it in a list: a cell of a table group carries its row number.
std::string labelText(const SettingDef& def);

// The tab caption, or the packet filter dialog for the settings it holds.
std::string tabText(const SettingDef& def);

}  // namespace korvex::cli
