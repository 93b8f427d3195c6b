#pragma once
// The window's menu bar: Device (verify, backup and the question before "Write config",
// remembered between runs; the USB trace; the backups folder; the station check), File (compare
// with a .cfg) and Help. The six buttons stay the way to start every action; entries that start one
// follow the buttons' enabled state.

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "device/TraceTransport.h"

class QAction;
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
    std::function<void(const QUrl&)> openUrl;
    // Leads to a setting's field, as a failed check does.
    std::function<void(std::string_view)> showSetting;
    const Clock* clock = nullptr;
    // Its enabled state is followed by the entries that start an action.
    QPushButton* actionButton = nullptr;
};

class WindowMenus final : public QObject {
    Q_OBJECT
  public:
    explicit WindowMenus(WindowMenusServices services);
    ~WindowMenus() override;

    QMenuBar& menuBar() { return *menuBar_; }
    // An entry by its text, e.g. "Verify after writing"; nullptr when there is none.
    QAction* action(const QString& text) const;
    CompareDialog* compareDialog() const;
    StationCheckDialog* stationCheckDialog() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildDeviceMenu();
    void buildFileMenu();
    void buildHelpMenu();
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
    std::unique_ptr<TraceFile> traceFile_;
    std::filesystem::path tracePath_;
    std::unique_ptr<TraceRecorder> traceRecorder_;
    QPointer<CompareDialog> compare_;
    QPointer<StationCheckDialog> stationCheck_;
};

}  // namespace korvex::app
