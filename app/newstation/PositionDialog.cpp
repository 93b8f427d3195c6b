#include "app/newstation/PositionDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/newstation/PositionForms.h"
#include "app/seams/Latin1.h"
#include "settings/Settings.h"

namespace korvex::app {

PositionDialog::PositionDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("Position"));
    setObjectName(QStringLiteral("PositionDialog"));
    auto* layout = new QVBoxLayout(this);
    forms_ = new PositionForms(this);
    layout->addWidget(forms_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("&Fill in"));
    connect(forms_, &PositionForms::positionChanged, this,
            [this, ok] { ok->setEnabled(forms_->position().has_value()); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (const auto& position = forms_->position()) {
            settings_.setText("Latitude", aprsLatitude(position->latitude));
            settings_.setText("Longitude", aprsLongitude(position->longitude));
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    forms_->input().setText(
        fromLatin1(settings.text("Latitude") + " " + settings.text("Longitude")));
    forms_->input().selectAll();
}

}  // namespace korvex::app
