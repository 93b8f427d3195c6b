#pragma once
// What the pages of the new station wizard share: a line on what the answers are for, the
// answers they fill in, and the check of those answers by the core as the page is left.

#include <QWizardPage>
#include <functional>
#include <string_view>
#include <vector>

#include "newstation/NewStation.h"

class QLabel;
class QVBoxLayout;

namespace korvex::app {

class NewStationPage : public QWizardPage {
    Q_OBJECT
  public:
    // `answers` are the wizard's; `check` makes a station of them and tells why it refused;
    // `asked` names the answers (as NewStationRefusal names them) that this page asks for.
    NewStationPage(const QString& title, const QString& purpose, NewStationAnswers& answers,
                   std::function<std::optional<NewStationRefusal>()> check,
                   std::vector<std::string_view> asked);

    bool validatePage() override;
    // The refusal shown under the page's fields; empty when its answers were taken.
    QString refusal() const;

  protected:
    // Puts the page's fields into the answers.
    virtual void store() = 0;

    QVBoxLayout& fields() { return *fields_; }
    NewStationAnswers& answers_;

  private:
    std::function<std::optional<NewStationRefusal>()> check_;
    std::vector<std::string_view> asked_;
    QVBoxLayout* fields_ = nullptr;
    QLabel* refusal_ = nullptr;
};

}  // namespace korvex::app
