#pragma once
// Whether the Korvex Mini is plugged in and could be opened, asked without opening it, without
// its lock and without sending anything, so that a program using it meanwhile is not disturbed.

#include "device/Transport.h"

namespace korvex {

enum class DevicePresence {
    Connected,
    NotConnected,
    NoPermission,  // present, but this user may not open it
    InUse,         // present, but another program holds it for itself (Windows)
};

// Looks at the first interface with the Korvex Mini's ids, the one that OpenDevice would take.
DevicePresence probeDevicePresence(TransportProvider& provider);

}  // namespace korvex
