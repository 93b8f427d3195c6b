#include "app/accessibility/SpeechEvents.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSet>

#include "app/accessibility/AccessibleControls.h"
#include "app/controls/SettingList.h"

namespace korvex::app {

namespace {

// How often a running action's new log lines reach the screen reader.
constexpr qint64 kLogBatchMs = 1000;
// The progress bar is told at each of these steps of its range (and at its start and end).
constexpr int kProgressSteps = 4;

struct Speech {
    bool installed = false;
    QAccessible::UpdateHandler previous = nullptr;
    // The log pane's lines held back while an action runs.
    QPointer<QPlainTextEdit> log;
    bool batching = false;
    int batchStart = -1;
    QString batch;
    QElapsedTimer sinceBatch;
    // The focused control, and whether its description was said already.
    QPointer<QObject> focused;
    QPointer<QWidget> focusedGroup;
    QSet<QString> saidInGroup;
    bool focusedHintSaid = false;
    QHash<const QObject*, int> progressStep;
};

Speech& speech() {
    static Speech state;
    return state;
}

void filter(QAccessibleEvent* event);

// Passes an event on to Qt, which sends it to the screen reader. Qt has no handler of its own to
// call: its default is to send, once no handler is installed.
void forward(QAccessibleEvent* event) {
    // A table's model change was applied to its interface before the filter saw it; Qt's bridge
    // sends nothing for it.
    if (event->type() == QAccessible::TableModelChanged) {
        return;
    }
    QAccessible::installUpdateHandler(speech().previous);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&filter);
}

void flushLog() {
    Speech& s = speech();
    if (s.log && !s.batch.isEmpty()) {
        QAccessibleTextInsertEvent event(s.log, s.batchStart, s.batch);
        forward(&event);
    }
    s.batch.clear();
    s.batchStart = -1;
    s.sinceBatch.restart();
}

// Windows, menus, dialogs, tool tips and announcements are worth a "shown": plain controls that
// come and go with their page are not.
bool showingMatters(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    if (!iface) {
        return false;
    }
    switch (iface->role()) {
        case QAccessible::Window:
        case QAccessible::Dialog:
        case QAccessible::PopupMenu:
        case QAccessible::ToolTip:
        case QAccessible::Notification:
        case QAccessible::AlertMessage:
        case QAccessible::StatusBar:
            return true;
        default:
            return false;
    }
}

void noteFocus(QObject* object) {
    Speech& s = speech();
    s.focused = object;
    auto* widget = qobject_cast<QWidget*>(object);
    QWidget* group = widget ? widget->parentWidget() : nullptr;
    if (group != s.focusedGroup) {
        s.saidInGroup.clear();
        s.focusedGroup = group;
    }
    const QString hint = widget ? widget->accessibleDescription() : QString();
    s.focusedHintSaid = !hint.isEmpty() && s.saidInGroup.contains(hint);
    s.saidInGroup.insert(hint);
}

// True when a progress bar's change is worth telling: a new quarter, its start or its end.
bool progressMatters(QProgressBar& bar) {
    const int span = bar.maximum() - bar.minimum();
    const int done = bar.value() - bar.minimum();
    const int step = span > 0 ? done * kProgressSteps / span : 0;
    int& told = speech().progressStep[&bar];
    const bool matters = step != told || done == 0 || done == span;
    told = step;
    return matters;
}

bool isLogEvent(const QObject* object) {
    const Speech& s = speech();
    // The pane, its page and its scroll bars.
    const auto* widget = qobject_cast<const QWidget*>(object);
    return s.batching && s.log && widget && (widget == s.log || s.log->isAncestorOf(widget));
}

void filter(QAccessibleEvent* event) {
    QObject* object = event->object();
    auto* widget = qobject_cast<QWidget*>(object);
    // A window not yet shown is read whole when it appears.
    if (widget && !widget->isWindow() && !widget->window()->isVisible()) {
        return;
    }
    switch (event->type()) {
        case QAccessible::ObjectShow:
        case QAccessible::ObjectHide:
            if (widget && !widget->isWindow() && !showingMatters(event)) {
                return;
            }
            break;
        case QAccessible::Focus:
            noteFocus(object);
            break;
        case QAccessible::TextSelectionChanged:
            // The whole text selected as the focus enters, unselected as it leaves.
            if (qobject_cast<QLineEdit*>(object) &&
                (object != speech().focused || !widget->hasFocus())) {
                return;
            }
            break;
        case QAccessible::ValueChanged:
            if (auto* bar = qobject_cast<QProgressBar*>(object); bar && !progressMatters(*bar)) {
                return;
            }
            break;
        default:
            break;
    }
    if (isLogEvent(object)) {
        Speech& s = speech();
        if (event->type() == QAccessible::TextInserted) {
            const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
            if (s.batchStart < 0) {
                s.batchStart = inserted->changePosition();
            }
            s.batch += inserted->textInserted();
            if (s.sinceBatch.elapsed() >= kLogBatchMs) {
                flushLog();
            }
        }
        return;  // the caret, scrolling and updates of the batch: said with it
    }
    forward(event);
    if (event->type() == QAccessible::ValueChanged && qobject_cast<SettingList*>(object) &&
        widget->hasFocus()) {
        announceNewEntry(object);
    }
}

}  // namespace

void installSpeechEvents() {
    if (!speech().installed) {
        speech().previous = QAccessible::installUpdateHandler(&filter);
        speech().installed = true;
    }
}

void tellScreenReader(QAccessibleEvent* event) {
    if (speech().installed) {
        forward(event);
    } else {
        QAccessible::updateAccessibility(event);
    }
}

void batchLogLines(QPlainTextEdit* log, bool running) {
    Speech& s = speech();
    if (!running) {
        flushLog();
    }
    s.log = log;
    s.batching = running;
    s.sinceBatch.restart();
}

QString spokenDescription(const QObject* control) {
    const auto* widget = qobject_cast<const QWidget*>(control);
    if (!widget || (control == speech().focused && speech().focusedHintSaid)) {
        return {};
    }
    return widget->accessibleDescription();
}

}  // namespace korvex::app
