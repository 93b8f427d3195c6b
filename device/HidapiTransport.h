#pragma once
// The real device over hidapi.

#include "device/Transport.h"

namespace korvex {

class HidapiTransportProvider final : public TransportProvider {
  public:
    std::vector<DeviceInterface> enumerate() override;
    std::unique_ptr<Transport> open(const DeviceInterface& device) override;
    InterfaceAccess probe(const DeviceInterface& device) override;
};

}  // namespace korvex
