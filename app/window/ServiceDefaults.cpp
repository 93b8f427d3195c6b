#include "app/window/ServiceDefaults.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QStandardPaths>
#include <QUrl>

#include "app/seams/DeviceAccess.h"
#include "app/seams/DialogFileChooser.h"
#include "app/seams/QtFileDialogRunner.h"
#include "app/seams/QtMessageBoxes.h"
#include "files/Backups.h"
#include "settings/Clock.h"
#include "settings/ProgramFolders.h"

namespace korvex::app {

ServiceDefaults::ServiceDefaults(MainWindowServices given) : services_(std::move(given)) {
    if (!services_.boxes) {
        ownBoxes_ = std::make_unique<QtMessageBoxes>();
        services_.boxes = ownBoxes_.get();
    }
    if (!services_.fileChooser) {
        ownDialogRunner_ = std::make_unique<QtFileDialogRunner>();
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        ownChooser_ = std::make_unique<DialogFileChooser>(
            *ownDialogRunner_, documents.isEmpty()
                                   ? std::filesystem::path()
                                   : userFolder(std::filesystem::path(documents.toStdU16String())));
        services_.fileChooser = ownChooser_.get();
        services_.switchFileAction = [chooser = ownChooser_.get()](const QString& action) {
            const QString before = chooser->action();
            chooser->setAction(action);
            return before;
        };
    }
    if (!services_.clock) {
        ownClock_ = std::make_unique<SystemClock>();
        services_.clock = ownClock_.get();
    }
    if (!services_.device) {
        ownDevice_ = std::make_unique<HidDeviceAccess>();
        services_.device = ownDevice_.get();
    }
    if (services_.programFolder.empty()) {
        services_.programFolder =
            std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String());
    }
    if (!services_.showDialog) {
        services_.showDialog = [](QDialog& dialog) { dialog.exec(); };
    }
    if (services_.backupsFolder.empty()) {
        services_.backupsFolder = defaultBackupsFolder();
    }
    if (!services_.openUrl) {
        services_.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    }
}

ServiceDefaults::~ServiceDefaults() = default;

void ServiceDefaults::standOver(QWidget& window) {
    if (ownBoxes_) {
        ownBoxes_->setParent(&window);
    }
    if (ownDialogRunner_) {
        ownDialogRunner_->setParent(&window);
    }
}

}  // namespace korvex::app
