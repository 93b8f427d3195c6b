#include "image/FieldEncodings.h"

#include <algorithm>

namespace korvex {

namespace {

// Position texts: '9' stands for a decimal digit, '.' for itself, and the last character must
// be one of the two hemisphere letters (upper case only).
bool matchesPosition(std::string_view text, std::string_view digits, char hemisphereA,
                     char hemisphereB) {
    if (text.size() != digits.size() + 1) {
        return false;
    }
    for (size_t i = 0; i < digits.size(); ++i) {
        const char c = text[i];
        const bool fits = digits[i] == '9' ? (c >= '0' && c <= '9') : c == digits[i];
        if (!fits) {
            return false;
        }
    }
    return text.back() == hemisphereA || text.back() == hemisphereB;
}

std::string textUpToZero(ConstFieldBytes field) {
    const auto end = std::find(field.begin(), field.end(), uint8_t{0});
    return std::string(field.begin(), end);
}

}  // namespace

std::string upperCased(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

void CallField::encode(FieldBytes field, std::string_view text) {
    std::fill(field.begin(), field.end(), uint8_t{' '});
    const std::string upper = upperCased(text.substr(0, std::min(text.size(), field.size())));
    std::copy(upper.begin(), upper.end(), field.begin());
}

std::string CallField::decode(ConstFieldBytes field) {
    // The trailing spaces of the whole field become terminators; a zero byte before them ends
    // the text, spaces in front of that zero included.
    size_t end = field.size();
    while (end > 0 && field[end - 1] == ' ') {
        --end;
    }
    return textUpToZero(field.first(end));
}

std::string CallField::decodeAsStored(ConstFieldBytes field) {
    return textUpToZero(field);
}

std::string SsidChar::decode(uint8_t byte) {
    return std::to_string(static_cast<int8_t>(byte) - 0x30);
}

std::string SsidChar::decodeWithWildcard(uint8_t byte) {
    return byte == kWildcard ? std::string(kWildcardText) : decode(byte);
}

std::string SsidChar::decodeUnsigned(uint8_t byte) {
    return std::to_string(static_cast<uint8_t>(byte - 0x30));
}

void Word16::encode(FieldBytes field, int32_t value) {
    const auto word = static_cast<uint16_t>(value);
    field[0] = static_cast<uint8_t>(word & 0xFF);
    field[1] = static_cast<uint8_t>(word >> 8);
}

std::string Word16::decode(ConstFieldBytes field) {
    return std::to_string(field[0] | field[1] << 8);
}

void ByteNum::encode(FieldBytes field, int32_t value) {
    field[0] = static_cast<uint8_t>(value);
}

std::string ByteNum::decode(ConstFieldBytes field) {
    return std::to_string(field[0]);
}

void ZText::encode(FieldBytes field, std::string_view text) {
    const size_t length = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), length, field.begin());
    field[length] = 0;
}

std::string ZText::decode(ConstFieldBytes field) {
    return textUpToZero(field);
}

bool LatText::accepts(std::string_view text) {
    return matchesPosition(text, "9999.99", 'N', 'S');
}

bool LonText::accepts(std::string_view text) {
    return matchesPosition(text, "99999.99", 'E', 'W');
}

bool PrintableRule::accepts(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte <= 0x7E;
    });
}

}  // namespace korvex
