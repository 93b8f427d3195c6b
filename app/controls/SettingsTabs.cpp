#include "app/controls/SettingsTabs.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "app/controls/SettingsGroup.h"

namespace korvex::app {

namespace {

QWidget* group(std::string_view tab, std::string_view caption, GroupLayout layout,
               QWidget* parent) {
    return buildSettingsGroup({SettingWindow::Main, tab, {}}, caption, layout, parent);
}

GroupLayout columns(int formColumns) {
    GroupLayout layout;
    layout.formColumns = formColumns;
    return layout;
}

QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton* button(const char* objectName, const QString& text, QWidget* parent) {
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(QString::fromLatin1(objectName));
    return pushButton;
}

QGridLayout* pageGrid(QWidget& page) {
    auto* grid = new QGridLayout(&page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);
    return grid;
}

// A page whose settings are all outside groups.
QWidget* plainPage(std::string_view tab, int formColumns) {
    auto* page = new QWidget;
    auto* grid = pageGrid(*page);
    grid->addWidget(group(tab, {}, columns(formColumns), page), 0, 0);
    return page;
}

QWidget* digipeaterPage() {
    constexpr std::string_view tab = "Digipeater";
    auto* page = new QWidget;
    auto* grid = pageGrid(*page);
    grid->addWidget(group(tab, "New-N Paradigm PATH filter rules:", {}, page), 0, 0, 2, 1);
    GroupLayout callFilter;
    callFilter.tableBlocks = 2;
    auto* callFilterBox = group(tab, "CALLSIGN filter rules:", callFilter, page);
    auto* callFilterGrid = static_cast<QGridLayout*>(callFilterBox->layout());
    callFilterGrid->addWidget(
        note(QStringLiteral("* wildcards are supported in callsign filter rules"), callFilterBox),
        callFilterGrid->rowCount(), 0, 1, -1);
    grid->addWidget(callFilterBox, 0, 1, 2, 1);
    grid->addWidget(group(tab, "Common Digipeater settings:", {}, page), 0, 2);
    grid->setRowStretch(1, 1);
    return page;
}

QWidget* beaconsPage(SettingsTabButtons& buttons) {
    auto* page = new QWidget;
    auto* grid = pageGrid(*page);
    grid->addWidget(group("Beacons", {}, {}, page), 0, 0, 1, 2);
    buttons.specialStrings = button("Button11", QStringLiteral("S&pecial strings"), page);
    grid->addWidget(buttons.specialStrings, 1, 1, Qt::AlignRight);
    return page;
}

QWidget* igatePage(SettingsTabButtons& buttons) {
    constexpr std::string_view tab = "I-Gate";
    auto* page = new QWidget;
    auto* grid = pageGrid(*page);
    grid->addWidget(group(tab, "Common I-Gate settings:", {}, page), 0, 0);
    grid->addWidget(group(tab, "RF packets to APRS-IS gateway:", {}, page), 1, 0);
    auto* filterBox = group(tab, "APRS-IS packets to RF filter:", columns(2), page);
    buttons.filterSetup = button("Button21", QStringLiteral("F&ilter setup"), filterBox);
    auto* filterGrid = static_cast<QGridLayout*>(filterBox->layout());
    filterGrid->addWidget(buttons.filterSetup, filterGrid->rowCount() - 1, 3, 1, 2, Qt::AlignLeft);
    grid->addWidget(filterBox, 0, 1);
    grid->addWidget(group(tab, "APRS-IS messages to local RF gateway:", columns(2), page), 1, 1, 2,
                    1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* timePage() {
    constexpr std::string_view tab = "RTC/NTP time";
    auto* page = new QWidget;
    auto* grid = pageGrid(*page);
    grid->addWidget(group(tab, {}, {}, page), 0, 0, 2, 1);
    grid->addWidget(note(QStringLiteral("Internal Real Time Clock is updated when the device exits "
                                        "config mode and enters normal mode. To get exact time "
                                        "please change to normal mode quickly after config write."),
                         page),
                    0, 1, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* telnetPage() {
    constexpr std::string_view tab = "Telnet";
    auto* page = new QWidget;
    auto* grid = pageGrid(*page);
    grid->addWidget(group(tab, {}, {}, page), 0, 0, Qt::AlignTop);
    grid->addWidget(
        group(tab, "Telnet debug messages (default state after connect):", columns(2), page), 0, 1,
        Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* wundergroundPage() {
    auto* page = new QWidget;
    auto* grid = pageGrid(*page);
    grid->addWidget(
        group("WUnderground", "Weather reports to WeatherUnderground:", columns(1), page), 0, 0,
        Qt::AlignTop);
    return page;
}

}  // namespace

SettingsTabButtons buildSettingsTabs(QTabWidget& pageControl) {
    SettingsTabButtons buttons;
    pageControl.addTab(plainPage("Radio", 2), QStringLiteral("Radio"));
    pageControl.addTab(digipeaterPage(), QStringLiteral("Digipeater"));
    pageControl.addTab(beaconsPage(buttons), QStringLiteral("Beacons"));
    pageControl.addTab(plainPage("Network", 1), QStringLiteral("Network"));
    pageControl.addTab(plainPage("APRS-IS", 1), QStringLiteral("APRS-IS"));
    pageControl.addTab(igatePage(buttons), QStringLiteral("I-Gate"));
    pageControl.addTab(plainPage("Weather", 1), QStringLiteral("Weather"));
    pageControl.addTab(timePage(), QStringLiteral("RTC/NTP time"));
    pageControl.addTab(plainPage("WWW", 1), QStringLiteral("WWW"));
    pageControl.addTab(telnetPage(), QStringLiteral("Telnet"));
    pageControl.addTab(buildTelemetryTab(buttons), QStringLiteral("Telemetry reports"));
    pageControl.addTab(wundergroundPage(), QStringLiteral("WUnderground"));
    pageControl.setCurrentIndex(0);
    return buttons;
}

}  // namespace korvex::app
