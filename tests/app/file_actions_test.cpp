// "Save to file", "Read from file" and "Build remote update file" from the window's buttons with
// scripted file dialogs.

#include <QLineEdit>
#include <QtTest>
#include <set>

#include "app/support/WindowRig.h"
#include "settings/Catalogue.h"

using korvex::SettingKind;
using korvex::app::BoxIcon;
using korvex::testing::RecordingBoxes;
using korvex::testing::WindowRig;

namespace {

bool isClockField(std::string_view name) {
    return name == "Rtcyear" || name == "Rtcmonth" || name == "Rtcday" || name == "Rtchour" ||
           name == "Rtcmin";
}

// Every setting but the clock fields set away from its start-up value: edits to a number of
// their own (a few texts with '=' and a Latin-1 letter), lists to the next entry, boxes flipped.
void setEverySettingAwayFromItsStart(korvex::Settings& settings) {
    int serial = 1;
    for (const auto& def : korvex::catalogue()) {
        if (isClockField(def.name)) {
            continue;
        }
        switch (def.kind) {
            case SettingKind::Edit:
                settings.setText(def.name, std::to_string(serial++));
                break;
            case SettingKind::Choice:
                settings.setIndex(def.name, (settings.index(def.name) + 1) %
                                                static_cast<int>(def.choices.size()));
                break;
            case SettingKind::Check:
                settings.setChecked(def.name, !settings.checked(def.name));
                break;
        }
    }
    settings.setText("Beacon2_msg", "U=<volt>V caf\xe9");
    settings.setText("Callsign", "SP3\xc4");
    settings.setText("Packet2rf_filter_callsign12", "DL*");
}

std::set<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::set<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        files.insert(entry.path());
    }
    return files;
}

}  // namespace

class FileActionsTest : public QObject {
    Q_OBJECT

  private slots:
    void savedFileReadsBackEverySetting() {
        WindowRig saver;
        setEverySettingAwayFromItsStart(saver.settings());
        const auto file = saver.programFolder / "all.cfg";
        saver.chooser.answer(file);
        saver.button("Button1").click();
        QVERIFY(saver.boxes.boxes.empty());
        QCOMPARE(saver.chooser.requests.size(), size_t{1});
        QCOMPARE(saver.chooser.requests[0].kind, std::string("save"));
        QCOMPARE(saver.chooser.requests[0].filter,
                 std::string("KorvexMini config files (*.cfg)|*.cfg"));
        QCOMPARE(saver.chooser.requests[0].initialFolder, saver.programFolder.path() / "config");
        QCOMPARE(saver.chooser.requests[0].proposedName, std::string("korvexmini.cfg"));

        WindowRig loader;
        loader.chooser.answer(file);
        loader.button("Button2").click();
        QVERIFY(loader.boxes.boxes.empty());
        for (const auto& def : korvex::catalogue()) {
            if (isClockField(def.name)) {
                continue;
            }
            const QByteArray name(def.name.data(), static_cast<qsizetype>(def.name.size()));
            switch (def.kind) {
                case SettingKind::Edit:
                    QVERIFY2(loader.settings().text(def.name) == saver.settings().text(def.name),
                             name);
                    break;
                case SettingKind::Choice:
                    QVERIFY2(loader.settings().index(def.name) == saver.settings().index(def.name),
                             name);
                    break;
                case SettingKind::Check:
                    QVERIFY2(
                        loader.settings().checked(def.name) == saver.settings().checked(def.name),
                        name);
                    break;
            }
        }
        QCOMPARE(loader.control<QLineEdit>("Callsign").text(), QStringLiteral("SP3\u00c4"));
        // Uploadpctime came back unticked: the clock fields are open for typing, and kept.
        QVERIFY(!loader.settings().checked("Uploadpctime"));
        for (const char* field : {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"}) {
            QVERIFY(loader.control<QLineEdit>(field).isEnabled());
        }
        QCOMPARE(loader.settings().text("Rtcyear"), std::string("2024"));
    }

    void aNonNumberStopsTheSaveWithTheGeneralErrorBox() {
        WindowRig rig;
        rig.settings().setText("Txdelay", "25O");
        const auto file = rig.programFolder / "refused.cfg";
        rig.chooser.answer(file);
        rig.button("Button1").click();
        QCOMPARE(rig.boxes.boxes,
                 (std::vector<RecordingBoxes::Box>{{BoxIcon::Error, "Korvex Mini Configurator",
                                                    "'25O' is not a valid integer value"}}));
        QVERIFY(!std::filesystem::exists(file));
    }

    void remoteUpdateWithACancelledDialogWritesNothing_data() {
        QTest::addColumn<bool>("chooseFirmware");
        QTest::newRow("firmware dialog cancelled") << false;
        QTest::newRow("destination dialog cancelled") << true;
    }
    void remoteUpdateWithACancelledDialogWritesNothing() {
        QFETCH(bool, chooseFirmware);
        WindowRig rig;
        const auto firmware = rig.programFolder / "fw.hash";
        korvex::testing::writeFile(firmware, std::string(40, '\x5a'));
        if (chooseFirmware) {
            rig.chooser.answer(firmware);
        }
        rig.chooser.answer(std::nullopt);
        const auto before = filesIn(rig.programFolder.path());
        rig.button("Button12").click();
        QCOMPARE(filesIn(rig.programFolder.path()), before);
        QVERIFY(rig.boxes.boxes.empty());
        QCOMPARE(rig.chooser.requests.size(), size_t{chooseFirmware ? 2u : 1u});
        QCOMPARE(rig.chooser.requests[0].initialFolder, rig.programFolder.path() / "firmware");
    }

    void remoteUpdateWritesTheFileOfItsFirmware() {
        WindowRig rig;
        const auto firmware = rig.programFolder / "fw.hash";
        korvex::testing::writeFile(firmware, std::string(40, '\x5a'));
        const auto destination = rig.programFolder / "update";
        rig.chooser.answer(firmware);
        rig.chooser.answer(destination);
        rig.button("Button12").click();
        QVERIFY(rig.boxes.boxes.empty());
        QCOMPARE(rig.chooser.requests[1].kind, std::string("save"));
        QCOMPARE(rig.chooser.requests[1].initialFolder, rig.programFolder.path() / "remote");
        QCOMPARE(rig.chooser.requests[1].proposedName, std::string("korvexmini.ruf"));
        const std::string written = korvex::testing::readFile(destination);
        QCOMPARE(written.size(), size_t{6656 + 40});
        QCOMPARE(written.substr(6656), std::string(40, '\x5a'));
        QCOMPARE(
            rig.logLines(),
            QStringList{QStringLiteral("Remote update file written to %1 (40 bytes of firmware)")
                            .arg(QString::fromStdString(destination.string()))});
    }

    // One line naming the file after each success, none after a refusal or a cancel.
    void savesAndLoadsNameTheirFileInTheLog() {
        WindowRig rig;
        const auto file = rig.programFolder / "station.cfg";
        const auto other = rig.programFolder / "other.cfg";
        korvex::testing::writeFile(other, "[!WARNING]\r\nApplication=Someone else\r\n");
        for (const auto& answer : {std::optional(file), std::optional(file),
                                   std::optional<std::filesystem::path>(), std::optional(other)}) {
            rig.chooser.answer(answer);
        }
        rig.button("Button1").click();
        rig.button("Button2").click();
        rig.button("Button1").click();
        rig.button("Button2").click();
        const QString path = QString::fromStdString(file.string());
        QCOMPARE(rig.logLines(),
                 (QStringList{"Configuration saved to " + path, "Configuration loaded from " + path,
                              "Station check: 9 warnings, 0 notes (Device > Check station...)"}));
        QCOMPARE(rig.boxes.boxes.size(), size_t{1});  // the refusal of other.cfg
    }
};

QTEST_MAIN(FileActionsTest)
#include "file_actions_test.moc"
