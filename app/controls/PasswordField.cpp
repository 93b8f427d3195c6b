#include "app/controls/PasswordField.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace korvex::app {

namespace {

// An eye, struck through while the text is hidden.
QIcon eyeIcon(const QColor& colour, bool struck) {
    constexpr int kSize = 16;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.4));
    QPainterPath eye;
    eye.moveTo(1.5, 8);
    eye.quadTo(8, 1, 14.5, 8);
    eye.quadTo(8, 15, 1.5, 8);
    painter.drawPath(eye);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(8, 8), 2.3, 2.3);
    if (struck) {
        painter.drawLine(QPointF(3, 13.5), QPointF(13, 2.5));
    }
    return QIcon(picture);
}

}  // namespace

bool holdsPassword(const SettingDef& def) {
    return def.kind == SettingKind::Edit &&
           (def.label.starts_with("Password") || def.label.starts_with("Passcode"));
}

void makePasswordField(QLineEdit& field) {
    field.setEchoMode(QLineEdit::Password);
    const QColor colour = field.palette().color(QPalette::Text);
    QAction* show = field.addAction(eyeIcon(colour, true), QLineEdit::TrailingPosition);
    show->setObjectName(QStringLiteral("Show"));
    show->setText(QStringLiteral("Show"));
    show->setToolTip(QStringLiteral("Show the password"));
    show->setCheckable(true);
    QObject::connect(show, &QAction::toggled, &field, [&field, show, colour](bool shown) {
        field.setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
        show->setIcon(eyeIcon(colour, !shown));
        show->setToolTip(shown ? QStringLiteral("Hide the password")
                               : QStringLiteral("Show the password"));
    });
}

}  // namespace korvex::app
