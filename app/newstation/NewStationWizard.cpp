#include "app/newstation/NewStationWizard.h"

#include <random>

#include "app/newstation/BeaconPage.h"
#include "app/newstation/CallPage.h"
#include "app/newstation/NetworkPage.h"
#include "app/newstation/PositionPage.h"
#include "app/newstation/RolesPage.h"

namespace korvex::app {

NewStationWizard::NewStationWizard(const Clock& clock, QWidget* parent)
    : QWizard(parent), clock_(clock) {
    setObjectName(QStringLiteral("NewStationWizard"));
    setWindowTitle(QStringLiteral("New station"));
    setOption(QWizard::NoBackButtonOnStartPage);
    const auto check = [this] { return make(); };
    call_ = new CallPage(answers_, check);
    roles_ = new RolesPage(answers_, check);
    position_ = new PositionPage(answers_, check);
    beacon_ = new BeaconPage(answers_, check);
    network_ = new NetworkPage(answers_, check);
    for (QWizardPage* page :
         {static_cast<QWizardPage*>(call_), static_cast<QWizardPage*>(roles_),
          static_cast<QWizardPage*>(position_), static_cast<QWizardPage*>(beacon_),
          static_cast<QWizardPage*>(network_)}) {
        addPage(page);
    }
    // Wide enough for the roles' lines on one line each.
    setMinimumWidth(fontMetrics().averageCharWidth() * 90);
}

std::optional<NewStationRefusal> NewStationWizard::make() {
    std::random_device device;
    station_ = newStation(answers_, clock_, [&device] { return static_cast<unsigned>(device()); });
    return station_.refusal;
}

}  // namespace korvex::app
