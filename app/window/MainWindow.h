#pragma once
// The main window: the three groups of action buttons, the setting pages, the log pane and the
// progress bar. It creates the two dialogs, owns the settings through its controls and runs
// every button action through one ActionRunner.

#include <QList>
#include <QPair>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "app/controls/SettingsTabs.h"
#include "app/window/ServiceDefaults.h"

class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace korvex::app {

class ActionRunner;
class ChangeTracker;
class ConfiguratorActions;
class DeviceAccess;
class DeviceIndicator;
class FilterDialog;
class MessageBoxes;
class SpecialStringsDialog;
class WidgetFeedback;
class WidgetSettings;
class WindowMenus;

class MainWindow final : public QWidget {
    Q_OBJECT
  public:
    // Every service must be given (ServiceDefaults fills those a caller leaves empty).
    explicit MainWindow(MainWindowServices services);
    ~MainWindow() override;

    WidgetSettings& settings() { return *settings_; }
    ConfiguratorActions& actions() { return *actions_; }
    SpecialStringsDialog& specialStringsDialog() { return *specialStrings_; }
    FilterDialog& filterDialog() { return *filter_; }
    QTabWidget& pageControl() { return *pageControl_; }
    QPlainTextEdit& logPane() { return *logPane_; }
    QProgressBar& progressBar() { return *progressBar_; }
    // The 735 x 413 area below the menu bar that holds the buttons, the tabs, the log and the bar.
    QWidget& clientArea() { return *client_; }
    WindowMenus& menus() { return *menus_; }
    // "Korvex Mini connected" and its kin at the right end of the menu bar.
    DeviceIndicator& deviceIndicator() { return *deviceIndicator_; }

  protected:
    // Closing with settings changed since they were last read, loaded, saved or written asks
    // "Discard changes?" first, as "Read config" and "Read from file" do.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildActionGroups();
    void connectButtons();
    // Ctrl+Tab / Ctrl+PageDown and Ctrl+Shift+Tab / Ctrl+PageUp step through the pages: the tabs
    // in order, the inner pages of "Telemetry reports" in their place, round at the ends.
    void addPageKeys();
    void stepPage(int step);
    // Every page as (tab, inner page), the inner page -1 for a tab without inner pages.
    QList<QPair<int, int>> pages() const;
    // Runs one button action through the action runner; afterwards the window leads to the
    // setting that the action refused, if any. `name` keeps the action's file dialogs apart.
    void run(const char* name, const std::function<void()>& action);
    // Shows the tab, inner page or filter dialog of a setting and puts the focus in its field,
    // with its text selected.
    void showSetting(std::string_view name);
    // After a successful read, load, save or write: the settings stand as last transferred.
    void markUnchanged();
    // Names the action whose file dialogs follow; returns the one named before.
    QString switchFileAction(const QString& action);
    // "Save to file" with its log line; false when cancelled or failed.
    bool saveToFile();
    // With settings changed since they were last transferred: "Discard changes?" with Discard,
    // Save (saved to a file first) and Cancel; true when the action may go on.
    bool mayDiscardChanges();

    MainWindowServices services_;

    QWidget* client_ = nullptr;
    QPushButton* readConfigButton_ = nullptr;      // Button4
    QPushButton* writeConfigButton_ = nullptr;     // Button5
    QPushButton* uploadFirmwareButton_ = nullptr;  // Button3
    QPushButton* saveToFileButton_ = nullptr;      // Button1
    QPushButton* readFromFileButton_ = nullptr;    // Button2
    QPushButton* remoteUpdateButton_ = nullptr;    // Button12
    QTabWidget* pageControl_ = nullptr;
    SettingsTabButtons tabButtons_;
    QPlainTextEdit* logPane_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    SpecialStringsDialog* specialStrings_ = nullptr;
    FilterDialog* filter_ = nullptr;

    std::unique_ptr<WidgetSettings> settings_;
    std::unique_ptr<WidgetFeedback> feedback_;
    std::unique_ptr<ActionRunner> runner_;
    std::unique_ptr<ConfiguratorActions> actions_;
    WindowMenus* menus_ = nullptr;
    DeviceIndicator* deviceIndicator_ = nullptr;
    std::unique_ptr<ChangeTracker> changes_;
};

}  // namespace korvex::app
