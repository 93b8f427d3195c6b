#pragma once
// CRC-32/JAMCRC: the reflected polynomial 0xEDB88320, start 0xFFFFFFFF, no final inversion
// (the complement of the common CRC-32).

#include <cstdint>
#include <span>

namespace korvex {

uint32_t crc32Jam(std::span<const uint8_t> bytes);

}  // namespace korvex
