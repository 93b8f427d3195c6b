#include "app/WidgetFeedback.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <algorithm>

#include "app/Latin1.h"
#include "settings/Version.h"

namespace korvex::app {

WidgetFeedback::WidgetFeedback(QPlainTextEdit& logPane, QProgressBar& progressBar,
                               QList<QAbstractButton*> actionButtons, MessageBoxes& boxes)
    : logPane_(logPane), progressBar_(progressBar), boxes_(boxes) {
    for (auto* button : actionButtons) {
        actionButtons_.append(button);
    }
}

void WidgetFeedback::log(std::string_view line) {
    logPane_.appendPlainText(fromLatin1(line));
}

void WidgetFeedback::information(std::string_view text) {
    boxes_.show(BoxIcon::Information, QStringLiteral("Information"), fromLatin1(text));
}

void WidgetFeedback::message(std::string_view caption, std::string_view text) {
    boxes_.show(BoxIcon::Information, fromLatin1(caption), fromLatin1(text));
}

void WidgetFeedback::plainMessage(std::string_view text) {
    boxes_.show(BoxIcon::None, fromLatin1(kApplicationName), fromLatin1(text));
}

void WidgetFeedback::error(std::string_view text) {
    boxes_.show(BoxIcon::Error, fromLatin1(kApplicationName), fromLatin1(text));
}

void WidgetFeedback::progressBegin(int max) {
    // A range of 0..0 would turn the bar into a busy indicator; an empty upload shows an empty bar.
    progressBar_.setRange(0, std::max(max, 1));
    progressBar_.setValue(0);
}

void WidgetFeedback::progressStep() {
    progressBar_.setValue(progressBar_.value() + 1);
}

void WidgetFeedback::progressReset() {
    progressBar_.setValue(0);
}

void WidgetFeedback::keepResponsive() {
    QCoreApplication::processEvents();
}

void WidgetFeedback::setActionsEnabled(bool enabled) {
    for (const auto& button : actionButtons_) {
        if (button) {
            button->setEnabled(enabled);
        }
    }
}

}  // namespace korvex::app
