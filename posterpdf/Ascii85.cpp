#include "posterpdf/Ascii85.h"

#include <algorithm>

namespace tessivo::posterpdf {
namespace {

std::uint32_t GroupValue(std::span<const std::uint8_t> group) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | (i < group.size() ? group[i] : 0u);
    }
    return value;
}

}  // namespace

std::string EncodeA85(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() / 4 * 5 + 7);
    for (std::size_t at = 0; at < bytes.size(); at += 4) {
        const auto group = bytes.subspan(at, std::min<std::size_t>(4, bytes.size() - at));
        std::uint32_t value = GroupValue(group);
        if (value == 0 && group.size() == 4) {
            text += 'z';
            continue;
        }
        char digits[5];
        for (int i = 4; i >= 0; --i) {
            digits[i] = static_cast<char>('!' + value % 85);
            value /= 85;
        }
        text.append(digits, group.size() + 1);
    }
    text += "~>";
    return text;
}

}  // namespace tessivo::posterpdf
