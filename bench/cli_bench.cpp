// korvex-cli as a whole process, as a script runs it: `diff` of two full configuration files,
// `show --json` and `check` of one, each including process start, catalogue, file reading and
// output.
// Measured (RelWithDebInfo, g++ 12, 2 cores shared at a load average of 25), medians of 5 runs:
// diff 52 ms wall, 15 ms CPU of the child processes; show --json 65 ms wall, 19 ms CPU (budget
// 50 ms each). The wall time there is mostly the wait for a core; see child_cpu_ms.
// check (the checks of a write and the station check) at a load average of 12: 75 ms wall,
// 16 ms CPU (budget 50 ms).
// new (a station from its answers, saved and checked) at a load average of 16: 13.9 ms wall,
// 5.0 ms CPU (budget 50 ms); check in the same run 11.2 ms wall, 4.5 ms CPU.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

// The two files are written once by the program itself: the start-up settings, and the same
// with a handful of settings changed.
class Files {
  public:
    Files() : folder_(std::filesystem::temp_directory_path() / "korvex-cli-bench") {
        std::filesystem::create_directories(folder_);
        run("defaults -o " + a());
        run("set " + b() +
            " Callsign=SP5ABC Ssid=3 Baudrate=1 Squelch=4 Digion=No Aprsis_user=SP5ABC "
            "Beacon1_txrate_rf=30 'Beacon1_msg=!5221.60N/01653.63E# hill'");
    }
    ~Files() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string a() const { return (folder_ / "a.cfg").string(); }
    std::string b() const { return (folder_ / "b.cfg").string(); }

    // Runs korvex-cli with its output thrown away; returns its exit status.
    static int run(const std::string& arguments) {
        const std::string command =
            "'" KORVEX_CLI_PROGRAM "' " + arguments + " >/dev/null 2>&1 </dev/null";
        const int raw = std::system(command.c_str());
        return raw < 0 ? -1 : (raw >> 8) & 0xFF;
    }

  private:
    std::filesystem::path folder_;
};

// CPU time used by the finished child processes so far, in milliseconds: the wall time of a run
// also holds the wait for a core on a loaded machine.
double childCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Reports the child CPU time per run as the counter "child_cpu_ms".
class ChildCpu {
  public:
    explicit ChildCpu(benchmark::State& state) : state_(state), start_(childCpuMs()) {}
    ~ChildCpu() {
        state_.counters["child_cpu_ms"] =
            benchmark::Counter((childCpuMs() - start_) / static_cast<double>(state_.iterations()));
    }

  private:
    benchmark::State& state_;
    double start_;
};

const Files& files() {
    static const Files kFiles;
    return kFiles;
}

void BM_DiffOfTwoFullFiles(benchmark::State& state) {
    const std::string arguments = "diff " + files().a() + " " + files().b();
    const ChildCpu cpu(state);
    for (auto _ : state) {
        if (Files::run(arguments) != 1) {
            throw std::runtime_error("diff did not report the differences");
        }
    }
}
BENCHMARK(BM_DiffOfTwoFullFiles)->Unit(benchmark::kMillisecond);

void BM_ShowJsonOfAFullFile(benchmark::State& state) {
    const std::string arguments = "show --json " + files().b();
    const ChildCpu cpu(state);
    for (auto _ : state) {
        if (Files::run(arguments) != 0) {
            throw std::runtime_error("show failed");
        }
    }
}
BENCHMARK(BM_ShowJsonOfAFullFile)->Unit(benchmark::kMillisecond);

// The checks of a write and the station check on the start-up settings (9 warnings).
void BM_CheckOfAFullFile(benchmark::State& state) {
    const std::string arguments = "check " + files().a();
    const ChildCpu cpu(state);
    for (auto _ : state) {
        if (Files::run(arguments) != 0) {
            throw std::runtime_error("check failed");
        }
    }
}
BENCHMARK(BM_CheckOfAFullFile)->Unit(benchmark::kMillisecond);

// A new station from its answers: the position read, the settings made, the passwords made up,
// the file saved and the station check run on the result.
void BM_NewStation(benchmark::State& state) {
    const std::string arguments = "new --force -o " + files().a() + ".new.cfg" +
                                  " --call SP5ABC-3 --role fill-in-digi,igate"
                                  " --position '52 21.6N 16 53.6E' --comment 'Hill digi'";
    const ChildCpu cpu(state);
    for (auto _ : state) {
        if (Files::run(arguments) != 0) {
            throw std::runtime_error("new failed");
        }
    }
}
BENCHMARK(BM_NewStation)->Unit(benchmark::kMillisecond);

}  // namespace
