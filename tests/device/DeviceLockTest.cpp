// One program at a time on a device: a device held by another process is reported in use and
// left alone, by the link and by korvex-cli, until that process ends, however it ends.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/DeviceLock.h"
#include "device/SimulatedDevice.h"
#include "support/CliRunner.h"
#include "support/RecordingFeedback.h"

namespace korvex::testing {
namespace {

const std::vector<std::string> kInUse = {"Korvex Mini found, vid: Vid_0483, pid: A04B",
                                         "Korvex Mini is in use by another program."};

class DeviceLockTest : public CliRunner {
  protected:
    DeviceLockTest() : device(SimulatedDevice::loadOrCreate(folder / "sim")) {
        path = bus.plug(device);
    }
    ~DeviceLockTest() override { endHolder(); }

    // A child process that takes the device's lock and keeps it until it is killed.
    void startHolder() {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        holder = fork();
        ASSERT_GE(holder, 0);
        if (holder == 0) {
            DeviceLock lock(path);
            const char held = lock.state() == DeviceLock::State::Held ? 'y' : 'n';
            (void)!write(ready[1], &held, 1);
            for (;;) {
                pause();
            }
        }
        close(ready[1]);
        char held = 0;
        ASSERT_EQ(read(ready[0], &held, 1), 1);
        close(ready[0]);
        ASSERT_EQ(held, 'y');
    }
    void endHolder() {
        if (holder > 0) {
            kill(holder, SIGKILL);
            waitpid(holder, nullptr, 0);
            holder = -1;
        }
    }

    // The identity of a file and the time it was last written: a file that is stored anew,
    // even with the same bytes, changes it.
    std::vector<long long> fileStamp(const std::filesystem::path& file) const {
        struct stat status {};
        EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
        return {static_cast<long long>(status.st_ino), status.st_mtim.tv_sec,
                status.st_mtim.tv_nsec};
    }

    SimulatedDevice device;
    SimulatedBus bus{[](std::chrono::milliseconds) {}};
    std::string path;
    pid_t holder = -1;
};

TEST_F(DeviceLockTest, LinkLeavesADeviceHeldElsewhereAloneUntilTheHolderIsKilled) {
    startHolder();
    DeviceLink link(bus);
    RecordingFeedback feedback;
    EXPECT_FALSE(link.OpenDevice(feedback));
    EXPECT_EQ(feedback.logLines, kInUse);
    link.CloseDevice();
    EXPECT_EQ(device.requestCount(), 0u);

    endHolder();
    feedback.logLines.clear();
    ASSERT_TRUE(link.OpenDevice(feedback));
    EXPECT_EQ(feedback.logLines, std::vector<std::string>{kInUse[0]});
    // A second action while the first holds the link.
    DeviceLink second(bus);
    RecordingFeedback secondFeedback;
    EXPECT_FALSE(second.OpenDevice(secondFeedback));
    EXPECT_EQ(secondFeedback.logLines, kInUse);
    link.CloseDevice();
    EXPECT_TRUE(second.OpenDevice(secondFeedback));
}

TEST_F(DeviceLockTest, EveryCliDeviceCommandEndsAtTheInUseLine) {
    ASSERT_EQ(cli("defaults -o " + at("in.cfg")).status, 0);
    writeFile(folder / "fw.hash", std::string(64, 'F'));
    const std::string eeprom = readFile(folder / "sim" / "eeprom.bin");
    const auto eepromStamp = fileStamp(folder / "sim" / "eeprom.bin");
    const auto flashStamp = fileStamp(folder / "sim" / "firmware.bin");
    startHolder();
    const std::vector<std::string> commands = {"version", "read -o " + at("out.cfg"),
                                               "write " + at("in.cfg"),
                                               "firmware " + at("fw.hash")};
    for (const std::string& command : commands) {
        const CliRun run = cli(command + " --simulate " + at("sim"));
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.outLines(), kInUse) << command;
        // A refused run stores nothing: the holder's writes to the folder would be lost.
        EXPECT_EQ(fileStamp(folder / "sim" / "eeprom.bin"), eepromStamp) << command;
        EXPECT_EQ(fileStamp(folder / "sim" / "firmware.bin"), flashStamp) << command;
    }
    EXPECT_EQ(readFile(folder / "sim" / "eeprom.bin"), eeprom);
    EXPECT_FALSE(std::filesystem::exists(folder / "out.cfg"));

    endHolder();
    EXPECT_EQ(cli("version --simulate " + at("sim")).status, 0);
}

}  // namespace
}  // namespace korvex::testing
