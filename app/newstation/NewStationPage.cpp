#include "app/newstation/NewStationPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/seams/Latin1.h"

namespace korvex::app {

NewStationPage::NewStationPage(const QString& title, const QString& purpose,
                               NewStationAnswers& answers,
                               std::function<std::optional<NewStationRefusal>()> check,
                               std::vector<std::string_view> asked)
    : answers_(answers), check_(std::move(check)), asked_(std::move(asked)) {
    setTitle(title);
    setSubTitle(purpose);
    auto* layout = new QVBoxLayout(this);
    fields_ = new QVBoxLayout;
    layout->addLayout(fields_);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("NewStationRefusal"));
    refusal_->setWordWrap(true);
    refusal_->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(refusal_);
    layout->addStretch(1);
}

bool NewStationPage::validatePage() {
    store();
    const auto refused = check_();
    // Answers of the pages still to come are checked there.
    for (const std::string_view answer : asked_) {
        if (refused && refused->answer == answer) {
            refusal_->setText(fromLatin1(refused->message));
            return false;
        }
    }
    refusal_->clear();
    return true;
}

QString NewStationPage::refusal() const {
    return refusal_->text();
}

}  // namespace korvex::app
