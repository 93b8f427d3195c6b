#include "app/seams/DeviceAccess.h"

#include "device/HidapiTransport.h"
#include "device/KeepingBus.h"

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
    if (folder_) {
        keeping_ = std::make_unique<KeepingBus>(bus_, device_, *folder_);
    }
    tracing_ =
        std::make_unique<TracingProvider>(keeping_ ? static_cast<TransportProvider&>(*keeping_)
                                                   : static_cast<TransportProvider&>(bus_));
    link_ = std::make_unique<DeviceLink>(*tracing_);
}

SimulatedDeviceAccess::~SimulatedDeviceAccess() = default;

}  // namespace korvex::app
