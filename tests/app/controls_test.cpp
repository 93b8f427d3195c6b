// The preset buttons, the typing limits of the edit fields, and the seams over the widgets:
// WidgetSettings, WidgetFeedback, DialogFileChooser and the action runner.

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "app/controls/LimitedLineEdit.h"
#include "app/seams/DialogFileChooser.h"
#include "app/seams/WidgetFeedback.h"
#include "app/support/WindowRig.h"
#include "app/window/ActionRunner.h"
#include "settings/IntegerRule.h"
#include "support/RecordingFeedback.h"

using korvex::app::BoxIcon;
using korvex::testing::RecordingBoxes;
using korvex::testing::WindowRig;

namespace {

// Answers each dialog from a queue and records the requests.
class ScriptedDialogs final : public korvex::app::FileDialogRunner {
  public:
    std::optional<QString> run(const korvex::app::FileDialogRequest& request) override {
        requests.push_back(request);
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<QString>> answers;
    std::vector<korvex::app::FileDialogRequest> requests;
};

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT

  private slots:
    void presetButtonOverwritesItsChannel_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("values");
        const QStringList analog3 = {"Teleanalog3_name", "Teleanalog3_units", "Teleanalog3_coefa",
                                     "Teleanalog3_coefb", "Teleanalog3_coefc"};
        QTest::newRow("analog 3 DS18S20")
            << "Button8"
            << "Teleanalog3_source" << 10 << analog3 << QStringList{"Temp", "C", "0", "0.5", "-64"};
        QTest::newRow("analog 1 voltage 2")
            << "Button6"
            << "Teleanalog1_source" << 8 << QStringList{"Teleanalog1_name", "Teleanalog1_coefb"}
            << QStringList{"U2", "0.1"};
        QTest::newRow("digital 7 not used")
            << "Button19"
            << "Teledigital7_source" << 0 << QStringList{"Teledigital7_name", "Teledigital7_units"}
            << QStringList{"B7", "Non"};
        QTest::newRow("digital 2 not used")
            << "Button14"
            << "Teledigital2_source" << 0 << QStringList{"Teledigital2_name", "Teledigital2_units"}
            << QStringList{"B2", "None"};
    }
    void presetButtonOverwritesItsChannel() {
        QFETCH(QString, button);
        QFETCH(QString, source);
        QFETCH(int, index);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, values);
        WindowRig rig;
        for (const auto& field : fields) {
            rig.settings().setText(field.toStdString(), "typed");
        }
        rig.settings().setIndex(source.toStdString(), index);
        // Changing the source alone changes no field.
        QCOMPARE(rig.settings().text(fields[0].toStdString()), std::string("typed"));
        rig.button(button.toLatin1().constData()).click();
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QCOMPARE(QString::fromStdString(rig.settings().text(fields[i].toStdString())),
                     values[i]);
        }
        QCOMPARE(rig.settings().index(source.toStdString()), index);
    }

    void presetButtonsCarryTheirHint() {
        WindowRig rig;
        for (int number = 6; number <= 10; ++number) {
            QCOMPARE(rig.button(qPrintable(QStringLiteral("Button%1").arg(number))).toolTip(),
                     QStringLiteral("Default parameters for telemetry module."));
        }
        for (int number = 13; number <= 20; ++number) {
            QVERIFY(
                rig.button(qPrintable(QStringLiteral("Button%1").arg(number))).toolTip().isEmpty());
        }
    }

    void aClearedSourceLeavesTheChannelAlone() {
        WindowRig rig;
        rig.settings().setText("Teleanalog2_name", "Mine");
        rig.settings().setText("Teledigital4_units", "Lo");
        rig.settings().setIndex("Teleanalog2_source", -1);
        rig.settings().setIndex("Teledigital4_source", 99);
        QCOMPARE(rig.control<QComboBox>("Teledigital4_source").currentIndex(), -1);
        rig.button("Button7").click();
        rig.button("Button16").click();
        QCOMPARE(rig.settings().text("Teleanalog2_name"), std::string("Mine"));
        QCOMPARE(rig.settings().text("Teledigital4_units"), std::string("Lo"));
        QVERIFY(rig.boxes.boxes.empty());
    }

    void typingStopsAtTheEditLimit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("callsign 6") << "Callsign"
                                    << "SP3ABCDE"
                                    << "SP3ABC";
        QTest::newRow("coefficient 8") << "Teleanalog1_coefa"
                                       << "1.2345678901"
                                       << "1.234567";
        QTest::newRow("filter ssid 2") << "Packet2rf_filter_ssid04"
                                       << "123"
                                       << "12";
        QTest::newRow("beacon message 64")
            << "Beacon3_msg" << QString(70, QLatin1Char('m')) << QString(64, QLatin1Char('m'));
    }
    void typingStopsAtTheEditLimit() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        WindowRig rig;
        auto& edit = rig.control<QLineEdit>(name.toLatin1().constData());
        edit.clear();
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), kept);
    }

    void aLongerTextFromALoadIsKeptAndCanBeShortened() {
        WindowRig rig;
        rig.settings().setText("Callsign", "LONGERCALL");
        auto& edit = rig.control<QLineEdit>("Callsign");
        QCOMPARE(edit.text(), QStringLiteral("LONGERCALL"));
        edit.end(false);
        QTest::keyClicks(&edit, "X");
        QCOMPARE(edit.text(), QStringLiteral("LONGERCALL"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("LONGERCAL"));
        QTest::keyClicks(&edit, "Y");
        QCOMPARE(edit.text(), QStringLiteral("LONGERCAL"));
    }

    // A paste keeps what fits, as a maximum length does; the rest of the pasted text is dropped.
    void pastingKeepsWhatFits_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("into an empty field") << "" << 0 << "SQ9ABCDEF"
                                             << "SQ9ABC";
        QTest::newRow("in the middle") << "SQ9" << 2 << "XYZW"
                                       << "SQXYZ9";
        QTest::newRow("into a full field") << "SQ9ABC" << 6 << "D"
                                           << "SQ9ABC";
    }
    void pastingKeepsWhatFits() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        WindowRig rig;
        auto& edit = rig.control<QLineEdit>("Callsign");
        edit.setText(before);
        edit.setCursorPosition(cursor);
        QApplication::clipboard()->setText(pasted);
        edit.paste();
        QCOMPARE(edit.text(), kept);
    }

    void settingsCrossTheEdgeAsLatin1() {
        WindowRig rig;
        rig.settings().setText("Beacon1_msg",
                               "\xb0"
                               "C \xe9t\xe9");
        QCOMPARE(rig.control<QLineEdit>("Beacon1_msg").text(),
                 QStringLiteral("\u00b0C \u00e9t\u00e9"));
        QCOMPARE(rig.settings().text("Beacon1_msg"), std::string("\xb0"
                                                                 "C \xe9t\xe9"));
        rig.control<QLineEdit>("Beacon1_msg").setText(QStringLiteral("\u20ac"));
        QCOMPARE(rig.settings().text("Beacon1_msg"), std::string("?"));
    }

    void unknownNamesAndWrongKindsFailLoudly() {
        WindowRig rig;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, rig.settings().text("Nosuch"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, rig.settings().index("Callsign"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, rig.settings().setChecked("Digion", true));
    }

    void feedbackReachesTheWindow() {
        WindowRig rig;
        korvex::app::WidgetFeedback feedback(rig.window().logPane(), rig.window().progressBar(),
                                             {&rig.button("Button4"), &rig.button("Button12")},
                                             rig.boxes);
        feedback.log("first");
        feedback.log("second \xe9");
        QCOMPARE(rig.logLines(), (QStringList{"first", "second \u00e9"}));
        feedback.progressBegin(7);
        feedback.progressStep();
        feedback.progressStep();
        QCOMPARE(rig.window().progressBar().maximum(), 7);
        QCOMPARE(rig.window().progressBar().value(), 2);
        feedback.progressReset();
        QCOMPARE(rig.window().progressBar().value(), 0);
        feedback.progressBegin(0);
        QVERIFY(rig.window().progressBar().maximum() > 0);  // no busy indicator for nothing

        feedback.information("checked");
        feedback.message("File open error", "File open error.");
        feedback.plainMessage("Firmware version: 1.10");
        feedback.error("broken");
        QCOMPARE(rig.boxes.boxes,
                 (std::vector<RecordingBoxes::Box>{
                     {BoxIcon::Information, "Information", "checked"},
                     {BoxIcon::Information, "File open error", "File open error."},
                     {BoxIcon::None, "Korvex Mini Configurator", "Firmware version: 1.10"},
                     {BoxIcon::Error, "Korvex Mini Configurator", "broken"}}));

        feedback.setActionsEnabled(false);
        QVERIFY(!rig.button("Button4").isEnabled());
        QVERIFY(!rig.button("Button12").isEnabled());
        QVERIFY(rig.button("Button5").isEnabled());
        feedback.setActionsEnabled(true);
        QVERIFY(rig.button("Button4").isEnabled());
    }

    void theActionRunnerEndsAnActionAtANonNumber() {
        WindowRig rig;
        korvex::testing::RecordingFeedback feedback;
        korvex::app::ActionRunner runner(feedback);
        bool finished = false;
        QVERIFY(!runner.run([&] {
            feedback.setActionsEnabled(false);
            korvex::convertInteger("4O");
            finished = true;
        }));
        QVERIFY(!finished);
        QCOMPARE(feedback.boxes, (std::vector<korvex::testing::RecordingFeedback::Box>{
                                     {"error", "", "'4O' is not a valid integer value"}}));
        QVERIFY(feedback.actionsEnabled);
        QVERIFY(runner.run([&] { finished = true; }));
        QVERIFY(finished);
    }

    void filtersTakeQtsFormAndDialogsStartInTheirFolder_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qtFilter");
        QTest::newRow("named pattern") << "KorvexMini config files (*.cfg)|*.cfg"
                                       << "KorvexMini config files (*.cfg)";
        QTest::newRow("bare description") << "Firmware|*.hash"
                                          << "Firmware (*.hash)";
        QTest::newRow("two entries") << "Config|*.cfg|All files|*.*"
                                     << "Config (*.cfg);;All files (*.*)";
        QTest::newRow("two patterns") << "Images|*.bin;*.hex"
                                      << "Images (*.bin *.hex)";
    }
    void filtersTakeQtsFormAndDialogsStartInTheirFolder() {
        QFETCH(QString, filter);
        QFETCH(QString, qtFilter);
        QCOMPARE(korvex::app::qtNameFilter(filter.toStdString()), qtFilter);
    }

    void dialogsProposeTheFileLastChosen() {
        ScriptedDialogs dialogs;
        korvex::app::DialogFileChooser chooser(dialogs);
        const std::string filter = "KorvexMini config files (*.cfg)|*.cfg";
        dialogs.answers = {QStringLiteral("/data/config/mine.cfg"), std::nullopt,
                           QStringLiteral("/data/config/other.cfg"), std::nullopt};
        QCOMPARE(chooser.saveFile(filter, "/opt/k/config", "korvexmini.cfg"),
                 std::optional<std::filesystem::path>("/data/config/mine.cfg"));
        QCOMPARE(chooser.saveFile(filter, "/opt/k/config", "korvexmini.cfg"),
                 std::optional<std::filesystem::path>());
        QCOMPARE(chooser.openFile(filter, "/opt/k/config"),
                 std::optional<std::filesystem::path>("/data/config/other.cfg"));
        QCOMPARE(chooser.openFile(filter, "/opt/k/config"), std::optional<std::filesystem::path>());

        using Mode = korvex::app::FileDialogRequest::Mode;
        const QString qtFilter = QStringLiteral("KorvexMini config files (*.cfg)");
        const QString folder = QStringLiteral("/opt/k/config");
        const QString save = QStringLiteral("Save configuration");
        const QString read = QStringLiteral("Read configuration");
        QCOMPARE(dialogs.requests,
                 (std::vector<korvex::app::FileDialogRequest>{
                     {Mode::Save, qtFilter, folder, "korvexmini.cfg", save},
                     {Mode::Save, qtFilter, folder, "/data/config/mine.cfg", save},
                     {Mode::Open, qtFilter, folder, "", read},
                     {Mode::Open, qtFilter, folder, "/data/config/other.cfg", read}}));
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
