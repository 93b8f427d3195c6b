#include "app/help/SettingsHelp.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/seams/Latin1.h"
#include "app/seams/MessageBoxes.h"
#include "reference/ReferenceDocument.h"
#include "reference/ReferenceFile.h"
#include "settings/Catalogue.h"

namespace korvex::app {

namespace {

QString pathText(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
}

QString withoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The keys that no menu entry shows.
struct Key {
    const char* keys;
    const char* does;
};
constexpr Key kOtherKeys[] = {
    {"Ctrl+Tab, Ctrl+PageDown", "Next page (the pages of \"Telemetry reports\" in their place)"},
    {"Ctrl+Shift+Tab, Ctrl+PageUp", "Previous page"},
    {"Alt+letter", "The button, menu or field whose caption has that letter underlined"},
    {"Tab, Shift+Tab", "Next or previous field"},
    {"Escape", "Closes a dialog or a menu"},
};

QDialog* newDialog(QWidget* parent, const QString& name, const QString& title, QWidget* content,
                   QDialogButtonBox*& buttons) {
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    auto* layout = new QVBoxLayout(dialog);
    content->setParent(dialog);
    layout->addWidget(content);
    buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog;
}

}  // namespace

SettingsHelp::SettingsHelp(SettingsHelpServices services)
    : QObject(services.window), services_(std::move(services)) {}

std::string SettingsHelp::settingOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const std::string name = toLatin1(widget->objectName());
        if (!name.empty() && findSetting(name)) {
            return name;
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return {};
}

void SettingsHelp::openDocument(std::string_view fileName, const QString& caption,
                                std::string_view fragment) {
    const auto file = findDocument(services_.programFolder, fileName);
    if (!file) {
        QStringList places;
        for (const auto& place : documentPlaces(services_.programFolder, fileName)) {
            places << pathText(place);
        }
        services_.boxes->show(BoxIcon::Information, caption,
                              QStringLiteral("The %1 is not installed. It was looked for in:\n\n%2")
                                  .arg(caption.toLower(), places.join(QLatin1Char('\n'))));
        return;
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdU16String(file->u16string()));
    if (!fragment.empty()) {
        url.setFragment(fromLatin1(fragment));
    }
    if (!services_.openUrl(url)) {
        showViewer(url, caption);
    }
}

void SettingsHelp::openReference(std::string_view setting) {
    openDocument(kReferenceFileName, QStringLiteral("Settings reference"), setting);
}

void SettingsHelp::showViewer(const QUrl& url, const QString& caption) {
    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("DocumentBrowser"));
    browser->setAccessibleName(caption);
    browser->setSource(url);
    QDialogButtonBox* buttons = nullptr;
    QDialog* viewer =
        newDialog(services_.window, QStringLiteral("DocumentViewer"), caption, browser, buttons);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->resize(800, 600);
    services_.showDialog(*viewer);
}

void SettingsHelp::helpOn(QWidget* focus) {
    const std::string name = settingOf(focus);
    if (name.empty()) {
        openReference();
        return;
    }
    const ReferenceEntry entry = referenceEntry(settingDef(name));
    auto* text = new QTextBrowser;
    text->setObjectName(QStringLiteral("SettingEntry"));
    text->setAccessibleName(QStringLiteral("Setting help"));
    text->setHtml(QString::fromUtf8(entryHtml(entry)));
    QDialogButtonBox* buttons = nullptr;
    delete popup_;
    popup_ = newDialog(services_.window, QStringLiteral("SettingHelp"),
                       QStringLiteral("Help: %1").arg(fromLatin1(name)), text, buttons);
    popup_->resize(560, 420);
    QPushButton* full = buttons->addButton(QStringLiteral("&Full entry in the reference"),
                                           QDialogButtonBox::ActionRole);
    full->setObjectName(QStringLiteral("FullEntry"));
    connect(full, &QPushButton::clicked, this, [this, name] { openReference(name); });
    services_.showDialog(*popup_);
}

void SettingsHelp::showShortcuts(const QMenuBar& menuBar) {
    auto* table = new QTableWidget(0, 2);
    table->setObjectName(QStringLiteral("Shortcuts"));
    table->setAccessibleName(QStringLiteral("Keyboard shortcuts"));
    table->setHorizontalHeaderLabels({QStringLiteral("Keys"), QStringLiteral("Does")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    const auto addRow = [table](const QString& keys, const QString& does) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(keys));
        table->setItem(row, 1, new QTableWidgetItem(does));
    };
    for (QAction* menuEntry : menuBar.actions()) {
        const QMenu* menu = menuEntry->menu();
        if (!menu) {
            continue;
        }
        for (QAction* entry : menu->actions()) {
            QStringList keys;
            for (const QKeySequence& key : entry->shortcuts()) {
                keys << key.toString(QKeySequence::NativeText);
            }
            if (!keys.isEmpty()) {
                addRow(keys.join(QStringLiteral(", ")), withoutMnemonic(menuEntry->text()) +
                                                            QStringLiteral(" > ") +
                                                            withoutMnemonic(entry->text()));
            }
        }
    }
    for (const Key& key : kOtherKeys) {
        addRow(QString::fromLatin1(key.keys), QString::fromLatin1(key.does));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    QDialogButtonBox* buttons = nullptr;
    QDialog* dialog = newDialog(services_.window, QStringLiteral("ShortcutsDialog"),
                                QStringLiteral("Keyboard shortcuts"), table, buttons);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->resize(620, 420);
    services_.showDialog(*dialog);
}

}  // namespace korvex::app
