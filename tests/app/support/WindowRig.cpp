#include "app/support/WindowRig.h"

#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QUrl>

#include "app/window/ConfiguratorActions.h"

namespace korvex::testing {

WindowRig::WindowRig(FileChooser* chooserOverride, app::DeviceAccess* deviceOverride) {
    // The Device menu's remembered toggles go to a test location, not the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    app::MainWindowServices services;
    services.backupsFolder = programFolder / "backups";
    services.boxes = &boxes;
    services.fileChooser = chooserOverride ? chooserOverride : &chooser;
    services.clock = &clock;
    services.device = deviceOverride ? deviceOverride : &device;
    services.programFolder = programFolder.path();
    services.showDialog = [this](QDialog& dialog) { shownDialogs.push_back(&dialog); };
    services.openUrl = [this](const QUrl& url) {
        openedUrls.append(url);
        return fileManager;
    };
    defaults = std::make_unique<app::ServiceDefaults>(std::move(services));
    mainWindow = std::make_unique<app::MainWindow>(defaults->services());
    // Writes are the pages alone unless a test turns the backup and the verify on.
    mainWindow->actions().writeSafety() = {};
}

QPushButton& WindowRig::button(const char* objectName) {
    return control<QPushButton>(objectName);
}

QStringList WindowRig::logLines() const {
    const QString text = mainWindow->logPane().toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

std::vector<QPushButton*> WindowRig::actionButtons() {
    std::vector<QPushButton*> buttons;
    for (const char* name : {"Button4", "Button5", "Button3", "Button1", "Button2", "Button12"}) {
        buttons.push_back(&button(name));
    }
    return buttons;
}

}  // namespace korvex::testing
