#include "app/window/WindowMenus.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

#include "advice/StationCheck.h"
#include "app/dialogs/CompareDialog.h"
#include "app/dialogs/StationCheckDialog.h"
#include "app/dialogs/UsbAccessHelp.h"
#include "app/seams/DeviceAccess.h"
#include "app/seams/Latin1.h"
#include "app/seams/MessageBoxes.h"
#include "app/window/ConfiguratorActions.h"
#include "device/HidapiVersion.h"
#include "files/ConfigFile.h"
#include "image/StoredForm.h"
#include "settings/ProgramFolders.h"
#include "settings/SettingsStore.h"
#include "settings/Version.h"

#ifndef KORVEX_PROGRAM_VERSION
#define KORVEX_PROGRAM_VERSION "unknown"
#endif

namespace korvex::app {

namespace {

constexpr auto kVerifyKey = "device/verifyAfterWrite";
constexpr auto kBackupKey = "device/backUpBeforeWrite";
constexpr auto kConfirmKey = "device/confirmChangesBeforeWrite";

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

}  // namespace

WindowMenus::WindowMenus(WindowMenusServices services)
    : QObject(services.window), services_(std::move(services)) {
    menuBar_ = new QMenuBar(services_.window);
    buildFileMenu();
    buildDeviceMenu();
    buildHelpMenu();
    if (services_.buttons.writeConfig) {
        services_.buttons.writeConfig->installEventFilter(this);
    }
}

WindowMenus::~WindowMenus() {
    services_.device->setTrace(nullptr);
}

QAction* WindowMenus::action(const QString& text) const {
    for (QAction* entry : menuBar_->findChildren<QAction*>()) {
        if (QString(entry->text()).remove(QLatin1Char('&')) == text) {
            return entry;
        }
    }
    return nullptr;
}

CompareDialog* WindowMenus::compareDialog() const {
    return compare_.data();
}

StationCheckDialog* WindowMenus::stationCheckDialog() const {
    return stationCheck_.data();
}

bool WindowMenus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        for (const auto& [button, entry] : buttonEntries_) {
            if (button == watched) {
                entry->setEnabled(button->isEnabled());
            }
        }
        if (watched == services_.buttons.writeConfig) {
            const bool enabled = services_.buttons.writeConfig->isEnabled();
            compareEntry_->setEnabled(enabled);
            trace_->setEnabled(enabled);
            checkEntry_->setEnabled(enabled);
        }
    }
    return QObject::eventFilter(watched, event);
}

QAction* WindowMenus::addButtonEntry(QMenu& menu, const QString& text, QPushButton* button,
                                     const QKeySequence& shortcut) {
    QAction* entry = menu.addAction(text);
    entry->setShortcut(shortcut);
    if (button) {
        // Pressing the button runs the action exactly as a click does (a disabled one does not).
        connect(entry, &QAction::triggered, button, &QPushButton::click);
        button->installEventFilter(this);
        entry->setEnabled(button->isEnabled());
        buttonEntries_.append({button, entry});
    }
    return entry;
}

void WindowMenus::buildFileMenu() {
    QMenu* file = menuBar_->addMenu(QStringLiteral("&File"));
    const WindowButtons& buttons = services_.buttons;
    addButtonEntry(*file, QStringLiteral("Read fr&om file"), buttons.readFromFile,
                   QKeySequence(Qt::CTRL | Qt::Key_O));
    addButtonEntry(*file, QStringLiteral("&Save to file"), buttons.saveToFile,
                   QKeySequence(Qt::CTRL | Qt::Key_S));
    addButtonEntry(*file, QStringLiteral("&Build remote update file"), buttons.remoteUpdate);
    file->addSeparator();
    compareEntry_ = file->addAction(QStringLiteral("&Compare with file..."));
    connect(compareEntry_, &QAction::triggered, this,
            [this] { services_.run([this] { compareWithFile(); }); });
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("&Quit"));
    // Ctrl+Q on every platform (Qt's standard Quit key is empty on Windows).
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, services_.window, &QWidget::close);
}

void WindowMenus::buildDeviceMenu() {
    QMenu* device = menuBar_->addMenu(QStringLiteral("&Device"));
    // The device actions carry no shortcut: nothing writes to the device on a key chord.
    const WindowButtons& buttons = services_.buttons;
    addButtonEntry(*device, QStringLiteral("&Read config"), buttons.readConfig);
    addButtonEntry(*device, QStringLiteral("&Write config"), buttons.writeConfig);
    addButtonEntry(*device, QStringLiteral("&Upload firmware"), buttons.uploadFirmware);
    device->addSeparator();
    QSettings remembered;
    const auto toggle = [&](const char* text, const char* key) {
        QAction* entry = device->addAction(QString::fromLatin1(text));
        entry->setCheckable(true);
        entry->setChecked(remembered.value(QLatin1String(key), true).toBool());
        connect(entry, &QAction::toggled, this, [this, key](bool on) {
            QSettings().setValue(QLatin1String(key), on);
            applyWriteSafety();
        });
        return entry;
    };
    verify_ = toggle("&Verify after writing", kVerifyKey);
    backup_ = toggle("&Back up before writing", kBackupKey);
    confirm_ = toggle("Con&firm changes before writing", kConfirmKey);
    applyWriteSafety();

    device->addSeparator();
    trace_ = device->addAction(QStringLiteral("Record USB &trace..."));
    trace_->setCheckable(true);
    connect(trace_, &QAction::toggled, this, &WindowMenus::recordTrace);
    connect(device->addAction(QStringLiteral("&Open backups folder")), &QAction::triggered, this,
            &WindowMenus::openBackupsFolder);

    device->addSeparator();
    checkEntry_ = device->addAction(QStringLiteral("C&heck station..."));
    connect(checkEntry_, &QAction::triggered, this,
            [this] { services_.run([this] { checkStation(); }); });
}

void WindowMenus::buildHelpMenu() {
    QMenu* help = menuBar_->addMenu(QStringLiteral("&Help"));
#ifdef __linux__
    // Elsewhere the device needs no rule and no driver: it is a plain USB HID device.
    QAction* usbAccess = help->addAction(QStringLiteral("&USB access on Linux..."));
    connect(usbAccess, &QAction::triggered, this, &WindowMenus::showUsbAccess);
#endif
    connect(help->addAction(QStringLiteral("&About")), &QAction::triggered, this,
            &WindowMenus::showAbout);
}

void WindowMenus::openBackupsFolder() {
    std::error_code error;
    std::filesystem::create_directories(services_.backupsFolder, error);
    const QString folder = QDir::toNativeSeparators(pathText(services_.backupsFolder));
    if (services_.openUrl(QUrl::fromLocalFile(pathText(services_.backupsFolder)))) {
        return;
    }
    // No file manager to show it: the path, to be opened by hand or pasted elsewhere.
    if (services_.boxes->ask(BoxIcon::Information, QStringLiteral("Open backups folder"),
                             QStringLiteral("No program could be started to show the backups "
                                            "folder. The backups are kept in:\n\n%1")
                                 .arg(folder),
                             QStringLiteral("Copy path"), QStringLiteral("Close"))) {
        QGuiApplication::clipboard()->setText(folder);
    }
}

void WindowMenus::applyWriteSafety() {
    WriteSafety& safety = services_.actions->writeSafety();
    safety.verify = verify_->isChecked();
    safety.backup = backup_->isChecked();
    safety.backupFolder = services_.backupsFolder;
    safety.verifyOffSwitch = "Device > Verify after writing is off";
    safety.backupOffSwitch = "Device > Back up before writing is off";
    safety.confirm = services_.actions->writeConfirmation(confirm_->isChecked());
}

void WindowMenus::recordTrace(bool on) {
    services_.device->setTrace(nullptr);
    traceRecorder_.reset();
    if (traceFile_) {
        traceFile_.reset();
        services_.feedback->log("Trace recording stopped: " + tracePath_.string());
    }
    if (!on) {
        return;
    }
    // Beside the backups, in the user's own data folder (the program's may not be writable).
    const auto folder = services_.backupsFolder.parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const auto path = services_.chooser->saveFile(kTraceFilter, folder, kTraceName);
    if (path) {
        traceFile_ = TraceFile::create(*path);
        if (!traceFile_) {
            services_.boxes->show(BoxIcon::Error, fromLatin1(kApplicationName),
                                  QStringLiteral("Unable to write to %1").arg(pathText(*path)));
        }
    }
    if (!traceFile_) {
        const QSignalBlocker quiet(trace_);
        trace_->setChecked(false);
        return;
    }
    traceRecorder_ = std::make_unique<TraceRecorder>(*traceFile_);
    services_.device->setTrace(traceRecorder_.get());
    tracePath_ = *path;
    services_.feedback->log("Trace recording started: " + tracePath_.string());
}

void WindowMenus::compareWithFile() {
    const auto path =
        services_.chooser->openFile(kConfigFilter, configFolder(services_.programFolder));
    if (!path) {
        return;
    }
    SettingsStore file;
    if (!loadConfigFile(file, *path, *services_.feedback)) {
        return;
    }
    delete compare_;
    compare_ = new CompareDialog(*path, diffSettings(*services_.settings, file, sameAsStored),
                                 services_.window);
    const std::filesystem::path chosen = *path;
    connect(compare_, &QDialog::accepted, this, [this, chosen] {
        services_.run([&] {
            if (loadConfigFile(*services_.settings, chosen, *services_.feedback)) {
                services_.actions->noteSettingsLoaded();
            }
        });
    });
    services_.showDialog(*compare_);
}

void WindowMenus::checkStation() {
    const Settings& settings = *services_.settings;
    const StationCheck check = korvex::checkStation(settings, *services_.clock);
    BeaconSample sample;
    sample.time = services_.clock->utcNow();
    delete stationCheck_;
    stationCheck_ = new StationCheckDialog(check, beaconsOnAir(settings, sample), services_.window);
    // Led to once the dialog has closed, so that a field in the filter dialog can open it.
    connect(
        stationCheck_, &StationCheckDialog::settingChosen, this,
        [this](const QString& name) { services_.showSetting(toLatin1(name)); },
        Qt::QueuedConnection);
    services_.showDialog(*stationCheck_);
}

void WindowMenus::showUsbAccess() {
    services_.boxes->show(BoxIcon::Information, QStringLiteral("USB access on Linux"),
                          usbAccessHelp(findUsbAccessFacts(services_.programFolder)));
}

void WindowMenus::showAbout() {
    QString text = QStringLiteral(
                       "%1\n\nProgram version %2\nConfiguration version %3\nQt %4\nhidapi %5\n\n"
                       "This program is free software under the GNU General Public License, "
                       "version 3 or (at your option) any later version (GPL-3.0-or-later). It "
                       "comes with ABSOLUTELY NO WARRANTY.")
                       .arg(fromLatin1(kApplicationName), QStringLiteral(KORVEX_PROGRAM_VERSION),
                            fromLatin1(kVersionText), QString::fromLatin1(qVersion()),
                            QString::fromStdString(hidapiVersion()));
#ifdef _WIN32
    text += QStringLiteral(
        "\n\nThe Korvex Mini needs no driver on Windows: it is a standard USB HID device, "
        "which Windows sets up by itself when it is plugged in.");
#endif
    services_.boxes->show(BoxIcon::Information, QStringLiteral("About"), text);
}

}  // namespace korvex::app
