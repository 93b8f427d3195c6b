#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "app/SettingsGroup.h"
#include "app/SettingsTabs.h"

namespace korvex::app {

namespace {

constexpr std::string_view kTab = "Telemetry reports";

// The inner tab bar is drawn as a row of push buttons, the pressed one being the shown page.
constexpr const char* kButtonRowStyle =
    "QTabBar::tab { border: 1px solid palette(mid); border-radius: 2px; padding: 2px 8px;"
    " margin: 1px 2px 3px 0px; background: palette(button); }"
    "QTabBar::tab:selected { background: palette(midlight); border-color: palette(dark); }"
    "QTabBar::tab:hover { background: palette(light); }";

QWidget* innerPage(std::string_view page, const GroupLayout& layout) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->addWidget(buildSettingsGroup({SettingWindow::Main, kTab, page}, {}, layout, widget), 0,
                    0);
    return widget;
}

// The "Default parameters" button of each channel, at the end of its row.
GroupLayout presetButtons(QList<QPushButton*>& buttons, int firstNumber, int firstChannel,
                          const QString& hint) {
    GroupLayout layout;
    layout.rowExtra = [&buttons, firstNumber, firstChannel, hint](int row, QWidget* parent) {
        const int channelIndex = firstChannel + row;
        auto* button = new QPushButton(QStringLiteral("Default parameters"), parent);
        button->setObjectName(QStringLiteral("Button%1").arg(firstNumber + channelIndex));
        if (!hint.isEmpty()) {
            button->setToolTip(hint);
        }
        button->setFixedHeight(20);
        buttons.append(button);
        return button;
    };
    return layout;
}

}  // namespace

QWidget* buildTelemetryTab(SettingsTabButtons& buttons) {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(2, 2, 2, 2);
    auto* pages = new QTabWidget(tab);
    pages->setObjectName(QStringLiteral("PageControl2"));
    pages->setDocumentMode(true);
    pages->tabBar()->setStyleSheet(QString::fromLatin1(kButtonRowStyle));
    pages->tabBar()->setDrawBase(false);
    grid->addWidget(pages, 0, 0);

    GroupLayout report;
    report.formColumns = 3;
    auto* reportPage = innerPage("Report settings", report);
    auto* reference = new QLabel(
        QStringLiteral("Channel names, units and labels admit what a telemetry report allows "
                       "(APRS protocol reference v1.0.1, chapter 13)."),
        reportPage);
    reference->setTextFormat(Qt::PlainText);
    reference->setWordWrap(true);
    static_cast<QGridLayout*>(reportPage->layout())->addWidget(reference, 1, 0);
    pages->addTab(reportPage, QStringLiteral("Report settings"));

    // Button6..Button10 serve analog channels 1..5; Button13..Button20 digital channels 1..8.
    const QString analogHint = QStringLiteral("Default parameters for telemetry module.");
    pages->addTab(innerPage("Analog channels", presetButtons(buttons.analogPresets, 6, 0, analogHint)),
                  QStringLiteral("Analog channels"));
    pages->addTab(innerPage("Digital channels 1-4", presetButtons(buttons.digitalPresets, 13, 0, {})),
                  QStringLiteral("Digital channels 1-4"));
    pages->addTab(innerPage("Digital channels 5-8", presetButtons(buttons.digitalPresets, 13, 4, {})),
                  QStringLiteral("Digital channels 5-8"));
    pages->addTab(innerPage("Pinrow outputs", {}), QStringLiteral("Pinrow outputs"));
    pages->setCurrentIndex(0);
    return tab;
}

}  // namespace korvex::app
