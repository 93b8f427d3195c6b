#pragma once
// The wizard's first page: the station's callsign, with its SSID after "-".

#include "app/newstation/NewStationPage.h"

class QLineEdit;

namespace korvex::app {

class CallPage final : public NewStationPage {
    Q_OBJECT
  public:
    CallPage(NewStationAnswers& answers, std::function<std::optional<NewStationRefusal>()> check);
    QLineEdit& call() { return *call_; }

  protected:
    void store() override;

  private:
    QLineEdit* call_ = nullptr;
};

}  // namespace korvex::app
