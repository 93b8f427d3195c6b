// The window and korvex-cli on one simulated device at once: while the window holds the device
// (here during the firmware dialog of "Upload firmware") korvex-cli finds it in use, and the
// window finds it in use while another holder keeps it.

#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "app/seams/DeviceAccess.h"
#include "app/support/WindowRig.h"
#include "app/window/MainWindow.h"
#include "device/DeviceLock.h"
#include "support/ScriptedFileChooser.h"
#include "support/TempDir.h"

namespace {

const QStringList kInUse = {QStringLiteral("Korvex Mini found, vid: Vid_0483, pid: A04B"),
                            QStringLiteral("Korvex Mini is in use by another program.")};

struct CliResult {
    int status = -1;
    QStringList lines;
};

CliResult runCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(qEnvironmentVariable("KORVEX_BIN_DIR") + QStringLiteral("/korvex-cli"), arguments);
    cli.closeWriteChannel();
    cli.waitForFinished(30000);
    const QString out = QString::fromLocal8Bit(cli.readAllStandardOutput()).trimmed();
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'))};
}

// Runs korvex-cli when the firmware file is asked for, then cancels.
class CliDuringDialog final : public korvex::testing::ScriptedFileChooser {
  public:
    std::optional<std::filesystem::path> openFile(std::string_view,
                                                  const std::filesystem::path&) override {
        during = runCli(arguments);
        return std::nullopt;
    }
    QStringList arguments;
    CliResult during;
};

}  // namespace

class DeviceLockTest : public QObject {
    Q_OBJECT

  private slots:
    void windowAndCliTakeTurns() {
        korvex::testing::TempDir folder;
        const auto sim = folder / "sim";
        CliDuringDialog chooser;
        chooser.arguments = {QStringLiteral("version"), QStringLiteral("--simulate"),
                             QString::fromStdString(sim.string())};
        korvex::app::SimulatedDeviceAccess device(sim, [](std::chrono::milliseconds) {});
        korvex::testing::WindowRig rig(&chooser, &device);
        rig.button("Button3").click();
        QCOMPARE(chooser.during.status, 1);
        QCOMPARE(chooser.during.lines, kInUse);
        QCOMPARE(runCli(chooser.arguments).status, 0);

        // Another holder: the window's "Read config" ends at the in-use line.
        rig.window().logPane().clear();
        {
            korvex::SimulatedBus bus;
            korvex::SimulatedDevice same = korvex::SimulatedDevice::loadOrCreate(sim);
            korvex::DeviceLock holder(bus.plug(same));
            QCOMPARE(holder.state(), korvex::DeviceLock::State::Held);
            rig.button("Button4").click();
        }
        QCOMPARE(rig.logLines(), kInUse);
        QVERIFY(rig.boxes.boxes.empty());
    }
};

QTEST_MAIN(DeviceLockTest)
#include "device_lock_test.moc"
