#include "app/dialogs/StationCheckDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/seams/Latin1.h"
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

// Appends a row: the icon and where the setting is shown, then the text; both with the tool tip.
void addRow(QTableWidget& table, QStyle::StandardPixmap icon, const QString& where,
            const QString& text, const QString& tip, const std::string& setting) {
    const int row = table.rowCount();
    table.insertRow(row);
    auto* place = new QTableWidgetItem(QApplication::style()->standardIcon(icon), where);
    place->setData(kSettingRole, fromLatin1(setting));
    auto* advice = new QTableWidgetItem(text);
    for (auto* item : {place, advice}) {
        item->setToolTip(tip);
    }
    table.setItem(row, 0, place);
    table.setItem(row, 1, advice);
}

}  // namespace

StationCheckDialog::StationCheckDialog(const StationCheck& check,
                                       const std::vector<BeaconOnAir>& beacons, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("StationCheckDialog"));
    setWindowTitle(QStringLiteral("Check station"));
    resize(900, 460);
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

    list_ = new QTableWidget(0, 2, this);
    list_->setObjectName(QStringLiteral("StationAdvice"));
    list_->setAccessibleName(QStringLiteral("Station advice"));
    list_->setHorizontalHeaderLabels({QStringLiteral("Setting"), QStringLiteral("Advice")});
    list_->verticalHeader()->hide();
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setWordWrap(true);
    list_->setAlternatingRowColors(true);
    if (!check.passed) {
        addRow(*list_, QStyle::SP_MessageBoxCritical, whereShown(check.refusedSetting),
               fromLatin1(check.refusal), QString(), check.refusedSetting);
    }
    for (const Advice& advice : check.advice) {
        const bool warning = advice.rule->severity == AdviceSeverity::Warning;
        const QString tip = fromLatin1(advice.rule->reason) + QLatin1Char('\n') +
                            fromLatin1(advice.rule->reference);
        addRow(*list_, warning ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation,
               whereShown(advice.settings.front()), fromLatin1(advice.text), tip,
               advice.settings.front());
    }
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->resizeColumnToContents(0);
    layout->addWidget(list_, 2);

    layout->addWidget(new QLabel(QStringLiteral("Beacons as they go on the air:"), this));
    beacons_ = new QPlainTextEdit(this);
    beacons_->setObjectName(QStringLiteral("StationBeacons"));
    beacons_->setAccessibleName(QStringLiteral("Beacons as they go on the air"));
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
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    show_ = buttons->addButton(QStringLiteral("&Show"), QDialogButtonBox::ActionRole);
    show_->setEnabled(false);
    connect(list_, &QTableWidget::currentCellChanged, this,
            [this](int row) { show_->setEnabled(row >= 0); });
    connect(list_, &QTableWidget::cellDoubleClicked, this, &StationCheckDialog::choose);
    connect(show_, &QPushButton::clicked, this, &StationCheckDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void StationCheckDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    list_->resizeRowsToContents();
}

void StationCheckDialog::choose() {
    const QTableWidgetItem* item = list_->item(list_->currentRow(), 0);
    if (!item) {
        return;
    }
    const QString name = item->data(kSettingRole).toString();
    accept();
    if (!name.isEmpty()) {
        emit settingChosen(name);
    }
}

}  // namespace korvex::app
