#pragma once
// The seam between the device link and whatever carries the reports: a transport sends one
// 65-byte request and waits a bounded time for one 65-byte reply; a provider lists the HID
// interfaces present and opens one of them.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/HidReport.h"

namespace korvex {

// How long an exchange waits for the device's reply before it fails.
inline constexpr std::chrono::milliseconds kReplyTimeout = std::chrono::seconds(5);

// What a run of page exchanges is for. A real device never hears of it; a simulated one aims its
// faults by it.
enum class TransferKind {
    Unnamed,   // not said: a simulated device guesses it from the requests
    Backup,    // the device's image read and kept before a write
    Plan,      // the device's image read before a write only to compare, nothing kept
    Write,     // the configuration pages of a write
    Verify,    // the pages read back after a write
    Read,      // "Read config"
    Firmware,  // the pages of a firmware upload
};

class Transport {
  public:
    virtual ~Transport() = default;
    // Sends the whole report; false when it did not all go.
    virtual bool write(const HidReport& request) = 0;
    // Waits at most `timeout` for the next reply and stores it with report id 0 at byte 0;
    // false on time-out or error.
    virtual bool read(HidReport& reply, std::chrono::milliseconds timeout) = 0;
    // Told before the first exchange of a transfer; a wrapper passes it on. Sends nothing.
    virtual void transferBegins(TransferKind /*kind*/) {}
};

// One HID interface as the system lists it.
struct DeviceInterface {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::string path;
    bool operator==(const DeviceInterface&) const = default;
};

// Whether a listed interface could be opened now.
enum class InterfaceAccess {
    Openable,
    Denied,  // present, but this user may not open it
    Gone,    // no longer there
    InUse,   // present, but another program holds it for itself
};

class TransportProvider {
  public:
    virtual ~TransportProvider() = default;
    // The interfaces present, in the system's enumeration order.
    virtual std::vector<DeviceInterface> enumerate() = 0;
    // Opens one of them; nullptr when it cannot be opened (on Linux usually a missing permission).
    virtual std::unique_ptr<Transport> open(const DeviceInterface& device) = 0;
    // Whether open() would succeed, found out without sending anything and without disturbing a
    // program that has the interface open meanwhile.
    virtual InterfaceAccess probe(const DeviceInterface& device) = 0;
};

}  // namespace korvex
