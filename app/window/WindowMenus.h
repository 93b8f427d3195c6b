#pragma once
// The window's menu bar: File (the file actions of the top row, compare with a .cfg, Quit),
// Device (the device actions of the top row; verify, backup and the question before "Write
// config", remembered between runs; the USB trace; the backups folder; the station check) and
// Help. An entry of an action presses its button and follows the buttons' enabled state. Every
// entry has its underlined letter, none alike within a menu; Ctrl+O, Ctrl+S and Ctrl+Q are the
// only shortcuts, and none of them writes to the device.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "device/TraceTransport.h"

class QAction;
class QMenu;
class QDialog;
class QMenuBar;
class QPushButton;
class QUrl;
class QWidget;

namespace korvex {
class Clock;
class Feedback;
class FileChooser;
class Settings;
}  // namespace korvex

namespace korvex::app {

class CompareDialog;
class ConfiguratorActions;
class StationCheckDialog;
class DeviceAccess;
class MessageBoxes;

struct WindowButtons {
    QPushButton* readConfig = nullptr;
    QPushButton* writeConfig = nullptr;
    QPushButton* uploadFirmware = nullptr;
    QPushButton* saveToFile = nullptr;
    QPushButton* readFromFile = nullptr;
    QPushButton* remoteUpdate = nullptr;
};

struct WindowMenusServices {
    QWidget* window = nullptr;
    Settings* settings = nullptr;
    Feedback* feedback = nullptr;
    FileChooser* chooser = nullptr;
    MessageBoxes* boxes = nullptr;
    DeviceAccess* device = nullptr;
    ConfiguratorActions* actions = nullptr;
    std::filesystem::path programFolder;
    std::filesystem::path backupsFolder;
    // Runs an action the way the buttons' actions run (errors end up in the error box).
    std::function<void(const std::function<void()>&)> run;
    std::function<void(QDialog&)> showDialog;
    // False when no program could show the URL.
    std::function<bool(const QUrl&)> openUrl;
    // The six action buttons: the File and Device entries of the same name press them, and
    // follow their enabled state (as do the other entries that start an action).
    WindowButtons buttons;
    // Leads to a setting's field, as a failed check does.
    std::function<void(std::string_view)> showSetting;
    const Clock* clock = nullptr;
};

class WindowMenus final : public QObject {
    Q_OBJECT
  public:
    explicit WindowMenus(WindowMenusServices services);
    ~WindowMenus() override;

    QMenuBar& menuBar() { return *menuBar_; }
    // An entry by its text without the underlined letter's "&", e.g. "Verify after writing";
    // nullptr when there is none.
    QAction* action(const QString& text) const;
    CompareDialog* compareDialog() const;
    StationCheckDialog* stationCheckDialog() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildDeviceMenu();
    void buildFileMenu();
    void buildHelpMenu();
    // An entry that presses `button` and is enabled when it is.
    QAction* addButtonEntry(QMenu& menu, const QString& text, QPushButton* button,
                            const QKeySequence& shortcut = {});
    void openBackupsFolder();
    void applyWriteSafety();
    void recordTrace(bool on);
    void compareWithFile();
    void checkStation();
    void showUsbAccess();
    void showAbout();

    WindowMenusServices services_;
    QMenuBar* menuBar_ = nullptr;
    QAction* verify_ = nullptr;
    QAction* backup_ = nullptr;
    QAction* confirm_ = nullptr;
    QAction* trace_ = nullptr;
    QAction* compareEntry_ = nullptr;
    QAction* checkEntry_ = nullptr;
    QList<QPair<QPushButton*, QAction*>> buttonEntries_;
    std::unique_ptr<TraceFile> traceFile_;
    std::filesystem::path tracePath_;
    std::unique_ptr<TraceRecorder> traceRecorder_;
    QPointer<CompareDialog> compare_;
    QPointer<StationCheckDialog> stationCheck_;
};

}  // namespace korvex::app
