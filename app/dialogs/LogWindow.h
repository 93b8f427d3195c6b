#pragma once
// View > "Log window": the log pane's lines in a resizable window of their own that follows new
// lines as they come, so that a long transfer can be read while the main window stays as it is.

#include <QDialog>

class QPlainTextEdit;

namespace korvex::app {

class LogWindow final : public QDialog {
    Q_OBJECT
  public:
    // Shows the lines of `logPane` (which must outlive this) and every line added to it later.
    explicit LogWindow(QPlainTextEdit& logPane, QWidget* parent = nullptr);

    QPlainTextEdit& lines() { return *lines_; }

  private:
    void follow();

    QPlainTextEdit& logPane_;
    QPlainTextEdit* lines_ = nullptr;
};

}  // namespace korvex::app
