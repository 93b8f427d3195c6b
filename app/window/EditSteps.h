#pragma once
// Undo and redo in the window: what a person changes in a field (typing in one field is one
// step) and what an action changes as a whole ("Read config", "Read from file", a preset) are
// steps of the core's EditHistory. Nothing is undone while an action runs.

#include <QObject>

#include "settings/EditHistory.h"

class QWidget;

namespace korvex::app {

class EditSteps final : public QObject {
    Q_OBJECT
  public:
    // Listens to the person's edits in every setting's control of the two windows.
    EditSteps(Settings& settings, QWidget& mainWindow, QWidget& filterDialog);

    // Told as an action starts (true) and once it has ended (false): the action's changes make
    // one step, and undo and redo wait until it has ended.
    void setRunning(bool running);
    bool canUndo() const { return !running_ && history_.canUndo(); }
    bool canRedo() const { return !running_ && history_.canRedo(); }
    // False when there is nothing to undo or redo, or an action runs.
    bool undo();
    bool redo();

  protected:
    // Ctrl+Z and its kin in a field undo the window's steps, not the field's own typing.
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // canUndo() or canRedo() may have changed.
    void stepsChanged();

  private:
    void changed(std::string_view name);

    EditHistory history_;
    bool running_ = false;
};

}  // namespace korvex::app
