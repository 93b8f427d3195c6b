#include "app/newstation/PositionForms.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/seams/Latin1.h"

namespace korvex::app {

namespace {

QLabel* shownForm(QFormLayout& form, const QString& caption, QWidget* parent) {
    auto* value = new QLabel(parent);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 28);
    form.addRow(caption, value);
    value->setAccessibleName(QString(caption).remove(QLatin1Char(':')));
    return value;
}

}  // namespace

PositionForms::PositionForms(QWidget* parent) : QWidget(parent) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("PositionInput"));
    input_->setAccessibleName(QStringLiteral("Position"));
    input_->setPlaceholderText(QStringLiteral("52.36, 16.893 or 52 21.6N 16 53.6E or JO82ki"));
    form->addRow(QStringLiteral("&Position:"), input_);
    latitude_ = shownForm(*form, QStringLiteral("Latitude:"), this);
    longitude_ = shownForm(*form, QStringLiteral("Longitude:"), this);
    decimal_ = shownForm(*form, QStringLiteral("Decimal degrees:"), this);
    minutes_ = shownForm(*form, QStringLiteral("Degrees and minutes:"), this);
    seconds_ = shownForm(*form, QStringLiteral("Degrees, minutes and seconds:"), this);
    locator_ = shownForm(*form, QStringLiteral("Locator:"), this);
    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("PositionError"));
    error_->setWordWrap(true);
    form->addRow(error_);
    connect(input_, &QLineEdit::textChanged, this, [this] { update(); });
    update();
}

std::string PositionForms::typed() const {
    // The reader takes Latin-1, and the UTF-8 signs of minutes and seconds that Latin-1 lacks.
    const QString text = input_->text();
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            return text.toUtf8().toStdString();
        }
    }
    return toLatin1(text);
}

void PositionForms::update() {
    const PositionReading read = readPosition(typed());
    position_ = read.position;
    const bool shown = position_.has_value();
    latitude_->setText(shown ? fromLatin1(aprsLatitude(position_->latitude)) : QString());
    longitude_->setText(shown ? fromLatin1(aprsLongitude(position_->longitude)) : QString());
    decimal_->setText(shown ? fromLatin1(decimalDegrees(*position_)) : QString());
    minutes_->setText(shown ? fromLatin1(degreesMinutes(*position_)) : QString());
    seconds_->setText(shown ? fromLatin1(degreesMinutesSeconds(*position_)) : QString());
    locator_->setText(shown ? fromLatin1(maidenheadLocator(*position_)) : QString());
    error_->setText(shown || input_->text().trimmed().isEmpty() ? QString()
                                                                : fromLatin1(read.error));
    emit positionChanged();
}

}  // namespace korvex::app
