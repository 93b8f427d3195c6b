#include "app/help/FindSettingDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/seams/Latin1.h"

namespace korvex::app {

namespace {

constexpr int kNameRole = Qt::UserRole;

}  // namespace

FindSettingDialog::FindSettingDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindSettingDialog"));
    setWindowTitle(QStringLiteral("Find setting"));
    resize(460, 360);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("&Label, name, file key or hint:"), this);
    layout->addWidget(prompt);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("FindSettingField"));
    field_->setAccessibleName(QStringLiteral("Find setting"));
    field_->setClearButtonEnabled(true);
    prompt->setBuddy(field_);
    layout->addWidget(field_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("FindSettingStatus"));
    layout->addWidget(status_);
    matches_ = new QListWidget(this);
    matches_->setObjectName(QStringLiteral("FindSettingMatches"));
    matches_->setAccessibleName(QStringLiteral("Matching settings"));
    layout->addWidget(matches_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    auto* go = buttons->addButton(QStringLiteral("&Go to setting"), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);

    connect(field_, &QLineEdit::textChanged, this, &FindSettingDialog::search);
    connect(field_, &QLineEdit::returnPressed, this, &FindSettingDialog::choose);
    connect(matches_, &QListWidget::itemActivated, this, &FindSettingDialog::choose);
    connect(matches_, &QListWidget::itemClicked, this, &FindSettingDialog::choose);
    connect(go, &QPushButton::clicked, this, &FindSettingDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Up and Down in the field move through the matches.
    field_->installEventFilter(this);
    go->setAutoDefault(false);
}

QString FindSettingDialog::status() const {
    return status_->text();
}

void FindSettingDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    chosen_ = false;
    field_->setFocus(Qt::OtherFocusReason);
    field_->selectAll();
}

bool FindSettingDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(matches_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindSettingDialog::search(const QString& typed) {
    chosen_ = false;
    matches_->clear();
    const std::vector<const SettingDef*> found = search_.find(toLatin1(typed));
    QStringList captions;
    for (const SettingDef* def : found) {
        captions << fromLatin1(matchCaption(*def));
    }
    for (size_t i = 0; i < found.size(); ++i) {
        const SettingDef* def = found[i];
        QString caption = captions[static_cast<qsizetype>(i)];
        if (captions.count(caption) > 1) {
            // The four octets of an address share their row's label.
            caption += QStringLiteral(" (%1)").arg(fromLatin1(def->name));
        }
        auto* item = new QListWidgetItem(caption, matches_);
        item->setData(kNameRole, fromLatin1(def->name));
        item->setToolTip(fromLatin1(def->name));
    }
    if (!found.empty()) {
        matches_->setCurrentRow(0);
    }
    if (typed.trimmed().isEmpty()) {
        status_->clear();
    } else if (found.empty()) {
        status_->setText(QStringLiteral("No setting matches \"%1\".").arg(typed));
    } else if (found.size() == 1) {
        status_->setText(QStringLiteral("1 setting matches."));
    } else {
        status_->setText(QStringLiteral("%1 settings match.").arg(found.size()));
    }
}

void FindSettingDialog::choose() {
    const QListWidgetItem* item = matches_->currentItem();
    if (!item || chosen_) {
        return;
    }
    chosen_ = true;
    const QString name = item->data(kNameRole).toString();
    accept();
    emit settingChosen(name);
}

}  // namespace korvex::app
