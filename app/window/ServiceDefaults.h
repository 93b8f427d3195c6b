#pragma once
// What the main window talks to, and the real thing for each service that a caller leaves empty:
// message boxes, file dialogs, the computer's clock, the device over hidapi, the program's own
// folder, the per-user backups folder, the desktop's file manager. The program and the tests'
// rigs both go through it; the window itself takes its services as they come.

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

class QDialog;
class QUrl;
class QWidget;

namespace korvex {
class Clock;
class FileChooser;
}  // namespace korvex

namespace korvex::app {

class DeviceAccess;
class DialogFileChooser;
class MessageBoxes;
class QtFileDialogRunner;
class QtMessageBoxes;

struct MainWindowServices {
    MessageBoxes* boxes = nullptr;
    FileChooser* fileChooser = nullptr;
    // Names the action whose file dialogs follow and returns the one named before; empty where
    // the chooser keeps no files per action.
    std::function<QString(const QString&)> switchFileAction;
    const Clock* clock = nullptr;
    DeviceAccess* device = nullptr;
    std::filesystem::path programFolder;
    // Shows a dialog modally; tests replace it so that nothing blocks.
    std::function<void(QDialog&)> showDialog;
    // Where "Write config" keeps its backups.
    std::filesystem::path backupsFolder;
    // Shows a folder in the desktop's file manager; false when none could be started.
    std::function<bool(const QUrl&)> openUrl;
};

// Fills every service that `given` leaves empty with the real one and keeps what it made, so it
// must outlive the window that uses its services.
class ServiceDefaults {
  public:
    explicit ServiceDefaults(MainWindowServices given = {});
    ~ServiceDefaults();
    ServiceDefaults(const ServiceDefaults&) = delete;
    ServiceDefaults& operator=(const ServiceDefaults&) = delete;

    const MainWindowServices& services() const { return services_; }
    // The message boxes and file dialogs made here open over `window`.
    void standOver(QWidget& window);

  private:
    MainWindowServices services_;
    std::unique_ptr<QtMessageBoxes> ownBoxes_;
    std::unique_ptr<QtFileDialogRunner> ownDialogRunner_;
    std::unique_ptr<DialogFileChooser> ownChooser_;
    std::unique_ptr<Clock> ownClock_;
    std::unique_ptr<DeviceAccess> ownDevice_;
};

}  // namespace korvex::app
