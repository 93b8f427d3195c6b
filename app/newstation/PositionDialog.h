#pragma once
// "Position...": a position typed in any form, shown in every form, filling the Radio tab's
// Latitude and Longitude fields on OK.

#include <QDialog>

namespace korvex {
class Settings;
}

namespace korvex::app {

class PositionForms;

class PositionDialog final : public QDialog {
    Q_OBJECT
  public:
    // Starts from the fields' position; OK writes both fields of `settings`.
    PositionDialog(Settings& settings, QWidget* parent = nullptr);

    PositionForms& forms() { return *forms_; }

  private:
    Settings& settings_;
    PositionForms* forms_ = nullptr;
};

}  // namespace korvex::app
