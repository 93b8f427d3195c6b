#include "files/Crc32.h"

#include <array>

namespace korvex {

namespace {

constexpr std::array<uint32_t, 256> makeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kTable = makeTable();

}  // namespace

uint32_t crc32Jam(std::span<const uint8_t> bytes) {
    uint32_t c = 0xFFFFFFFFu;
    for (uint8_t b : bytes) {
        c = kTable[(c ^ b) & 0xFFu] ^ (c >> 8);
    }
    return c;
}

}  // namespace korvex
