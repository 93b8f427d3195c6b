#include "app/QtMessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/Mnemonics.h"

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
    box.button(QMessageBox::Ok)->setText(QStringLiteral("&OK"));
    box.exec();
}

bool QtMessageBoxes::ask(BoxIcon icon, const QString& caption, const QString& text,
                         const QString& accept, const QString& reject) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::NoButton, parent_.data());
    box.setTextFormat(Qt::PlainText);
    const QStringList texts = withMnemonics({accept, reject});
    QPushButton* accepting = box.addButton(texts[0], QMessageBox::AcceptRole);
    QPushButton* rejecting = box.addButton(texts[1], QMessageBox::RejectRole);
    box.setDefaultButton(rejecting);
    box.setEscapeButton(rejecting);
    box.exec();
    return box.clickedButton() == accepting;
}

}  // namespace korvex::app
