// korvex-configurator: the desktop configurator of the Korvex Mini.

#include <QApplication>

#include "app/seams/Latin1.h"
#include "app/seams/ParentConsole.h"
#include "app/seams/QtMessageBoxes.h"
#include "app/window/Pictures.h"
#include "app/window/StartUp.h"
#include "settings/Version.h"

int main(int argc, char** argv) {
    korvex::app::useParentConsole();
    // --help and --version need no display.
    if (const auto answered = korvex::app::answerWithoutWindow(argc, argv)) {
        return *answered;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(korvex::app::fromLatin1(korvex::kApplicationName));
    // Where QSettings keeps the Device menu's toggles: ~/.config/korvex-mini/ (on Windows the
    // registry, HKEY_CURRENT_USER\Software\korvex-mini).
    QApplication::setOrganizationName(QStringLiteral("korvex-mini"));
    QApplication::setDesktopFileName(QStringLiteral("korvex-configurator"));
    QApplication::setWindowIcon(korvex::app::applicationIcon());
    korvex::app::QtMessageBoxes boxes;
    return korvex::app::runConfigurator(application, boxes);
}
