#include "device/DevicePresence.h"

#include <algorithm>

#include "device/DeviceLink.h"

namespace korvex {

DevicePresence probeDevicePresence(TransportProvider& provider) {
    const auto interfaces = provider.enumerate();
    const auto korvex = std::find_if(interfaces.begin(), interfaces.end(), isKorvexInterface);
    if (korvex == interfaces.end()) {
        return DevicePresence::NotConnected;
    }
    switch (provider.probe(*korvex)) {
        case InterfaceAccess::Openable:
            return DevicePresence::Connected;
        case InterfaceAccess::Denied:
            return DevicePresence::NoPermission;
        case InterfaceAccess::InUse:
            return DevicePresence::InUse;
        case InterfaceAccess::Gone:
            break;
    }
    // Unplugged between the listing and the probe.
    return DevicePresence::NotConnected;
}

}  // namespace korvex
