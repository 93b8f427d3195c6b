#pragma once
// Password fields show dots, with a "Show" toggle at the field's right end that shows the text
// while it is on. What the field holds, saves and writes is the same either way.

#include "settings/Catalogue.h"

class QLineEdit;

namespace korvex::app {

// The settings that hold a password or passcode: their labels say so.
bool holdsPassword(const SettingDef& def);

// Hides the field's text behind dots and adds the "Show" toggle (an action named "Show").
void makePasswordField(QLineEdit& field);

}  // namespace korvex::app
