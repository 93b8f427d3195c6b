#pragma once
// The settings catalogue: one entry per setting of the main window and the filter dialog, in the
// order the window shows them. The GUI builds its pages from it, the start-up state is computed
// from it, the codec and the configuration file name settings that it holds.

#include <span>
#include <string_view>
#include <vector>

namespace korvex {

enum class SettingKind { Edit, Choice, Check };
enum class SettingWindow { Main, FilterDialog };

struct SettingDef {
    std::string_view name;
    SettingKind kind = SettingKind::Edit;
    SettingWindow window = SettingWindow::Main;
    std::string_view tab;    // tab caption ("Radio", ...); empty in the filter dialog
    std::string_view page;   // inner page of "Telemetry reports"; empty elsewhere
    std::string_view group;  // caption of the group box that holds it; empty when none
    std::string_view label;  // text beside the control (a column heading in a table group)
    std::string_view hint;   // tool tip; empty when none
    int editLimit = 0;       // edit fields: characters accepted from the keyboard
    // Start-up value: the edit's initial text (empty where start-up computes it: the clock fields
    // and the telemetry channels' preset fields), the list's initial index, the box's state.
    std::string_view startText;
    int startIndex = -1;
    bool startChecked = false;
    std::span<const std::string_view> choices;  // list entries in index order
    // Cell in a table-like group (beacons, path rules, call and packet filters, channels):
    // row and column from 0; -1 where the setting sits in an ordinary form row.
    int row = -1;
    int column = -1;
};

// Every setting, in window order.
std::span<const SettingDef> catalogue();
// The place of a setting in catalogue(), or -1 for a name that is not in it.
int settingPlace(std::string_view name);
// The entry of a setting, or nullptr for a name that is not in the catalogue.
const SettingDef* findSetting(std::string_view name);
// The entry of a setting; a name that is not in the catalogue throws std::logic_error.
const SettingDef& settingDef(std::string_view name);

}  // namespace korvex
