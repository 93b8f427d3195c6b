#pragma once
// A main window wired to test doubles: recorded message boxes, a scripted file chooser, a fixed
// clock (2024-05-17 09:05 UTC), a simulated device in memory (or another), a temporary program
// folder (with the backups folder in it), dialogs that are recorded instead of shown and a
// recorded file manager. Writes send the pages without backup and verify.

#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/controls/WidgetSettings.h"
#include "app/seams/DeviceAccess.h"
#include "app/support/RecordingBoxes.h"
#include "app/window/MainWindow.h"
#include "settings/Clock.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempDir.h"

class QDialog;

namespace korvex::testing {

struct WindowRig {
    // `chooser` and `device` replace the rig's own scripted chooser and in-memory device when
    // given.
    explicit WindowRig(FileChooser* chooser = nullptr, app::DeviceAccess* device = nullptr);

    app::MainWindow& window() { return *mainWindow; }
    app::WidgetSettings& settings() { return mainWindow->settings(); }
    QPushButton& button(const char* objectName);
    // A widget of the main window or the filter dialog, found by its objectName.
    template <typename Widget>
    Widget& control(const char* objectName);
    QStringList logLines() const;
    // The six buttons of the top row, in the order Button4, 5, 3, 1, 2, 12.
    std::vector<QPushButton*> actionButtons();

    RecordingBoxes boxes;
    ScriptedFileChooser chooser;
    FixedClock clock{UtcDateTime{2024, 5, 17, 9, 5, 0}};
    app::SimulatedDeviceAccess device{std::nullopt, [](std::chrono::milliseconds) {}};
    TempDir programFolder;
    std::vector<QDialog*> shownDialogs;
    // Folders shown in the file manager, and whether one could be started.
    QList<QUrl> openedUrls;
    bool fileManager = true;
    std::unique_ptr<app::ServiceDefaults> defaults;
    std::unique_ptr<app::MainWindow> mainWindow;
};

template <typename Widget>
Widget& WindowRig::control(const char* objectName) {
    auto* found = mainWindow->findChild<Widget*>(QString::fromLatin1(objectName));
    if (!found) {
        throw std::logic_error(std::string("no widget ") + objectName);
    }
    return *found;
}

}  // namespace korvex::testing
