#pragma once
// The interfaces of a simulated device kept in a folder. The device takes its memories from the
// folder as the link opens it, when the device's lock is held, so what another program stored
// in the meantime is seen; every page write that the device acknowledges is stored in the folder
// before the acknowledgement is passed on, and a page that cannot be stored is not acknowledged,
// so that its exchange fails where it happened. Nothing else is stored.

#include <filesystem>
#include <memory>
#include <vector>

#include "device/SimulatedDevice.h"
#include "device/Transport.h"

namespace korvex {

class KeepingBus final : public TransportProvider {
  public:
    // `bus` has `device` plugged in; both must outlive this.
    KeepingBus(TransportProvider& bus, SimulatedDevice& device, std::filesystem::path folder);

    std::vector<DeviceInterface> enumerate() override { return bus_.enumerate(); }
    // Throws std::runtime_error when the folder no longer holds a device.
    std::unique_ptr<Transport> open(const DeviceInterface& device) override;
    InterfaceAccess probe(const DeviceInterface& device) override { return bus_.probe(device); }

  private:
    TransportProvider& bus_;
    SimulatedDevice& device_;
    std::filesystem::path folder_;
};

}  // namespace korvex
