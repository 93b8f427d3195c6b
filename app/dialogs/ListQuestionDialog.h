#pragma once
// A question too long for a message box, such as the write plan's list of changes: its first
// line above a list that scrolls and holds the rest, the two answers, and "Copy", which puts the
// whole text on the clipboard and leaves the question open.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace korvex::app {

class ListQuestionDialog final : public QDialog {
    Q_OBJECT
  public:
    // `accept` and `reject` carry their underlined letters already; `reject` is the default.
    ListQuestionDialog(const QString& caption, const QString& text, const QString& accept,
                       const QString& reject, QWidget* parent = nullptr);

    QPlainTextEdit& list() { return *list_; }
    QPushButton& acceptButton() { return *accept_; }
    QPushButton& copyButton() { return *copy_; }

  private:
    QPlainTextEdit* list_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* copy_ = nullptr;
};

}  // namespace korvex::app
