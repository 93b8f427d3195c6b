#include "app/seams/WidgetFeedback.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "app/seams/Latin1.h"
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
    logLine(fromLatin1(line));
}

void WidgetFeedback::logLine(const QString& line) {
    logPane_.appendPlainText(line);
    // The newest line comes into view even when the user had scrolled up.
    QScrollBar* bar = logPane_.verticalScrollBar();
    bar->setValue(bar->maximum());
}

std::optional<std::string> WidgetFeedback::takeRefusedSetting() {
    return std::exchange(refusedSetting_, std::nullopt);
}

void WidgetFeedback::repaintProgress() {
    // Painted at once, without handling any event: input stays blocked during the transfer.
    logPane_.viewport()->repaint();
    logPane_.verticalScrollBar()->repaint();
    progressBar_.repaint();
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

void WidgetFeedback::warning(std::string_view line) {
    log(line);
    boxes_.show(BoxIcon::Warning, fromLatin1(kApplicationName), fromLatin1(line));
}

void WidgetFeedback::error(std::string_view text) {
    boxes_.show(BoxIcon::Error, fromLatin1(kApplicationName), fromLatin1(text));
}

void WidgetFeedback::progressBegin(int max) {
    // A range of 0..0 would turn the bar into a busy indicator; an empty upload shows an empty bar.
    progressBar_.setRange(0, std::max(max, 1));
    progressBar_.setValue(0);
    processingEvents_ = false;
    repaintProgress();
}

void WidgetFeedback::progressStep() {
    progressBar_.setValue(progressBar_.value() + 1);
    // A loop that lets the window process its events is repainted there.
    if (!processingEvents_) {
        repaintProgress();
    }
}

void WidgetFeedback::progressReset() {
    progressBar_.setValue(0);
}

void WidgetFeedback::keepResponsive() {
    processingEvents_ = true;
    QCoreApplication::processEvents();
}

void WidgetFeedback::setActionsEnabled(bool enabled) {
    for (const auto& button : actionButtons_) {
        if (button) {
            button->setEnabled(enabled);
        }
    }
}

void WidgetFeedback::settingRefused(std::string_view setting) {
    refusedSetting_ = std::string(setting);
}

}  // namespace korvex::app
