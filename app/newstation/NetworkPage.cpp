#include "app/newstation/NetworkPage.h"

#include <QFormLayout>
#include <QLineEdit>

#include "app/seams/Latin1.h"

namespace korvex::app {

namespace {

QLineEdit* lineEdit(const char* name, int limit, const QString& placeholder, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(limit);
    edit->setPlaceholderText(placeholder);
    return edit;
}

}  // namespace

NetworkPage::NetworkPage(NewStationAnswers& answers,
                         std::function<std::optional<NewStationRefusal>()> check)
    : NewStationPage(QStringLiteral("Network"),
                     QStringLiteral("The station logs in to this APRS-IS server; the passwords "
                                    "guard its web and Telnet administration. Passwords left "
                                    "empty are made up and shown once."),
                     answers, std::move(check), {"server", "www-password", "telnet-password"}) {
    auto* form = new QFormLayout;
    server_ = lineEdit("NewStationServer", 31, QStringLiteral("the start-up server"), this);
    form->addRow(QStringLiteral("APRS-IS &server:"), server_);
    www_ = lineEdit("NewStationWwwPassword", static_cast<int>(kAdminPasswordMax),
                    QStringLiteral("made up"), this);
    form->addRow(QStringLiteral("&Web password:"), www_);
    telnet_ = lineEdit("NewStationTelnetPassword", static_cast<int>(kAdminPasswordMax),
                       QStringLiteral("made up"), this);
    form->addRow(QStringLiteral("&Telnet password:"), telnet_);
    fields().addLayout(form);
}

void NetworkPage::store() {
    answers_.server = toLatin1(server_->text().trimmed());
    answers_.wwwPassword = toLatin1(www_->text());
    answers_.telnetPassword = toLatin1(telnet_->text());
}

}  // namespace korvex::app
