#include "posterpdf/FormatNum.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessivo::posterpdf {
namespace {

TEST(FormatNum, WritesFloatsRoundedToThreeDecimalsAtSevenDigits) {
    const struct {
        float value;
        const char* expected;
    } cases[] = {
        {595.2f, "595.2"},
        {842.0f, "842"},
        {0.5f, "0.5"},
        {-0.5f, "-0.5"},
        {static_cast<float>(72.0 / 25.4 * 10.0), "28.346"},  // 10 mm in points
        {static_cast<float>(72.0 / 2.54 * 10.5), "297.638"},
        {0.0625f, "0.062"},  // an exact half: to the even neighbour, down
        {0.1875f, "0.188"},  // an exact half: to the even neighbour, up
        {2.0625f, "2.062"},
        {-0.0625f, "-0.062"},
        {-0.0004f, "0"},       // rounds to zero: no "-"
        {-0.0005f, "-0.001"},  // just above a half in magnitude as a float
        {1e-7f, "0"},
        {0.001f, "0.001"},
        {1190.5f, "1190.5"},
        {9999.999f, "9999.999"},
        {12345.678f, "12345.68"},  // 7 significant digits
        {1234567.8f, "1234568"},
        {123456792.0f, "123456792"},  // no exponent
        {std::numeric_limits<float>::quiet_NaN(), "0"},
        {std::numeric_limits<float>::infinity(), "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNum(c.value), c.expected) << "float " << c.value;
    }
}

TEST(FormatNum, WritesDoublesAtFifteenDigitsAndIntegersAsTheyAre) {
    EXPECT_EQ(FormatNum(128 / 255.0), "0.502");
    EXPECT_EQ(FormatNum(1.0), "1");
    EXPECT_EQ(FormatNum(0.0), "0");
    EXPECT_EQ(FormatNum(-0.0), "0");
    EXPECT_EQ(FormatNum(0.0125), "0.012");  // 12.5 after scaling: a half, to even
    EXPECT_EQ(FormatNum(123456789012.3456), "123456789012.346");
    EXPECT_EQ(FormatNum(std::int64_t{600}), "600");
    EXPECT_EQ(FormatNum(std::int64_t{-32768}), "-32768");
}

}  // namespace
}  // namespace tessivo::posterpdf
