#include "app/dialogs/RestoreDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/seams/Latin1.h"
#include "device/WritePlan.h"
#include "image/Codec.h"
#include "image/StoredForm.h"
#include "settings/SettingCaption.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"

namespace korvex::app {

namespace {

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

// The settings of a backup that can be restored, as the window would hold them.
std::vector<SettingDifference> differencesFrom(const Settings& window, const BackupEntry& entry) {
    SettingsStore backup;
    ConfigImage copy = *entry.bytes;
    SilentFeedback quiet;
    DecodeConfigImage(copy, backup, quiet);
    return diffSettings(window, backup, sameAsStored);
}

QTableWidget* table(const QStringList& headings, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget& table, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        table.setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

}  // namespace

RestoreDialog::RestoreDialog(std::vector<BackupEntry> backups, const Settings& window,
                             std::string_view station, QWidget* parent)
    : QDialog(parent), entries_(std::move(backups)), window_(window) {
    setObjectName(QStringLiteral("RestoreDialog"));
    setWindowTitle(QStringLiteral("Restore backup"));
    resize(680, 460);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        entries_.empty() ? QStringLiteral("No backups have been kept yet.")
                         : QStringLiteral("Backups kept before writes, newest first. Restore "
                                          "writes the one selected to the device as it is."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    backups_ = table({QStringLiteral("Station"), QStringLiteral("Time (UTC)"),
                      QStringLiteral("Differs from the window")},
                     this);
    backups_->setObjectName(QStringLiteral("backups"));
    backups_->setAccessibleName(QStringLiteral("Backups"));
    backups_->setRowCount(static_cast<int>(entries_.size()));
    for (int row = 0; row < backups_->rowCount(); ++row) {
        const BackupEntry& entry = entries_[static_cast<size_t>(row)];
        QString differs = QStringLiteral("cannot be restored: %1").arg(fromLatin1(entry.problem));
        if (entry.problem.empty()) {
            const size_t count = differencesFrom(window_, entry).size();
            differs =
                count == 0 ? QStringLiteral("the same settings") : fromLatin1(settingCount(count));
        }
        setRow(*backups_, row,
               {fromLatin1(entry.station.empty() ? std::string("?") : entry.station),
                fromLatin1(utcMinuteText(entry.time)), differs});
        backups_->item(row, 0)->setToolTip(pathText(entry.file()));
    }
    backups_->resizeColumnsToContents();
    intro->setBuddy(backups_);
    layout->addWidget(backups_, 1);

    auto* shown = new QLabel(QStringLiteral("Settings of the selected backup that differ:"), this);
    layout->addWidget(shown);
    differences_ = table({QStringLiteral("Tab"), QStringLiteral("Setting"),
                          QStringLiteral("Window"), QStringLiteral("Backup")},
                         this);
    differences_->setObjectName(QStringLiteral("differences"));
    differences_->setAccessibleName(QStringLiteral("Settings that differ"));
    shown->setBuddy(differences_);
    layout->addWidget(differences_, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    restore_ = buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::AcceptRole);
    restore_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(backups_, &QTableWidget::itemSelectionChanged, this, &RestoreDialog::showDifferences);
    const BackupEntry* first = newestRestorable(entries_, station);
    int row = first ? static_cast<int>(first - entries_.data()) : 0;
    if (!entries_.empty()) {
        backups_->selectRow(row);
    }
}

const BackupEntry* RestoreDialog::chosen() const {
    const auto rows = backups_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return nullptr;
    }
    return &entries_[static_cast<size_t>(rows.front().row())];
}

void RestoreDialog::showDifferences() {
    const BackupEntry* entry = chosen();
    restore_->setEnabled(entry && entry->problem.empty());
    differences_->setRowCount(0);
    if (!entry || !entry->problem.empty()) {
        return;
    }
    const auto rows = differencesFrom(window_, *entry);
    differences_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < differences_->rowCount(); ++row) {
        const SettingDifference& difference = rows[static_cast<size_t>(row)];
        setRow(
            *differences_, row,
            {fromLatin1(settingPlace(*difference.def)), fromLatin1(settingCaption(*difference.def)),
             fromLatin1(difference.left), fromLatin1(difference.right)});
    }
    differences_->resizeColumnsToContents();
}

}  // namespace korvex::app
