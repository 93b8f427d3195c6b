#pragma once
// The menus that help a person find, undo and read: Edit (Undo, Redo, Find setting...), View
// (Log window) and the first entries of Help (Settings reference, Help on this setting, Keyboard
// shortcuts, User guide). Added to the window's menu bar beside its own menus; F1 works in the
// filter dialog too.

#include <QObject>
#include <QPointer>
#include <functional>
#include <string_view>

class QAction;
class QDialog;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace korvex::app {

class EditSteps;
class FindSettingDialog;
class LogWindow;
class SettingsHelp;

struct HelpMenusServices {
    QWidget* window = nullptr;
    QWidget* filterDialog = nullptr;
    QMenuBar* menuBar = nullptr;
    SettingsHelp* help = nullptr;
    EditSteps* steps = nullptr;
    QPlainTextEdit* logPane = nullptr;
    // Undo and redo follow this button's enabled state: nothing is undone while an action runs.
    QPushButton* writeConfig = nullptr;
    // Leads to a setting's field.
    std::function<void(std::string_view)> showSetting;
    std::function<void(QDialog&)> showDialog;
    // Opens the user guide.
    std::function<void()> userGuide;
};

class HelpMenus final : public QObject {
    Q_OBJECT
  public:
    explicit HelpMenus(HelpMenusServices services);

    FindSettingDialog* findDialog() const;
    LogWindow* logWindow() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildEditMenu();
    void buildViewMenu();
    void buildHelpEntries();
    void updateSteps();
    void findSetting();
    void showLogWindow();
    void helpOnFocus();

    HelpMenusServices services_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QPointer<FindSettingDialog> find_;
    QPointer<LogWindow> log_;
};

}  // namespace korvex::app
