#include "app/newstation/PositionPage.h"

#include <QVBoxLayout>

#include "app/newstation/PositionForms.h"

namespace korvex::app {

PositionPage::PositionPage(NewStationAnswers& answers,
                           std::function<std::optional<NewStationRefusal>()> check)
    : NewStationPage(QStringLiteral("Position"),
                     QStringLiteral("The beacon shows the station here on the map. Type it as a "
                                    "map, a GPS or a locator gives it; every form is shown as "
                                    "you type."),
                     answers, std::move(check), {"position"}) {
    forms_ = new PositionForms(this);
    fields().addWidget(forms_);
}

void PositionPage::store() {
    answers_.position = forms_->typed();
}

}  // namespace korvex::app
