#pragma once
// What each setting does, in words: one short text per setting or per family of settings, beside
// the catalogue. The settings reference, `korvex-cli explain` and the window's help read it.

#include <span>
#include <string_view>

namespace korvex {

struct SettingText {
    // The settings it explains: names separated by ", ", where "#" stands for a number (one or
    // more digits) and "*" for any run of characters ("Beacon#_msg", "Debug_*").
    std::string_view names;
    std::string_view text;
};

// Every text, in the order of the window's tabs.
std::span<const SettingText> settingTexts();
// Whether `name` matches one of the comma-separated patterns of a table's row ("Beacon#_msg",
// "Pathn#_name, Pathn#_active"), as the station check's rules name theirs too: "_units" after
// "Teleanalog#_name" keeps its stem, "Ipaddr0..Ipaddr3" stands for "Ipaddr#".
bool namesMatch(std::string_view patterns, std::string_view name);
// The text of a setting; empty when no row explains it.
std::string_view settingText(std::string_view name);

}  // namespace korvex
