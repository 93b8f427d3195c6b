// Device > "Check station...": the advice and the beacons listed, "Show" and double-click leading
// to the setting's field, and the "Station check:" line after reads, loads and before writes.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "app/dialogs/FilterDialog.h"
#include "app/dialogs/StationCheckDialog.h"
#include "app/support/WindowRig.h"
#include "app/window/WindowMenus.h"
#include "files/ConfigFile.h"
#include "settings/SilentFeedback.h"

using korvex::testing::WindowRig;

namespace {

const QString kStartupLine =
    QStringLiteral("Station check: 8 warnings, 0 notes (Device > Check station...)");

korvex::app::StationCheckDialog& openCheck(WindowRig& rig) {
    rig.window().menus().action(QStringLiteral("Check station..."))->trigger();
    auto* dialog = rig.window().menus().stationCheckDialog();
    if (!dialog || rig.shownDialogs.empty() || rig.shownDialogs.back() != dialog) {
        throw std::logic_error("the station check was not shown");
    }
    return *dialog;
}

// The row whose first cell reads `where`, or -1.
int rowAt(korvex::app::StationCheckDialog& dialog, const QString& where) {
    for (int row = 0; row < dialog.list().rowCount(); ++row) {
        if (dialog.list().item(row, 0)->text() == where) {
            return row;
        }
    }
    return -1;
}

}  // namespace

class StationCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void listsTheAdviceAndTheBeaconsAndShowLeadsToTheField() {
        WindowRig rig;
        auto& dialog = openCheck(rig);
        QCOMPARE(dialog.list().rowCount(), 8);
        QCOMPARE(dialog.list().item(0, 0)->text(), QStringLiteral("Radio / Callsign"));
        QVERIFY(dialog.list().item(0, 1)->toolTip().contains(
            QStringLiteral("APRS Protocol Reference 1.0.1")));
        QCOMPARE(dialog.beaconLines().toPlainText(),
                 QStringLiteral("Beacon 1: every 5 min to RF, every 5 min to APRS-IS\n"
                                "  NOCALL>APQK04,WIDE2-2:@170905z5221.60N/01653.63E-KorvexMini "
                                "U=13.8V."));

        QVERIFY(!dialog.showButton().isEnabled());
        const int rule = rowAt(dialog, QStringLiteral("Digipeater / N<= (Pathn1_higher)"));
        QVERIFY(rule >= 0);
        dialog.list().setCurrentCell(rule, 1);
        dialog.showButton().click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCoreApplication::processEvents();
        auto& tabs = rig.window().pageControl();
        QCOMPARE(tabs.tabText(tabs.currentIndex()), QStringLiteral("Digipeater"));
        auto& field = rig.control<QLineEdit>("Pathn1_higher");
        QCOMPARE(field.window()->focusWidget(), &field);
    }

    void aPacketFilterRuleOpensTheFilterDialogOnDoubleClick() {
        WindowRig rig;
        rig.settings().setText("Packet2rf_filter_callsign01", "*");
        rig.settings().setIndex("Packet2rf_filter_type01", 1);
        auto& dialog = openCheck(rig);
        const int rule =
            rowAt(dialog, QStringLiteral("Packet filter / Type (Packet2rf_filter_type01)"));
        QVERIFY(rule >= 0);
        dialog.list().setCurrentCell(rule, 1);
        emit dialog.list().cellDoubleClicked(rule, 1);
        QCoreApplication::processEvents();
        QCOMPARE(rig.shownDialogs.back(), static_cast<QDialog*>(&rig.window().filterDialog()));
        auto& type = rig.control<QComboBox>("Packet2rf_filter_type01");
        QCOMPARE(type.window()->focusWidget(), &type);
    }

    void aFailedCheckIsTheOnlyRowAndLeadsToItsSetting() {
        WindowRig rig;
        rig.settings().setText("Txdelay", "2000");
        auto& dialog = openCheck(rig);
        QCOMPARE(dialog.list().rowCount(), 1);
        QCOMPARE(dialog.list().item(0, 1)->text(),
                 QStringLiteral("TX delay - range error (200 - 1000)."));
        QVERIFY(rig.boxes.boxes.empty());
        dialog.list().setCurrentCell(0, 1);
        dialog.showButton().click();
        QCoreApplication::processEvents();
        auto& field = rig.control<QLineEdit>("Txdelay");
        QCOMPARE(field.window()->focusWidget(), &field);
    }

    void theLogLineFollowsALoadAndPrecedesAWriteOnlyWhenThereIsAdvice() {
        WindowRig rig;
        const auto file = rig.programFolder / "station.cfg";
        korvex::SilentFeedback quiet;
        QVERIFY(korvex::saveConfigFile(rig.settings(), file, quiet));
        rig.chooser.answer(file);
        rig.button("Button2").click();
        QCOMPARE(rig.logLines(),
                 (QStringList{"Configuration loaded from " + QString::fromStdString(file.string()),
                              kStartupLine}));

        for (const auto& [name, value] : {std::pair{"Callsign", "SP5ABC"},
                                          {"Aprsis_user", "SP5ABC"},
                                          {"Aprsis_pass", "22448"},
                                          {"Pathn1_higher", "2"},
                                          {"Beacon1_txrate_rf", "30"},
                                          {"Beacon1_path_ssid", "1"},
                                          {"Weather_txrate_rf", "30"},
                                          {"Weather_path_ssid", "1"},
                                          {"www_password", "Hill-4web"},
                                          {"telnet_password", "Hill-4tel"}}) {
            rig.settings().setText(name, value);
        }
        rig.window().logPane().clear();
        rig.button("Button5").click();
        QCOMPARE(rig.logLines().first(),
                 QStringLiteral("Korvex Mini found, vid: Vid_0483, pid: A04B"));
        QCOMPARE(rig.logLines().last(), QStringLiteral("Eeprom write success"));
        QVERIFY(rig.logLines().filter(QStringLiteral("Station check")).isEmpty());
    }
};

QTEST_MAIN(StationCheckTest)
#include "station_check_test.moc"
