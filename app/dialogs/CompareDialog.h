#pragma once
// "Compare with file...": every setting whose value differs between the window and a chosen
// .cfg, with its tab, label and both values. Nothing changes unless "Load file" is pressed.

#include <QDialog>
#include <filesystem>
#include <vector>

#include "settings/SettingsDiff.h"

class QPushButton;
class QTableWidget;

namespace korvex::app {

class CompareDialog final : public QDialog {
    Q_OBJECT
  public:
    CompareDialog(const std::filesystem::path& file, const std::vector<SettingDifference>& rows,
                  QWidget* parent);

    QTableWidget& table() { return *table_; }
    QPushButton& loadButton() { return *load_; }

  private:
    QTableWidget* table_ = nullptr;
    QPushButton* load_ = nullptr;
};

}  // namespace korvex::app
