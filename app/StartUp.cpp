#include "app/StartUp.h"

#include <QApplication>
#include <QSplashScreen>
#include <QThread>
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

std::filesystem::path pathOf(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

int startUp(QApplication& application) {
    const StartOptions options =
        startOptions(application.arguments().mid(1), qEnvironmentVariable("KORVEX_SIMULATE"));

    auto splash = std::make_unique<QSplashScreen>(splashPicture(), Qt::WindowStaysOnTopHint);
    splash->setObjectName(QStringLiteral("SplashScreen"));
    splash->show();
    splash->repaint();

    std::unique_ptr<DeviceAccess> device;
    if (options.simulateFolder) {
        device = std::make_unique<SimulatedDeviceAccess>(options.simulateFolder);
    }
    MainWindowServices services;
    services.device = device.get();
    MainWindow window(std::move(services));

    QThread::msleep(kSplashPauseMs);
    splash.reset();

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
        boxes.show(BoxIcon::Error, fromLatin1(kApplicationName), QString::fromLocal8Bit(failure.what()));
        return 1;
    }
}

}  // namespace korvex::app
