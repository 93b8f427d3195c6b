#pragma once
// The events that reach a screen reader, thinned so that it keeps up with the window: nothing
// from windows not yet shown (the start-up fills hundreds of lists), no "shown"/"hidden" of plain
// controls when a page changes, the progress bar at every quarter instead of every page, the log
// pane's lines in batches while an action runs, and no selection news from an edit field that
// the focus enters or leaves ("Text unselected"). A drop-down's new entry is announced.

#include <QAccessible>
#include <QString>

class QObject;
class QPlainTextEdit;

namespace korvex::app {

// Installs the filter in front of Qt's own handler. Once, after QApplication exists.
void installSpeechEvents();

// Sends `event` to the screen reader as it is, past the filter.
void tellScreenReader(QAccessibleEvent* event);

// The log pane whose lines are batched while an action runs.
void batchLogLines(QPlainTextEdit* log, bool running);

// The description (hint) of a control, or nothing when it is focused and the control focused
// before it had the same description: the rows of a table share theirs, said once.
QString spokenDescription(const QObject* control);

}  // namespace korvex::app
