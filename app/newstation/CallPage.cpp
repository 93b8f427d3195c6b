#include "app/newstation/CallPage.h"

#include <QFormLayout>
#include <QLineEdit>

#include "app/seams/Latin1.h"

namespace korvex::app {

CallPage::CallPage(NewStationAnswers& answers,
                   std::function<std::optional<NewStationRefusal>()> check)
    : NewStationPage(QStringLiteral("Callsign"),
                     QStringLiteral("The station sends every packet with this callsign and logs "
                                    "in to APRS-IS with it; an SSID after \"-\" tells it apart "
                                    "from your other stations (SP5ABC-3)."),
                     answers, std::move(check), {"call", "ssid"}) {
    auto* form = new QFormLayout;
    call_ = new QLineEdit(this);
    call_->setObjectName(QStringLiteral("NewStationCall"));
    call_->setAccessibleName(QStringLiteral("Callsign"));
    call_->setMaxLength(9);
    form->addRow(QStringLiteral("&Callsign:"), call_);
    fields().addLayout(form);
}

void CallPage::store() {
    answers_.call = toLatin1(call_->text().trimmed());
}

}  // namespace korvex::app
