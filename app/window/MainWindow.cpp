#include "app/window/MainWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/controls/CompactTabStyle.h"
#include "app/controls/SettingControl.h"
#include "app/controls/WidgetSettings.h"
#include "app/dialogs/FilterDialog.h"
#include "app/dialogs/SpecialStringsDialog.h"
#include "app/seams/DeviceAccess.h"
#include "app/seams/Latin1.h"
#include "app/seams/WidgetFeedback.h"
#include "app/window/ActionRunner.h"
#include "app/window/ChangeTracker.h"
#include "app/window/ConfiguratorActions.h"
#include "app/window/DeviceIndicator.h"
#include "app/window/WindowMenus.h"
#include "settings/Catalogue.h"
#include "settings/Clock.h"
#include "settings/Presets.h"
#include "settings/StartupState.h"
#include "settings/Version.h"

namespace korvex::app {

namespace {

// Client area and the places of its parts.
constexpr QSize kClientSize(735, 413);
constexpr QRect kPageControlPlace(7, 56, 721, 249);
constexpr QRect kLogPanePlace(7, 307, 721, 73);
constexpr int kProgressBarHeight = 20;
constexpr int kActionGroupHeight = 49;

constexpr const char* kLogPaneStyle =
    "QPlainTextEdit#Memo1 { border: 1px solid palette(dark); padding: 1px; }"
    "QPlainTextEdit#Memo1:focus { border: 2px solid palette(highlight); padding: 0px; }";

QPushButton* actionButton(const char* objectName, const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

// A chosen file as the log names it.
QString shownPath(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
}

// Brings forward the tab page, and the inner page within it, that holds `widget`.
void showPagesOf(QWidget& widget) {
    for (QWidget* page = &widget; page; page = page->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr) {
            tabs->setCurrentWidget(page);
        }
    }
}

QGroupBox* actionGroup(const char* caption, std::initializer_list<QPushButton*> buttons,
                       QWidget* parent) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(6);
    for (auto* button : buttons) {
        button->setParent(group);
        row->addWidget(button);
    }
    return group;
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("Form1"));
    setFont(windowFont());
    // The menu bar sits above the client area, which keeps its size and its parts' places.
    client_ = new QWidget(this);
    client_->setFixedSize(kClientSize);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->setSizeConstraint(QLayout::SetFixedSize);
    frame->addWidget(client_);

    buildActionGroups();

    pageControl_ = new QTabWidget(client_);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setGeometry(kPageControlPlace);
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(pageControl_);
    pageControl_->tabBar()->setStyle(tabStyle);
    tabButtons_ = buildSettingsTabs(*pageControl_);

    logPane_ = new QPlainTextEdit(client_);
    logPane_->setObjectName(QStringLiteral("Memo1"));
    logPane_->setGeometry(kLogPanePlace);
    logPane_->setReadOnly(true);
    logPane_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    logPane_->setLineWrapMode(QPlainTextEdit::NoWrap);
    logPane_->setAccessibleName(QStringLiteral("Log"));
    // A caret to read and select the lines from the keyboard, and a frame that shows the focus.
    logPane_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    logPane_->setStyleSheet(QString::fromLatin1(kLogPaneStyle));

    progressBar_ = new QProgressBar(client_);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setGeometry(0, kClientSize.height() - kProgressBarHeight, kClientSize.width(),
                              kProgressBarHeight);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->setAccessibleName(QStringLiteral("Progress"));

    // The dialogs come after the main window's own controls, the special strings card first.
    specialStrings_ = new SpecialStringsDialog(this);
    filter_ = new FilterDialog(this);

    settings_ = std::make_unique<WidgetSettings>(*this, *filter_);
    feedback_ = std::make_unique<WidgetFeedback>(
        *logPane_, *progressBar_,
        QList<QAbstractButton*>{readConfigButton_, writeConfigButton_, uploadFirmwareButton_,
                                saveToFileButton_, readFromFileButton_, remoteUpdateButton_},
        *services_.boxes);
    runner_ = std::make_unique<ActionRunner>(*feedback_);
    actions_ = std::make_unique<ConfiguratorActions>(*settings_, *feedback_, *services_.fileChooser,
                                                     *services_.clock, *services_.device,
                                                     services_.programFolder);
    actions_->setWriteQuestion([this](const QString& text) {
        return services_.boxes->ask(BoxIcon::Question, fromLatin1(kApplicationName), text,
                                    QStringLiteral("Write"), QStringLiteral("Cancel"));
    });

    WindowMenusServices menuServices;
    menuServices.window = this;
    menuServices.settings = settings_.get();
    menuServices.feedback = feedback_.get();
    menuServices.chooser = services_.fileChooser;
    menuServices.boxes = services_.boxes;
    menuServices.device = services_.device;
    menuServices.actions = actions_.get();
    menuServices.programFolder = services_.programFolder;
    menuServices.backupsFolder = services_.backupsFolder;
    menuServices.run = [this](const std::function<void()>& action) { runner_->run(action); };
    menuServices.showDialog = services_.showDialog;
    menuServices.openUrl = services_.openUrl;
    menuServices.buttons = {readConfigButton_, writeConfigButton_,  uploadFirmwareButton_,
                            saveToFileButton_, readFromFileButton_, remoteUpdateButton_};
    menuServices.showSetting = [this](std::string_view name) { showSetting(name); };
    menuServices.clock = services_.clock;
    menus_ = new WindowMenus(std::move(menuServices));
    frame->setMenuBar(&menus_->menuBar());
    deviceIndicator_ = new DeviceIndicator(services_.device->provider(), this);
    menus_->menuBar().setCornerWidget(deviceIndicator_, Qt::TopRightCorner);
    // No asking while an action runs: it would only cut into a transfer or an upload.
    runner_->onRunning([this](bool running) {
        if (running) {
            deviceIndicator_->pause();
        } else {
            deviceIndicator_->resume();
        }
    });
    frame->activate();

    applyStartupState(*settings_, *services_.clock);
    changes_ = std::make_unique<ChangeTracker>(*settings_);
    connectButtons();
    addPageKeys();
    setWindowTitle(fromLatin1(kApplicationName) + QLatin1Char(' ') + fromLatin1(kVersionText));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildActionGroups() {
    // Each with its underlined letter, none alike in the window (the menu bar has F, D and H).
    readConfigButton_ = actionButton("Button4", "&Read config", client_);
    writeConfigButton_ = actionButton("Button5", "&Write config", client_);
    uploadFirmwareButton_ = actionButton("Button3", "&Upload firmware", client_);
    saveToFileButton_ = actionButton("Button1", "&Save to file", client_);
    readFromFileButton_ = actionButton("Button2", "Read fr&om file", client_);
    remoteUpdateButton_ = actionButton("Button12", "&Build remote update file", client_);

    auto* connection = actionGroup(
        "Connection:", {readConfigButton_, writeConfigButton_, uploadFirmwareButton_}, client_);
    auto* importExport = actionGroup(
        "Configuration import/export:", {saveToFileButton_, readFromFileButton_}, client_);
    auto* remote = actionGroup("Remote update", {remoteUpdateButton_}, client_);

    int left = 8;
    for (auto* group : {connection, importExport, remote}) {
        const int width = group->sizeHint().width() + 8;
        group->setGeometry(left, 2, width, kActionGroupHeight);
        left += width + 8;
    }
}

void MainWindow::connectButtons() {
    connect(readConfigButton_, &QPushButton::clicked, this, [this] {
        run("Read config", [this] {
            if (mayDiscardChanges() && actions_->readConfig()) {
                markUnchanged();
                actions_->logStationCheck();
            }
        });
    });
    connect(writeConfigButton_, &QPushButton::clicked, this, [this] {
        run("Write config", [this] {
            if (actions_->writeConfig()) {
                markUnchanged();
            }
        });
    });
    connect(uploadFirmwareButton_, &QPushButton::clicked, this,
            [this] { run("Upload firmware", [this] { actions_->uploadFirmware(); }); });
    connect(saveToFileButton_, &QPushButton::clicked, this,
            [this] { run("Save to file", [this] { saveToFile(); }); });
    connect(readFromFileButton_, &QPushButton::clicked, this, [this] {
        run("Read from file", [this] {
            if (!mayDiscardChanges()) {
                return;
            }
            if (const auto file = actions_->readFromFile()) {
                feedback_->logLine(
                    QStringLiteral("Configuration loaded from %1").arg(shownPath(*file)));
                markUnchanged();
                actions_->logStationCheck();
            }
        });
    });
    connect(remoteUpdateButton_, &QPushButton::clicked, this, [this] {
        run("Build remote update file", [this] {
            if (const auto written = actions_->buildRemoteUpdateFile()) {
                feedback_->logLine(
                    QStringLiteral("Remote update file written to %1 (%2 bytes of firmware)")
                        .arg(shownPath(written->file))
                        .arg(written->firmwareBytes));
            }
        });
    });

    connect(tabButtons_.specialStrings, &QPushButton::clicked, this,
            [this] { services_.showDialog(*specialStrings_); });
    connect(tabButtons_.filterSetup, &QPushButton::clicked, this,
            [this] { services_.showDialog(*filter_); });

    for (int channel = 1; channel <= tabButtons_.analogPresets.size(); ++channel) {
        connect(tabButtons_.analogPresets[channel - 1], &QPushButton::clicked, this,
                [this, channel] { runner_->run([&] { applyAnalogPreset(*settings_, channel); }); });
    }
    for (int channel = 1; channel <= tabButtons_.digitalPresets.size(); ++channel) {
        connect(
            tabButtons_.digitalPresets[channel - 1], &QPushButton::clicked, this,
            [this, channel] { runner_->run([&] { applyDigitalPreset(*settings_, channel); }); });
    }

    for (const char* name : {"Uploadpctime", "Ntp_enable"}) {
        auto* box = findChild<QCheckBox*>(QString::fromLatin1(name));
        connect(box, &QCheckBox::clicked, this, [this] { settings_->applyClockFieldsRule(); });
    }
}

QList<QPair<int, int>> MainWindow::pages() const {
    QList<QPair<int, int>> pages;
    for (int tab = 0; tab < pageControl_->count(); ++tab) {
        const auto* inner = pageControl_->widget(tab)->findChild<QTabWidget*>();
        for (int page = 0; page < (inner ? inner->count() : 1); ++page) {
            pages.append({tab, inner ? page : -1});
        }
    }
    return pages;
}

void MainWindow::addPageKeys() {
    const auto keys = [this](std::initializer_list<QKeySequence> sequences, int step) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(QList<QKeySequence>(sequences));
        connect(shortcut, &QShortcut::activated, this, [this, step] { stepPage(step); });
    };
    keys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    // Shift+Tab arrives as Backtab.
    keys(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        -1);
}

void MainWindow::stepPage(int step) {
    const auto all = pages();
    QWidget* tab = pageControl_->currentWidget();
    auto* inner = tab->findChild<QTabWidget*>();
    const qsizetype at =
        all.indexOf({pageControl_->currentIndex(), inner ? inner->currentIndex() : -1});
    const auto [nextTab, nextPage] = all[(at + step + all.size()) % all.size()];
    pageControl_->setCurrentIndex(nextTab);
    QWidget* shown = pageControl_->currentWidget();
    if (auto* nextInner = shown->findChild<QTabWidget*>(); nextInner && nextPage >= 0) {
        nextInner->setCurrentIndex(nextPage);
        shown = nextInner->currentWidget();
    }
    // The first field of the page takes the focus, as Tab from the tab row would give it.
    for (QWidget* field = shown->nextInFocusChain(); field != shown;
         field = field->nextInFocusChain()) {
        if (shown->isAncestorOf(field) && field->isEnabled() && field->isVisibleTo(this) &&
            (field->focusPolicy() & Qt::TabFocus) && !qobject_cast<QTabBar*>(field)) {
            field->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void MainWindow::run(const char* name, const std::function<void()>& action) {
    switchFileAction(QString::fromLatin1(name));
    runner_->run(action);
    if (const auto refused = feedback_->takeRefusedSetting()) {
        showSetting(*refused);
    }
}

void MainWindow::showSetting(std::string_view name) {
    const SettingDef* def = findSetting(name);
    if (!def) {
        return;
    }
    const bool inFilterDialog = def->window == SettingWindow::FilterDialog;
    QWidget& window = inFilterDialog ? static_cast<QWidget&>(*filter_) : *this;
    auto* field = window.findChild<QWidget*>(fromLatin1(def->name));
    if (!field) {
        return;
    }
    // The filter rules are reached through the "Filter setup" button of their tab.
    showPagesOf(inFilterDialog ? static_cast<QWidget&>(*tabButtons_.filterSetup) : *field);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    }
    if (inFilterDialog) {
        services_.showDialog(*filter_);
    }
}

void MainWindow::markUnchanged() {
    changes_->markUnchanged();
}

QString MainWindow::switchFileAction(const QString& action) {
    return services_.switchFileAction ? services_.switchFileAction(action) : QString();
}

bool MainWindow::saveToFile() {
    const auto file = actions_->saveToFile();
    if (file) {
        feedback_->logLine(QStringLiteral("Configuration saved to %1").arg(shownPath(*file)));
        markUnchanged();
    }
    return file.has_value();
}

bool MainWindow::mayDiscardChanges() {
    if (!changes_->changed()) {
        return true;
    }
    enum Choice { Discard, Save, Cancel };
    const int choice = services_.boxes->choose(
        BoxIcon::Question, fromLatin1(kApplicationName), QStringLiteral("Discard changes?"),
        {QStringLiteral("Discard"), QStringLiteral("Save"), QStringLiteral("Cancel")});
    if (choice == Save) {
        // The save dialog remembers its file as the "Save to file" button's does.
        const QString action = switchFileAction(QStringLiteral("Save to file"));
        const bool saved = saveToFile();
        switchFileAction(action);
        return saved;
    }
    return choice == Discard;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    runner_->run([&] { mayClose = mayDiscardChanges(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace korvex::app
