#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "files/Crc32.h"
#include "files/Xtea.h"

namespace korvex {
namespace {

// Published XTEA vectors, words given big-endian as the vectors write them.
struct XteaVector {
    XteaKey key;
    uint32_t plainY, plainZ, cipherY, cipherZ;
};

constexpr XteaKey kCountingKey = {0x00010203u, 0x04050607u, 0x08090a0bu, 0x0c0d0e0fu};
constexpr XteaKey kZeroKey = {0, 0, 0, 0};

class XteaVectors : public ::testing::TestWithParam<XteaVector> {};

TEST_P(XteaVectors, EnciphersAndDeciphers) {
    const XteaVector& v = GetParam();
    uint32_t y = v.plainY;
    uint32_t z = v.plainZ;
    xteaEncipher(y, z, v.key);
    EXPECT_EQ(y, v.cipherY);
    EXPECT_EQ(z, v.cipherZ);
    xteaDecipher(y, z, v.key);
    EXPECT_EQ(y, v.plainY);
    EXPECT_EQ(z, v.plainZ);
}

INSTANTIATE_TEST_SUITE_P(
    Published, XteaVectors,
    ::testing::Values(XteaVector{kCountingKey, 0x41424344u, 0x45464748u, 0x497df3d0u, 0x72612cb5u},
                      XteaVector{kCountingKey, 0x41414141u, 0x41414141u, 0xe78f2d13u, 0x744341d8u},
                      XteaVector{kCountingKey, 0x5a5b6e27u, 0x8948d77fu, 0x41414141u, 0x41414141u},
                      XteaVector{kZeroKey, 0x41424344u, 0x45464748u, 0xa0390589u, 0xf8b8efa5u},
                      XteaVector{kZeroKey, 0x41414141u, 0x41414141u, 0xed23375au, 0x821a8c2du},
                      XteaVector{kZeroKey, 0x70e1225du, 0x6e4e7655u, 0x41414141u, 0x41414141u}));

TEST(XteaBlocks, PackWordsLittleEndianAndLeaveAShortTail) {
    std::vector<uint8_t> bytes = {0x44, 0x43, 0x42, 0x41, 0x48, 0x47, 0x46, 0x45,  // block 1
                                  0x44, 0x43, 0x42, 0x41, 0x48, 0x47, 0x46, 0x45,  // block 2
                                  0x01, 0x02, 0x03};                               // tail
    xteaEncipherBlocks(bytes, kCountingKey);
    const std::vector<uint8_t> block = {0xd0, 0xf3, 0x7d, 0x49, 0xb5, 0x2c, 0x61, 0x72};
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8), block);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 8, bytes.begin() + 16), block);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 16, bytes.end()),
              (std::vector<uint8_t>{0x01, 0x02, 0x03}));
    xteaDecipherBlocks(bytes, kCountingKey);
    EXPECT_EQ(bytes[0], 0x44);
    EXPECT_EQ(bytes[15], 0x45);
}

std::span<const uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(Crc32Jam, MatchesTheCatalogueCheckValue) {
    EXPECT_EQ(crc32Jam(bytesOf("123456789")), 0x340BC6D9u);
    EXPECT_EQ(crc32Jam({}), 0xFFFFFFFFu);
    // The complement of the common CRC-32 of the same bytes.
    EXPECT_EQ(~crc32Jam(bytesOf("The quick brown fox jumps over the lazy dog")), 0x414FA339u);
}

}  // namespace
}  // namespace korvex
