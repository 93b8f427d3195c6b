#pragma once
// The wizard's fourth page: the beacon's symbol and comment.

#include "app/newstation/NewStationPage.h"

class QComboBox;
class QLineEdit;

namespace korvex::app {

class BeaconPage final : public NewStationPage {
    Q_OBJECT
  public:
    BeaconPage(NewStationAnswers& answers, std::function<std::optional<NewStationRefusal>()> check);
    QComboBox& symbol() { return *symbol_; }
    QLineEdit& comment() { return *comment_; }

  protected:
    void store() override;

  private:
    QComboBox* symbol_ = nullptr;
    QLineEdit* comment_ = nullptr;
};

}  // namespace korvex::app
