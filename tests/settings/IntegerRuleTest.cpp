#include "settings/IntegerRule.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace korvex {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<int32_t> value;
};

class IntegerRule : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerRule, ParsesOrRefuses) {
    EXPECT_EQ(parseInteger(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Decimal, IntegerRule,
                         testing::Values(IntegerCase{"0", 0}, IntegerCase{"15", 15},
                                         IntegerCase{"007", 7}, IntegerCase{"+42", 42},
                                         IntegerCase{"-1", -1}, IntegerCase{"-0", 0},
                                         IntegerCase{"   250", 250}, IntegerCase{"  -16", -16},
                                         IntegerCase{"2147483647", 2147483647},
                                         IntegerCase{"-2147483648", -2147483647 - 1},
                                         IntegerCase{"000000000002147483647", 2147483647}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, IntegerRule,
                         testing::Values(IntegerCase{"$1F", 31}, IntegerCase{"x1f", 31},
                                         IntegerCase{"X1F", 31}, IntegerCase{"0x1F", 31},
                                         IntegerCase{"0XaB", 171}, IntegerCase{"-$1F", -31},
                                         IntegerCase{"+0x10", 16}, IntegerCase{" $ff", 255},
                                         IntegerCase{"$0", 0}, IntegerCase{"$7FFFFFFF", 2147483647},
                                         IntegerCase{"-$80000000", -2147483647 - 1},
                                         IntegerCase{"0x0000000000ff", 255}));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, IntegerRule,
    testing::Values(IntegerCase{"", std::nullopt}, IntegerCase{" ", std::nullopt},
                    IntegerCase{"-", std::nullopt}, IntegerCase{"+", std::nullopt},
                    IntegerCase{"$", std::nullopt}, IntegerCase{"x", std::nullopt},
                    IntegerCase{"0x", std::nullopt}, IntegerCase{"-0X", std::nullopt},
                    IntegerCase{"12 ", std::nullopt}, IntegerCase{"12a", std::nullopt},
                    IntegerCase{"1.5", std::nullopt}, IntegerCase{"- 5", std::nullopt},
                    IntegerCase{"--5", std::nullopt}, IntegerCase{"+-5", std::nullopt},
                    IntegerCase{"$-1", std::nullopt}, IntegerCase{"$ 1", std::nullopt},
                    IntegerCase{"$1G", std::nullopt}, IntegerCase{"0x1F ", std::nullopt},
                    IntegerCase{"\t5", std::nullopt}, IntegerCase{"1e3", std::nullopt},
                    IntegerCase{"0$1", std::nullopt}, IntegerCase{"$$1", std::nullopt},
                    IntegerCase{"2147483648", std::nullopt},
                    IntegerCase{"-2147483649", std::nullopt},
                    IntegerCase{"$80000000", std::nullopt}, IntegerCase{"$FFFFFFFF", std::nullopt},
                    IntegerCase{"99999999999999999999", std::nullopt},
                    IntegerCase{"*", std::nullopt}, IntegerCase{"**", std::nullopt}));

TEST(IntegerRule, StopsAtAnEmbeddedZeroCharacter) {
    EXPECT_EQ(parseInteger(std::string_view("12\0", 3)), std::nullopt);
}

TEST(IntegerRule, ConvertThrowsWithTheFrameworkMessage) {
    EXPECT_EQ(convertInteger(" -$10"), -16);
    try {
        convertInteger("abc");
        FAIL() << "no exception";
    } catch (const NotAnInteger& error) {
        EXPECT_EQ(error.text(), "abc");
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
    try {
        convertInteger("");
        FAIL() << "no exception";
    } catch (const NotAnInteger& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
}

}  // namespace
}  // namespace korvex
