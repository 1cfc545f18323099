#include <gtest/gtest.h>

#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tessivo::text {
namespace {

TEST(Cp1252, ConvertsAccentsAndTheHighControlRange) {
    EXPECT_EQ(Utf8ToCp1252("Caf\xC3\xA9"), "Caf\xE9");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC 5"), "\x80 5");                // euro sign
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9Cq\xE2\x80\x9D"), "\x93q\x94");  // curly quotes
    EXPECT_EQ(Cp1252ToUtf8("\x80\xE9\x9F"), "\xE2\x82\xAC\xC3\xA9\xC5\xB8");
}

TEST(Cp1252, WritesAQuestionMarkForWhatTheCodePageCannotHold) {
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD|\xF0\x9F\x98\x80|\xC3"), "?|?|?");
}

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Utf8, CountsAndCutsCharactersNotBytes) {
    const std::string title = "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC";  // "été €"
    EXPECT_EQ(CharacterCount(title), 5u);
    EXPECT_EQ(FirstCharacters(title, 2), "\xC3\xA9t");
    EXPECT_EQ(FirstCharacters(title, 99), title);
}

TEST(Utf8, MalformedInputDecodesSafely) {
    EXPECT_EQ(DecodeUtf8("a\xC3"), (std::u32string{U'a', 0xFFFD}));
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::u32string(3, 0xFFFD)));  // a surrogate
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::u32string(2, 0xFFFD)));      // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD ok"));
    EXPECT_EQ(EncodeUtf8(DecodeUtf8("\xF0\x9F\x98\x80")), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace tessivo::text
