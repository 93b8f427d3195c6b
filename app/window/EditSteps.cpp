#include "app/window/EditSteps.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/seams/Latin1.h"
#include "settings/Catalogue.h"

namespace korvex::app {

EditSteps::EditSteps(Settings& settings, QWidget& mainWindow, QWidget& filterDialog)
    : QObject(&mainWindow), history_(settings) {
    for (const SettingDef& def : catalogue()) {
        QWidget& window = def.window == SettingWindow::FilterDialog ? filterDialog : mainWindow;
        QWidget* control = window.findChild<QWidget*>(fromLatin1(def.name));
        const std::string_view name = def.name;
        // Only what a person does: the signals that programmatic changes do not send.
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            connect(edit, &QLineEdit::textEdited, this, [this, name] { changed(name); });
            edit->installEventFilter(this);
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            connect(list, &QComboBox::activated, this, [this, name] { changed(name); });
        } else if (auto* box = qobject_cast<QAbstractButton*>(control)) {
            connect(box, &QAbstractButton::clicked, this, [this, name] { changed(name); });
        }
    }
}

bool EditSteps::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z)) {
            // Not the field's: the shortcut of Edit > Undo or Redo takes the key.
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void EditSteps::changed(std::string_view name) {
    history_.changed(name);
    emit stepsChanged();
}

void EditSteps::setRunning(bool running) {
    running_ = running;
    if (!running) {
        history_.changed();
    }
    emit stepsChanged();
}

bool EditSteps::undo() {
    const bool done = !running_ && history_.undo();
    emit stepsChanged();
    return done;
}

bool EditSteps::redo() {
    const bool done = !running_ && history_.redo();
    emit stepsChanged();
    return done;
}

}  // namespace korvex::app
