#pragma once
// XTEA: 64-bit blocks under a 128-bit key, 32 cycles. A block's two words are read and stored
// little-endian, as the remote update file packs them.

#include <array>
#include <cstdint>
#include <span>

namespace korvex {

using XteaKey = std::array<uint32_t, 4>;

// The key built into the configurator and the device's remote update receiver.
inline constexpr XteaKey kRemoteUpdateKey = {0x3C9A51E7u, 0x82D4F60Bu, 0x5E17A3C9u, 0xB06F2D84u};

void xteaEncipher(uint32_t& y, uint32_t& z, const XteaKey& key);
void xteaDecipher(uint32_t& y, uint32_t& z, const XteaKey& key);

// Each 8-byte block of `bytes` in place, in ascending order, no chaining; a trailing part
// shorter than a block is left as it is.
void xteaEncipherBlocks(std::span<uint8_t> bytes, const XteaKey& key);
void xteaDecipherBlocks(std::span<uint8_t> bytes, const XteaKey& key);

}  // namespace korvex
