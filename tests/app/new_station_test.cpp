// File > "New station...": the wizard asks before replacing changes, refuses a bad answer on its
// page and fills the window with a sound station; "Position..." and "Compute" fill their fields.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "advice/StationCheck.h"
#include "app/newstation/BeaconPage.h"
#include "app/newstation/CallPage.h"
#include "app/newstation/NetworkPage.h"
#include "app/newstation/NewStationWizard.h"
#include "app/newstation/PositionDialog.h"
#include "app/newstation/PositionForms.h"
#include "app/newstation/PositionPage.h"
#include "app/newstation/RolesPage.h"
#include "app/support/WindowRig.h"
#include "app/window/WindowMenus.h"

using korvex::testing::WindowRig;

namespace {

QCheckBox& role(korvex::app::NewStationWizard& wizard, int index) {
    return *wizard.rolesPage().roles()[index];
}

// Goes on from the current page; the page it then shows.
QWizardPage* next(korvex::app::NewStationWizard& wizard) {
    wizard.next();
    return wizard.currentPage();
}

}  // namespace

class NewStationTest : public QObject {
    Q_OBJECT

  private slots:
    void theWizardAsksFirstRefusesOnItsPageAndFillsTheWindow() {
        WindowRig rig;
        rig.settings().setText("Callsign", "SP5XYZ");
        QAction* entry = rig.window().menus().action(QStringLiteral("New station..."));
        QVERIFY(entry);
        rig.boxes.choices = {QStringLiteral("Cancel")};
        entry->trigger();
        QCOMPARE(rig.boxes.boxes.back().text, QStringLiteral("Discard changes?"));
        QVERIFY(rig.shownDialogs.empty());

        rig.boxes.choices = {QStringLiteral("Discard")};
        entry->trigger();
        auto* wizard = rig.window().menus().newStationWizard();
        QVERIFY(wizard && !rig.shownDialogs.empty() && rig.shownDialogs.back() == wizard);
        wizard->restart();

        wizard->callPage().call().setText(QStringLiteral("NOCALL"));
        QCOMPARE(next(*wizard), &wizard->callPage());
        QVERIFY(wizard->callPage().refusal().contains(QStringLiteral("placeholder")));
        wizard->callPage().call().setText(QStringLiteral("sp5abc-3"));
        QCOMPARE(next(*wizard), &wizard->rolesPage());

        role(*wizard, 2).setChecked(true);  // igate
        role(*wizard, 3).setChecked(true);  // igate-tx
        QCOMPARE(next(*wizard), &wizard->rolesPage());
        QVERIFY(wizard->rolesPage().refusal().contains(QStringLiteral("contradict")));
        role(*wizard, 3).setChecked(false);
        role(*wizard, 0).setChecked(true);  // fill-in-digi
        QCOMPARE(next(*wizard), &wizard->positionPage());

        auto& position = wizard->positionPage().forms();
        position.input().setText(QStringLiteral("52 61N 16E"));
        QCOMPARE(position.findChild<QLabel*>(QStringLiteral("PositionError"))->text(),
                 QStringLiteral("latitude \"52 61N\": the minutes 61 are 60 or more"));
        QCOMPARE(next(*wizard), &wizard->positionPage());
        position.input().setText(QStringLiteral("JO82ki"));
        QCOMPARE(next(*wizard), &wizard->beaconPage());

        wizard->beaconPage().comment().setText(QStringLiteral("Hill digi"));
        QCOMPARE(next(*wizard), &wizard->networkPage());
        wizard->networkPage().wwwPassword().setText(QStringLiteral("Hill-4web"));
        wizard->accept();

        auto& settings = rig.settings();
        QCOMPARE(settings.text("Callsign"), std::string("SP5ABC"));
        QCOMPARE(settings.text("Ssid"), std::string("3"));
        QCOMPARE(settings.text("Latitude"), std::string("5221.25N"));
        QCOMPARE(settings.text("Longitude"), std::string("01652.50E"));
        QCOMPARE(settings.text("Beacon1_msg"), std::string("!<lat>I<long>#Hill digi"));
        QCOMPARE(settings.text("www_password"), std::string("Hill-4web"));
        const std::string telnet = settings.text("telnet_password");
        QCOMPARE(telnet.size(), size_t{12});
        QVERIFY(rig.boxes.boxes.back().text.endsWith(QStringLiteral("Telnet: ") +
                                                     QString::fromStdString(telnet)));
        QCOMPARE(rig.logLines().back(),
                 QStringLiteral("New station: SP5ABC-3 at 5221.25N 01652.50E, not yet written to "
                                "the device"));
        const korvex::StationCheck check = korvex::checkStation(settings, rig.clock);
        QVERIFY(check.passed);
        QVERIFY(check.advice.empty());
    }

    void positionAndComputeFillTheirFields() {
        WindowRig rig;
        rig.button("PositionButton").click();
        auto* dialog = rig.window().positionDialog();
        QVERIFY(dialog && rig.shownDialogs.back() == dialog);
        QPushButton* fill = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QCOMPARE(dialog->forms().input().text(), QStringLiteral("5221.60N 01653.63E"));
        dialog->forms().input().setText(QStringLiteral("52 21.6N 16 93E"));
        QVERIFY(!fill->isEnabled());
        dialog->forms().input().setText(QStringLiteral("-33.9, -18.4"));
        fill->click();
        QCOMPARE(rig.settings().text("Latitude"), std::string("3354.00S"));
        QCOMPARE(rig.settings().text("Longitude"), std::string("01824.00W"));

        rig.settings().setText("Aprsis_user", "sp5abc-3");
        rig.button("PasscodeButton").click();
        QCOMPARE(rig.settings().text("Aprsis_pass"), std::string("22448"));
    }
};

QTEST_MAIN(NewStationTest)
#include "new_station_test.moc"
