#include "files/Xtea.h"

namespace korvex {

namespace {

constexpr uint32_t kDelta = 0x9E3779B9u;
constexpr int kCycles = 32;

uint32_t loadLittle(const uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void storeLittle(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

template <void (*Transform)(uint32_t&, uint32_t&, const XteaKey&)>
void eachBlock(std::span<uint8_t> bytes, const XteaKey& key) {
    for (size_t offset = 0; offset + 8 <= bytes.size(); offset += 8) {
        uint32_t y = loadLittle(bytes.data() + offset);
        uint32_t z = loadLittle(bytes.data() + offset + 4);
        Transform(y, z, key);
        storeLittle(bytes.data() + offset, y);
        storeLittle(bytes.data() + offset + 4, z);
    }
}

}  // namespace

void xteaEncipher(uint32_t& y, uint32_t& z, const XteaKey& key) {
    uint32_t sum = 0;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        y += (((z << 4) ^ (z >> 5)) + z) ^ (sum + key[sum & 3]);
        sum += kDelta;
        z += (((y << 4) ^ (y >> 5)) + y) ^ (sum + key[(sum >> 11) & 3]);
    }
}

void xteaDecipher(uint32_t& y, uint32_t& z, const XteaKey& key) {
    uint32_t sum = kDelta * kCycles;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        z -= (((y << 4) ^ (y >> 5)) + y) ^ (sum + key[(sum >> 11) & 3]);
        sum -= kDelta;
        y -= (((z << 4) ^ (z >> 5)) + z) ^ (sum + key[sum & 3]);
    }
}

void xteaEncipherBlocks(std::span<uint8_t> bytes, const XteaKey& key) {
    eachBlock<xteaEncipher>(bytes, key);
}

void xteaDecipherBlocks(std::span<uint8_t> bytes, const XteaKey& key) {
    eachBlock<xteaDecipher>(bytes, key);
}

}  // namespace korvex
