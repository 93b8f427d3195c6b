#include "app/WindowMenus.h"

#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

#include "advice/StationCheck.h"
#include "app/CompareDialog.h"
#include "app/ConfiguratorActions.h"
#include "app/DeviceAccess.h"
#include "app/Latin1.h"
#include "app/MessageBoxes.h"
#include "app/StationCheckDialog.h"
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
constexpr std::string_view kTraceFilter = "USB trace files (*.txt)|*.txt";
constexpr std::string_view kTraceName = "korvex-usb-trace.txt";

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
    if (services_.actionButton) {
        services_.actionButton->installEventFilter(this);
    }
}

WindowMenus::~WindowMenus() {
    services_.device->setTrace(nullptr);
}

QAction* WindowMenus::action(const QString& text) const {
    for (QAction* entry : menuBar_->findChildren<QAction*>()) {
        if (entry->text() == text) {
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
    if (event->type() == QEvent::EnabledChange && watched == services_.actionButton) {
        const bool enabled = services_.actionButton->isEnabled();
        compareEntry_->setEnabled(enabled);
        trace_->setEnabled(enabled);
        checkEntry_->setEnabled(enabled);
    }
    return QObject::eventFilter(watched, event);
}

void WindowMenus::buildFileMenu() {
    QMenu* file = menuBar_->addMenu(QStringLiteral("&File"));
    compareEntry_ = file->addAction(QStringLiteral("Compare with file..."));
    connect(compareEntry_, &QAction::triggered, this,
            [this] { services_.run([this] { compareWithFile(); }); });
}

void WindowMenus::buildDeviceMenu() {
    QMenu* device = menuBar_->addMenu(QStringLiteral("&Device"));
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
    verify_ = toggle("Verify after writing", kVerifyKey);
    backup_ = toggle("Back up before writing", kBackupKey);
    confirm_ = toggle("Confirm changes before writing", kConfirmKey);
    applyWriteSafety();

    device->addSeparator();
    trace_ = device->addAction(QStringLiteral("Record USB trace..."));
    trace_->setCheckable(true);
    connect(trace_, &QAction::toggled, this, &WindowMenus::recordTrace);
    QAction* folder = device->addAction(QStringLiteral("Open backups folder"));
    connect(folder, &QAction::triggered, this, [this] {
        std::error_code error;
        std::filesystem::create_directories(services_.backupsFolder, error);
        services_.openUrl(QUrl::fromLocalFile(pathText(services_.backupsFolder)));
    });

    device->addSeparator();
    checkEntry_ = device->addAction(QStringLiteral("Check station..."));
    connect(checkEntry_, &QAction::triggered, this,
            [this] { services_.run([this] { checkStation(); }); });
}

void WindowMenus::buildHelpMenu() {
    QMenu* help = menuBar_->addMenu(QStringLiteral("&Help"));
    connect(help->addAction(QStringLiteral("USB access on Linux...")), &QAction::triggered, this,
            &WindowMenus::showUsbAccess);
    connect(help->addAction(QStringLiteral("About")), &QAction::triggered, this,
            &WindowMenus::showAbout);
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
    const auto path =
        services_.chooser->saveFile(kTraceFilter, services_.programFolder, kTraceName);
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
    QFile rule(QStringLiteral(":/help/70-korvex-mini.rules"));
    rule.open(QIODevice::ReadOnly);
    const QString text =
        QStringLiteral(
            "The configurator needs read and write access to the device's hidraw node. Install "
            "this udev rule as /etc/udev/rules.d/70-korvex-mini.rules:\n\n%1\nthen run:\n\n"
            "sudo install -m 644 packaging/70-korvex-mini.rules /etc/udev/rules.d/\n"
            "sudo udevadm control --reload-rules && sudo udevadm trigger\n\n"
            "and plug the device in again.")
            .arg(QString::fromUtf8(rule.readAll()));
    services_.boxes->show(BoxIcon::Information, QStringLiteral("USB access on Linux"), text);
}

void WindowMenus::showAbout() {
    const QString text =
        QStringLiteral("%1\n\nProgram version %2\nConfiguration version %3\nQt %4\nhidapi %5")
            .arg(fromLatin1(kApplicationName), QStringLiteral(KORVEX_PROGRAM_VERSION),
                 fromLatin1(kVersionText), QString::fromLatin1(qVersion()),
                 QString::fromStdString(hidapiVersion()));
    services_.boxes->show(BoxIcon::Information, QStringLiteral("About"), text);
}

}  // namespace korvex::app
