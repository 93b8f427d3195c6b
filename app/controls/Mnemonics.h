#pragma once
// Underlined letters for the buttons of a box: each text gets one, none alike within the box.

#include <QString>
#include <QStringList>

namespace korvex::app {

// Each text with an "&" before its first word's first letter, or where that letter is taken
// already, before the first letter of a later word, or else any letter that is still free. A
// text that has an "&" already keeps it.
QStringList withMnemonics(const QStringList& texts);

// The underlined letter of a text ("Read fr&om file": 'o'), lower-cased; a null QChar for none.
QChar mnemonicOf(const QString& text);

}  // namespace korvex::app
