#include "app/controls/SettingsGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <map>
#include <vector>

#include "app/controls/SettingControl.h"
#include "app/seams/Latin1.h"

namespace korvex::app {

void makeCompact(QGridLayout& grid) {
    grid.setContentsMargins(3, 2, 3, 2);
    grid.setHorizontalSpacing(4);
    grid.setVerticalSpacing(1);
}

namespace {

std::vector<const SettingDef*> settingsOf(const PlaceOfSettings& place, std::string_view group) {
    std::vector<const SettingDef*> found;
    for (const auto& def : catalogue()) {
        if (def.window == place.window && def.tab == place.tab && def.page == place.page &&
            def.group == group) {
            found.push_back(&def);
        }
    }
    return found;
}

QLabel* makeLabel(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(fromLatin1(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Ordinary settings: label and control, filled column by column.
void layOutForm(const std::vector<const SettingDef*>& defs, int columns, QWidget& holder,
                QGridLayout& grid, int firstRow) {
    const int count = static_cast<int>(defs.size());
    const int rows = (count + columns - 1) / std::max(columns, 1);
    for (int i = 0; i < count; ++i) {
        const SettingDef& def = *defs[static_cast<size_t>(i)];
        const int row = firstRow + i % rows;
        const int column = (i / rows) * 3;  // label, control, gap
        QWidget* control = makeSettingControl(def, &holder);
        if (def.kind == SettingKind::Check) {
            grid.addWidget(control, row, column, 1, 2);
            continue;
        }
        QLabel* label = makeLabel(def.label, &holder);
        label->setBuddy(control);
        grid.addWidget(label, row, column);
        if (isWideEdit(def)) {
            grid.addWidget(control, row, column + 1);
            grid.setColumnStretch(column + 1, 1);
        } else {
            grid.addWidget(control, row, column + 1, Qt::AlignLeft);
        }
    }
    for (int gap = 2; gap < columns * 3 - 1; gap += 3) {
        grid.setColumnMinimumWidth(gap, 10);
    }
}

using TableRows = std::map<int, std::vector<const SettingDef*>>;

bool rowsRepeatOneLabel(const TableRows& rows) {
    for (const auto& [row, cells] : rows) {
        for (const auto* cell : cells) {
            if (cell->label != cells.front()->label) {
                return false;
            }
        }
    }
    return true;
}

// Table rows: one grid row per entry, in `blocks` side-by-side blocks with their own headings.
// Returns whether a long text takes the rest of each row.
bool layOutTable(const TableRows& rows, const GroupLayout& layout, QWidget& holder,
                 QGridLayout& grid, int firstRow) {
    const bool rowLabels = rowsRepeatOneLabel(rows);
    const int blocks = std::max(layout.tableBlocks, 1);
    const int rowCount = static_cast<int>(rows.size());
    const int rowsPerBlock = (rowCount + blocks - 1) / blocks;
    size_t cellsPerRow = 0;
    for (const auto& [row, cells] : rows) {
        cellsPerRow = std::max(cellsPerRow, cells.size());
    }
    const bool numbered = layout.rowNumbers || rowLabels;
    const int extraColumns = layout.rowExtra ? 1 : 0;
    const int blockWidth = static_cast<int>(cellsPerRow) + (numbered ? 1 : 0) + extraColumns + 1;
    const int headingRows = rowLabels ? 0 : 1;
    // The short fields of one column line up: each is as wide as the column's widest.
    std::map<int, int> columnLimits;
    for (const auto& [row, cells] : rows) {
        for (const auto* cell : cells) {
            if (cell->kind == SettingKind::Edit && !isWideEdit(*cell)) {
                columnLimits[cell->column] = std::max(columnLimits[cell->column], cell->editLimit);
            }
        }
    }

    int index = 0;
    for (const auto& [row, cells] : rows) {
        const int block = index / rowsPerBlock;
        const int gridRow = firstRow + headingRows + index % rowsPerBlock;
        int column = block * blockWidth;
        if (numbered) {
            const std::string number = rowLabels ? std::string(cells.front()->label)
                                                 : std::to_string(row + layout.firstNumber) + ":";
            grid.addWidget(makeLabel(number, &holder), gridRow, column++);
        }
        for (const auto* cell : cells) {
            if (!rowLabels && index % rowsPerBlock == 0) {
                QLabel* heading = makeLabel(cell->label, &holder);
                heading->setFont(headingFont());
                if (layout.wrapHeadings) {
                    QString text = heading->text();
                    const qsizetype lastSpace = text.lastIndexOf(QLatin1Char(' '));
                    if (lastSpace > 0) {
                        text[lastSpace] = QLatin1Char('\n');
                    }
                    heading->setText(text);
                }
                grid.addWidget(heading, firstRow, column, Qt::AlignLeft | Qt::AlignBottom);
            }
            QWidget* control = makeSettingControl(*cell, &holder, false);
            if (const auto limit = columnLimits.find(cell->column); limit != columnLimits.end()) {
                control->setFixedWidth(editWidthFor(std::max(limit->second, 2)));
            }
            if (isWideEdit(*cell)) {
                // A long text in a table (a beacon message) takes the rest of the row.
                control->setMaximumWidth(QWIDGETSIZE_MAX);
                grid.setColumnStretch(column, 1);
                grid.addWidget(control, gridRow, column++);
            } else {
                grid.addWidget(control, gridRow, column++,
                               cell->kind == SettingKind::Check ? Qt::AlignCenter : Qt::AlignLeft);
            }
        }
        if (layout.rowExtra) {
            grid.addWidget(layout.rowExtra(row, &holder), gridRow, column);
        }
        ++index;
    }
    for (int block = 1; block < blocks; ++block) {
        grid.setColumnMinimumWidth(block * blockWidth - 1, 12);
    }
    return std::any_of(rows.begin(), rows.end(), [](const auto& row) {
        return std::any_of(row.second.begin(), row.second.end(),
                           [](const SettingDef* cell) { return isWideEdit(*cell); });
    });
}

}  // namespace

QWidget* buildSettingsGroup(const PlaceOfSettings& place, std::string_view group,
                            const GroupLayout& layout, QWidget* parent) {
    QWidget* holder =
        group.empty() ? new QWidget(parent) : new QGroupBox(fromLatin1(group), parent);
    auto* grid = new QGridLayout(holder);
    makeCompact(*grid);

    std::vector<const SettingDef*> formRows;
    TableRows tableRows;
    for (const auto* def : settingsOf(place, group)) {
        if (layout.only && !layout.only(*def)) {
            continue;
        }
        if (def->row >= 0) {
            tableRows[def->row].push_back(def);
        } else {
            formRows.push_back(def);
        }
    }
    if (!formRows.empty()) {
        layOutForm(formRows, layout.formColumns, *holder, *grid, 0);
    }
    bool tableTakesRest = false;
    if (!tableRows.empty()) {
        auto* table = new QGridLayout;
        table->setContentsMargins(0, 0, 0, 0);
        table->setHorizontalSpacing(2);
        table->setVerticalSpacing(1);
        tableTakesRest = layOutTable(tableRows, layout, *holder, *table, 0);
        const int tableRow = formRows.empty() ? 0 : grid->rowCount();
        grid->addLayout(table, tableRow, 0, 1, std::max(grid->columnCount(), 1));
    }
    // Long texts in forms grow up to their widest, an empty last column takes what is left.
    if (!tableTakesRest) {
        grid->setColumnStretch(grid->columnCount(), 1);
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return holder;
}

}  // namespace korvex::app
