#include "parameters/DecimalNumber.h"

#include <gtest/gtest.h>

using namespace vaduvizu;

// The rules check counts a cell that is not a decimal integer as -1, so the reading of a
// number decides which rules pass.
struct DecimalCase {
    const char* text;
    std::optional<qint64> value;
};

class DecimalNumberText : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalNumberText, IsTheWholeText) {
    EXPECT_EQ(decimalNumber(QString::fromUtf8(GetParam().text)), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecimalNumberText,
    ::testing::Values(DecimalCase{"0", 0}, DecimalCase{"1536", 1536}, DecimalCase{"007", 7},
                      DecimalCase{"-1", -1}, DecimalCase{"+5", 5},
                      DecimalCase{"2147483648", 2147483648LL},
                      DecimalCase{"9223372036854775807", 9223372036854775807LL},
                      DecimalCase{"", std::nullopt}, DecimalCase{"-", std::nullopt},
                      DecimalCase{" 5", std::nullopt}, DecimalCase{"5 ", std::nullopt},
                      DecimalCase{"1e3", std::nullopt}, DecimalCase{"0x10", std::nullopt},
                      DecimalCase{"$10", std::nullopt},
                      DecimalCase{"9223372036854775808", std::nullopt},
                      DecimalCase{"\xd9\xa1\xd9\xa2", std::nullopt})); // Arabic-Indic digits
