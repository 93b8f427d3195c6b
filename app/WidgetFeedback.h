#pragma once
// Feedback shown in the main window: lines in the log pane, the progress bar, the six action
// buttons, and message boxes through MessageBoxes.

#include <QList>
#include <QPointer>

#include "app/MessageBoxes.h"
#include "settings/Feedback.h"

class QAbstractButton;
class QPlainTextEdit;
class QProgressBar;

namespace korvex::app {

class WidgetFeedback final : public Feedback {
  public:
    WidgetFeedback(QPlainTextEdit& logPane, QProgressBar& progressBar,
                   QList<QAbstractButton*> actionButtons, MessageBoxes& boxes);

    void log(std::string_view line) override;
    void information(std::string_view text) override;
    void message(std::string_view caption, std::string_view text) override;
    void plainMessage(std::string_view text) override;
    void error(std::string_view text) override;
    void progressBegin(int max) override;
    void progressStep() override;
    void progressReset() override;
    void keepResponsive() override;
    void setActionsEnabled(bool enabled) override;

  private:
    QPlainTextEdit& logPane_;
    QProgressBar& progressBar_;
    QList<QPointer<QAbstractButton>> actionButtons_;
    MessageBoxes& boxes_;
};

}  // namespace korvex::app
