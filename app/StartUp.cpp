#include "app/StartUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>
#include <QWindow>
#include <exception>
#include <memory>
#include <stdexcept>

#include "app/DeviceAccess.h"
#include "app/Latin1.h"
#include "app/MainWindow.h"
#include "app/MessageBoxes.h"
#include "app/Pictures.h"
#include "settings/Version.h"

namespace korvex::app {

namespace {

constexpr unsigned long kSplashPauseMs = 3000;
constexpr qint64 kExposeWaitMs = 1000;

std::filesystem::path pathOf(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

// Waits (briefly) until the window system shows the splash, then paints it; no input is handled.
void paintOnce(QWidget& splash) {
    QElapsedTimer waited;
    waited.start();
    while (splash.windowHandle() && !splash.windowHandle()->isExposed() &&
           waited.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
    splash.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int startUp(QApplication& application) {
    const StartOptions options =
        startOptions(application.arguments().mid(1), qEnvironmentVariable("KORVEX_SIMULATE"));

    auto splash = std::make_unique<QSplashScreen>(splashPicture(), Qt::WindowStaysOnTopHint);
    splash->setObjectName(QStringLiteral("SplashScreen"));
    splash->show();
    paintOnce(*splash);

    std::unique_ptr<DeviceAccess> device;
    if (options.simulateFolder) {
        device = std::make_unique<SimulatedDeviceAccess>(options.simulateFolder);
    }
    MainWindowServices services;
    services.device = device.get();
    MainWindow window(std::move(services));

    QThread::msleep(kSplashPauseMs);
    splash.reset();

    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return application.exec();
}

}  // namespace

StartOptions startOptions(const QStringList& arguments, const QString& simulateVariable) {
    StartOptions options;
    if (!simulateVariable.isEmpty()) {
        options.simulateFolder = pathOf(simulateVariable);
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith(QLatin1String("--simulate="))) {
            const QString folder = argument.mid(11);
            if (folder.isEmpty()) {
                throw std::invalid_argument("--simulate needs the folder of the simulated device");
            }
            options.simulateFolder = pathOf(folder);
        } else if (argument == QLatin1String("--simulate")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                throw std::invalid_argument("--simulate needs the folder of the simulated device");
            }
            options.simulateFolder = pathOf(arguments[++i]);
        } else {
            throw std::invalid_argument("unknown argument " + toLatin1(argument));
        }
    }
    return options;
}

int runConfigurator(QApplication& application, MessageBoxes& boxes) {
    try {
        return startUp(application);
    } catch (const std::exception& failure) {
        boxes.show(BoxIcon::Error, fromLatin1(kApplicationName),
                   QString::fromLocal8Bit(failure.what()));
        return 1;
    }
}

}  // namespace korvex::app
