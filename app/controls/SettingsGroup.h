#pragma once
// Lays out the settings of one group of a page, as the catalogue lists them: ordinary settings as
// label and control rows (optionally in several side-by-side columns), settings of a table-like
// group (beacons, path rules, channels, ...) as a grid with one row per entry and the labels as
// column headings. A table whose rows repeat one label (the octets of an address) shows that label
// in front of the row instead.

#include <QWidget>
#include <functional>
#include <string_view>

#include "settings/Catalogue.h"

class QGridLayout;

namespace korvex::app {

struct GroupLayout {
    int formColumns = 1;        // side-by-side columns of ordinary setting rows
    int tableBlocks = 1;        // side-by-side blocks of table rows, each with its own headings
    bool rowNumbers = true;     // "1:", "2:", ... in front of table rows
    int firstNumber = 1;        // the number of the first row
    bool wrapHeadings = false;  // column headings break over two lines at their last blank
    // A widget appended to each table row (a "Default parameters" button).
    std::function<QWidget*(int row, QWidget* parent)> rowExtra;
    // When set, only the settings for which it is true.
    std::function<bool(const SettingDef&)> only;
};

struct PlaceOfSettings {
    SettingWindow window = SettingWindow::Main;
    std::string_view tab;
    std::string_view page;
};

// The settings of `group` at `place` laid out in a QGroupBox captioned with the group's name, or,
// for the settings outside any group (empty name), in a frameless widget.
QWidget* buildSettingsGroup(const PlaceOfSettings& place, std::string_view group,
                            const GroupLayout& layout, QWidget* parent);

// Applies the compact spacing of the settings pages to a grid.
void makeCompact(QGridLayout& grid);

}  // namespace korvex::app
