// The window with its own message boxes and file dialogs (QMessageBox, QFileDialog), answered by a
// timer that looks at each modal window as it opens: captions, texts, buttons, folders, proposed
// names and filters as the user sees them.

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/controls/WidgetSettings.h"
#include "app/seams/DeviceAccess.h"
#include "app/window/MainWindow.h"
#include "settings/Clock.h"
#include "support/TempDir.h"

namespace {

// What a modal window showed.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};
struct SeenFileDialog {
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QString folder;
    QStringList selected;
    QStringList filters;
    QString defaultSuffix;
    QString typedName;  // what the file name field shows as the dialog opens
    QString title;
};

// Answers every modal window that opens while it lives: message boxes with their OK button (a box
// that asks with the button of `choices`), file dialogs with the next path of `answers` (an empty
// path cancels).
class ModalAnswerer {
  public:
    ModalAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    QStringList answers;
    QStringList choices;
    std::vector<SeenBox> boxes;
    std::vector<SeenFileDialog> fileDialogs;

  private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        // A window answered before and still open (its close not processed yet, or a file
        // dialog that did not take the path at once) gets the same answer again, unrecorded.
        const bool again = answered_ && answered_.data() == modal;
        answered_ = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (!again) {
                SeenBox seen{box->windowTitle(), box->text(), box->icon(), {}};
                for (auto* button : box->buttons()) {
                    seen.buttons << button->text().remove(QLatin1Char('&'));
                }
                boxes.push_back(seen);
            }
            // A box that asks takes the button named next in `choices`, or else Escape's.
            QAbstractButton* chosen = box->button(QMessageBox::Ok);
            if (!chosen && !again) {
                choice_ = choices.isEmpty() ? QString() : choices.takeFirst();
            }
            for (auto* button : box->buttons()) {
                if (!chosen && button->text().remove('&') == choice_) {
                    chosen = button;
                }
            }
            (chosen ? chosen : box->escapeButton())->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (!again) {
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                fileDialogs.push_back({dialog->acceptMode(), dialog->directory().absolutePath(),
                                       dialog->selectedFiles(), dialog->nameFilters(),
                                       dialog->defaultSuffix(), name ? name->text() : QString(),
                                       dialog->windowTitle()});
                answer_ = answers.isEmpty() ? QString() : answers.takeFirst();
            }
            if (answer_.isEmpty()) {
                dialog->reject();
            } else {
                // selectFile() leaves the name field alone once it has the focus, which it takes
                // as the dialog becomes active: the path is typed into the field as well.
                dialog->selectFile(answer_);
                if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                    name->setText(answer_);
                }
                static_cast<QDialog*>(dialog)->accept();
            }
        }
    }
    QTimer timer_;
    QPointer<QWidget> answered_;
    QString answer_;  // the path given to the file dialog answered last
    QString choice_;  // the button chosen in the box that asked last
};

struct RealDialogsRig {
    RealDialogsRig() {
        korvex::app::MainWindowServices services;
        services.clock = &clock;
        services.device = &device;
        services.programFolder = programFolder.path();
        services.backupsFolder = programFolder / "backups";
        defaults = std::make_unique<korvex::app::ServiceDefaults>(std::move(services));
        window = std::make_unique<korvex::app::MainWindow>(defaults->services());
        defaults->standOver(*window);
        window->show();
    }
    void click(const char* button) {
        window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    QString folder(const char* name) const {
        return QString::fromStdU16String((programFolder.path() / name).u16string());
    }

    korvex::FixedClock clock{korvex::UtcDateTime{2024, 5, 17, 9, 5, 0}};
    korvex::app::SimulatedDeviceAccess device{std::nullopt, [](std::chrono::milliseconds) {}};
    korvex::testing::TempDir programFolder;
    std::unique_ptr<korvex::app::ServiceDefaults> defaults;
    std::unique_ptr<korvex::app::MainWindow> window;
};

}  // namespace

class RealDialogsTest : public QObject {
    Q_OBJECT

    // The home folder of the run, so that no dialog makes folders in the real one.
    korvex::testing::TempDir home_;

  private slots:
    void initTestCase() {
        qputenv("HOME", QFile::encodeName(QString::fromStdU16String(home_.path().u16string())));
        qunsetenv("XDG_CONFIG_HOME");
        QStandardPaths::setTestModeEnabled(true);  // ignores the user's own user-dirs.dirs
    }

    void boxesShowTheirCaptionTextIconAndOneOkButton() {
        RealDialogsRig rig;
        ModalAnswerer answerer;
        rig.window->settings().setText("Callsign", "");
        rig.click("Button5");
        rig.window->settings().setText("Callsign", "N0CALL");
        rig.window->settings().setText("Txdelay", "25x");
        rig.click("Button5");
        rig.window->settings().setText("Txdelay", "250");
        answerer.choices = {"Cancel", "Write"};
        rig.click("Button5");  // the question, answered Cancel
        rig.click("Button5");
        rig.click("Button4");

        QCOMPARE(answerer.boxes.size(), size_t{5});
        QCOMPARE(answerer.boxes[2].caption, QStringLiteral("Korvex Mini Configurator"));
        QCOMPARE(answerer.boxes[2].icon, QMessageBox::Question);
        QCOMPARE(answerer.boxes[2].buttons, (QStringList{"Write", "Cancel"}));
        QVERIFY(answerer.boxes[2].text.contains(
            QStringLiteral("\nRadio / Callsign: \"NOCALL\" -> \"N0CALL\"")));
        answerer.boxes.erase(answerer.boxes.begin() + 2, answerer.boxes.begin() + 4);
        QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Information"));
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Information);
        QCOMPARE(answerer.boxes[0].buttons, QStringList{"OK"});
        QCOMPARE(answerer.boxes[1].text, QStringLiteral("'25x' is not a valid integer value"));
        QCOMPARE(answerer.boxes[1].caption, QStringLiteral("Korvex Mini Configurator"));
        QCOMPARE(answerer.boxes[1].icon, QMessageBox::Critical);
        QCOMPARE(answerer.boxes[1].buttons, QStringList{"OK"});
        QVERIFY(answerer.boxes[2].text.startsWith(QStringLiteral("Firmware version: ")));
        QCOMPARE(answerer.boxes[2].icon, QMessageBox::NoIcon);
        QCOMPARE(answerer.boxes[2].buttons, QStringList{"OK"});
    }

    void configDialogsStartInTheConfigFolderAndProposeTheLastFile() {
        RealDialogsRig rig;
        korvex::testing::TempDir elsewhere;
        QDir().mkpath(rig.folder("config"));
        const QString typed = QString::fromStdU16String((elsewhere.path() / "station").u16string());
        ModalAnswerer answerer;
        answerer.answers = {typed, QString(), typed, QString()};
        rig.window->settings().setText("Callsign", "SQ9XYZ");
        rig.click("Button1");
        rig.click("Button1");
        rig.window->settings().setText("Callsign", "NOCALL");
        answerer.choices = {"Discard"};
        rig.click("Button2");
        rig.click("Button2");

        QCOMPARE(rig.window->settings().text("Callsign"), std::string("SQ9XYZ"));
        QVERIFY(QFileInfo::exists(typed));           // no suffix appended
        QCOMPARE(answerer.boxes.size(), size_t{1});  // "Discard changes?" before the first load
        QCOMPARE(answerer.boxes[0].text, QStringLiteral("Discard changes?"));
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Question);
        QCOMPARE(answerer.fileDialogs.size(), size_t{4});
        const auto& firstSave = answerer.fileDialogs[0];
        QCOMPARE(firstSave.mode, QFileDialog::AcceptSave);
        QCOMPARE(firstSave.folder, rig.folder("config"));
        QCOMPARE(firstSave.selected,
                 QStringList{QDir(rig.folder("config")).filePath("korvexmini.cfg")});
        QCOMPARE(firstSave.filters, QStringList{"KorvexMini config files (*.cfg)"});
        QCOMPARE(firstSave.defaultSuffix, QString());
        // A later dialog proposes the file last chosen in it and opens where that file is.
        const QString typedFolder = QFileInfo(typed).absolutePath();
        QCOMPARE(answerer.fileDialogs[1].selected, QStringList{typed});
        QCOMPARE(answerer.fileDialogs[1].folder, typedFolder);
        const auto& firstOpen = answerer.fileDialogs[2];
        QCOMPARE(firstOpen.mode, QFileDialog::AcceptOpen);
        QCOMPARE(firstOpen.folder, rig.folder("config"));
        QCOMPARE(firstOpen.filters, QStringList{"KorvexMini config files (*.cfg)"});
        QCOMPARE(answerer.fileDialogs[3].selected, QStringList{typed});
        QCOMPARE(answerer.fileDialogs[3].folder, typedFolder);
    }

    void remoteUpdateDialogsStartInTheirFoldersWithTheirFilters() {
        RealDialogsRig rig;
        for (const char* folder : {"firmware", "remote"}) {
            QDir().mkpath(rig.folder(folder));
        }
        const QString firmware = QDir(rig.folder("firmware")).filePath("fw.hash");
        korvex::testing::writeFile(firmware.toStdString(), std::string(40, '\x5a'));
        const QString destination = QDir(rig.folder("remote")).filePath("update");
        ModalAnswerer answerer;
        answerer.answers = {firmware, destination};
        rig.click("Button12");

        QCOMPARE(answerer.boxes.size(), size_t{0});
        QCOMPARE(QFileInfo(destination).size(), qint64{6656 + 40});  // no suffix appended
        QCOMPARE(answerer.fileDialogs.size(), size_t{2});
        const auto& firmwareDialog = answerer.fileDialogs[0];
        QCOMPARE(firmwareDialog.mode, QFileDialog::AcceptOpen);
        QCOMPARE(firmwareDialog.folder, rig.folder("firmware"));
        QCOMPARE(firmwareDialog.filters, QStringList{"Korvex firmware hash files (*.hash)"});
        QCOMPARE(firmwareDialog.title, QStringLiteral("Choose firmware file"));
        const auto& destinationDialog = answerer.fileDialogs[1];
        QCOMPARE(destinationDialog.mode, QFileDialog::AcceptSave);
        QCOMPARE(destinationDialog.folder, rig.folder("remote"));
        QCOMPARE(destinationDialog.selected,
                 QStringList{QDir(rig.folder("remote")).filePath("korvexmini.ruf")});
        QCOMPARE(destinationDialog.filters, QStringList{"KorvexMini remote update files (*.ruf)"});
        QCOMPARE(destinationDialog.defaultSuffix, QString());
        QCOMPARE(destinationDialog.title, QStringLiteral("Save remote update file"));
    }

    // A copy of the program with config/, firmware/ and remote/ beside it keeps its dialogs there;
    // without them each dialog starts in "Korvex Mini" in the documents folder, whose folders are
    // made as a dialog first needs them, not at start-up.
    void dialogsStartBesideTheProgramOrInTheUsersFolder_data() {
        QTest::addColumn<bool>("portable");
        QTest::newRow("portable copy") << true;
        QTest::newRow("installed") << false;
    }
    void dialogsStartBesideTheProgramOrInTheUsersFolder() {
        QFETCH(bool, portable);
        const QString own =
            QString::fromStdU16String((home_.path() / "Documents" / "Korvex Mini").u16string());
        QDir(own).removeRecursively();
        RealDialogsRig rig;
        if (portable) {
            for (const char* folder : {"config", "firmware", "remote"}) {
                QDir().mkpath(rig.folder(folder));
            }
        }
        korvex::testing::TempDir elsewhere;
        const auto firmware = elsewhere / "fw.hash";
        korvex::testing::writeFile(firmware, std::string(40, '\x5a'));
        ModalAnswerer answerer;
        answerer.answers = {QString(), QString::fromStdU16String(firmware.u16string()), QString()};
        QVERIFY(!QFileInfo::exists(own));

        rig.click("Button1");
        QCOMPARE(QFileInfo::exists(own + "/config"), !portable);
        QVERIFY(!QFileInfo::exists(own + "/firmware"));
        rig.click("Button12");

        QCOMPARE(answerer.boxes.size(), size_t{0});
        QCOMPARE(answerer.fileDialogs.size(), size_t{3});
        const QString base =
            portable ? QString::fromStdU16String(rig.programFolder.path().u16string()) : own;
        QCOMPARE(answerer.fileDialogs[0].folder, base + "/config");
        QCOMPARE(answerer.fileDialogs[1].folder, base + "/firmware");
        QCOMPARE(answerer.fileDialogs[2].folder, base + "/remote");
        QCOMPARE(QFileInfo::exists(own), !portable);
    }

    // The firmware of an upload and that of a remote update file are remembered apart, and
    // neither dialog proposes a name at first.
    void bothFirmwareDialogsKeepTheirOwnLastFile() {
        RealDialogsRig rig;
        QDir().mkpath(rig.folder("firmware"));
        const QString forUpdate = QDir(rig.folder("firmware")).filePath("update.hash");
        const QString forUpload = QDir(rig.folder("firmware")).filePath("upload.hash");
        korvex::testing::writeFile(forUpdate.toStdString(), std::string(40, '\x5a'));
        korvex::testing::writeFile(forUpload.toStdString(), std::string(64, '\x11'));
        ModalAnswerer answerer;
        answerer.answers = {forUpdate, QDir(rig.folder("firmware")).filePath("out.ruf"), forUpload,
                            QString(), QString()};
        rig.click("Button12");
        rig.click("Button3");
        rig.click("Button12");
        rig.click("Button3");

        QCOMPARE(answerer.fileDialogs.size(), size_t{5});
        QCOMPARE(answerer.fileDialogs[0].typedName, QString());
        QCOMPARE(answerer.fileDialogs[2].typedName, QString());
        QCOMPARE(answerer.fileDialogs[3].selected, QStringList{forUpdate});
        QCOMPARE(answerer.fileDialogs[4].selected, QStringList{forUpload});
    }
};

QTEST_MAIN(RealDialogsTest)
#include "real_dialogs_test.moc"
