#pragma once
// Feedback shown in the main window: lines in the log pane (the newest always in view), the
// progress bar (repainted after every page of a transfer that handles no events), the six action
// buttons, and message boxes through MessageBoxes. It keeps the setting an action refused, for
// the window to lead the user to once the action is over.

#include <QList>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "app/seams/MessageBoxes.h"
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
    void warning(std::string_view line) override;
    void progressBegin(int max) override;
    void progressStep() override;
    void progressReset() override;
    void keepResponsive() override;
    void setActionsEnabled(bool enabled) override;
    void settingRefused(std::string_view setting) override;

    // A line of the window's own, appended like log().
    void logLine(const QString& line);
    // The setting refused since the last call, if any.
    std::optional<std::string> takeRefusedSetting();

  private:
    void repaintProgress();

    QPlainTextEdit& logPane_;
    QProgressBar& progressBar_;
    QList<QPointer<QAbstractButton>> actionButtons_;
    MessageBoxes& boxes_;
    bool processingEvents_ = false;  // the running page loop calls keepResponsive()
    std::optional<std::string> refusedSetting_;
};

}  // namespace korvex::app
