#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "app/controls/SettingControl.h"
#include "app/controls/SettingsGroup.h"
#include "app/controls/SettingsTabs.h"

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
    grid->setContentsMargins(0, 2, 0, 2);
    grid->addWidget(buildSettingsGroup({SettingWindow::Main, kTab, page}, {}, layout, widget), 0,
                    0);
    return widget;
}

bool startsWith(std::string_view name, std::string_view stem) {
    return name.substr(0, stem.size()) == stem;
}

// The report switches and title above, the data and the parameter reports side by side below.
QWidget* reportSettingsPage() {
    constexpr PlaceOfSettings place{SettingWindow::Main, kTab, "Report settings"};
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);

    GroupLayout general;
    general.formColumns = 2;
    general.only = [](const SettingDef& def) {
        return !startsWith(def.name, "Teledata") && !startsWith(def.name, "Teleparams");
    };
    grid->addWidget(buildSettingsGroup(place, {}, general, page), 0, 0, 1, 3);
    int column = 0;
    for (const std::string_view stem : {"Teledata", "Teleparams"}) {
        GroupLayout report;
        report.only = [stem](const SettingDef& def) { return startsWith(def.name, stem); };
        grid->addWidget(buildSettingsGroup(place, {}, report, page), 1, column++, Qt::AlignTop);
    }
    auto* reference = new QLabel(
        QStringLiteral("Channel names, units and labels hold at most what a telemetry parameter "
                       "message allows (APRS protocol reference v1.0.1, chapter 13)."),
        page);
    reference->setTextFormat(Qt::PlainText);
    reference->setWordWrap(true);
    grid->addWidget(reference, 1, column, Qt::AlignTop);
    grid->setColumnStretch(column, 1);
    return page;
}

// The "Default parameters" button of each channel, at the end of its row.
GroupLayout presetButtons(QList<QPushButton*>& buttons, int firstNumber, int firstChannel,
                          const QString& kind, const QString& hint) {
    GroupLayout layout;
    layout.wrapHeadings = true;
    layout.firstNumber = firstChannel + 1;
    layout.rowExtra = [&buttons, firstNumber, firstChannel, kind, hint](int row, QWidget* parent) {
        const int channelIndex = firstChannel + row;
        auto* button = new QPushButton(QStringLiteral("Default parameters"), parent);
        button->setObjectName(QStringLiteral("Button%1").arg(firstNumber + channelIndex));
        button->setAccessibleName(
            QStringLiteral("%1 channel %2 default parameters").arg(kind).arg(channelIndex + 1));
        if (!hint.isEmpty()) {
            button->setToolTip(hint);
            button->setAccessibleDescription(hint);
        }
        button->setFixedSize(QFontMetrics(windowFont()).horizontalAdvance(button->text()) + 10,
                             kControlHeight);
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

    pages->addTab(reportSettingsPage(), QStringLiteral("Report settings"));

    // Button6..Button10 serve analog channels 1..5; Button13..Button20 digital channels 1..8.
    const QString analogHint = QStringLiteral("Default parameters for telemetry module.");
    pages->addTab(innerPage("Analog channels", presetButtons(buttons.analogPresets, 6, 0,
                                                             QStringLiteral("Analog"), analogHint)),
                  QStringLiteral("Analog channels"));
    pages->addTab(innerPage("Digital channels 1-4", presetButtons(buttons.digitalPresets, 13, 0,
                                                                  QStringLiteral("Digital"), {})),
                  QStringLiteral("Digital channels 1-4"));
    pages->addTab(innerPage("Digital channels 5-8", presetButtons(buttons.digitalPresets, 13, 4,
                                                                  QStringLiteral("Digital"), {})),
                  QStringLiteral("Digital channels 5-8"));
    pages->addTab(innerPage("Pinrow outputs", {}), QStringLiteral("Pinrow outputs"));
    pages->setCurrentIndex(0);
    return tab;
}

}  // namespace korvex::app
