#include "settings/SpokenName.h"

#include <cctype>
#include <deque>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace korvex {

namespace {

// The rows of a table group and what a row is called.
struct TableFamily {
    SettingWindow window;
    std::string_view tab;
    std::string_view page;
    std::string_view group;
    std::string_view stem;       // "Beacon": "Beacon 3 ..."
    std::string_view separator;  // between the row and the column: " " or ", "
    int firstNumber;
};

constexpr TableFamily kFamilies[] = {
    {SettingWindow::Main, "Digipeater", "", "New-N Paradigm PATH filter rules:", "Path rule", ", ",
     1},
    {SettingWindow::Main, "Digipeater", "", "CALLSIGN filter rules:", "Callsign filter rule", ", ",
     1},
    {SettingWindow::Main, "Beacons", "", "", "Beacon", " ", 1},
    {SettingWindow::Main, "Telemetry reports", "Analog channels", "", "Analog channel", " ", 1},
    {SettingWindow::Main, "Telemetry reports", "Digital channels 1-4", "", "Digital channel", " ",
     1},
    {SettingWindow::Main, "Telemetry reports", "Digital channels 5-8", "", "Digital channel", " ",
     5},
    {SettingWindow::FilterDialog, "", "", "", "Packet filter rule", " ", 1},
};

// Groups whose labels name only what the group is about: the words that follow each label.
constexpr std::pair<std::string_view, std::string_view> kGroupWords[] = {
    {"Telnet debug messages (default state after connect):", " debug messages"},
};

// Units in brackets and column headings of signs, as they are said.
constexpr std::pair<std::string_view, std::string_view> kSaid[] = {
    {" [ms]", " in milliseconds"},
    {" [s]", " in seconds"},
    {" [min]", " in minutes"},
    {"N>=", "N from"},
    {"N<=", "N to"},
    {"Path name", "name"},
};

std::string said(std::string_view label) {
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) {
        label.remove_suffix(1);
    }
    std::string text(label);
    // A remark in brackets ("Message (empty fields are ignored)") is the label's, not the name's.
    if (const auto open = text.find(" ("); open != std::string::npos) {
        text.erase(open);
    }
    for (const auto& [shown, spoken] : kSaid) {
        if (const auto at = text.find(shown); at != std::string::npos) {
            text.replace(at, shown.size(), spoken);
        }
    }
    return text;
}

// "Destination" becomes "destination" after a row's name; "SSID", "RF rate" and "N from" stay.
std::string lowerFirst(std::string text) {
    if (text.size() > 1 && std::islower(static_cast<unsigned char>(text[1]))) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

const TableFamily* familyOf(const SettingDef& def) {
    for (const auto& family : kFamilies) {
        if (family.window == def.window && family.tab == def.tab && family.page == def.page &&
            family.group == def.group) {
            return &family;
        }
    }
    return nullptr;
}

struct Names {
    std::deque<std::string> texts;
    std::unordered_map<const SettingDef*, std::string_view> byDef;

    Names() {
        // The settings of each table row in column order: an "SSID" column says whose SSID.
        std::map<std::pair<const TableFamily*, int>, std::vector<const SettingDef*>> rows;
        std::map<std::string, int> formLabels;
        for (const auto& def : catalogue()) {
            if (def.row >= 0) {
                rows[{familyOf(def), def.row}].push_back(&def);
            } else {
                ++formLabels[said(def.label)];
            }
        }
        for (const auto& def : catalogue()) {
            byDef.emplace(&def, texts.emplace_back(name(def, rows, formLabels)));
        }
    }

    template <typename Rows>
    static std::string name(const SettingDef& def, const Rows& rows,
                            const std::map<std::string, int>& formLabels) {
        std::string label = said(def.label);
        if (def.row < 0) {
            // A label that stands on several tabs says its tab (or inner page) first.
            if (formLabels.at(label) > 1) {
                label =
                    std::string(def.page.empty() ? def.tab : def.page) + " " + lowerFirst(label);
            }
            for (const auto& [group, words] : kGroupWords) {
                if (def.group == group) {
                    label += words;
                }
            }
            return label;
        }
        const TableFamily* family = familyOf(def);
        if (family == nullptr) {
            // A row of one repeated label (the octets of an address) counts its cells.
            return label + ", octet " + std::to_string(def.column + 1);
        }
        const auto& cells = rows.at({family, def.row});
        if (label == "SSID" && def.column > 0) {
            label = said(cells[static_cast<size_t>(def.column - 1)]->label) + " SSID";
        }
        return std::string(family->stem) + " " + std::to_string(def.row + family->firstNumber) +
               std::string(family->separator) + lowerFirst(label);
    }
};

const Names& names() {
    static const Names instance;
    return instance;
}

}  // namespace

std::string_view spokenName(const SettingDef& def) {
    return names().byDef.at(&def);
}

}  // namespace korvex
