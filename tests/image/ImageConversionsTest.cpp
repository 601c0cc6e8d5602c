#include "image/ImageConversions.h"

#include <gtest/gtest.h>

using namespace vaduvizu::image;

TEST(DecimalInteger, AcceptsOnlyAWholeSignedDecimalWithin32Bits) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"502", 502},
        {"007", 7},
        {"-1", -1},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"١", std::nullopt}, // a non-ASCII digit
    };
    for (const Case& c : cases)
        EXPECT_EQ(decimalInteger(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
}

TEST(PadZero, FillsOnTheLeftAndKeepsLongerTexts) {
    EXPECT_EQ(Pad_Zero("1BDA", 8), "00001BDA");
    EXPECT_EQ(Pad_Zero("", 4), "0000");
    EXPECT_EQ(Pad_Zero("123456789", 8), "123456789");
}
