#include "app/help/HelpMenus.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "app/dialogs/LogWindow.h"
#include "app/help/FindSettingDialog.h"
#include "app/help/SettingsHelp.h"
#include "app/seams/Latin1.h"
#include "app/window/EditSteps.h"

namespace korvex::app {

namespace {

// The menu of the bar whose title (without "&") is `title`; nullptr when there is none.
QAction* menuEntry(const QMenuBar& bar, const QString& title) {
    for (QAction* entry : bar.actions()) {
        if (QString(entry->text()).remove(QLatin1Char('&')) == title) {
            return entry;
        }
    }
    return nullptr;
}

}  // namespace

HelpMenus::HelpMenus(HelpMenusServices services)
    : QObject(services.window), services_(std::move(services)) {
    buildEditMenu();
    buildViewMenu();
    buildHelpEntries();
    connect(services_.steps, &EditSteps::stepsChanged, this, &HelpMenus::updateSteps);
    if (services_.writeConfig) {
        services_.writeConfig->installEventFilter(this);
    }
    updateSteps();
}

FindSettingDialog* HelpMenus::findDialog() const {
    return find_.data();
}

LogWindow* HelpMenus::logWindow() const {
    return log_.data();
}

bool HelpMenus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == services_.writeConfig && event->type() == QEvent::EnabledChange) {
        updateSteps();
    }
    return QObject::eventFilter(watched, event);
}

void HelpMenus::buildEditMenu() {
    auto* edit = new QMenu(QStringLiteral("&Edit"), services_.menuBar);
    services_.menuBar->insertMenu(menuEntry(*services_.menuBar, QStringLiteral("Device")), edit);
    undo_ = edit->addAction(QStringLiteral("&Undo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo_, &QAction::triggered, this, [this] { services_.steps->undo(); });
    redo_ = edit->addAction(QStringLiteral("&Redo"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo_, &QAction::triggered, this, [this] { services_.steps->redo(); });
    edit->addSeparator();
    QAction* find = edit->addAction(QStringLiteral("&Find setting..."));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, &HelpMenus::findSetting);
}

void HelpMenus::buildViewMenu() {
    auto* view = new QMenu(QStringLiteral("&View"), services_.menuBar);
    services_.menuBar->insertMenu(menuEntry(*services_.menuBar, QStringLiteral("Device")), view);
    connect(view->addAction(QStringLiteral("&Log window")), &QAction::triggered, this,
            &HelpMenus::showLogWindow);
}

void HelpMenus::buildHelpEntries() {
    QAction* helpEntry = menuEntry(*services_.menuBar, QStringLiteral("Help"));
    QMenu* help = helpEntry ? helpEntry->menu() : nullptr;
    if (!help) {
        return;
    }
    QAction* first = help->actions().value(0);
    auto* reference = new QAction(QStringLiteral("Settings &reference"), help);
    connect(reference, &QAction::triggered, this, [this] { services_.help->openReference(); });
    auto* onSetting = new QAction(QStringLiteral("Help on this &setting"), help);
    // F1, and Shift+F1 as "What's this?" elsewhere; in the filter dialog too.
    const QList<QKeySequence> keys = {QKeySequence(Qt::Key_F1),
                                      QKeySequence(Qt::SHIFT | Qt::Key_F1)};
    onSetting->setShortcuts(keys);
    connect(onSetting, &QAction::triggered, this, &HelpMenus::helpOnFocus);
    if (services_.filterDialog) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, services_.filterDialog);
            connect(shortcut, &QShortcut::activated, this, &HelpMenus::helpOnFocus);
        }
    }
    auto* shortcuts = new QAction(QStringLiteral("&Keyboard shortcuts"), help);
    connect(shortcuts, &QAction::triggered, this,
            [this] { services_.help->showShortcuts(*services_.menuBar); });
    auto* guide = new QAction(QStringLiteral("User &guide"), help);
    connect(guide, &QAction::triggered, this, [this] {
        if (services_.userGuide) {
            services_.userGuide();
        }
    });
    help->insertActions(first, {reference, onSetting, shortcuts, guide});
    help->insertSeparator(first);
}

void HelpMenus::updateSteps() {
    const bool idle = !services_.writeConfig || services_.writeConfig->isEnabled();
    undo_->setEnabled(idle && services_.steps->canUndo());
    redo_->setEnabled(idle && services_.steps->canRedo());
}

void HelpMenus::findSetting() {
    if (!find_) {
        find_ = new FindSettingDialog(services_.window);
        // Led to once the dialog has closed, so that a field in the filter dialog can open it.
        connect(
            find_, &FindSettingDialog::settingChosen, this,
            [this](const QString& name) {
                services_.window->activateWindow();
                services_.showSetting(toLatin1(name));
            },
            Qt::QueuedConnection);
    }
    services_.showDialog(*find_);
}

void HelpMenus::showLogWindow() {
    if (!log_) {
        log_ = new LogWindow(*services_.logPane, services_.window);
    }
    log_->show();
    log_->raise();
    log_->activateWindow();
}

void HelpMenus::helpOnFocus() {
    services_.help->helpOn(QApplication::focusWidget());
}

}  // namespace korvex::app
