#include "rules/DecimalInteger.h"

#include <gtest/gtest.h>

using namespace vaduvizu;

struct DecimalCase {
    const char* text;
    std::optional<int> value;
};

class DecimalIntegerText : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalIntegerText, IsTheWholeText) {
    EXPECT_EQ(decimalInteger(QString::fromUtf8(GetParam().text)), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecimalIntegerText,
    ::testing::Values(DecimalCase{"0", 0}, DecimalCase{"1536", 1536}, DecimalCase{"007", 7},
                      DecimalCase{"-1", -1}, DecimalCase{"+5", 5},
                      DecimalCase{"2147483647", 2147483647},
                      DecimalCase{"-2147483648", -2147483647 - 1}, DecimalCase{"", std::nullopt},
                      DecimalCase{"-", std::nullopt}, DecimalCase{" 5", std::nullopt},
                      DecimalCase{"5 ", std::nullopt}, DecimalCase{"1e3", std::nullopt},
                      DecimalCase{"0x10", std::nullopt}, DecimalCase{"$10", std::nullopt},
                      DecimalCase{"2147483648", std::nullopt},
                      DecimalCase{"99999999999999999999", std::nullopt},
                      DecimalCase{"\xd9\xa1\xd9\xa2", std::nullopt})); // Arabic-Indic digits
