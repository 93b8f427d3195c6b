#include "app/DeviceAccess.h"

#include "device/HidapiTransport.h"

namespace korvex::app {

HidDeviceAccess::HidDeviceAccess()
    : provider_(std::make_unique<HidapiTransportProvider>()),
      tracing_(std::make_unique<TracingProvider>(*provider_)),
      link_(std::make_unique<DeviceLink>(*tracing_)) {}

HidDeviceAccess::~HidDeviceAccess() = default;

SimulatedDeviceAccess::SimulatedDeviceAccess(std::optional<std::filesystem::path> folder,
                                             SimulatedBus::Waiter waiter)
    : folder_(std::move(folder)),
      device_(folder_ ? SimulatedDevice::loadOrCreate(*folder_) : SimulatedDevice()),
      bus_(std::move(waiter)) {
    bus_.plug(device_);
    link_ = std::make_unique<DeviceLink>(tracing_);
}

void SimulatedDeviceAccess::actionStarting() {
    if (folder_) {
        // Another program (korvex-cli --simulate) may have changed the device in the meantime.
        device_ = SimulatedDevice::loadOrCreate(*folder_);
    }
}

void SimulatedDeviceAccess::actionFinished() {
    if (folder_) {
        device_.save(*folder_);
    }
}

}  // namespace korvex::app
