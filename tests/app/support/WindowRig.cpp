#include "app/support/WindowRig.h"

#include <QPlainTextEdit>

namespace korvex::testing {

WindowRig::WindowRig(FileChooser* chooserOverride) {
    app::MainWindowServices services;
    services.boxes = &boxes;
    services.fileChooser = chooserOverride ? chooserOverride : &chooser;
    services.clock = &clock;
    services.device = &device;
    services.programFolder = programFolder.path();
    services.showDialog = [this](QDialog& dialog) { shownDialogs.push_back(&dialog); };
    mainWindow = std::make_unique<app::MainWindow>(std::move(services));
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
