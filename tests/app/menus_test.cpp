// The menu bar and the keyboard: the compare dialog, the remembered write steps, the USB trace,
// the help, the backups folder, the underlined letters and the shortcuts, against the simulated
// device with a scripted file chooser.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "app/controls/Mnemonics.h"
#include "app/dialogs/CompareDialog.h"
#include "app/dialogs/FilterDialog.h"
#include "app/dialogs/UsbAccessHelp.h"
#include "app/support/WindowRig.h"
#include "app/window/ConfiguratorActions.h"
#include "app/window/WindowMenus.h"
#include "files/ConfigFile.h"
#include "settings/SilentFeedback.h"

using korvex::testing::WindowRig;

namespace {

// The station check's line before each write of these settings (a callsign of their own).
const QString kCheckLine =
    QStringLiteral("Station check: 7 warnings, 0 notes (Device > Check station...)");

QAction& entry(WindowRig& rig, const char* text) {
    QAction* found = rig.window().menus().action(QString::fromLatin1(text));
    if (!found) {
        throw std::logic_error(std::string("no menu entry ") + text);
    }
    return *found;
}

// The window shown and active, so that its shortcuts and underlined letters work.
void activate(WindowRig& rig) {
    rig.window().show();
    rig.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.window()));
}

// The letters must differ within `texts`; every text must have one.
void expectOwnLetters(const QStringList& texts, const QString& where) {
    QSet<QChar> letters;
    for (const QString& text : texts) {
        const QChar letter = korvex::app::mnemonicOf(text);
        QVERIFY2(!letter.isNull(), qPrintable(where + ": " + text));
        QVERIFY2(!letters.contains(letter), qPrintable(where + ": " + text));
        letters.insert(letter);
    }
}

}  // namespace

class MenusTest : public QObject {
    Q_OBJECT

  private slots:
    void compareListsAChangedSettingAndLoadsOnlyWhenAsked() {
        WindowRig rig;
        const auto file = rig.programFolder / "station.cfg";
        korvex::SilentFeedback quiet;
        rig.settings().setText("Callsign", "SP5AB");
        QVERIFY(korvex::saveConfigFile(rig.settings(), file, quiet));
        rig.settings().setText("Callsign", "SP5XYZ");

        rig.chooser.answer(file);
        entry(rig, "Compare with file...").trigger();

        QCOMPARE(rig.shownDialogs.size(), size_t{1});
        auto* dialog = rig.window().menus().compareDialog();
        QCOMPARE(static_cast<QDialog*>(dialog), rig.shownDialogs[0]);
        QTableWidget& table = dialog->table();
        QCOMPARE(table.rowCount(), 1);
        QStringList row;
        for (int column = 0; column < 4; ++column) {
            row << table.item(0, column)->text();
        }
        QCOMPARE(row, (QStringList{"Radio", "Callsign", "SP5XYZ", "SP5AB"}));
        QCOMPARE(dialog->findChild<QLabel*>("summary")->text(),
                 QStringLiteral("1 setting differs between the window and station.cfg."));
        QCOMPARE(rig.settings().text("Callsign"), std::string("SP5XYZ"));

        dialog->loadButton().click();
        QCOMPARE(rig.settings().text("Callsign"), std::string("SP5AB"));
    }

    void writeStepsAreRememberedAndFollowTheMenu() {
        {
            WindowRig rig;
            entry(rig, "Verify after writing").setChecked(true);
            entry(rig, "Back up before writing").setChecked(true);
            entry(rig, "Confirm changes before writing").setChecked(true);
            entry(rig, "Verify after writing").setChecked(false);
            entry(rig, "Confirm changes before writing").setChecked(false);
            QVERIFY(!rig.window().actions().writeSafety().verify);
            QVERIFY(rig.window().actions().writeSafety().backup);
        }
        WindowRig again;
        QVERIFY(!entry(again, "Verify after writing").isChecked());
        QVERIFY(entry(again, "Back up before writing").isChecked());
        QVERIFY(!entry(again, "Confirm changes before writing").isChecked());
        entry(again, "Verify after writing").setChecked(true);
        again.settings().setText("Callsign", "SP5AB");
        again.boxes.answers = {true};  // the start-up settings are asked about all the same
        again.button("Button5").click();
        QCOMPARE(again.boxes.boxes.size(), size_t{1});
        QCOMPARE(again.logLines().last(), QStringLiteral("Eeprom verify success"));
        QVERIFY(again.logLines()[0].startsWith(QStringLiteral("Station check: ")));
        QVERIFY(again.logLines()[2].startsWith(QStringLiteral("Backup saved: ")));

        entry(again, "Verify after writing").setChecked(false);
        entry(again, "Back up before writing").setChecked(false);
        again.settings().setText("Callsign", "SP5ABC");
        again.button("Button5").click();
        QCOMPARE(again.logLines().filter(QStringLiteral("(Device > ")),
                 (QStringList{kCheckLine, kCheckLine,
                              "No backup made (Device > Back up before writing is off).",
                              "Not verified (Device > Verify after writing is off)."}));
    }

    void traceRecordsUntilUntickedAndAnUnwritableFileRecordsNothing() {
        WindowRig rig;
        const auto trace = rig.programFolder / "trace.txt";
        rig.chooser.answer(trace);
        entry(rig, "Record USB trace...").setChecked(true);
        rig.button("Button4").click();
        entry(rig, "Record USB trace...").setChecked(false);
        rig.button("Button4").click();
        std::ifstream in(trace);
        int lines = 0;
        for (std::string line; std::getline(in, line);) {
            ++lines;
        }
        QCOMPARE(lines, 2 * 193);  // 192 pages and the version query, request and reply each
        const QString path = QString::fromStdString(trace.string());
        QCOMPARE(
            rig.logLines().filter(QStringLiteral("Trace recording")),
            (QStringList{"Trace recording started: " + path, "Trace recording stopped: " + path}));

        rig.chooser.answer(rig.programFolder / "no-such-folder" / "trace.txt");
        entry(rig, "Record USB trace...").setChecked(true);
        QVERIFY(!entry(rig, "Record USB trace...").isChecked());
        QCOMPARE(rig.boxes.boxes.size(), size_t{3});  // two version boxes, then the error box
        QVERIFY(rig.boxes.boxes.back().text.startsWith("Unable to write to "));
    }

    void everyEntryAndButtonHasItsOwnUnderlinedLetter() {
        WindowRig rig;
        QStringList window;
        for (QAction* title : rig.window().menus().menuBar().actions()) {
            window << title->text();
            QStringList entries;
            for (QAction* entry : title->menu()->actions()) {
                if (!entry->isSeparator()) {
                    entries << entry->text();
                }
            }
            expectOwnLetters(entries, title->text());
        }
        for (const char* button : {"Button4", "Button5", "Button3", "Button1", "Button2",
                                   "Button12", "Button11", "Button21"}) {
            window << rig.button(button).text();
        }
        expectOwnLetters(window, QStringLiteral("main window"));
        expectOwnLetters(korvex::app::withMnemonics({"Save", "Discard", "Cancel"}), "box");
        QCOMPARE(korvex::app::withMnemonics({"Copy path", "Close"}),
                 (QStringList{"&Copy path", "C&lose"}));
    }

    // Ctrl+O and Ctrl+S open and save a configuration file, Ctrl+Q closes the window; the device
    // actions have no shortcut at all.
    void shortcutsReadSaveAndQuit() {
        WindowRig rig;
        activate(rig);
        QTest::keyClick(&rig.window(), Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(&rig.window(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(rig.chooser.requests.size(), size_t{2});
        QCOMPARE(rig.chooser.requests[0].kind, std::string("open"));
        QCOMPARE(rig.chooser.requests[1].kind, std::string("save"));
        QCOMPARE(rig.chooser.requests[1].proposedName, std::string("korvexmini.cfg"));
        for (const char* device : {"Read config", "Write config", "Upload firmware"}) {
            QVERIFY(entry(rig, device).shortcut().isEmpty());
        }
        QTest::keyClick(&rig.window(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!rig.window().isVisible());
    }

    // Alt with a letter that underlines nothing types nothing and picks no entry; Ctrl+Tab and
    // its kin step through the pages and put the focus in each page's first field.
    void altLettersTypeNothingAndPageKeysStepThroughThePages() {
        WindowRig rig;
        activate(rig);
        auto& tabs = rig.window().pageControl();
        auto& inner = rig.control<QTabWidget>("PageControl2");
        auto& callsign = rig.control<QLineEdit>("Callsign");
        callsign.setFocus();
        QTest::keyClick(&callsign, Qt::Key_K, Qt::AltModifier);
        QCOMPARE(callsign.text(), QStringLiteral("NOCALL"));
        auto& ptt = rig.control<QComboBox>("Ptt");
        ptt.setFocus();
        QTest::keyClick(&ptt, Qt::Key_2, Qt::AltModifier);
        QCOMPARE(ptt.currentIndex(), 0);

        struct Step {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QString tab;
            QString page;  // inner page of "Telemetry reports"
            QString focused;
        };
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        const Step steps[] = {
            {Qt::Key_Tab, ctrl, "Digipeater", {}, "Pathn1_name"},
            {Qt::Key_Backtab, ctrlShift, "Radio", {}, "Callsign"},
            {Qt::Key_PageUp, ctrl, "WUnderground", {}, "WU_enable"},
            {Qt::Key_PageUp, ctrl, "Telemetry reports", "Pinrow outputs", "Pinrow_output1"},
            {Qt::Key_PageUp, ctrl, "Telemetry reports", "Digital channels 5-8",
             "Teledigital5_source"},
            {Qt::Key_PageDown, ctrl, "Telemetry reports", "Pinrow outputs", "Pinrow_output1"},
            {Qt::Key_Tab, ctrl, "WUnderground", {}, "WU_enable"},
            {Qt::Key_PageDown, ctrl, "Radio", {}, "Callsign"},
        };
        for (const auto& step : steps) {
            QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
            QCOMPARE(tabs.tabText(tabs.currentIndex()), step.tab);
            if (!step.page.isEmpty()) {
                QCOMPARE(inner.tabText(inner.currentIndex()), step.page);
            }
            QCOMPARE(QApplication::focusWidget()->objectName(), step.focused);
        }
        // From the log pane as well, whose frame shows the focus.
        auto& log = rig.window().logPane();
        const QImage unfocused = log.grab().toImage();
        log.setFocus();
        QApplication::processEvents();
        const QImage focused = log.grab().toImage();
        const QPoint frame(1, focused.height() / 2);
        QVERIFY(focused.pixel(frame) != unfocused.pixel(frame));
        QTest::keyClick(&log, Qt::Key_Tab, ctrl);
        QCOMPARE(tabs.currentIndex(), 1);
    }

    // The help shows the rule and what is left to do: nothing for a package, the source tree's
    // command for a program in its build folder, the rule by hand for any other copy.
    void usbHelpShowsTheRuleAndWhatIsLeftToDo() {
        WindowRig rig;
        entry(rig, "USB access on Linux...").trigger();
        QCOMPARE(rig.boxes.boxes.size(), size_t{1});
        QCOMPARE(rig.boxes.boxes[0].caption, QStringLiteral("USB access on Linux"));
        const QString rule = QStringLiteral(
            "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"0483\", ATTRS{idProduct}==\"a04b\", "
            "TAG+=\"uaccess\"");
        QVERIFY2(rig.boxes.boxes[0].text.contains(rule), qPrintable(rig.boxes.boxes[0].text));

        using korvex::app::usbAccessHelp;
        const QString installed =
            usbAccessHelp({rule, "/usr/lib/udev/rules.d/70-korvex-mini.rules", {}});
        QVERIFY(
            installed.contains("installed already, as /usr/lib/udev/rules.d/70-korvex-mini.rules"));
        QVERIFY(installed.contains(rule));
        QVERIFY(!installed.contains("sudo"));
        const QString fromBuild = usbAccessHelp({rule, {}, "/home/ham/korvex"});
        QVERIFY(fromBuild.contains(
            "sudo install -m 644 /home/ham/korvex/packaging/70-korvex-mini.rules "
            "/etc/udev/rules.d/"));
        const QString copy = usbAccessHelp({rule, {}, {}});
        QVERIFY(copy.contains("Install this udev rule as /etc/udev/rules.d/70-korvex-mini.rules"));
        QVERIFY(!copy.contains("packaging/"));
        QVERIFY(copy.contains("sudo udevadm control --reload-rules"));
    }

    // Without a file manager the folder's path is shown, and "Copy path" puts it on the clipboard.
    void backupsFolderWithoutAFileManagerShowsItsPath() {
        WindowRig rig;
        entry(rig, "Open backups folder").trigger();
        QCOMPARE(rig.openedUrls.size(), 1);
        QVERIFY(rig.boxes.boxes.empty());

        rig.fileManager = false;
        rig.boxes.answers = {true};
        QGuiApplication::clipboard()->clear();
        entry(rig, "Open backups folder").trigger();
        const QString folder =
            QString::fromStdU16String((rig.programFolder / "backups").u16string());
        QCOMPARE(rig.boxes.boxes.size(), size_t{1});
        QCOMPARE(rig.boxes.boxes[0].caption, QStringLiteral("Open backups folder"));
        QVERIFY(rig.boxes.boxes[0].text.endsWith("\n\n" + folder));
        QCOMPARE(rig.boxes.asked[0], (QStringList{"Copy path", "Close"}));
        QCOMPARE(QGuiApplication::clipboard()->text(), folder);
        QVERIFY(QFileInfo(folder).isDir());
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
