#pragma once
// Where the window's device link leads: the real device over hidapi, or a simulated device kept
// in a folder (KORVEX_SIMULATE=DIR or --simulate DIR) so that the configurator can be shown and
// tested without hardware.

#include <filesystem>
#include <memory>
#include <optional>

#include "device/DeviceLink.h"
#include "device/SimulatedDevice.h"
#include "device/TraceTransport.h"

namespace korvex::app {

class DeviceAccess {
  public:
    virtual ~DeviceAccess() = default;
    virtual DeviceLink& link() = 0;
    // The interfaces the link searches, for asking whether the device is there.
    virtual TransportProvider& provider() = 0;
    // Exchanges of the device actions from now on go into `recorder` too; nullptr stops that.
    virtual void setTrace(TraceRecorder* recorder) = 0;
};

// The Korvex Mini on the USB bus.
class HidDeviceAccess final : public DeviceAccess {
  public:
    HidDeviceAccess();
    ~HidDeviceAccess() override;
    DeviceLink& link() override { return *link_; }
    TransportProvider& provider() override { return *provider_; }
    void setTrace(TraceRecorder* recorder) override { tracing_->setRecorder(recorder); }

  private:
    std::unique_ptr<TransportProvider> provider_;
    std::unique_ptr<TracingProvider> tracing_;
    std::unique_ptr<DeviceLink> link_;
};

// One simulated device plugged in; with a folder its EEPROM and flash persist there between
// actions (and runs): taken from the folder as each action opens the device under its lock, each
// page stored as the device acknowledges it. Without one it lives in memory only. A fault armed on
// device() stays armed across actions until it strikes; an unplugged device stays unplugged for the
// rest of the run.
class SimulatedDeviceAccess final : public DeviceAccess {
  public:
    // Throws std::runtime_error when the folder cannot hold the device.
    explicit SimulatedDeviceAccess(std::optional<std::filesystem::path> folder = std::nullopt,
                                   SimulatedBus::Waiter waiter = {});
    ~SimulatedDeviceAccess() override;
    DeviceLink& link() override { return *link_; }
    TransportProvider& provider() override { return bus_; }
    void setTrace(TraceRecorder* recorder) override { tracing_->setRecorder(recorder); }

    SimulatedDevice& device() { return device_; }

  private:
    std::optional<std::filesystem::path> folder_;
    SimulatedDevice device_;
    SimulatedBus bus_;
    std::unique_ptr<TransportProvider> keeping_;  // loads and stores the device in the folder
    std::unique_ptr<TracingProvider> tracing_;    // around the keeping
    std::unique_ptr<DeviceLink> link_;
};

}  // namespace korvex::app
