#include "app/StationCheckDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/Latin1.h"
#include "settings/Catalogue.h"
#include "settings/SettingCaption.h"

namespace korvex::app {

namespace {

constexpr int kSettingRole = Qt::UserRole;

QString whereShown(std::string_view name) {
    const SettingDef* def = findSetting(name);
    if (!def) {
        return {};
    }
    return fromLatin1(settingPlace(*def)) + QStringLiteral(" / ") +
           fromLatin1(settingCaption(*def));
}

QTreeWidgetItem* row(QStyle::StandardPixmap icon, const QString& where, const QString& text,
                     const QString& tip, const std::string& setting) {
    auto* item = new QTreeWidgetItem({where, text});
    item->setIcon(0, QApplication::style()->standardIcon(icon));
    item->setData(0, kSettingRole, fromLatin1(setting));
    for (int column = 0; column < 2; ++column) {
        item->setToolTip(column, tip);
    }
    return item;
}

}  // namespace

StationCheckDialog::StationCheckDialog(const StationCheck& check,
                                       const std::vector<BeaconOnAir>& beacons, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("StationCheckDialog"));
    setWindowTitle(QStringLiteral("Check station"));
    resize(760, 420);
    auto* layout = new QVBoxLayout(this);

    QString summary;
    if (!check.passed) {
        summary = QStringLiteral("The settings fail a check of \"Write config\":");
    } else if (check.advice.empty()) {
        summary = QStringLiteral("Nothing to advise: the station looks sound.");
    } else {
        summary = fromLatin1(adviceSummary(check.advice)) + QLatin1Char(':');
    }
    layout->addWidget(new QLabel(summary, this));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("StationAdvice"));
    list_->setHeaderLabels({QStringLiteral("Setting"), QStringLiteral("Advice")});
    list_->setRootIsDecorated(false);
    list_->setWordWrap(true);
    list_->setAlternatingRowColors(true);
    if (!check.passed) {
        list_->addTopLevelItem(row(QStyle::SP_MessageBoxCritical, whereShown(check.refusedSetting),
                                   fromLatin1(check.refusal), QString(), check.refusedSetting));
    }
    for (const Advice& advice : check.advice) {
        const bool warning = advice.rule->severity == AdviceSeverity::Warning;
        const QString tip = fromLatin1(advice.rule->reason) + QLatin1Char('\n') +
                            fromLatin1(advice.rule->reference);
        list_->addTopLevelItem(
            row(warning ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation,
                whereShown(advice.settings.front()), fromLatin1(advice.text), tip,
                advice.settings.front()));
    }
    list_->header()->setStretchLastSection(true);
    list_->resizeColumnToContents(0);
    layout->addWidget(list_, 2);

    layout->addWidget(new QLabel(QStringLiteral("Beacons as they go on the air:"), this));
    beacons_ = new QPlainTextEdit(this);
    beacons_->setObjectName(QStringLiteral("StationBeacons"));
    beacons_->setReadOnly(true);
    beacons_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const BeaconOnAir& beacon : beacons) {
        lines << fromLatin1(beaconHeading(beacon));
        lines << (beacon.packet.empty() ? QStringLiteral("  (the text is empty: never sent)")
                                        : QStringLiteral("  ") + fromLatin1(beacon.packet));
    }
    if (lines.isEmpty()) {
        lines << QStringLiteral("No beacon has a rate above 0.");
    }
    beacons_->setPlainText(lines.join(QLatin1Char('\n')));
    layout->addWidget(beacons_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    show_ = buttons->addButton(QStringLiteral("Show"), QDialogButtonBox::ActionRole);
    show_->setEnabled(false);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { show_->setEnabled(current != nullptr); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &StationCheckDialog::choose);
    connect(show_, &QPushButton::clicked, this, &StationCheckDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void StationCheckDialog::choose() {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item) {
        return;
    }
    const QString name = item->data(0, kSettingRole).toString();
    accept();
    if (!name.isEmpty()) {
        emit settingChosen(name);
    }
}

}  // namespace korvex::app
