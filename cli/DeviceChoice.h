#pragma once
// The device a korvex-cli command talks to: the attached Korvex Mini over hidapi, or with
// --simulate DIR a simulated one kept in DIR, with --sim-fault KIND:PAGE armed on it; with
// --trace FILE every report exchanged is recorded there (its start and end told on stderr). The
// simulated device is taken from DIR as the link opens it under the device's lock, and each page it
// acknowledges is stored there at once, so a run that finds the device in use stores nothing.

#include <filesystem>
#include <memory>

#include "cli/Arguments.h"
#include "device/DeviceLink.h"
#include "device/SimulatedDevice.h"
#include "device/TraceTransport.h"

namespace korvex::cli {

// Registers the options that select the device on `command`: on the program itself (before the
// command) and on every command that talks to the device. New device options go here.
void addDeviceOptions(CLI::App& command, Arguments& given);

class DeviceChoice {
  public:
    // Throws UsageError for a malformed --sim-fault or one without --simulate.
    explicit DeviceChoice(const Arguments& arguments);
    // With --trace, says that the recording stopped.
    ~DeviceChoice();
    DeviceChoice(const DeviceChoice&) = delete;
    DeviceChoice& operator=(const DeviceChoice&) = delete;

    DeviceLink& link() { return *link_; }

  private:
    std::unique_ptr<SimulatedDevice> simulated_;
    std::unique_ptr<SimulatedBus> bus_;
    std::unique_ptr<TransportProvider> provider_;
    std::unique_ptr<TraceFile> traceFile_;  // with --trace FILE
    std::filesystem::path tracePath_;
    std::unique_ptr<TraceRecorder> recorder_;
    std::unique_ptr<TracingProvider> tracing_;
    std::unique_ptr<DeviceLink> link_;
};

}  // namespace korvex::cli
