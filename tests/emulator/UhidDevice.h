#pragma once
// A HID device made by the kernel's uhid driver: what the host writes to its hidraw node arrives
// here as output reports, and the input reports sent from here are what the host reads.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace korvex::emulator {

// The device's 64-byte reports, unnumbered, as the host sees them without the report id.
inline constexpr size_t kUhidReportSize = 64;
using UhidReport = std::array<uint8_t, kUhidReportSize>;

class UhidDevice {
  public:
    // Opens /dev/uhid and creates the device; throws std::runtime_error on failure.
    UhidDevice(const std::string& name, uint16_t vendorId, uint16_t productId);
    // Destroys the device: its hidraw node goes away.
    ~UhidDevice();
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;

    // Waits until the kernel has started the device (its hidraw node exists then); false when
    // interrupted by a signal or when the uhid node failed.
    bool waitUntilStarted();
    // Waits for the next output report the host sends; nullopt when interrupted by a signal or
    // when the uhid node failed.
    std::optional<UhidReport> nextOutput();

    // Sends one input report to the host; false when the kernel did not take it.
    bool sendInput(std::span<const uint8_t, kUhidReportSize> report);

  private:
    struct Event {
        enum Kind { Output, Start, Other, Ended } kind = Other;
        UhidReport report{};
    };
    Event nextEvent();
    bool refuseReportRequest(uint32_t type, uint32_t id);

    int fd_ = -1;
};

}  // namespace korvex::emulator
