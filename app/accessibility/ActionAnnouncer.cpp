#include "app/accessibility/ActionAnnouncer.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/accessibility/SpeechEvents.h"

namespace korvex::app {

ActionAnnouncer::ActionAnnouncer(QPlainTextEdit& log, QObject* parent)
    : QObject(parent), log_(log) {
    setObjectName(QStringLiteral("Announcement"));
}

void ActionAnnouncer::begin(const QString& action) {
    if (depth_++ > 0) {
        return;
    }
    action_ = action;
    logLength_ = log_.document()->characterCount();
    boxAt_ = -1;
    qApp->installEventFilter(this);
    batchLogLines(&log_, true);
}

void ActionAnnouncer::end(bool succeeded) {
    if (--depth_ > 0) {
        return;
    }
    qApp->removeEventFilter(this);
    batchLogLines(&log_, false);
    QTextDocument& document = *log_.document();
    const qsizetype length = document.characterCount();
    // The action's last line, unless a box or dialog came after it.
    QString line;
    if (length > logLength_ && boxAt_ < length) {
        line = document.lastBlock().text().trimmed();
    }
    if (length > logLength_) {
        // The caret on the newest line, where the log is read from when it gets the focus.
        QTextCursor caret(document.lastBlock());
        log_.setTextCursor(caret);
    }
    if (succeeded) {
        say(line.isEmpty() ? action_ + QStringLiteral(" done.")
                           : action_ + QStringLiteral(" done. ") + line);
    } else if (!line.isEmpty()) {
        say(line.startsWith(action_) ? line : action_ + QStringLiteral(" failed: ") + line);
    }
}

void ActionAnnouncer::say(const QString& text) {
    said_ = text;
    // Shown as a notification: a screen reader speaks it whatever has the focus.
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    tellScreenReader(&event);
}

bool ActionAnnouncer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched)) {
        boxAt_ = log_.document()->characterCount();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korvex::app
