#include "app/dialogs/ListQuestionDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace korvex::app {

ListQuestionDialog::ListQuestionDialog(const QString& caption, const QString& text,
                                       const QString& accept, const QString& reject,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ListQuestionDialog"));
    setWindowTitle(caption);
    resize(720, 440);
    const qsizetype firstBreak = text.indexOf(QLatin1Char('\n'));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* question = new QLabel(text.left(firstBreak), this);
    question->setWordWrap(true);
    question->setTextFormat(Qt::PlainText);
    top->addWidget(question, 1);
    layout->addLayout(top);
    list_ = new QPlainTextEdit(text.mid(firstBreak + 1), this);
    list_->setObjectName(QStringLiteral("QuestionList"));
    list_->setAccessibleName(question->text());
    list_->setReadOnly(true);
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(list_, 1);

    auto* buttons = new QDialogButtonBox(this);
    copy_ = buttons->addButton(QStringLiteral("C&opy"), QDialogButtonBox::ActionRole);
    accept_ = buttons->addButton(accept, QDialogButtonBox::AcceptRole);
    QPushButton* rejecting = buttons->addButton(reject, QDialogButtonBox::RejectRole);
    rejecting->setDefault(true);
    connect(copy_, &QPushButton::clicked, this,
            [text] { QApplication::clipboard()->setText(text); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace korvex::app
