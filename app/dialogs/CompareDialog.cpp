#include "app/dialogs/CompareDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/seams/Latin1.h"
#include "settings/SettingCaption.h"

namespace korvex::app {

CompareDialog::CompareDialog(const std::filesystem::path& file,
                             const std::vector<SettingDifference>& rows, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(QStringLiteral("Compare with file"));
    resize(640, 360);
    auto* layout = new QVBoxLayout(this);
    const QString name = QString::fromStdU16String(file.filename().u16string());
    QString summary = QStringLiteral("The window and %1 hold the same settings.").arg(name);
    if (rows.size() == 1) {
        summary = QStringLiteral("1 setting differs between the window and %1.").arg(name);
    } else if (rows.size() > 1) {
        summary = QStringLiteral("%1 settings differ between the window and %2.")
                      .arg(rows.size())
                      .arg(name);
    }
    auto* summaryLabel = new QLabel(summary, this);
    summaryLabel->setObjectName(QStringLiteral("summary"));
    layout->addWidget(summaryLabel);

    table_ = new QTableWidget(static_cast<int>(rows.size()), 4, this);
    table_->setHorizontalHeaderLabels({QStringLiteral("Tab"), QStringLiteral("Setting"),
                                       QStringLiteral("Window"), QStringLiteral("File")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < table_->rowCount(); ++row) {
        const SettingDifference& difference = rows[static_cast<size_t>(row)];
        const std::string_view tab = settingPlace(*difference.def);
        const QString cells[] = {fromLatin1(tab), fromLatin1(settingCaption(*difference.def)),
                                 fromLatin1(difference.left), fromLatin1(difference.right)};
        for (int column = 0; column < 4; ++column) {
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    table_->resizeColumnsToContents();
    table_->setAccessibleName(QStringLiteral("Settings that differ"));
    summaryLabel->setBuddy(table_);
    layout->addWidget(table_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    load_ = buttons->addButton(QStringLiteral("&Load file"), QDialogButtonBox::AcceptRole);
    load_->setEnabled(!rows.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace korvex::app
