#include "lists/CaseFold.h"

#include "text/Utf8.h"

namespace tessivo::lists {
namespace {

char32_t UpperCaseLetter(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    switch (c) {
        case 0xFF:
            return 0x178;  // y with diaeresis
        case 0x161:
            return 0x160;  // s with caron
        case 0x153:
            return 0x152;  // ligature oe
        case 0x17E:
            return 0x17D;  // z with caron
        default:
            return c;
    }
}

}  // namespace

std::string UpperCase(std::string_view utf8) {
    std::u32string text = text::DecodeUtf8(utf8);
    for (char32_t& c : text) c = UpperCaseLetter(c);
    return text::EncodeUtf8(text);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return UpperCase(a) == UpperCase(b);
}

}  // namespace tessivo::lists
