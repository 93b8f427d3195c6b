// The menu bar: the compare dialog, the remembered write steps and the USB trace, against the
// simulated device with a scripted file chooser.

#include <QAction>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "app/CompareDialog.h"
#include "app/ConfiguratorActions.h"
#include "app/WindowMenus.h"
#include "app/support/WindowRig.h"
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
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
