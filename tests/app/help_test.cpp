// Finding a setting, help on a setting (F1), undo, and long texts kept readable: the paths a
// person takes through the Edit, View and Help menus, against the simulated device with a
// scripted file chooser.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>
#include <fstream>

#include "app/dialogs/CompareDialog.h"
#include "app/dialogs/FilterDialog.h"
#include "app/dialogs/LogWindow.h"
#include "app/help/FindSettingDialog.h"
#include "app/help/HelpMenus.h"
#include "app/help/SettingsHelp.h"
#include "app/support/WindowRig.h"
#include "app/window/DeviceIndicator.h"
#include "app/window/WindowMenus.h"
#include "files/ConfigFile.h"
#include "reference/ReferenceFile.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

using korvex::testing::WindowRig;

namespace {

QAction& entry(WindowRig& rig, const char* text) {
    QAction* found = rig.window().menus().action(QString::fromLatin1(text));
    if (!found) {
        throw std::logic_error(std::string("no menu entry ") + text);
    }
    return *found;
}

korvex::app::FindSettingDialog& findDialog(WindowRig& rig) {
    entry(rig, "Find setting...").trigger();
    auto* dialog = rig.window().findChild<korvex::app::FindSettingDialog*>();
    if (!dialog) {
        throw std::logic_error("no find dialog");
    }
    return *dialog;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    // Typing lists the matches as "tab / label"; Enter leads to the first: its tab and inner
    // page in front, its field focused and selected, the filter dialog opened for a rule.
    void findLeadsToTheField() {
        struct Case {
            const char* typed;
            const char* field;
            const char* firstMatch;
            int tab;  // the tab in front afterwards
            bool inFilterDialog;
        };
        const Case cases[] = {
            {"analog channel 3 report units", "Teleanalog3_units",
             "Telemetry reports / Analog channels / 3. Units", 10, false},
            {"TXDELAY", "Txdelay", "Radio / TX delay [ms]", 0, false},
            {"Packet2rf_filter_ssid05", "Packet2rf_filter_ssid05", "Packet filter / 5. SSID", 5,
             true},
        };
        for (const Case& c : cases) {
            WindowRig rig;
            rig.window().show();
            korvex::app::FindSettingDialog& find = findDialog(rig);
            QCOMPARE(rig.shownDialogs.back(), static_cast<QDialog*>(&find));
            QTest::keyClicks(&find.searchField(), QString::fromLatin1(c.typed));
            QVERIFY(find.matches().count() >= 1);
            QCOMPARE(find.matches().item(0)->text(), QString::fromLatin1(c.firstMatch));
            QTest::keyClick(&find.searchField(), Qt::Key_Return);
            QCoreApplication::processEvents();  // the lead is queued until the dialog closed
            QCOMPARE(rig.window().pageControl().currentIndex(), c.tab);
            auto& field = rig.control<QLineEdit>(c.field);
            QTRY_VERIFY(field.hasFocus() || c.inFilterDialog);
            QCOMPARE(field.selectedText(), field.text());
            if (c.inFilterDialog) {
                QCOMPARE(rig.shownDialogs.back(),
                         static_cast<QDialog*>(&rig.window().filterDialog()));
            }
        }
        WindowRig rig;
        korvex::app::FindSettingDialog& find = findDialog(rig);
        for (const QString& typed : {QStringLiteral("no such thing"), QStringLiteral("?*()"),
                                     QString(200, QLatin1Char('x'))}) {
            find.searchField().setText(typed);
            QCOMPARE(find.matches().count(), 0);
            QCOMPARE(find.status(), QStringLiteral("No setting matches \"%1\".").arg(typed));
            QTest::keyClick(&find.searchField(), Qt::Key_Return);  // leads nowhere
        }
    }

    // F1 on a field shows its entry with a link to the full entry; on anything else, and where
    // the reference is missing, a box says where it was looked for.
    void helpOnTheFocusedSetting() {
        WindowRig rig;
        rig.window().show();
        rig.window().pageControl().setCurrentIndex(0);
        rig.control<QLineEdit>("Txdelay").setFocus();
        QTRY_VERIFY(rig.control<QLineEdit>("Txdelay").hasFocus());
        entry(rig, "Help on this setting").trigger();
        auto* popup = rig.window().findChild<QDialog*>(QStringLiteral("SettingHelp"));
        QVERIFY(popup);
        QCOMPARE(rig.shownDialogs.back(), popup);
        QCOMPARE(popup->windowTitle(), QStringLiteral("Help: Txdelay"));
        const QString text = popup->findChild<QTextBrowser*>()->toPlainText();
        QVERIFY2(text.contains("TX delay - range error (200 - 1000).") &&
                     text.contains("[Radio] TXdelay (number)"),
                 qPrintable(text));

        // The full entry: no reference beside the program or in the documentation folder yet.
        popup->findChild<QPushButton*>(QStringLiteral("FullEntry"))->click();
        QCOMPARE(rig.boxes.boxes.size(), size_t{1});
        QVERIFY(rig.boxes.boxes.back().text.contains("It was looked for in:"));
        std::ofstream(rig.programFolder / std::string(korvex::kReferenceFileName)) << "<html>";
        popup->findChild<QPushButton*>(QStringLiteral("FullEntry"))->click();
        QCOMPARE(rig.openedUrls.size(), 1);
        QCOMPARE(rig.openedUrls.back().fragment(), QStringLiteral("Txdelay"));

        // A control that holds no setting: the reference's start.
        rig.button("Button4").setFocus();
        QTRY_VERIFY(rig.button("Button4").hasFocus());
        entry(rig, "Help on this setting").trigger();
        QCOMPARE(rig.openedUrls.size(), 2);
        QVERIFY(!rig.openedUrls.back().hasFragment());

        // F1 in the filter dialog, a window of its own: the entry of the rule's field.
        QDialog& filter = rig.window().filterDialog();
        filter.show();
        filter.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&filter));
        auto& rule = rig.control<QLineEdit>("Packet2rf_filter_ssid05");
        rule.setFocus();
        QTRY_VERIFY(rule.hasFocus());
        QTest::keyClick(&rule, Qt::Key_F1);
        popup = rig.window().findChild<QDialog*>(QStringLiteral("SettingHelp"));
        QVERIFY(popup);
        QCOMPARE(popup->windowTitle(), QStringLiteral("Help: Packet2rf_filter_ssid05"));
    }

    // Typing in a field is one step, a loaded file is one step; undo past the first step does
    // nothing; Ctrl+Z in a field undoes the window's step.
    void undoAndRedo() {
        WindowRig rig;
        rig.window().show();
        rig.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window()));  // for the shortcut of Undo
        auto& callsign = rig.control<QLineEdit>("Callsign");
        auto& ssid = rig.control<QLineEdit>("Ssid");
        QAction& undo = entry(rig, "Undo");
        QAction& redo = entry(rig, "Redo");
        QVERIFY(!undo.isEnabled());
        callsign.selectAll();
        QTest::keyClicks(&callsign, "SP5AB");
        ssid.selectAll();
        QTest::keyClicks(&ssid, "7");
        QVERIFY(undo.isEnabled());

        const auto file = rig.programFolder / "hill.cfg";
        korvex::SilentFeedback quiet;
        korvex::SettingsStore other;
        korvex::applyStartupState(other, rig.clock);
        other.setText("Callsign", "SR5HIL");
        other.setIndex("Baudrate", 1);
        QVERIFY(korvex::saveConfigFile(other, file, quiet));
        rig.boxes.answers = {true};  // "Discard changes?": Discard
        rig.chooser.answer(file);
        rig.button("Button2").click();
        QCOMPARE(rig.settings().text("Callsign"), std::string("SR5HIL"));

        undo.trigger();  // the whole file
        QCOMPARE(rig.settings().text("Callsign"), std::string("SP5AB"));
        QCOMPARE(rig.settings().text("Ssid"), std::string("7"));
        QCOMPARE(rig.settings().index("Baudrate"), 0);
        callsign.setFocus();
        QTest::keyClick(&callsign, Qt::Key_Z, Qt::ControlModifier);  // the SSID's step
        QCOMPARE(rig.settings().text("Ssid"), std::string("0"));
        QCOMPARE(rig.settings().text("Callsign"), std::string("SP5AB"));
        undo.trigger();
        QCOMPARE(rig.settings().text("Callsign"), std::string("NOCALL"));
        QVERIFY(!undo.isEnabled());
        undo.trigger();  // past the first step: nothing
        QCOMPARE(rig.settings().text("Callsign"), std::string("NOCALL"));
        redo.trigger();
        QCOMPARE(rig.settings().text("Callsign"), std::string("SP5AB"));

        // Nothing is undone while an action runs.
        rig.button("Button5").setEnabled(false);
        QVERIFY(!undo.isEnabled());
        rig.button("Button5").setEnabled(true);
        QVERIFY(undo.isEnabled());
    }

    // Long texts stay readable: the compare dialog's columns fit its texts (long values wrap
    // within the screen), the presence text has room for its longest form, the log window
    // follows the log pane.
    void longTextsStayReadable() {
        WindowRig rig;
        const auto file = rig.programFolder / "long.cfg";
        korvex::SilentFeedback quiet;
        rig.settings().setText("Beacon2_msg", std::string(64, 'x'));
        QVERIFY(korvex::saveConfigFile(rig.settings(), file, quiet));
        rig.settings().setText("Beacon2_msg", std::string(60, 'y'));
        rig.chooser.answer(file);
        entry(rig, "Compare with file...").trigger();
        auto* compare = rig.window().menus().compareDialog();
        compare->show();  // recorded, not shown, by the rig: shown here for its layout
        QVERIFY(QTest::qWaitForWindowExposed(compare));
        QTableWidget& table = compare->table();
        int columns = 0;
        for (int column = 0; column < table.columnCount(); ++column) {
            columns += table.columnWidth(column);
        }
        QVERIFY2(columns <= table.viewport()->width() + 1,
                 qPrintable(QStringLiteral("%1 > %2").arg(columns).arg(table.viewport()->width())));

        auto& indicator = rig.window().deviceIndicator();
        for (const char* text :
             {"Korvex Mini connected", "Korvex Mini not connected", "Korvex Mini: no permission"}) {
            QVERIFY(indicator.sizeHint().width() >=
                    indicator.fontMetrics().horizontalAdvance(QString::fromLatin1(text)));
        }

        entry(rig, "Log window").trigger();
        auto* log = rig.window().findChild<korvex::app::LogWindow*>();
        QVERIFY(log && log->isVisible());
        rig.boxes.answers = {true};     // "Discard changes?": Discard
        rig.button("Button4").click();  // 192 page lines and more
        QCOMPARE(log->lines().toPlainText(), rig.window().logPane().toPlainText());
        QVERIFY(log->lines().document()->blockCount() > 192);
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
