#pragma once
// What a screen reader says for a setting's control: its label as a person would say it ("TX
// delay in milliseconds"), with the row of a table ("Beacon 3 destination SSID", "Path rule 2, N
// from", "IP address, octet 1", "Analog channel 4 source") and, where one label stands on several
// tabs, the tab in front ("WWW port"). Every setting's name differs from every other's.

#include <string_view>

#include "settings/Catalogue.h"

namespace korvex {

std::string_view spokenName(const SettingDef& def);

}  // namespace korvex
