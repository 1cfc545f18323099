#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "layoutpdf/PdfFormat.h"

namespace tessivo::layoutpdf {
namespace {

TEST(PdfFormat, WritesFixedDecimalsWithAPointAndNoNegativeZero) {
    const struct {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
        {0.567, 2, "0.57"},
        {841.89 - 10, 2, "831.89"},
        {-14.17323, 2, "-14.17"},
        {1.0, 3, "1.000"},
        {192.0 / 255, 3, "0.753"},
        {-3.67e-6, 5, "0.00000"},
        {-0.001, 2, "0.00"},
        {12, 0, "12."},
        {1.5, 2, "1.50"},
        {1234567.891, 2, "1234567.89"},
        {0.125, 2, "0.12"},
        {2.5, 0, "2."},
        {std::numeric_limits<double>::quiet_NaN(), 2, "0.00"},
        {std::numeric_limits<double>::infinity(), 0, "0."},
        {-1e300, 2, "-1000000000000.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.decimals), c.expected) << c.value;
    }
    EXPECT_EQ(FormatNumberLine(0.567, " w S"), "0.57 w S");
}

TEST(PdfFormat, WritesPlainDecimalsWithoutTrailingZerosOrExponent) {
    EXPECT_EQ(FormatPlain(595.28), "595.28");
    EXPECT_EQ(FormatPlain(842), "842");
    EXPECT_EQ(FormatPlain(100000), "100000");
    EXPECT_EQ(FormatPlain(-0.0), "0");
    EXPECT_EQ(FormatPlain(0.5), "0.5");
}

TEST(PdfFormat, RoundsHalvesToEven) {
    const std::pair<double, double> cases[] = {{2.5, 2},  {3.5, 4},  {-2.5, -2}, {0.99987, 1},
                                               {2.83, 3}, {5.56, 6}, {0.5, 0},   {1.5, 2}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(PdfFormat, EscapesStringsNamesAndLinkTargets) {
    EXPECT_EQ(PadOffset(9), "0000000009");
    EXPECT_EQ(PadOffset(12345678901ULL), "12345678901");
    EXPECT_EQ(EscapePdfString("a(b)\\c"), "a\\(b\\)\\\\c");
    EXPECT_EQ(EscapePdfName("Times-Roman"), "Times-Roman");
    EXPECT_EQ(EscapePdfName("My Font(1)"), "My#20Font#281#29");
    EXPECT_EQ(SevenBitUri("file:///tmp/caf\xC3\xA9 x.pdf"), "file:///tmp/caf%C3%A9%20x.pdf");
    std::string shown;
    AppendShowText(shown, "a(b)");
    EXPECT_EQ(shown, "(a\\(b\\)) Tj\r\n");
}

}  // namespace
}  // namespace tessivo::layoutpdf
