#pragma once
// "Beacon special strings": a help card listing the placeholders the device replaces in beacon
// messages. Created once at start-up and shown modally by the "Special strings" button.

#include <QDialog>

namespace korvex::app {

class SpecialStringsDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit SpecialStringsDialog(QWidget* parent = nullptr);
};

}  // namespace korvex::app
