#pragma once
// The wizard's last page: the APRS-IS server and the administration passwords.

#include "app/newstation/NewStationPage.h"

class QLineEdit;

namespace korvex::app {

class NetworkPage final : public NewStationPage {
    Q_OBJECT
  public:
    NetworkPage(NewStationAnswers& answers,
                std::function<std::optional<NewStationRefusal>()> check);
    QLineEdit& server() { return *server_; }
    QLineEdit& wwwPassword() { return *www_; }
    QLineEdit& telnetPassword() { return *telnet_; }

  protected:
    void store() override;

  private:
    QLineEdit* server_ = nullptr;
    QLineEdit* www_ = nullptr;
    QLineEdit* telnet_ = nullptr;
};

}  // namespace korvex::app
