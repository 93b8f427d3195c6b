#pragma once
// File > "New station...": a few questions, one page each, from which the core makes a sound
// station's settings.

#include <QWizard>

#include "newstation/NewStation.h"

namespace korvex {
class Clock;
}

namespace korvex::app {

class CallPage;
class RolesPage;
class PositionPage;
class BeaconPage;
class NetworkPage;

class NewStationWizard final : public QWizard {
    Q_OBJECT
  public:
    NewStationWizard(const Clock& clock, QWidget* parent = nullptr);

    // The station made from the answers when the last page was accepted.
    const NewStation& station() const { return station_; }

    CallPage& callPage() { return *call_; }
    RolesPage& rolesPage() { return *roles_; }
    PositionPage& positionPage() { return *position_; }
    BeaconPage& beaconPage() { return *beacon_; }
    NetworkPage& networkPage() { return *network_; }

  private:
    std::optional<NewStationRefusal> make();

    const Clock& clock_;
    NewStationAnswers answers_;
    NewStation station_;
    CallPage* call_ = nullptr;
    RolesPage* roles_ = nullptr;
    PositionPage* position_ = nullptr;
    BeaconPage* beacon_ = nullptr;
    NetworkPage* network_ = nullptr;
};

}  // namespace korvex::app
