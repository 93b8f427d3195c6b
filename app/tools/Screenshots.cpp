// korvex-screenshots: renders every page of the main window, every inner telemetry page, both
// dialogs, the splash picture, the station check of the start-up settings, the position dialog,
// the new station wizard's pages, the find dialog and the help on a setting into PNG files,
// offscreen, for looking at the layout. With
// --icon FILE SIZE it writes the application icon instead.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <cstdio>

#include "app/controls/WidgetSettings.h"
#include "app/dialogs/FilterDialog.h"
#include "app/dialogs/SpecialStringsDialog.h"
#include "app/dialogs/StationCheckDialog.h"
#include "app/help/FindSettingDialog.h"
#include "app/help/SettingsHelp.h"
#include "app/newstation/NewStationWizard.h"
#include "app/newstation/PositionDialog.h"
#include "app/newstation/PositionForms.h"
#include "app/seams/DeviceAccess.h"
#include "app/window/MainWindow.h"
#include "app/window/Pictures.h"
#include "settings/Clock.h"

namespace {

QString fileNameOf(int number, QString caption) {
    caption.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(caption.toLower());
}

bool save(const QPixmap& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--icon")) {
        return korvex::app::iconPicture(arguments[3].toInt()).save(arguments[2]) ? 0 : 1;
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "Usage: korvex-screenshots FOLDER | --icon FILE SIZE\n");
        return 2;
    }
    QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(arguments[1]));
        return 1;
    }

    korvex::app::SimulatedDeviceAccess device;
    const korvex::FixedClock clock({2024, 5, 17, 9, 5, 0});
    korvex::app::MainWindowServices services;
    services.device = &device;
    services.clock = &clock;
    korvex::app::ServiceDefaults defaults(std::move(services));
    korvex::app::MainWindow window(defaults.services());
    defaults.standOver(window);
    window.show();
    QApplication::processEvents();

    bool ok = true;
    QTabWidget& tabs = window.pageControl();
    auto* inner = window.findChild<QTabWidget*>(QStringLiteral("PageControl2"));
    int number = 1;
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.setCurrentIndex(tab);
        if (tabs.widget(tab)->isAncestorOf(inner)) {
            for (int page = 0; page < inner->count(); ++page) {
                inner->setCurrentIndex(page);
                QApplication::processEvents();
                ok = save(window.grab(), folder,
                          fileNameOf(number++, tabs.tabText(tab) + " " + inner->tabText(page))) &&
                     ok;
            }
            inner->setCurrentIndex(0);
            continue;
        }
        QApplication::processEvents();
        ok = save(window.grab(), folder, fileNameOf(number++, tabs.tabText(tab))) && ok;
    }
    tabs.setCurrentIndex(0);

    auto& specialStrings = window.specialStringsDialog();
    specialStrings.show();
    QApplication::processEvents();
    ok = save(specialStrings.grab(), folder,
              fileNameOf(number++, QStringLiteral("special strings"))) &&
         ok;
    specialStrings.hide();
    auto& filter = window.filterDialog();
    filter.show();
    QApplication::processEvents();
    ok = save(filter.grab(), folder, fileNameOf(number++, QStringLiteral("filter dialog"))) && ok;
    filter.hide();
    ok = save(korvex::app::splashPicture(), folder,
              fileNameOf(number++, QStringLiteral("splash"))) &&
         ok;
    korvex::BeaconSample sample;
    sample.time = clock.utcNow();
    korvex::app::StationCheckDialog check(korvex::checkStation(window.settings(), clock),
                                          korvex::beaconsOnAir(window.settings(), sample), &window);
    check.show();
    QApplication::processEvents();
    ok = save(check.grab(), folder, fileNameOf(number++, QStringLiteral("station check"))) && ok;
    check.hide();

    korvex::app::PositionDialog position(window.settings(), &window);
    position.forms().input().setText(QStringLiteral("52 21.6N 16 53.6E"));
    position.show();
    QApplication::processEvents();
    ok = save(position.grab(), folder, fileNameOf(number++, QStringLiteral("position"))) && ok;
    position.hide();

    korvex::app::NewStationWizard wizard(clock, &window);
    wizard.show();
    // Each page as it opens, empty: started on it, so that nothing is checked on the way.
    for (const int page : wizard.pageIds()) {
        wizard.setStartId(page);
        wizard.restart();
        QApplication::processEvents();
        ok = save(wizard.grab(), folder,
                  fileNameOf(number++,
                             QStringLiteral("new station ") + wizard.currentPage()->title())) &&
             ok;
    }
    korvex::app::FindSettingDialog find(&window);
    find.show();
    find.searchField().setText(QStringLiteral("rf rate"));
    QApplication::processEvents();
    ok = save(find.grab(), folder, fileNameOf(number++, QStringLiteral("find setting"))) && ok;
    find.hide();
    korvex::app::SettingsHelp help(
        {&window, nullptr, {}, [](QDialog& popup) { popup.show(); }, {}});
    help.helpOn(window.findChild<QWidget*>(QStringLiteral("Txdelay")));
    QApplication::processEvents();
    ok = save(help.lastPopup()->grab(), folder,
              fileNameOf(number++, QStringLiteral("setting help"))) &&
         ok;
    return ok ? 0 : 1;
}
