#include "layoutpdf/PdfFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "text/Cp1252.h"

namespace tessivo::layoutpdf {
namespace {

constexpr double kLargestWritten = 1e12;

double Tame(double value) {
    if (!std::isfinite(value)) return 0.0;
    if (value > kLargestWritten) return kLargestWritten;
    if (value < -kLargestWritten) return -kLargestWritten;
    return value;
}

// Each byte the predicate picks becomes the marker and two hexadecimal digits.
template <typename Pick>
std::string HexEscaped(std::string_view bytes, char marker, Pick pick) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (pick(byte)) {
            out.push_back(marker);
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0x0F]);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

void AppendNumber(std::string& out, double value, int decimals) {
    static constexpr std::array<double, 7> kScale = {1, 10, 100, 1000, 10000, 100000, 1000000};
    decimals = std::clamp(decimals, 0, 6);
    // Whole units of the last decimal, rounded half to even; at most 1e12 * 1e6 < 2^63.
    const double scaled = RoundHalfEven(Tame(value) * kScale[static_cast<std::size_t>(decimals)]);
    auto units = static_cast<unsigned long long>(scaled < 0 ? -scaled : scaled);
    const bool negative = scaled < 0 && units != 0;
    // Digits are written from the right: the decimals, the point, then the whole part.
    std::array<char, 32> text{};
    char* first = text.data() + text.size();
    for (int place = 0; place < decimals; ++place) {
        *--first = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    if (decimals > 0) *--first = '.';
    do {
        *--first = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0);
    if (negative) *--first = '-';
    out.append(first, static_cast<std::size_t>(text.data() + text.size() - first));
    if (decimals == 0) out.push_back('.');
}

std::string FormatNumber(double value, int decimals) {
    std::string out;
    AppendNumber(out, value, decimals);
    return out;
}

std::string FormatNumberLine(double value, std::string_view suffix, int decimals) {
    std::string out;
    AppendNumber(out, value, decimals);
    out += suffix;
    return out;
}

std::string FormatPlain(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), Tame(value),
                                      std::chars_format::fixed);
    std::string text(buffer.data(), result.ptr);
    if (text == "-0") text = "0";
    return text;
}

std::string PadOffset(std::uint64_t offset) {
    std::string digits = std::to_string(offset);
    if (digits.size() < 10) digits.insert(0, 10 - digits.size(), '0');
    return digits;
}

std::string EscapePdfString(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 8);
    for (char c : bytes) {
        if (c == '\\' || c == '(' || c == ')') out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

void AppendShowText(std::string& content, std::string_view bytes) {
    content.push_back('(');
    std::size_t plain = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\\' && c != '(' && c != ')') continue;
        content.append(bytes.data() + plain, i - plain);
        content.push_back('\\');
        content.push_back(c);
        plain = i + 1;
    }
    content.append(bytes.data() + plain, bytes.size() - plain);
    content.append(") Tj\r\n");
}

std::string ToCp1252(std::string_view utf8) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? std::string(utf8) : text::Utf8ToCp1252(utf8);
}

std::string EscapePdfName(std::string_view bytes) {
    return HexEscaped(bytes, '#', [](unsigned char byte) {
        return byte < 0x21 || byte > 0x7E ||
               std::string_view("()<>[]{}/%#").find(static_cast<char>(byte)) !=
                   std::string_view::npos;
    });
}

std::string SevenBitUri(std::string_view bytes) {
    return HexEscaped(bytes, '%', [](unsigned char byte) { return byte <= 0x20 || byte >= 0x7F; });
}

}  // namespace tessivo::layoutpdf
