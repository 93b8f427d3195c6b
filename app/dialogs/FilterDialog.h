#pragma once
// "APRS-IS packets to RF filter": the twelve rules of the packet filter, two columns of six rows
// of callsign pattern, SSID pattern and rule type. Its 36 controls are settings like those of the
// main window. Created once at start-up and shown modally by the "Filter setup" button; closing
// it only hides it, so the rules keep their values.

#include <QDialog>

namespace korvex::app {

class FilterDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit FilterDialog(QWidget* parent = nullptr);

  protected:
    // Every showing is centred on the screen.
    void showEvent(QShowEvent* event) override;
};

}  // namespace korvex::app
