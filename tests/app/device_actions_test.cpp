// "Write config", "Read config" and "Upload firmware" from the window's buttons against a
// simulated device: log lines, progress bar, boxes, and the action buttons during an upload.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QtTest>

#include "app/dialogs/FilterDialog.h"
#include "app/dialogs/RestoreDialog.h"
#include "app/support/WindowRig.h"
#include "app/window/ConfiguratorActions.h"
#include "app/window/DeviceIndicator.h"
#include "app/window/WindowMenus.h"
#include "files/Backups.h"
#include "files/ConfigFile.h"
#include "image/Codec.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"
#include "support/TempDir.h"

using korvex::app::BoxIcon;
using korvex::testing::RecordingBoxes;
using korvex::testing::WindowRig;

namespace {

const QString kFoundLine = QStringLiteral("Korvex Mini found, vid: Vid_0483, pid: A04B");
// The station check's line for the start-up settings, and for them with a callsign of its own.
const QString kStartupCheckLine =
    QStringLiteral("Station check: 9 warnings, 0 notes (Device > Check station...)");
const QString kCallsignCheckLine =
    QStringLiteral("Station check: 8 warnings, 0 notes (Device > Check station...)");

// "PREFIX1/TOTAL" up to "PREFIXcount/TOTAL".
QStringList pageLines(const char* prefix, int count, int total = 0) {
    QStringList lines;
    for (int page = 1; page <= count; ++page) {
        lines << QStringLiteral("%1%2/%3")
                     .arg(QString::fromLatin1(prefix))
                     .arg(page)
                     .arg(total > 0 ? total : count);
    }
    return lines;
}

// A chooser that notes, when the firmware dialog is asked for, whether each of the six action
// buttons is enabled, and answers from its script.
class ObservingChooser final : public korvex::testing::ScriptedFileChooser {
  public:
    std::optional<std::filesystem::path> openFile(
        std::string_view filter, const std::filesystem::path& initialFolder) override {
        for (auto* button : rig->actionButtons()) {
            enabledDuringDialog.push_back(button->isEnabled());
        }
        pollingDuringDialog.push_back(rig->window().deviceIndicator().polling());
        return ScriptedFileChooser::openFile(filter, initialFolder);
    }
    WindowRig* rig = nullptr;
    std::vector<bool> enabledDuringDialog;
    std::vector<bool> pollingDuringDialog;
};

// Simulated interfaces, of which the Korvex Mini's can vanish between the listing and the probe
// (a hidraw node gone as the device is pulled out).
class VanishingBus final : public korvex::TransportProvider {
  public:
    std::vector<korvex::DeviceInterface> enumerate() override { return bus.enumerate(); }
    std::unique_ptr<korvex::Transport> open(const korvex::DeviceInterface& device) override {
        return vanished ? nullptr : bus.open(device);
    }
    korvex::InterfaceAccess probe(const korvex::DeviceInterface& device) override {
        if (vanished) {
            return korvex::InterfaceAccess::Gone;
        }
        return held ? korvex::InterfaceAccess::InUse : bus.probe(device);
    }
    korvex::SimulatedBus bus;
    bool vanished = false;
    bool held = false;  // another program holds the interface for itself (Windows)
};

class VanishingAccess final : public korvex::app::DeviceAccess {
  public:
    korvex::DeviceLink& link() override { return link_; }
    korvex::TransportProvider& provider() override { return interfaces; }
    void setTrace(korvex::TraceRecorder*) override {}
    VanishingBus interfaces;

  private:
    korvex::DeviceLink link_{interfaces};
};

std::filesystem::path firmwareFile(const korvex::testing::TempDir& folder, size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 7 + 1);
    }
    const auto path = folder / "fw.hash";
    korvex::testing::writeFile(path, bytes);
    return path;
}

}  // namespace

class DeviceActionsTest : public QObject {
    Q_OBJECT

  private slots:
    void writeThenReadBringsTheSettingsBack() {
        WindowRig rig;
        rig.settings().setText("Callsign", "SP3XYZ");
        rig.settings().setIndex("Squelch", 6);
        rig.settings().setText("Packet2rf_filter_callsign05", "DL1*");
        rig.button("Button5").click();

        const QStringList writeLog = QStringList{kCallsignCheckLine, kFoundLine} +
                                     pageLines("Page written: ", 192) +
                                     QStringList{"Eeprom write success"};
        QCOMPARE(rig.logLines(), writeLog);
        QCOMPARE(rig.window().progressBar().value(), 0);
        QVERIFY(rig.boxes.boxes.empty());

        rig.settings().setText("Callsign", "OTHER");
        rig.settings().setIndex("Squelch", 0);
        rig.settings().setText("Packet2rf_filter_callsign05", "");
        rig.boxes.answers = {true};  // "Discard changes?": Discard
        rig.button("Button4").click();

        const QStringList readLog =
            QStringList{kFoundLine} + pageLines("Page read: ", 192) +
            QStringList{"Eeprom read success.", kFoundLine, kCallsignCheckLine};
        QCOMPARE(rig.logLines(), writeLog + readLog);
        QCOMPARE(rig.window().progressBar().value(), 0);
        QCOMPARE(rig.window().progressBar().maximum(), 192);
        QCOMPARE(rig.boxes.boxes,
                 (std::vector<RecordingBoxes::Box>{
                     {BoxIcon::Question, "Korvex Mini Configurator", "Discard changes?"},
                     {BoxIcon::None, "Korvex Mini Configurator", "Firmware version: 1.10"}}));
        QCOMPARE(rig.settings().text("Callsign"), std::string("SP3XYZ"));
        QCOMPARE(rig.settings().index("Squelch"), 6);
        QCOMPARE(rig.settings().text("Packet2rf_filter_callsign05"), std::string("DL1*"));
    }

    // A window that still holds its start-up settings asks before it replaces the station's,
    // even with "Confirm changes before writing" off; Cancel writes nothing, Write writes.
    void writeAsksBeforeTheStartupSettingsReplaceTheStations() {
        WindowRig rig;
        korvex::SettingsStore station = korvex::startupSettings(rig.clock);
        station.setText("Callsign", "SP5DEF");
        korvex::SilentFeedback quiet;
        QVERIFY(korvex::EncodeConfigImage(rig.device.device().eeprom(), station, quiet, rig.clock));
        const korvex::ConfigImage stations = rig.device.device().eeprom();
        auto& actions = rig.window().actions();
        actions.writeSafety() = {.backup = true,
                                 .backupFolder = rig.programFolder / "backups",
                                 .verify = true,
                                 .confirm = actions.writeConfirmation(false)};
        const RecordingBoxes::Box question{
            BoxIcon::Question, "Korvex Mini Configurator",
            "The window still holds the settings it started with: nothing was read from the "
            "device or loaded from a file since.\n"
            "Write config will change 1 setting on the device:\n"
            "Radio / Callsign: \"SP5DEF\" -> \"NOCALL\""};

        rig.button("Button5").click();  // no answer: Cancel
        QCOMPARE(rig.boxes.boxes, std::vector<RecordingBoxes::Box>{question});
        QCOMPARE(rig.boxes.asked, (std::vector<QStringList>{{"Write", "Cancel"}}));
        QCOMPARE(rig.logLines().last(),
                 QStringLiteral("Write config cancelled: nothing was written to the device."));
        QVERIFY(rig.device.device().eeprom() == stations);

        rig.boxes.answers = {true};
        rig.button("Button5").click();
        QCOMPARE(rig.boxes.boxes, (std::vector<RecordingBoxes::Box>{question, question}));
        QCOMPARE(rig.logLines().last(), QStringLiteral("Eeprom verify success"));
        QCOMPARE(rig.device.device().eeprom(), rig.window().actions().outgoing());

        // Written once, the window no longer holds the start-up settings: with the toggle off
        // the next write asks nothing.
        rig.settings().setText("Callsign", "SP5ABC");
        rig.button("Button5").click();
        QCOMPARE(rig.boxes.boxes.size(), size_t{2});
        QCOMPARE(rig.logLines().last(), QStringLiteral("Eeprom verify success"));
    }

    void aFailedVerifySaysWhatToDoInABox() {
        WindowRig rig;
        rig.window().actions().writeSafety() = {.verify = true};
        rig.device.device().armFault(korvex::SimulatedFault::Corrupt, 40);
        rig.settings().setText("Callsign", "SP5ABC");
        rig.button("Button5").click();
        const QString advice =
            QStringLiteral("The device does not hold what was written. Write config again.");
        QCOMPARE(rig.logLines().last(), advice);
        QCOMPARE(rig.boxes.boxes, (std::vector<RecordingBoxes::Box>{
                                      {BoxIcon::Warning, "Korvex Mini Configurator", advice}}));
    }

    // A write cut off after its backup says that the device holds a partly written configuration
    // and offers the way back; "Restore backup" writes the backup at once, and the window then
    // shows what the device holds again.
    void aWriteCutOffOffersToRestoreItsBackup() {
        WindowRig rig;
        const korvex::ConfigImage before = rig.device.device().eeprom();
        rig.window().actions().writeSafety() = {
            .backup = true, .backupFolder = rig.programFolder / "backups", .verify = true};
        rig.device.device().armFault(korvex::parseSimulatedFault("reject:write:10"));
        rig.settings().setText("Callsign", "SP5ABC");
        rig.boxes.choices = {"&Restore backup"};
        rig.button("Button5").click();
        QCOMPARE(rig.boxes.asked.front(),
                 (QStringList{"&Restore backup", "&Write again", "&Close"}));
        QVERIFY(rig.boxes.boxes.front().text.startsWith(
            QStringLiteral("The device now holds a partly written configuration")));
        QVERIFY(rig.device.device().eeprom() == before);
        QCOMPARE(rig.settings().text("Callsign"), std::string("NOCALL"));
        QCOMPARE(rig.logLines().last(), QStringLiteral("Eeprom verify success"));
    }

    // Device > "Restore backup...": the backups newest first with how many settings differ from
    // the window; the selected one's differences; "Restore" writes it and the window shows it.
    void restoreDialogListsTheBackupsAndRestoresTheChosenOne() {
        WindowRig rig;
        const auto folder = rig.programFolder / "backups";
        korvex::SilentFeedback quiet;
        korvex::ConfigImage images[2];
        for (int i = 0; i < 2; ++i) {
            korvex::SettingsStore station = korvex::startupSettings(rig.clock);
            station.setText("Callsign", i ? "SP5CD" : "SP5AB");
            QVERIFY(korvex::EncodeConfigImage(images[i], station, quiet, rig.clock));
            const korvex::FixedClock at(korvex::UtcDateTime{2024, 5, 16 + i, 9, 0, 0});
            QVERIFY(korvex::saveBackup(images[i], folder, at, quiet));
        }
        rig.window().actions().writeSafety() = {.verify = true};
        rig.window().menus().action(QStringLiteral("Restore backup..."))->trigger();
        auto* dialog = qobject_cast<korvex::app::RestoreDialog*>(rig.shownDialogs.back());
        QVERIFY(dialog);
        QCOMPARE(dialog->backups().rowCount(), 2);
        QCOMPARE(dialog->backups().item(0, 0)->text(), QStringLiteral("SP5CD"));
        QCOMPARE(dialog->backups().item(0, 1)->text(), QStringLiteral("2024-05-17 09:00 UTC"));
        QCOMPARE(dialog->backups().item(0, 2)->text(), QStringLiteral("1 setting"));
        QCOMPARE(dialog->differences().rowCount(), 1);
        QCOMPARE(dialog->differences().item(0, 3)->text(), QStringLiteral("SP5CD "));
        dialog->backups().selectRow(1);
        QCOMPARE(dialog->differences().item(0, 3)->text(), QStringLiteral("SP5AB "));
        dialog->restoreButton().click();
        QVERIFY(rig.device.device().eeprom() == images[0]);
        QCOMPARE(rig.settings().text("Callsign"),
                 std::string("SP5AB "));  // as the device stores it
    }

    // Reading over changed settings asks first: Cancel keeps them, Save keeps them in a file.
    void readingOverChangesAsksAndSaveKeepsThemInAFile() {
        WindowRig rig;
        rig.settings().setText("Callsign", "SP5XYZ");
        rig.button("Button4").click();  // no answer: Cancel
        QCOMPARE(rig.boxes.asked, (std::vector<QStringList>{{"Discard", "Save", "Cancel"}}));
        QVERIFY(rig.logLines().isEmpty());
        QCOMPARE(rig.settings().text("Callsign"), std::string("SP5XYZ"));

        const auto saved = rig.programFolder / "mine.cfg";
        rig.chooser.answer(saved);
        rig.boxes.choices = {"Save"};
        rig.button("Button4").click();
        QVERIFY(rig.logLines().first().startsWith(QStringLiteral("Configuration saved to ")));
        // The version query after the read, then the station check of what was read.
        QCOMPARE(rig.logLines().mid(rig.logLines().size() - 2),
                 (QStringList{kFoundLine, kStartupCheckLine}));
        QCOMPARE(rig.settings().text("Callsign"), std::string("NOCALL"));
        korvex::SettingsStore file;
        korvex::SilentFeedback quiet;
        QVERIFY(korvex::loadConfigFile(file, saved, quiet));
        QCOMPARE(file.text("Callsign"), std::string("SP5XYZ"));
    }

    void aFailedCheckShowsItsBoxAndNeverOpensTheDevice() {
        WindowRig rig;
        rig.settings().setText("Ipaddr0", "256");
        const auto requestsBefore = rig.device.device().requestCount();
        rig.button("Button5").click();
        QCOMPARE(rig.boxes.boxes,
                 (std::vector<RecordingBoxes::Box>{{BoxIcon::Information, "Information",
                                                    "IP Address - range error (0 - 255)."}}));
        QVERIFY(rig.logLines().isEmpty());
        QCOMPARE(rig.device.device().requestCount(), requestsBefore);
    }

    void aNonNumberShowsTheGeneralErrorBoxAndEndsTheAction() {
        WindowRig rig;
        rig.settings().setText("Txdelay", "12x");
        rig.button("Button5").click();
        QCOMPARE(rig.boxes.boxes,
                 (std::vector<RecordingBoxes::Box>{{BoxIcon::Error, "Korvex Mini Configurator",
                                                    "'12x' is not a valid integer value"}}));
        QVERIFY(rig.logLines().isEmpty());
        for (auto* button : rig.actionButtons()) {
            QVERIFY(button->isEnabled());
        }
        // The window goes on: a corrected value writes.
        rig.settings().setText("Txdelay", "300");
        rig.button("Button5").click();
        QCOMPARE(rig.logLines().last(), QStringLiteral("Eeprom write success"));
    }

    void theNewestLineComesIntoViewAfterTheUserScrolledUp() {
        WindowRig rig;
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        rig.button("Button5").click();
        QPlainTextEdit& pane = rig.window().logPane();
        pane.verticalScrollBar()->setValue(0);
        rig.button("Button5").click();
        const QPoint bottom(4, pane.viewport()->height() - 4);
        QCOMPARE(pane.cursorForPosition(bottom).blockNumber(), pane.document()->blockCount() - 1);
        QCOMPARE(pane.cursorForPosition(bottom).block().text(),
                 QStringLiteral("Eeprom write success"));
    }

    void aRefusedSettingLeadsToItsField_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("innerPage");  // empty: none
        QTest::addColumn<bool>("inFilterDialog");
        QTest::newRow("range") << "Txdelay"
                               << "150"
                               << "Radio" << QString() << false;
        QTest::newRow("not a number") << "Txdelay"
                                      << "12x"
                                      << "Radio" << QString() << false;
        QTest::newRow("inner page") << "Teleanalog3_name"
                                    << "TOO LONG NAME"
                                    << "Telemetry reports"
                                    << "Analog channels" << false;
        QTest::newRow("filter rule") << "Packet2rf_filter_ssid04"
                                     << "99"
                                     << "I-Gate" << QString() << true;
    }
    void aRefusedSettingLeadsToItsField() {
        QFETCH(QString, setting);
        QFETCH(QString, value);
        QFETCH(QString, tab);
        QFETCH(QString, innerPage);
        QFETCH(bool, inFilterDialog);
        WindowRig rig;
        QTabWidget& tabs = rig.window().pageControl();
        tabs.setCurrentIndex(tabs.count() - 1);
        rig.settings().setText(setting.toStdString(), value.toStdString());
        rig.button("Button5").click();

        QCOMPARE(rig.boxes.boxes.size(), size_t{1});
        QVERIFY(rig.logLines().isEmpty());
        QCOMPARE(tabs.tabText(tabs.currentIndex()), tab);
        if (!innerPage.isEmpty()) {
            auto& inner = rig.control<QTabWidget>("PageControl2");
            QCOMPARE(inner.tabText(inner.currentIndex()), innerPage);
        }
        auto& field = rig.control<QLineEdit>(setting.toLatin1().constData());
        QCOMPARE(field.window()->focusWidget(), &field);
        QCOMPARE(field.selectedText(), value);
        QCOMPARE(rig.shownDialogs, inFilterDialog
                                       ? std::vector<QDialog*>{&rig.window().filterDialog()}
                                       : std::vector<QDialog*>{});
    }

    // A simulated device whose folder takes no more files: the first page that cannot be stored
    // fails as a page exchange, and nothing claims success.
    void aPageThatCannotBeKeptFailsItsExchange() {
        korvex::testing::TempDir folder;
        korvex::app::SimulatedDeviceAccess kept(folder.path(), [](std::chrono::milliseconds) {});
        std::filesystem::create_directory(folder / "eeprom.bin.tmp");  // no file can take its place
        WindowRig rig(nullptr, &kept);
        rig.button("Button5").click();
        // The page that was not kept may have reached the device: not called untouched.
        const QString state = QStringLiteral(
            "The device now holds a partly written configuration that it will not accept: write "
            "again.");
        QCOMPARE(
            rig.logLines(),
            (QStringList{
                kStartupCheckLine, kFoundLine,
                "Waiting for the Korvex Mini to answer (at most 5 s)...", "Page write error: 1/192",
                "The write stopped at page 1: the device did not answer within 5 s.", state}));
        QCOMPARE(rig.boxes.boxes, (std::vector<RecordingBoxes::Box>{
                                      {BoxIcon::Warning, "Korvex Mini Configurator", state}}));

        korvex::testing::writeFile(folder / "file", "");
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 korvex::app::SimulatedDeviceAccess(folder / "file"));
    }

    void uploadDisablesTheActionButtonsWhileItRuns() {
        ObservingChooser chooser;
        WindowRig rig(&chooser);
        chooser.rig = &rig;
        const auto firmware = firmwareFile(rig.programFolder, 100);
        chooser.answer(firmware);
        rig.button("Button3").click();

        QCOMPARE(chooser.enabledDuringDialog, std::vector<bool>(6, false));
        for (auto* button : rig.actionButtons()) {
            QVERIFY(button->isEnabled());
        }
        QCOMPARE(chooser.requests.size(), size_t{1});
        QCOMPARE(chooser.requests[0].initialFolder, rig.programFolder.path() / "firmware");
        QCOMPARE(rig.logLines(), QStringList{kFoundLine} + pageLines("Page written: ", 4) +
                                     QStringList{"Firmware upgrade success"});
        const auto& flash = rig.device.device().flash();
        const std::string sent = korvex::testing::readFile(firmware);
        QVERIFY(std::equal(sent.begin(), sent.end(), flash.begin(),
                           [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; }));
        QCOMPARE(rig.window().progressBar().value(), 0);
    }

    void uploadEnablesTheButtonsAgainAfterAFailure_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("rejectThirdPage");
        QTest::addColumn<QStringList>("lastLines");
        QTest::addColumn<QString>("boxCaption");
        QTest::newRow("page rejected")
            << 100 << true
            << (pageLines("Page written: ", 2, 4) +
                QStringList{"Page write error: 3/4",
                            "The upload stopped at page 3: the device refused the request."})
            << QString();
        QTest::newRow("file too long")
            << 245761 << false << QStringList{kFoundLine} << QStringLiteral("File to long.");
    }
    void uploadEnablesTheButtonsAgainAfterAFailure() {
        QFETCH(int, size);
        QFETCH(bool, rejectThirdPage);
        QFETCH(QStringList, lastLines);
        QFETCH(QString, boxCaption);
        ObservingChooser chooser;
        WindowRig rig(&chooser);
        chooser.rig = &rig;
        chooser.answer(firmwareFile(rig.programFolder, static_cast<size_t>(size)));
        if (rejectThirdPage) {
            rig.device.device().armFault(korvex::SimulatedFault::Reject, 2);
        }
        rig.button("Button3").click();

        QCOMPARE(chooser.enabledDuringDialog, std::vector<bool>(6, false));
        for (auto* button : rig.actionButtons()) {
            QVERIFY(button->isEnabled());
        }
        QCOMPARE(rig.logLines().mid(rig.logLines().size() - lastLines.size()), lastLines);
        if (boxCaption.isEmpty()) {
            QVERIFY(rig.boxes.boxes.empty());
            QCOMPARE(rig.window().progressBar().value(), 2);
        } else {
            QCOMPARE(rig.boxes.boxes,
                     (std::vector<RecordingBoxes::Box>{
                         {BoxIcon::Information, boxCaption, "Firmware file error."}}));
        }
    }

    void theIndicatorTellsWhetherTheDeviceCanBeUsed_data() {
        QTest::addColumn<int>("productId");
        QTest::addColumn<QString>("access");  // "open", "denied" or "held"
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        const QString help = QStringLiteral(
            "The Korvex Mini is plugged in, but this user may not open it: see Help > USB access "
            "on Linux.");
        QTest::newRow("plugged in") << 0xA04B << "open"
                                    << "Korvex Mini connected" << QString();
        QTest::newRow("another product") << 0xA04C << "open"
                                         << "Korvex Mini not connected" << QString();
        QTest::newRow("no permission") << 0xA04B << "denied"
                                       << "Korvex Mini: no permission" << help;
        QTest::newRow("in use") << 0xA04B << "held"
                                << "Korvex Mini: in use"
                                << "The Korvex Mini is plugged in, but another program holds it: "
                                   "close that program.";
    }
    void theIndicatorTellsWhetherTheDeviceCanBeUsed() {
        QFETCH(int, productId);
        QFETCH(QString, access);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        korvex::SimulatedDevice device;
        VanishingAccess devices;
        const auto path = devices.interfaces.bus.plug(device, korvex::kKorvexVendorId,
                                                      static_cast<uint16_t>(productId));
        if (access == QLatin1String("denied")) {
            devices.interfaces.bus.denyAccess(path);
        }
        devices.interfaces.held = access == QLatin1String("held");
        WindowRig plain(nullptr, &devices);
        QCOMPARE(plain.window().deviceIndicator().text(), text);
        QCOMPARE(plain.window().deviceIndicator().toolTip(), toolTip);
        QCOMPARE(device.requestCount(), uint64_t{0});
    }

    // The node vanishes while the window polls it: the next poll reads "not connected", and nothing
    // else is said.
    void aVanishingNodeReadsNotConnectedAtTheNextPoll() {
        korvex::SimulatedDevice device;
        VanishingAccess access;
        access.interfaces.bus.plug(device);
        WindowRig plain(nullptr, &access);
        QLabel& indicator = plain.window().deviceIndicator();
        QCOMPARE(indicator.text(), QStringLiteral("Korvex Mini connected"));
        access.interfaces.vanished = true;
        QTRY_COMPARE_WITH_TIMEOUT(indicator.text(), QStringLiteral("Korvex Mini not connected"),
                                  korvex::app::DeviceIndicator::kIntervalMs + 1000);
        QVERIFY(plain.logLines().isEmpty());
        QVERIFY(plain.boxes.boxes.empty());
    }

    // No polling while an action runs (here while the upload's file dialog is open, with the device
    // opened); the indicator asks again as soon as the action ends.
    void theIndicatorRestsWhileAnActionRuns() {
        ObservingChooser chooser;
        WindowRig rig(&chooser);
        chooser.rig = &rig;
        auto& indicator = rig.window().deviceIndicator();
        QVERIFY(indicator.polling());
        chooser.answer(firmwareFile(rig.programFolder, 100));
        rig.device.device().armFault(korvex::SimulatedFault::Unplug, 2);
        rig.button("Button3").click();

        QCOMPARE(chooser.pollingDuringDialog, std::vector<bool>{false});
        QCOMPARE(rig.logLines().mid(rig.logLines().size() - 2),
                 (QStringList{"Page write error: 3/4",
                              "The upload stopped at page 3: the device is gone (unplugged?)."}));
        QVERIFY(indicator.polling());
        QCOMPARE(indicator.text(), QStringLiteral("Korvex Mini not connected"));
    }

    void uploadWithoutADeviceShowsNoDialog() {
        ObservingChooser chooser;
        WindowRig rig(&chooser);
        chooser.rig = &rig;
        // The device goes off the bus at its next page request.
        rig.device.device().armFault(korvex::SimulatedFault::Unplug, 0);
        korvex::HidReport request;
        request.bytes[korvex::HidReport::kCommandAt] =
            static_cast<uint8_t>(korvex::DeviceCommand::ReadConfigPage);
        rig.device.device().answer(request);
        QVERIFY(rig.device.device().unplugged());
        rig.button("Button3").click();
        QVERIFY(chooser.requests.empty());
        QCOMPARE(rig.logLines(), QStringList{"Korvex Mini not found."});
    }
};

QTEST_MAIN(DeviceActionsTest)
#include "device_actions_test.moc"
