#include "app/newstation/RolesPage.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "app/seams/Latin1.h"

namespace korvex::app {

RolesPage::RolesPage(NewStationAnswers& answers,
                     std::function<std::optional<NewStationRefusal>()> check)
    : NewStationPage(QStringLiteral("Roles"),
                     QStringLiteral("What the station does decides its digipeater rules, its "
                                    "beacon's path and rates, and what it gates between RF and "
                                    "APRS-IS."),
                     answers, std::move(check), {"role"}) {
    for (const StationRole& role : stationRoles()) {
        auto* box = new QCheckBox(
            fromLatin1(role.name) + QStringLiteral(": ") + fromLatin1(role.description), this);
        box->setObjectName(QStringLiteral("NewStationRole_") + fromLatin1(role.name));
        fields().addWidget(box);
        roles_.append(box);
    }
}

void RolesPage::store() {
    answers_.roles.clear();
    for (qsizetype i = 0; i < roles_.size(); ++i) {
        if (roles_[i]->isChecked()) {
            answers_.roles.emplace_back(stationRoles()[static_cast<size_t>(i)].name);
        }
    }
}

}  // namespace korvex::app
