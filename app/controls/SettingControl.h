#pragma once
// The control that holds one setting, made from its catalogue entry: an edit field with its
// typing limit, a drop-down list with its entries, or a check box. Its objectName is the
// setting's name and its tool tip the setting's hint. Values are put in by the start-up state.

#include <QFont>
#include <QWidget>

#include "settings/Catalogue.h"

namespace korvex::app {

// Height of the compact edit fields and lists on the settings pages.
inline constexpr int kControlHeight = 20;

// The font of the configurator's windows: the desktop's font family at 8 points.
QFont windowFont();
// The font of column headings, a little smaller so that a heading wider than its field does not
// widen a table much.
QFont headingFont();

// Whether the setting is an edit field for a long text, which takes the row's remaining width.
bool isWideEdit(const SettingDef& def);

// withText: a check box carries the setting's label as its text (false inside a table, where the
// label is the column heading).
QWidget* makeSettingControl(const SettingDef& def, QWidget* parent, bool withText = true);

// Width of an edit field that shows `characters` typical characters.
int editWidthFor(int characters);

}  // namespace korvex::app
