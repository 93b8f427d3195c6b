#pragma once
// Device > "Check station...": the station check's advice (severity icon, tab / label, text; the
// reason and its reference as a tool tip) and the beacons as they go on the air. Double-click or
// "Show" leads to the setting's field, as a failed check of "Write config" does.

#include <QDialog>
#include <string>
#include <vector>

#include "advice/BeaconsOnAir.h"
#include "advice/StationCheck.h"

class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace korvex::app {

class StationCheckDialog final : public QDialog {
    Q_OBJECT
  public:
    StationCheckDialog(const StationCheck& check, const std::vector<BeaconOnAir>& beacons,
                       QWidget* parent);

    QTableWidget& list() { return *list_; }
    QPushButton& showButton() { return *show_; }
    QPlainTextEdit& beaconLines() { return *beacons_; }

  protected:
    // Fits the rows to their texts once the columns have their widths, so that long texts wrap.
    void showEvent(QShowEvent* event) override;

  signals:
    // The setting to lead to; the dialog has closed.
    void settingChosen(const QString& name);

  private:
    void choose();

    QTableWidget* list_ = nullptr;
    QPushButton* show_ = nullptr;
    QPlainTextEdit* beacons_ = nullptr;
};

}  // namespace korvex::app
