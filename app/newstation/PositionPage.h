#pragma once
// The wizard's third page: where the station stands, in any form.

#include "app/newstation/NewStationPage.h"

namespace korvex::app {

class PositionForms;

class PositionPage final : public NewStationPage {
    Q_OBJECT
  public:
    PositionPage(NewStationAnswers& answers,
                 std::function<std::optional<NewStationRefusal>()> check);
    PositionForms& forms() { return *forms_; }

  protected:
    void store() override;

  private:
    PositionForms* forms_ = nullptr;
};

}  // namespace korvex::app
