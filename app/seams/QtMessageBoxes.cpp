#include "app/seams/QtMessageBoxes.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "app/controls/Mnemonics.h"

namespace korvex::app {

namespace {

QMessageBox::Icon qtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::Warning:
            return QMessageBox::Warning;
        case BoxIcon::Error:
            return QMessageBox::Critical;
        case BoxIcon::Question:
            return QMessageBox::Question;
        case BoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A box is at least as wide as its caption, so that the title bar shows it in full.
void fitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) {
        return;
    }
    // The title bar's font may be larger than the box's; its icon and buttons take the rest.
    constexpr int kTitleBarExtras = 140;
    const int width =
        QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) * 5 / 4 + kTitleBarExtras;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void QtMessageBoxes::show(BoxIcon icon, const QString& caption, const QString& text) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Ok, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("&OK"));
    fitCaption(box);
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
    fitCaption(box);
    box.exec();
    return box.clickedButton() == accepting;
}

int QtMessageBoxes::choose(BoxIcon icon, const QString& caption, const QString& text,
                           const QStringList& buttons) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::NoButton, parent_.data());
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton*> added;
    const QStringList texts = withMnemonics(buttons);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        added.append(box.addButton(
            texts[i], i + 1 == texts.size() ? QMessageBox::RejectRole : QMessageBox::ActionRole));
    }
    if (!added.isEmpty()) {
        box.setDefaultButton(added.last());
        box.setEscapeButton(added.last());
    }
    fitCaption(box);
    box.exec();
    const auto chosen = added.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen < 0 ? static_cast<int>(buttons.size()) - 1 : static_cast<int>(chosen);
}

}  // namespace korvex::app
