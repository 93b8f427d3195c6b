#include "app/newstation/BeaconPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "advice/Symbols.h"
#include "app/seams/Latin1.h"

namespace korvex::app {

BeaconPage::BeaconPage(NewStationAnswers& answers,
                       std::function<std::optional<NewStationRefusal>()> check)
    : NewStationPage(QStringLiteral("Beacon"),
                     QStringLiteral("Others see the station on the map by its symbol and read "
                                    "the comment beside it."),
                     answers, std::move(check), {"symbol", "comment"}) {
    auto* form = new QFormLayout;
    symbol_ = new QComboBox(this);
    symbol_->setObjectName(QStringLiteral("NewStationSymbol"));
    symbol_->addItem(QStringLiteral("As the roles suggest"), QString());
    for (const AprsSymbol& symbol : aprsSymbols()) {
        symbol_->addItem(fromLatin1(symbol.description) + QStringLiteral(" (") +
                             QString(QLatin1Char(symbol.table)) + QLatin1Char(symbol.code) +
                             QLatin1Char(')'),
                         fromLatin1(symbol.name));
    }
    form->addRow(QStringLiteral("&Symbol:"), symbol_);
    comment_ = new QLineEdit(this);
    comment_->setObjectName(QStringLiteral("NewStationComment"));
    comment_->setMaxLength(static_cast<int>(kBeaconCommentMax));
    form->addRow(QStringLiteral("C&omment:"), comment_);
    fields().addLayout(form);
}

void BeaconPage::store() {
    answers_.symbol = toLatin1(symbol_->currentData().toString());
    answers_.comment = toLatin1(comment_->text());
}

}  // namespace korvex::app
