#pragma once
// What a screen reader is told of the window's controls, one accessible interface per kind:
// drop-downs name their setting and entry and announce a new entry, edit fields report their text
// whole, tab pages carry their tab's caption (so that moving to a page says its name), and the
// pages' stack is left out of what is spoken. Tab leaves a dialog's table, which reads its row as
// the dialog opens, and Enter presses the main window's focused button. Install once, after
// QApplication exists.

class QObject;

namespace korvex::app {

void installAccessibleControls();

// Tells a screen reader that the drop-down `list` now shows another entry (Qt 6.4 gives a
// drop-down's change only as a name change, which screen readers skip for drop-downs).
void announceNewEntry(QObject* list);

}  // namespace korvex::app
