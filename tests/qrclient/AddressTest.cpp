#include <gtest/gtest.h>

#include "qrclient/QrCodeDetail.h"

namespace tessivo::qrclient {
namespace {

TEST(UrlEncode, KeepsOnlyLettersAndDigitsAndEscapesEveryOtherByteInUpperCaseHex) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"AZaz09", "AZaz09"},
        {"a b", "a%20b"},
        {"\r\n", "%0D%0A"},
        {"\xC3\xA9", "%C3%A9"},
        {"-._~", "%2D%2E%5F%7E"},
        {"mailto:ann@example.com", "mailto%3Aann%40example%2Ecom"},
        {std::string("\x00\x05\x7F\xFF", 4), "%00%05%7F%FF"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(UrlEncode(c.in), c.out) << c.in;
}

TEST(Utf8Encode, KeepsGoodTextAndReplacesBrokenSequences) {
    EXPECT_EQ(Utf8Encode("caf\xC3\xA9 \xF0\x9F\x98\x80"), "caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8Encode("a\xC3"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf8Encode(""), "");
    EXPECT_EQ(Utf8Decode("x\xFFy"), "x\xEF\xBF\xBDy");
}

TEST(ColorToHex, WritesRedGreenBlueAndTranslatesSystemColours) {
    const struct {
        uint32_t colour;
        const char* hex;
    } cases[] = {
        {255, "FF0000"},        {0, "000000"},          {0xFFFFFF, "FFFFFF"},   {10, "0A0000"},
        {0x123456, "563412"},   {0x0000FF00, "00FF00"}, {0x80000005, "FFFFFF"},  // COLOR_WINDOW
        {0x8000000F, "D4D0C8"},                                                  // COLOR_BTNFACE
        {0x80000008, "000000"},                                                  // COLOR_WINDOWTEXT
        {0x80000018, "FFFFE1"},                                                  // COLOR_INFOBK
        {0x8000001E, "D4D0C8"},  // COLOR_MENUBAR, the last one
        {0x8000001F, "000000"},  // no such system colour
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToHex(c.colour), c.hex) << std::hex << c.colour;
}

TEST(PictureAddress, SendsOnlyKeysThatDifferFromTheDefaultsInAFixedOrder) {
    const std::string base = "http://qr.test:81/v1/create-qr-code/?data=";
    const struct {
        std::string text;
        int32_t width, height;
        std::string encoding, level;
        uint32_t fore, back;
        int32_t margin;
        std::string expected;
    } cases[] = {
        {"abc", 152, 152, "UTF-8", "L", 0xFFFFFF, 0, 0, "abc&size=152x152"},
        {"", 152, 152, "utf-8", "l", 0xFFFFFF, 0, -3, "&size=152x152"},
        {"a b", 100, 50, "UTF-8", "m", 0xFFFFFF, 0, 0, "a%20b&size=100x50&ecc=m"},
        {"x", -5, 10, "UTF-8", "H", 0xFFFFFF, 0, 0, "x&size=-5x10&ecc=H"},
        {"x", 9, 9, "iso-8859-1", "L", 0xFFFFFF, 0, 0, "x&size=9x9&charset-target=ISO-8859-1"},
        {"x", 9, 9, "UTF-8", "L", 0, 0xFFFFFF, 0, "x&size=9x9&color=000000&bgcolor=FFFFFF"},
        {"x", 9, 9, "UTF-8", "L", 0xFFFFFF, 0, 4, "x&size=9x9&qzone=4"},
        {"\xC3\xA9", 2, 3, "Shift_JIS", "q", 255, 0x80000005, 1,
         "%C3%A9&size=2x3&qzone=1&ecc=q&color=FF0000&bgcolor=FFFFFF&charset-target=SHIFT_JIS"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PictureAddress("qr.test:81", c.text, c.width, c.height, c.encoding, c.level,
                                 c.fore, c.back, c.margin),
                  base + c.expected);
    }
}

TEST(DecodeAddress, EncodesTheAddressAsWindows1252Bytes) {
    EXPECT_EQ(DecodeAddress("d:9", "http://x.test/a b.png"),
              "http://d:9/w/decode?full=false&u=http%3A%2F%2Fx%2Etest%2Fa%20b%2Epng");
    EXPECT_EQ(DecodeAddress("d", "\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD"),  // é € 中
              "http://d/w/decode?full=false&u=%E9%80%3F");
}

TEST(Multipart, BodyIsExactlyTheFixedFraming) {
    const std::vector<uint8_t> png = {0x89, 'P', 0, '\r', '\n'};
    const std::string expected =
        "-----------------------------30862264243566\r\n"
        "Content-Disposition: form-data; name=\"f\"; filename=\"FileName\"\r\n"
        "Content-Type: image/png\r\n"
        "\r\n" +
        std::string("\x89P\0\r\n", 5) + "\r\n-----------------------------30862264243566--\r\n";
    EXPECT_EQ(MultipartBody(png), expected);
    EXPECT_EQ(
        MultipartContentType(),
        "Content-Type: multipart/form-data; boundary=---------------------------30862264243566");
    EXPECT_EQ(kBoundary.size(), 27u + 14u);
}

}  // namespace
}  // namespace tessivo::qrclient
