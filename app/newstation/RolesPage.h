#pragma once
// The wizard's second page: what the station does.

#include <QList>

#include "app/newstation/NewStationPage.h"

class QCheckBox;

namespace korvex::app {

class RolesPage final : public NewStationPage {
    Q_OBJECT
  public:
    RolesPage(NewStationAnswers& answers, std::function<std::optional<NewStationRefusal>()> check);
    // One box per role, in the order of stationRoles().
    const QList<QCheckBox*>& roles() const { return roles_; }

  protected:
    void store() override;

  private:
    QList<QCheckBox*> roles_;
};

}  // namespace korvex::app
