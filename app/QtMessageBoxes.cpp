#include "app/QtMessageBoxes.h"

#include <QMessageBox>

namespace korvex::app {

namespace {

QMessageBox::Icon qtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::Error:
            return QMessageBox::Critical;
        case BoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBoxes::show(BoxIcon icon, const QString& caption, const QString& text) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Ok, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace korvex::app
