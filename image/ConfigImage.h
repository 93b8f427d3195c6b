#pragma once
// The device's configuration image: 6144 bytes, moved as 192 pages of 32 bytes. The checksum at
// offset 0 is the sum of the bytes at offsets 4..2007.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvex {

inline constexpr size_t kImageSize = 6144;
inline constexpr size_t kPageSize = 32;
inline constexpr size_t kPageCount = kImageSize / kPageSize;  // 192
inline constexpr size_t kChecksumFirst = 4;
inline constexpr size_t kChecksumEnd = 2008;  // one past the last byte the checksum covers

struct ConfigImage {
    std::array<uint8_t, kImageSize> bytes{};

    void clear() { bytes.fill(0); }
    std::span<uint8_t, kPageSize> page(size_t number) {
        return std::span<uint8_t, kPageSize>(bytes.data() + number * kPageSize, kPageSize);
    }
    std::span<const uint8_t, kPageSize> page(size_t number) const {
        return std::span<const uint8_t, kPageSize>(bytes.data() + number * kPageSize, kPageSize);
    }

    // The number stored at offsets 0..3 (little-endian).
    uint32_t storedChecksum() const {
        return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    }
    // The sum of the bytes at offsets 4..2007.
    uint32_t computeChecksum() const {
        uint32_t sum = 0;
        for (size_t offset = kChecksumFirst; offset < kChecksumEnd; ++offset) {
            sum += bytes[offset];
        }
        return sum;
    }
    bool checksumMatches() const { return storedChecksum() == computeChecksum(); }

    bool operator==(const ConfigImage&) const = default;
};

}  // namespace korvex
