#pragma once
// Find a setting (Ctrl+F): a search field and the list of the settings that match what is typed
// (part of a label, name, configuration-file key or hint), each as "tab / label". Enter or a
// click on a match leads to the setting's field and closes the dialog.

#include <QDialog>
#include <vector>

#include "reference/SettingSearch.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace korvex::app {

class FindSettingDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit FindSettingDialog(QWidget* parent = nullptr);

    QLineEdit& searchField() { return *field_; }
    QListWidget& matches() { return *matches_; }
    // "3 settings match.", "No setting matches "xyz"." or empty before anything is typed.
    QString status() const;

  signals:
    // The setting to lead to (its name, Latin-1 as QString).
    void settingChosen(const QString& name);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void search(const QString& typed);
    void choose();

    SettingSearch search_;
    QLineEdit* field_ = nullptr;
    QListWidget* matches_ = nullptr;
    QLabel* status_ = nullptr;
    bool chosen_ = false;  // a click both clicks and activates: one choice per showing
};

}  // namespace korvex::app
