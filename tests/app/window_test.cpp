// The main window as it starts: its parts, the start-up state of the settings, the clock fields'
// rule, the two dialogs, and that every setting control sits inside its page.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QTabWidget>
#include <QtTest>

#include "app/controls/LimitedLineEdit.h"
#include "app/dialogs/FilterDialog.h"
#include "app/dialogs/SpecialStringsDialog.h"
#include "app/support/WindowRig.h"
#include "app/window/StartUp.h"
#include "app/window/WindowMenus.h"
#include "settings/Catalogue.h"

using korvex::app::BoxIcon;
using korvex::testing::RecordingBoxes;
using korvex::testing::WindowRig;

namespace {

void clickCheckBox(QCheckBox& box) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2));
}

QStringList tabTexts(const QTabWidget& tabs) {
    QStringList texts;
    for (int i = 0; i < tabs.count(); ++i) {
        texts << tabs.tabText(i);
    }
    return texts;
}

// The page of `tabs` that holds `widget`, or -1.
int pageHolding(const QTabWidget& tabs, const QWidget& widget) {
    for (int i = 0; i < tabs.count(); ++i) {
        if (tabs.widget(i)->isAncestorOf(&widget)) {
            return i;
        }
    }
    return -1;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void hasItsTitleSizeAndParts() {
        WindowRig rig;
        auto& window = rig.window();
        QCOMPARE(window.windowTitle(), QStringLiteral("Korvex Mini Configurator v1.10"));
        // The client area keeps its size below the menu bar.
        QCOMPARE(window.clientArea().size(), QSize(735, 413));
        QCOMPARE(window.clientArea().y(), window.menus().menuBar().height());
        QCOMPARE(window.size(), QSize(735, 413 + window.menus().menuBar().height()));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);

        const QStringList captions = {"Read config",  "Write config",   "Upload firmware",
                                      "Save to file", "Read from file", "Build remote update file"};
        const auto buttons = rig.actionButtons();
        for (size_t i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->text().remove(QLatin1Char('&')),
                     captions[static_cast<qsizetype>(i)]);
        }
        QStringList groups;
        for (const auto* group :
             window.clientArea().findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
            groups << group->title();
            QCOMPARE(group->height(), 49);
        }
        QCOMPARE(groups,
                 (QStringList{"Connection:", "Configuration import/export:", "Remote update"}));

        auto& tabs = window.pageControl();
        QCOMPARE(tabs.objectName(), QStringLiteral("PageControl1"));
        QCOMPARE(tabs.size(), QSize(721, 249));
        QCOMPARE(tabTexts(tabs), (QStringList{"Radio", "Digipeater", "Beacons", "Network",
                                              "APRS-IS", "I-Gate", "Weather", "RTC/NTP time", "WWW",
                                              "Telnet", "Telemetry reports", "WUnderground"}));
        QCOMPARE(tabs.currentIndex(), 0);
        auto& inner = rig.control<QTabWidget>("PageControl2");
        QCOMPARE(tabTexts(inner),
                 (QStringList{"Report settings", "Analog channels", "Digital channels 1-4",
                              "Digital channels 5-8", "Pinrow outputs"}));
        QCOMPARE(inner.currentIndex(), 0);

        auto& log = window.logPane();
        QCOMPARE(log.objectName(), QStringLiteral("Memo1"));
        QCOMPARE(log.size(), QSize(721, 73));
        QVERIFY(log.isReadOnly());
        auto& progress = window.progressBar();
        QCOMPARE(progress.objectName(), QStringLiteral("ProgressBar1"));
        QCOMPARE(progress.geometry(), QRect(0, 393, 735, 20));
        QCOMPARE(progress.minimum(), 0);
        QCOMPARE(progress.maximum(), 100);
        QCOMPARE(progress.value(), 0);
    }

    void startsWithItsChoices_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        const std::pair<const char*, int> starts[] = {{"Baudrate", 0},
                                                      {"Quiettime_randomize", 4},
                                                      {"Digion", 1},
                                                      {"Pathn1_traceable", 1},
                                                      {"Pathn2_traceable", 0},
                                                      {"Pathn8_traceable", 0},
                                                      {"Aprsis_msg2rf", 1},
                                                      {"Aprsis_packet2rf_ifheard", 0},
                                                      {"Weather_stationtype", 5},
                                                      {"Teleanalog1_source", 11},
                                                      {"Teleanalog4_source", 17},
                                                      {"Teleanalog5_source", 0},
                                                      {"Teledigital1_source", 1},
                                                      {"Teledigital8_source", 8},
                                                      {"Debug_aprsis", 0},
                                                      {"Debug_digi", 1},
                                                      {"WU_enable", 0},
                                                      {"Packet2rf_filter_type01", 0},
                                                      {"Packet2rf_filter_type12", 0}};
        for (const auto& [name, index] : starts) {
            QTest::newRow(name) << QString::fromLatin1(name) << index;
        }
    }
    void startsWithItsChoices() {
        QFETCH(QString, name);
        QFETCH(int, index);
        WindowRig rig;
        QCOMPARE(rig.settings().index(name.toStdString()), index);
    }

    void startsWithTheChannelPresetsAndTheClock_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const std::pair<const char*, const char*> starts[] = {{"Teleanalog1_name", "Vin"},
                                                              {"Teleanalog1_units", "Volt"},
                                                              {"Teleanalog1_coefb", "0.079"},
                                                              {"Teleanalog1_coefc", "0"},
                                                              {"Teleanalog5_name", "A5"},
                                                              {"Teleanalog5_units", "None"},
                                                              {"Teleanalog5_coefb", "0"},
                                                              {"Teledigital6_name", "I2"},
                                                              {"Teledigital6_units", "Hi"},
                                                              {"Packet2rf_filter_ssid07", "*"},
                                                              {"Packet2rf_filter_callsign07", ""},
                                                              {"Rtcyear", "2024"},
                                                              {"Rtcmonth", "5"},
                                                              {"Rtcday", "17"},
                                                              {"Rtchour", "9"},
                                                              {"Rtcmin", "5"}};
        for (const auto& [name, text] : starts) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text);
        }
    }
    void startsWithTheChannelPresetsAndTheClock() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        WindowRig rig;
        QCOMPARE(QString::fromStdString(rig.settings().text(name.toStdString())), text);
    }

    void clockFieldsAreEnabledExactlyWhenUploadpctimeIsUnticked() {
        WindowRig rig;
        rig.window().show();
        rig.window().pageControl().setCurrentIndex(7);
        auto& upload = rig.control<QCheckBox>("Uploadpctime");
        auto& ntp = rig.control<QCheckBox>("Ntp_enable");
        const char* const clockFields[] = {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"};
        auto expectEnabled = [&](bool enabled) {
            for (const char* field : clockFields) {
                QCOMPARE(rig.control<QLineEdit>(field).isEnabled(), enabled);
            }
        };
        QVERIFY(upload.isChecked());
        QVERIFY(ntp.isChecked());
        expectEnabled(false);
        clickCheckBox(upload);
        QVERIFY(!upload.isChecked());
        expectEnabled(true);
        clickCheckBox(ntp);
        expectEnabled(true);
        clickCheckBox(upload);
        expectEnabled(false);
        clickCheckBox(ntp);
        expectEnabled(false);
        rig.settings().setChecked("Uploadpctime", false);
        expectEnabled(true);
        rig.settings().setChecked("Ntp_enable", true);
        expectEnabled(true);
        rig.settings().setChecked("Uploadpctime", true);
        expectEnabled(false);
    }

    void everySettingIsANamedControlOnItsPageWithItsHint() {
        WindowRig rig;
        auto& tabs = rig.window().pageControl();
        auto& inner = rig.control<QTabWidget>("PageControl2");
        for (const auto& def : korvex::catalogue()) {
            const QString name = QString::fromLatin1(def.name.data(), def.name.size());
            QWidget* control = def.window == korvex::SettingWindow::Main
                                   ? rig.window().findChild<QWidget*>(name)
                                   : rig.window().filterDialog().findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            QCOMPARE(control->toolTip(), QString::fromLatin1(def.hint.data(), def.hint.size()));
            if (def.window == korvex::SettingWindow::FilterDialog) {
                continue;
            }
            const int tab = pageHolding(tabs, *control);
            QVERIFY2(tab >= 0, qPrintable(name));
            QCOMPARE(tabs.tabText(tab), QString::fromLatin1(def.tab.data(), def.tab.size()));
            if (!def.page.empty()) {
                QCOMPARE(inner.tabText(pageHolding(inner, *control)),
                         QString::fromLatin1(def.page.data(), def.page.size()));
            }
            if (def.kind == korvex::SettingKind::Edit) {
                QCOMPARE(static_cast<korvex::app::LimitedLineEdit*>(control)->typingLimit(),
                         def.editLimit);
            }
        }
    }

    // Every label, field and button lies wholly inside the page that holds it.
    void everyPageHoldsItsControlsWithinItsBounds() {
        WindowRig rig;
        rig.window().show();
        auto& tabs = rig.window().pageControl();
        auto& inner = rig.control<QTabWidget>("PageControl2");
        auto checkPage = [](QWidget* page, const QString& what) {
            QApplication::processEvents();
            for (auto* widget : page->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(page) || widget->inherits("QTabBar") ||
                    widget->inherits("QStackedWidget") || widget->parentWidget() == nullptr) {
                    continue;
                }
                const QRect place(widget->mapTo(page, QPoint(0, 0)), widget->size());
                QVERIFY2(page->rect().contains(place),
                         qPrintable(what + ": " + widget->objectName() + " " +
                                    widget->metaObject()->className()));
                if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap()) {
                    const int needed = label->fontMetrics().size(0, label->text()).width();
                    QVERIFY2(label->width() >= needed, qPrintable(what + ": " + label->text()));
                }
            }
        };
        for (int tab = 0; tab < tabs.count(); ++tab) {
            tabs.setCurrentIndex(tab);
            if (tabs.widget(tab)->isAncestorOf(&inner)) {
                for (int page = 0; page < inner.count(); ++page) {
                    inner.setCurrentIndex(page);
                    checkPage(inner.widget(page), inner.tabText(page));
                }
            } else {
                checkPage(tabs.widget(tab), tabs.tabText(tab));
            }
        }
        QVERIFY(!tabs.tabBar()->tabRect(tabs.count() - 1).isEmpty());
        QVERIFY(tabs.tabBar()->rect().contains(tabs.tabBar()->tabRect(tabs.count() - 1)));
    }

    void dialogButtonsShowTheirDialogs() {
        WindowRig rig;
        rig.button("Button11").click();
        rig.button("Button21").click();
        QCOMPARE(rig.shownDialogs.size(), size_t{2});
        QCOMPARE(static_cast<QWidget*>(rig.shownDialogs[0]),
                 static_cast<QWidget*>(&rig.window().specialStringsDialog()));
        QCOMPARE(static_cast<QWidget*>(rig.shownDialogs[1]),
                 static_cast<QWidget*>(&rig.window().filterDialog()));
    }

    void specialStringsCardShowsTheSixLines() {
        WindowRig rig;
        auto& card = rig.window().specialStringsDialog();
        QCOMPARE(card.windowTitle(), QStringLiteral("Beacon special strings"));
        QCOMPARE(card.size(), QSize(286, 124));
        QStringList texts;
        QList<int> tops;
        for (const auto* label : card.findChildren<QLabel*>()) {
            texts << label->text();
            tops << label->y();
            QCOMPARE(label->x(), 8);
            QVERIFY(label->x() + label->width() <= card.width());
        }
        QCOMPARE(texts, (QStringList{"<lat> - inserts latitude defined on  \"Radio\" Tab.",
                                     "<long> - inserts longitude defined on  \"Radio\" Tab.",
                                     "<date> - inserts current time in format: DDHHMM. ",
                                     "<volt> - inserts measured input voltage.", "Example:",
                                     "@<gpsdate>z<gpslat>/<gpslong>-KorvexMini U=<volt>V."}));
        QCOMPARE(tops, (QList<int>{8, 24, 40, 56, 88, 104}));
    }

    void filterDialogHoldsTwelveRulesThatKeepTheirValues() {
        WindowRig rig;
        auto& dialog = rig.window().filterDialog();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("APRS-IS packets to RF filter"));
        QCOMPARE(dialog.size(), QSize(433, 271));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        QStringList labels;
        for (const auto* label : dialog.findChildren<QLabel*>()) {
            labels << label->text();
        }
        for (const char* text : {"Callsign:", "SSID:", "Type:", "1:", "12:", "-",
                                 "* wildcards are supported in APRS-IS packets to RF filter."}) {
            QVERIFY2(labels.contains(QString::fromLatin1(text)), text);
        }
        QVERIFY(labels.contains(
            "Order of entries is important, if you deny/allow something in previous field, it will "
            "not be tested in next fields, comparison stops when pattern match is found."));
        auto* type12 = dialog.findChild<QComboBox*>("Packet2rf_filter_type12");
        QCOMPARE(type12->count(), 6);
        QCOMPARE(type12->itemText(5), QStringLiteral("Telemetry"));
        // Left column rules 1 to 6, right column 7 to 12, one row every 24 pixels.
        auto* callsign1 = dialog.findChild<QWidget*>("Packet2rf_filter_callsign01");
        auto* callsign2 = dialog.findChild<QWidget*>("Packet2rf_filter_callsign02");
        auto* callsign7 = dialog.findChild<QWidget*>("Packet2rf_filter_callsign07");
        QCOMPARE(callsign2->y() - callsign1->y(), 24);
        QCOMPARE(callsign7->y(), callsign1->y());
        QVERIFY(callsign7->x() > callsign1->x());

        dialog.show();
        QTest::keyClicks(dialog.findChild<QLineEdit*>("Packet2rf_filter_callsign03"), "SP*");
        dialog.close();
        dialog.show();
        dialog.hide();
        QCOMPARE(rig.settings().text("Packet2rf_filter_callsign03"), std::string("SP*"));
    }

    // Closing asks only when a setting differs from what was last read, loaded, saved or written.
    void closingAsksBeforeChangesAreLost() {
        WindowRig rig;
        auto& window = rig.window();
        const auto discardBox =
            RecordingBoxes::Box{BoxIcon::Question, "Korvex Mini Configurator", "Discard changes?"};
        QVERIFY(window.close());
        QVERIFY(rig.boxes.boxes.empty());

        QTest::keyClick(&rig.control<QLineEdit>("Callsign"), Qt::Key_Backspace);
        rig.boxes.answers = {false};
        QVERIFY(!window.close());
        QCOMPARE(rig.boxes.boxes, std::vector<RecordingBoxes::Box>{discardBox});
        QCOMPARE(rig.boxes.asked, (std::vector<QStringList>{{"Discard", "Save", "Cancel"}}));
        rig.button("Button5").click();  // written: nothing to lose
        rig.boxes.boxes.clear();
        QVERIFY(window.close());
        QVERIFY(rig.boxes.boxes.empty());

        rig.control<QComboBox>("Squelch").setCurrentIndex(3);
        rig.boxes.answers = {true};
        QVERIFY(window.close());
        QCOMPARE(rig.boxes.boxes, std::vector<RecordingBoxes::Box>{discardBox});

        rig.control<QLineEdit>("Teleanalog1_name").setText("Other");
        rig.chooser.answer(rig.programFolder / "station.cfg");
        rig.button("Button1").click();  // saved
        rig.boxes.boxes.clear();
        QVERIFY(window.close());
        rig.button("Button6").click();  // the preset brings the channel's own name back
        rig.boxes.answers = {false};
        QVERIFY(!window.close());
        rig.boxes.answers = {true};
        rig.button("Button4").click();  // discarded and read: the device's settings stand
        rig.boxes.boxes.resize(1);
        QVERIFY(window.close());
        QCOMPARE(rig.boxes.boxes, std::vector<RecordingBoxes::Box>{discardBox});
    }

    void startOptionsComeFromArgumentsOrEnvironment_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("folder");  // empty: no simulation
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("request");
        using Request = korvex::app::StartOptions::Request;
        const int run = static_cast<int>(Request::Run);
        QTest::newRow("nothing") << QStringList{} << QString() << QString() << false << run;
        QTest::newRow("variable") << QStringList{} << "/tmp/a"
                                  << "/tmp/a" << false << run;
        QTest::newRow("option") << QStringList{"--simulate", "/tmp/b"} << QString() << "/tmp/b"
                                << false << run;
        QTest::newRow("option wins") << QStringList{"--simulate=/tmp/c"} << "/tmp/a"
                                     << "/tmp/c" << false << run;
        QTest::newRow("fault") << QStringList{"--sim-fault", "silent:5"} << "/tmp/a"
                               << "/tmp/a" << false << run;
        QTest::newRow("no folder")
            << QStringList{"--simulate"} << QString() << QString() << true << run;
        QTest::newRow("empty folder")
            << QStringList{"--simulate="} << QString() << QString() << true << run;
        QTest::newRow("unknown") << QStringList{"--fast"} << QString() << QString() << true << run;
        QTest::newRow("fault without device")
            << QStringList{"--sim-fault=reject:1"} << QString() << QString() << true << run;
        QTest::newRow("malformed fault")
            << QStringList{"--sim-fault=crash:1"} << "/tmp/a" << QString() << true << run;
        QTest::newRow("time") << QStringList{"--time", "2026-12-08T21:30"} << QString() << QString()
                              << false << run;
        QTest::newRow("malformed time")
            << QStringList{"--time=2026-12-08 21:30"} << QString() << QString() << true << run;
        QTest::newRow("help wins") << QStringList{"--fast", "--help"} << QString() << QString()
                                   << false << static_cast<int>(Request::Help);
        QTest::newRow("version") << QStringList{"-v"} << QString() << QString() << false
                                 << static_cast<int>(Request::Version);
    }
    void startOptionsComeFromArgumentsOrEnvironment() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, variable);
        QFETCH(QString, folder);
        QFETCH(bool, refused);
        QFETCH(int, request);
        if (refused) {
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                     korvex::app::startOptions(arguments, variable));
            return;
        }
        const auto options = korvex::app::startOptions(arguments, variable);
        QCOMPARE(static_cast<int>(options.request), request);
        QCOMPARE(options.simulateFolder.has_value(), !folder.isEmpty());
        if (options.simulateFolder) {
            QCOMPARE(QString::fromStdString(options.simulateFolder->string()), folder);
        }
        QCOMPARE(options.simulatedFault.has_value(), arguments.contains("silent:5"));
        const std::optional<korvex::UtcDateTime> time =
            arguments.contains("--time")
                ? std::optional(korvex::UtcDateTime{2026, 12, 8, 21, 30, 0})
                : std::nullopt;
        QVERIFY(options.time == time);
    }

    // The program itself: --help and --version on stdout with status 0, a wrong argument the
    // usage on stderr with status 2.
    void theProgramAnswersOnTheTerminal_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: korvex-configurator"
                              << QString();
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "Korvex Mini Configurator v1.10\n"
                                 << QString();
        QTest::newRow("unknown") << QStringList{"--fast"} << 2 << QString()
                                 << "korvex-configurator: unknown argument --fast\nUsage: ";
    }
    void theProgramAnswersOnTheTerminal() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, error);
        QProcess program;
        program.start(QCoreApplication::applicationDirPath() + "/korvex-configurator", arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QVERIFY(QString::fromLocal8Bit(program.readAllStandardOutput()).startsWith(out));
        const QString errorText = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(error.isEmpty() ? !errorText.contains("korvex") : errorText.contains(error),
                 qPrintable(errorText));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
