#pragma once
// Device > "Restore backup...": the backups kept before writes, newest first, each with its
// station, its UTC time and how many settings differ from the window (or why it cannot be
// restored); the one selected shows those settings, as the compare dialog does. "Restore"
// closes it accepted, and the window then writes the chosen backup to the device.

#include <QDialog>
#include <string_view>
#include <vector>

#include "files/Backups.h"
#include "settings/Settings.h"

class QPushButton;
class QTableWidget;

namespace korvex::app {

class RestoreDialog final : public QDialog {
    Q_OBJECT
  public:
    // Selects the newest backup of `station` that can be restored, or else the newest one.
    RestoreDialog(std::vector<BackupEntry> backups, const Settings& window,
                  std::string_view station, QWidget* parent);

    QTableWidget& backups() { return *backups_; }
    QTableWidget& differences() { return *differences_; }
    QPushButton& restoreButton() { return *restore_; }
    // The backup selected; nullptr when none is.
    const BackupEntry* chosen() const;

  private:
    void showDifferences();

    std::vector<BackupEntry> entries_;
    const Settings& window_;
    QTableWidget* backups_ = nullptr;
    QTableWidget* differences_ = nullptr;
    QPushButton* restore_ = nullptr;
};

}  // namespace korvex::app
