#pragma once
// The encodings that the fields of the configuration image share. Every encoder is handed exactly
// its field and writes nothing outside it; every decoder reads only the bytes of its field.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korvex {

using FieldBytes = std::span<uint8_t>;
using ConstFieldBytes = std::span<const uint8_t>;

// Upper case as the device expects it: only the letters a to z change.
std::string upperCased(std::string_view text);

// Station identifier: 6 bytes, upper case, padded with spaces on the right, no terminator.
struct CallField {
    static constexpr size_t kWidth = 6;
    // Fills the field with spaces and copies the upper-cased text over its start (at most 6).
    static void encode(FieldBytes field, std::string_view text);
    // The field with its trailing run of spaces removed, then up to the first zero byte.
    static std::string decode(ConstFieldBytes field);
    // The bytes up to the first zero byte, trailing spaces kept (the station's own call).
    static std::string decodeAsStored(ConstFieldBytes field);
};

// One SSID character: 0x30 + SSID 0..15, or "*" for any SSID where a wildcard is allowed.
struct SsidChar {
    static constexpr size_t kWidth = 1;
    static constexpr int kMaximum = 15;
    static constexpr uint8_t kWildcard = 0x2A;
    static constexpr std::string_view kWildcardText = "*";
    static uint8_t encode(int ssid) { return static_cast<uint8_t>(0x30 + ssid); }
    // The byte minus 0x30 with the byte taken as signed, so a byte below 0x30 is negative.
    static std::string decode(uint8_t byte);
    // As decode, but "*" for the wildcard byte.
    static std::string decodeWithWildcard(uint8_t byte);
    // The byte minus 0x30 taken as 0..255 (the station's own SSID).
    static std::string decodeUnsigned(uint8_t byte);
};

// A CallField followed at once by its SsidChar.
struct CallSsid {
    static constexpr size_t kWidth = CallField::kWidth + SsidChar::kWidth;
    static FieldBytes call(FieldBytes field) { return field.first(CallField::kWidth); }
    static ConstFieldBytes call(ConstFieldBytes field) { return field.first(CallField::kWidth); }
    static uint8_t& ssid(FieldBytes field) { return field[CallField::kWidth]; }
    static uint8_t ssid(ConstFieldBytes field) { return field[CallField::kWidth]; }
};

// Unsigned 16-bit number, little-endian; a wider number keeps its low 16 bits.
struct Word16 {
    static constexpr size_t kWidth = 2;
    static void encode(FieldBytes field, int32_t value);
    static std::string decode(ConstFieldBytes field);
};

// Unsigned 8-bit number; a wider number keeps its low 8 bits.
struct ByteNum {
    static constexpr size_t kWidth = 1;
    static void encode(FieldBytes field, int32_t value);
    static std::string decode(ConstFieldBytes field);
};

// The range a number check accepts: minimum..maximum, and 0 as well where zero switches off.
struct NumberRange {
    int32_t minimum = 0;
    int32_t maximum = 0;
    bool zeroAllowed = false;
    bool contains(int32_t value) const {
        return (zeroAllowed && value == 0) || (value >= minimum && value <= maximum);
    }
};

// A Word16 period in minutes: 0 switches the function off, otherwise 5..1440.
struct MinuteRate {
    static constexpr size_t kWidth = Word16::kWidth;
    static constexpr NumberRange kRange{5, 1440, true};
};

// Zero-based index of a drop-down list's entry; no entry chosen (-1) is 0xFF.
struct ChoiceIndex {
    static constexpr size_t kWidth = 1;
    static uint8_t encode(int index) { return static_cast<uint8_t>(index); }
    // The byte as it stands, 0..255; the list decides what an index beyond its end shows.
    static int decode(uint8_t byte) { return byte; }
};

// A check box: 1 ticked, 0 not; any nonzero byte reads as ticked.
struct FlagByte {
    static constexpr size_t kWidth = 1;
    static uint8_t encode(bool ticked) { return ticked ? 1 : 0; }
    static bool decode(uint8_t byte) { return byte != 0; }
};

// A text with its terminating zero inside an area of n bytes (n being the field's width).
struct ZText {
    // The longest text the area holds with its terminator.
    static size_t capacity(ConstFieldBytes field) { return field.size() - 1; }
    // Copies at most capacity() characters and the terminator; the rest of the area is untouched.
    static void encode(FieldBytes field, std::string_view text);
    // The bytes up to the first zero byte; a field without one ends at the field's end.
    static std::string decode(ConstFieldBytes field);
};

// Latitude as "5221.60N": four digits, ".", two digits, "N" or "S", in a ZText(9).
struct LatText {
    static constexpr size_t kWidth = 9;
    static bool accepts(std::string_view text);
};

// Longitude as "01653.63E": five digits, ".", two digits, "E" or "W", in a ZText(10).
struct LonText {
    static constexpr size_t kWidth = 10;
    static bool accepts(std::string_view text);
};

// Every character a printable ASCII character, 0x20 to 0x7E.
struct PrintableRule {
    static bool accepts(std::string_view text);
};

}  // namespace korvex
