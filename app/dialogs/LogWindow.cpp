#include "app/dialogs/LogWindow.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace korvex::app {

LogWindow::LogWindow(QPlainTextEdit& logPane, QWidget* parent)
    : QDialog(parent), logPane_(logPane) {
    setObjectName(QStringLiteral("LogWindow"));
    setWindowTitle(QStringLiteral("Log"));
    setModal(false);
    resize(720, 480);
    auto* layout = new QVBoxLayout(this);
    lines_ = new QPlainTextEdit(this);
    lines_->setObjectName(QStringLiteral("LogWindowLines"));
    lines_->setAccessibleName(QStringLiteral("Log"));
    lines_->setReadOnly(true);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(lines_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(&logPane, &QPlainTextEdit::textChanged, this, &LogWindow::follow);
    follow();
}

// The log only grows by lines at its end: the last line copied is written again (it may have
// been the empty first line), then the lines after it.
void LogWindow::follow() {
    const QTextDocument& source = *logPane_.document();
    QTextDocument& copy = *lines_->document();
    const int total = source.blockCount();
    const int have = copy.blockCount();
    if (total < have) {
        lines_->setPlainText(logPane_.toPlainText());
    } else {
        QTextCursor cursor(&copy);
        cursor.setPosition(copy.findBlockByNumber(have - 1).position());
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        QStringList added;
        for (int block = have - 1; block < total; ++block) {
            added << source.findBlockByNumber(block).text();
        }
        cursor.insertText(added.join(QLatin1Char('\n')));
    }
    lines_->verticalScrollBar()->setValue(lines_->verticalScrollBar()->maximum());
}

}  // namespace korvex::app
