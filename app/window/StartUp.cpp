#include "app/window/StartUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>
#include <QWindow>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>

#include "app/seams/DeviceAccess.h"
#include "app/seams/Latin1.h"
#include "app/seams/MessageBoxes.h"
#include "app/window/MainWindow.h"
#include "app/window/Pictures.h"
#include "settings/Version.h"

namespace korvex::app {

namespace {

constexpr unsigned long kSplashPauseMs = 3000;
constexpr qint64 kExposeWaitMs = 1000;

std::filesystem::path pathOf(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

const char kUsage[] =
    "Usage: korvex-configurator [--simulate DIR [--sim-fault KIND:PAGE]]\n"
    "                           [--time YYYY-MM-DDTHH:MM]\n"
    "\n"
    "The desktop configurator of the Korvex Mini.\n"
    "\n"
    "Options:\n"
    "  --simulate DIR         use a simulated device kept in the folder DIR instead of the\n"
    "                         Korvex Mini on USB (also KORVEX_SIMULATE=DIR)\n"
    "  --sim-fault KIND:PAGE  arm a fault on the simulated device for the first request of the\n"
    "                         zero-based page PAGE; KIND is reject, badsum, silent, unplug or\n"
    "                         corrupt\n"
    "  --time YYYY-MM-DDTHH:MM\n"
    "                         use this UTC time instead of the computer's clock (the date and\n"
    "                         time settings and the configuration's stamp)\n"
    "  -h, --help             print this help and exit\n"
    "  -v, --version          print the version and exit\n";

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString versionText() {
    return fromLatin1(kApplicationName) + QLatin1Char(' ') + fromLatin1(kVersionText) +
           QLatin1Char('\n');
}

// The answer to --help or --version, or nullopt for a start.
std::optional<int> answer(const StartOptions& options) {
    switch (options.request) {
        case StartOptions::Request::Help:
            print(stdout, usageText());
            return 0;
        case StartOptions::Request::Version:
            print(stdout, versionText());
            return 0;
        case StartOptions::Request::Run:
            break;
    }
    return std::nullopt;
}

// The value of an option given as "--name=VALUE" or "--name VALUE"; `i` moves past it.
QString optionValue(const QStringList& arguments, qsizetype& i, const QString& name) {
    const QString& argument = arguments[i];
    QString value;
    if (argument.size() > name.size()) {
        value = argument.mid(name.size() + 1);
    } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
    }
    if (value.isEmpty()) {
        throw UsageError(toLatin1(name) + " needs a value");
    }
    return value;
}

bool isOption(const QString& argument, const QString& name) {
    return argument == name || argument.startsWith(name + QLatin1Char('='));
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

int startUp(const StartOptions& options) {
    // A simulated device whose folder cannot be used stops the start before the splash.
    std::unique_ptr<SimulatedDeviceAccess> device;
    if (options.simulateFolder) {
        device = std::make_unique<SimulatedDeviceAccess>(options.simulateFolder);
        if (options.simulatedFault) {
            device->device().armFault(options.simulatedFault->fault, options.simulatedFault->page);
        }
    }

    auto splash = std::make_unique<QSplashScreen>(splashPicture(), Qt::WindowStaysOnTopHint);
    splash->setObjectName(QStringLiteral("SplashScreen"));
    splash->show();
    paintOnce(*splash);

    MainWindowServices services;
    services.device = device.get();
    std::optional<FixedClock> fixedClock;
    if (options.time) {
        services.clock = &fixedClock.emplace(*options.time);
    }
    ServiceDefaults defaults(std::move(services));
    MainWindow window(defaults.services());
    defaults.standOver(window);

    QThread::msleep(kSplashPauseMs);
    splash.reset();

    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return QApplication::exec();
}

}  // namespace

StartOptions startOptions(const QStringList& arguments, const QString& simulateVariable) {
    StartOptions options;
    if (!simulateVariable.isEmpty()) {
        options.simulateFolder = pathOf(simulateVariable);
    }
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        options.request = StartOptions::Request::Help;
        return options;
    }
    if (arguments.contains(QLatin1String("--version")) || arguments.contains(QLatin1String("-v"))) {
        options.request = StartOptions::Request::Version;
        return options;
    }
    const QString simulate = QStringLiteral("--simulate");
    const QString simFault = QStringLiteral("--sim-fault");
    const QString time = QStringLiteral("--time");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (isOption(argument, simulate)) {
            options.simulateFolder = pathOf(optionValue(arguments, i, simulate));
        } else if (isOption(argument, simFault)) {
            options.simulatedFault =
                parseSimulatedFault(toLatin1(optionValue(arguments, i, simFault)));
        } else if (isOption(argument, time)) {
            const std::string value = toLatin1(optionValue(arguments, i, time));
            options.time = parseMinuteTime(value);
            if (!options.time) {
                throw UsageError("--time takes YYYY-MM-DDTHH:MM, not " + value);
            }
        } else {
            throw UsageError("unknown argument " + toLatin1(argument));
        }
    }
    if (options.simulatedFault && !options.simulateFolder) {
        throw UsageError("--sim-fault needs --simulate DIR");
    }
    return options;
}

QString usageText() {
    return QString::fromLatin1(kUsage);
}

std::optional<int> answerWithoutWindow(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    try {
        return answer(startOptions(arguments, {}));
    } catch (const std::invalid_argument&) {
        // Possibly an option of Qt's own, which the application takes away: decided later.
        return std::nullopt;
    }
}

int runConfigurator(QApplication& application, MessageBoxes& boxes) {
    StartOptions options;
    try {
        options =
            startOptions(application.arguments().mid(1), qEnvironmentVariable("KORVEX_SIMULATE"));
    } catch (const std::invalid_argument& wrong) {
        print(stderr, QStringLiteral("korvex-configurator: %1\n%2")
                          .arg(QString::fromLocal8Bit(wrong.what()), usageText()));
        return 2;
    }
    if (const auto answered = answer(options)) {
        return *answered;
    }
    try {
        return startUp(options);
    } catch (const std::exception& failure) {
        const QString text = QString::fromLocal8Bit(failure.what());
        print(stderr, QStringLiteral("korvex-configurator: %1\n").arg(text));
        boxes.show(BoxIcon::Error, fromLatin1(kApplicationName), text);
        return 1;
    }
}

}  // namespace korvex::app
