#include "app/QtMessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace korvex::app {

namespace {

QMessageBox::Icon qtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::Error:
            return QMessageBox::Critical;
        case BoxIcon::Question:
            return QMessageBox::Question;
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

bool QtMessageBoxes::ask(BoxIcon icon, const QString& caption, const QString& text,
                         const QString& accept, const QString& reject) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::NoButton, parent_.data());
    box.setTextFormat(Qt::PlainText);
    QPushButton* accepting = box.addButton(accept, QMessageBox::AcceptRole);
    QPushButton* rejecting = box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(rejecting);
    box.setEscapeButton(rejecting);
    box.exec();
    return box.clickedButton() == accepting;
}

}  // namespace korvex::app
