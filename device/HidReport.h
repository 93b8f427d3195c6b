#pragma once
// One 65-byte HID report: report id 0 at byte 0, then the device's 64 report bytes - command code,
// page number (16-bit), 32 data bytes and their PageSum (16-bit). Numbers are little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvex {

inline constexpr size_t kReportSize = 65;
inline constexpr size_t kReportDataSize = 32;

// The four commands the device answers.
enum class DeviceCommand : uint8_t {
    QueryVersion = 0xFB,
    ReadConfigPage = 0xFC,
    WriteConfigPage = 0xFD,
    WriteFirmwarePage = 0xFE,
};

// The sum of the 32 data bytes, each 0..255; at most 8160, so it never wraps.
inline uint16_t PageSum(std::span<const uint8_t, kReportDataSize> data) {
    unsigned sum = 0;
    for (uint8_t byte : data) {
        sum += byte;
    }
    return static_cast<uint16_t>(sum);
}

struct HidReport {
    // Offsets within the 65 bytes.
    static constexpr size_t kCommandAt = 1;
    static constexpr size_t kPageAt = 2;     // 2..3
    static constexpr size_t kDataAt = 4;     // 4..35
    static constexpr size_t kSumAt = 36;     // 36..37
    static constexpr size_t kVersionAt = 2;  // 2..5 of a version reply

    std::array<uint8_t, kReportSize> bytes{};

    uint8_t command() const { return bytes[kCommandAt]; }
    void setCommand(DeviceCommand code) { bytes[kCommandAt] = static_cast<uint8_t>(code); }

    uint16_t page() const { return word16(kPageAt); }
    void setPage(uint16_t page) { setWord16(kPageAt, page); }

    std::span<uint8_t, kReportDataSize> data() {
        return std::span<uint8_t, kReportDataSize>(bytes.data() + kDataAt, kReportDataSize);
    }
    std::span<const uint8_t, kReportDataSize> data() const {
        return std::span<const uint8_t, kReportDataSize>(bytes.data() + kDataAt, kReportDataSize);
    }

    // The sum stored in the report, and whether it matches the data.
    uint16_t storedSum() const { return word16(kSumAt); }
    void setStoredSum(uint16_t sum) { setWord16(kSumAt, sum); }
    bool sumMatches() const { return storedSum() == PageSum(data()); }

    // The firmware version times 100, as a version reply carries it.
    uint32_t version() const {
        return bytes[kVersionAt] | bytes[kVersionAt + 1] << 8 | bytes[kVersionAt + 2] << 16 |
               static_cast<uint32_t>(bytes[kVersionAt + 3]) << 24;
    }
    void setVersion(uint32_t version) {
        for (size_t i = 0; i < 4; ++i) {
            bytes[kVersionAt + i] = static_cast<uint8_t>(version >> (8 * i));
        }
    }

    bool operator==(const HidReport&) const = default;

  private:
    uint16_t word16(size_t at) const {
        return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
    }
    void setWord16(size_t at, uint16_t value) {
        bytes[at] = static_cast<uint8_t>(value);
        bytes[at + 1] = static_cast<uint8_t>(value >> 8);
    }
};

}  // namespace korvex
