// The main window's cost: constructing it with every setting control, its two dialogs and the
// start-up state (target below 300 ms), and the process's peak resident memory once the window
// has been shown and every page painted (target below 80 MB, read from VmHWM). Runs offscreen
// unless QT_QPA_PLATFORM says otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <fstream>
#include <memory>
#include <string>

#include "app/seams/DeviceAccess.h"
#include "app/seams/MessageBoxes.h"
#include "app/window/MainWindow.h"
#include "settings/Clock.h"

namespace {

class SilentBoxes final : public korvex::app::MessageBoxes {
  public:
    void show(korvex::app::BoxIcon, const QString&, const QString&) override {}
    bool ask(korvex::app::BoxIcon, const QString&, const QString&, const QString&,
             const QString&) override {
        return false;
    }
    int choose(korvex::app::BoxIcon, const QString&, const QString&,
               const QStringList& buttons) override {
        return static_cast<int>(buttons.size()) - 1;
    }
};

struct WindowParts {
    SilentBoxes boxes;
    korvex::FixedClock clock{korvex::UtcDateTime{2024, 5, 17, 9, 5, 0}};
    korvex::app::SimulatedDeviceAccess device;

    std::unique_ptr<korvex::app::ServiceDefaults> defaults;

    std::unique_ptr<korvex::app::MainWindow> makeWindow() {
        if (!defaults) {
            korvex::app::MainWindowServices services;
            services.boxes = &boxes;
            services.clock = &clock;
            services.device = &device;
            services.programFolder = "/nonexistent";
            defaults = std::make_unique<korvex::app::ServiceDefaults>(std::move(services));
        }
        return std::make_unique<korvex::app::MainWindow>(defaults->services());
    }
};

// The peak resident set size of this process in MiB, or -1 when /proc does not tell.
double peakResidentMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return -1;
}

void BM_ConstructMainWindow(benchmark::State& state) {
    WindowParts parts;
    for (auto _ : state) {
        auto window = parts.makeWindow();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructMainWindow)->Unit(benchmark::kMillisecond);

// Shows the window and paints every page once; the figure is the process's peak memory.
void BM_ShowEveryPage(benchmark::State& state) {
    WindowParts parts;
    auto window = parts.makeWindow();
    window->show();
    QTabWidget& tabs = window->pageControl();
    for (auto _ : state) {
        for (int tab = 0; tab < tabs.count(); ++tab) {
            tabs.setCurrentIndex(tab);
            benchmark::DoNotOptimize(window->grab());
        }
        QApplication::processEvents();
    }
    state.counters["peak_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_ShowEveryPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
