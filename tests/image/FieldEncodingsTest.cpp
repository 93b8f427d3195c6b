#include "image/FieldEncodings.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace korvex {
namespace {

// A field of `width` bytes inside a larger buffer whose neighbouring bytes are 'X', so that a
// read or write outside the field shows.
class Guarded {
  public:
    explicit Guarded(size_t width, uint8_t fill = 0) : buffer_(width + 2, 'X') {
        std::fill(buffer_.begin() + 1, buffer_.end() - 1, fill);
    }
    FieldBytes field() { return FieldBytes(buffer_).subspan(1, buffer_.size() - 2); }
    std::string inside() const { return std::string(buffer_.begin() + 1, buffer_.end() - 1); }
    bool guardsIntact() const { return buffer_.front() == 'X' && buffer_.back() == 'X'; }

  private:
    std::vector<uint8_t> buffer_;
};

TEST(CallField, EncodesUpperCasedAndSpacePadded) {
    struct Case {
        std::string text;
        std::string stored;
    };
    const Case cases[] = {
        {"sp5ab", "SP5AB "},  {"", "      "},          {"sp*", "SP*   "},
        {"nocall", "NOCALL"}, {"a\xe9z", "A\xe9Z   "}, {"wide2-", "WIDE2-"},
    };
    for (const auto& c : cases) {
        Guarded guarded(CallField::kWidth);
        CallField::encode(guarded.field(), c.text);
        EXPECT_EQ(guarded.inside(), c.stored) << c.text;
        EXPECT_TRUE(guarded.guardsIntact());
    }
}

TEST(CallField, DecodesWithOrWithoutTrailingSpaces) {
    struct Case {
        std::string stored;
        std::string trimmed;
        std::string asStored;
    };
    const Case cases[] = {
        {"SP5AB ", "SP5AB", "SP5AB "},
        {"      ", "", "      "},
        {"A B   ", "A B", "A B   "},
        {std::string("AB\0CD ", 6), "AB", "AB"},
        {"NOCALL", "NOCALL", "NOCALL"},
        {std::string("AB \0C ", 6), "AB ", "AB "},
        {std::string("AB \0\0\0", 6), "AB ", "AB "},
    };
    for (const auto& c : cases) {
        Guarded guarded(CallField::kWidth);
        std::copy(c.stored.begin(), c.stored.end(), guarded.field().begin());
        EXPECT_EQ(CallField::decode(guarded.field()), c.trimmed);
        EXPECT_EQ(CallField::decodeAsStored(guarded.field()), c.asStored);
    }
}

TEST(SsidChar, DecodesSignedUnsignedAndWildcard) {
    struct Case {
        uint8_t byte;
        std::string signedText;
        std::string unsignedText;
        std::string wildcardText;
    };
    const Case cases[] = {
        {'0', "0", "0", "0"},        {'9', "9", "9", "9"},        {':', "10", "10", "10"},
        {'?', "15", "15", "15"},     {'*', "-6", "250", "*"},     {0x2F, "-1", "255", "-1"},
        {0x00, "-48", "208", "-48"}, {0xFF, "-49", "207", "-49"}, {0x7F, "79", "79", "79"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SsidChar::decode(c.byte), c.signedText) << int(c.byte);
        EXPECT_EQ(SsidChar::decodeUnsigned(c.byte), c.unsignedText) << int(c.byte);
        EXPECT_EQ(SsidChar::decodeWithWildcard(c.byte), c.wildcardText) << int(c.byte);
    }
    EXPECT_EQ(SsidChar::encode(10), ':');
    EXPECT_EQ(SsidChar::encode(15), '?');
}

TEST(Numbers, KeepTheLowBitsAndDecodeUnsigned) {
    struct Case {
        int32_t value;
        std::array<uint8_t, 2> word;
        std::string wordText;
        uint8_t byte;
        std::string byteText;
    };
    const Case cases[] = {
        {0, {0x00, 0x00}, "0", 0x00, "0"},        {9999, {0x0F, 0x27}, "9999", 0x0F, "15"},
        {-1, {0xFF, 0xFF}, "65535", 0xFF, "255"}, {65536, {0x00, 0x00}, "0", 0x00, "0"},
        {300, {0x2C, 0x01}, "300", 0x2C, "44"},
    };
    for (const auto& c : cases) {
        Guarded word(Word16::kWidth);
        Word16::encode(word.field(), c.value);
        EXPECT_EQ(word.inside(), std::string(c.word.begin(), c.word.end()));
        EXPECT_EQ(Word16::decode(word.field()), c.wordText);
        EXPECT_TRUE(word.guardsIntact());
        Guarded byte(ByteNum::kWidth);
        ByteNum::encode(byte.field(), c.value);
        EXPECT_EQ(byte.field()[0], c.byte);
        EXPECT_EQ(ByteNum::decode(byte.field()), c.byteText);
        EXPECT_TRUE(byte.guardsIntact());
    }
}

TEST(ZText, CopiesTextAndTerminatorOnly) {
    Guarded guarded(6, 0xEE);
    ZText::encode(guarded.field(), "wide");
    EXPECT_EQ(guarded.inside(), std::string("wide\0\xEE", 6));
    EXPECT_TRUE(guarded.guardsIntact());
    EXPECT_EQ(ZText::decode(guarded.field()), "wide");

    Guarded full(6, 0xEE);
    ZText::encode(full.field(), "toolongtext");
    EXPECT_EQ(full.inside(), std::string("toolo\0", 6));
    EXPECT_TRUE(full.guardsIntact());
}

TEST(ZText, DecodeStopsAtTheFieldEndWithoutTerminator) {
    Guarded guarded(8, 'A');
    EXPECT_EQ(ZText::decode(guarded.field()), "AAAAAAAA");
    Guarded empty(8, 0);
    EXPECT_EQ(ZText::decode(empty.field()), "");
}

TEST(PositionText, ChecksEveryPosition) {
    struct Case {
        std::string text;
        bool latitude;
        bool longitude;
    };
    const Case cases[] = {
        {"5221.60N", true, false},
        {"5221.60S", true, false},
        {"0000.00N", true, false},
        {"5221.60n", false, false},
        {"5221,60N", false, false},
        {"521.60N", false, false},
        {"5221.60E", false, false},
        {"5221.60NN", false, false},
        {"52a1.60N", false, false},
        {"01653.63E", false, true},
        {"01653.63W", false, true},
        {"01653.63w", false, false},
        {"1653.63E", false, false},
        {"01653-63E", false, false},
        {"", false, false},
        {"\xb3"
         "221.60N",
         false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LatText::accepts(c.text), c.latitude) << c.text;
        EXPECT_EQ(LonText::accepts(c.text), c.longitude) << c.text;
    }
}

TEST(PrintableRule, AcceptsSpaceToTildeOnly) {
    struct Case {
        std::string text;
        bool accepted;
    };
    const Case cases[] = {
        {"", true},      {" ", true},     {"~", true},     {"@<date>z<lat>", true},
        {"a\tb", false}, {"\x1f", false}, {"\x7f", false}, {"caf\xe9", false},
        {"\x80", false}, {"\xff", false}, {"ok\n", false}, {std::string(1, '\0'), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrintableRule::accepts(c.text), c.accepted) << c.text;
    }
}

}  // namespace
}  // namespace korvex
