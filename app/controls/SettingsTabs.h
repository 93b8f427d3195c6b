#pragma once
// The twelve setting pages of the main window's tab control PageControl1, built from the settings
// catalogue, with the group captions, notes and buttons that belong to the pages.

#include <QList>

class QPushButton;
class QTabWidget;
class QWidget;

namespace korvex::app {

struct SettingsTabButtons {
    QPushButton* specialStrings = nullptr;  // Button11, "Beacons"
    QPushButton* filterSetup = nullptr;     // Button21, "I-Gate"
    QList<QPushButton*> analogPresets;      // Button6..Button10, analog channels 1..5
    QList<QPushButton*> digitalPresets;     // Button13..Button20, digital channels 1..8
};

SettingsTabButtons buildSettingsTabs(QTabWidget& pageControl);

// The "Telemetry reports" page with its inner tab control PageControl2.
QWidget* buildTelemetryTab(SettingsTabButtons& buttons);

}  // namespace korvex::app
