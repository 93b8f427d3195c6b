#pragma once
// Help in the window, offline: the settings reference that the build generated (in the system's
// browser, or in a small viewer where none is set), a setting's entry in a popup (F1, Shift+F1)
// with a link to the full entry, and the keyboard shortcuts.

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

class QDialog;
class QMenuBar;
class QUrl;
class QWidget;

namespace korvex::app {

class MessageBoxes;

struct SettingsHelpServices {
    QWidget* window = nullptr;
    MessageBoxes* boxes = nullptr;
    std::filesystem::path programFolder;
    std::function<void(QDialog&)> showDialog;
    // False when no program could show the URL.
    std::function<bool(const QUrl&)> openUrl;
};

class SettingsHelp final : public QObject {
    Q_OBJECT
  public:
    explicit SettingsHelp(SettingsHelpServices services);

    // Opens a document the build generated (the reference, the user guide) at `fragment`, or at
    // its start; where it is missing, a box titled `caption` says where it was looked for.
    void openDocument(std::string_view fileName, const QString& caption,
                      std::string_view fragment = {});
    // The settings reference at a setting's entry, or at its start for an empty name.
    void openReference(std::string_view setting = {});
    // The popup with the entry of the setting that `focus` holds (or is part of); for a control
    // that holds no setting, the reference's start.
    void helpOn(QWidget* focus);
    // The window's keys: every menu entry with a shortcut, then the keys no menu shows.
    void showShortcuts(const QMenuBar& menuBar);

    // The setting a widget holds or is part of (a drop-down's inner field); empty for none.
    static std::string settingOf(const QWidget* widget);
    // The last popup, for tests.
    QDialog* lastPopup() const { return popup_; }

  private:
    void showViewer(const QUrl& url, const QString& caption);

    SettingsHelpServices services_;
    QDialog* popup_ = nullptr;
};

}  // namespace korvex::app
