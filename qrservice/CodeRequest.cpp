#include "qrservice/CodeRequest.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "text/Utf8.h"

namespace tessivo::qrservice {
namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Plain decimal digits only (no sign, no spaces), at most 6 of them.
std::optional<int32_t> ParseDecimal(std::string_view text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

std::optional<uint32_t> ParseRgb(std::string_view text) {
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        }))
        return std::nullopt;
    uint32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

// The single value of a key: nullopt when absent, an error when given more than once.
struct KeyValue {
    std::optional<std::string> value;
    bool repeated = false;
};

KeyValue Find(const QueryKeys& keys, const std::string& name) {
    const auto [first, last] = keys.equal_range(name);
    if (first == last) return {};
    return {first->second, std::next(first) != last};
}

// Latin-1 bytes of UTF-8 text, or nullopt when a character is above U+00FF.
std::optional<std::string> ToLatin1(std::string_view utf8) {
    std::string out;
    for (const char32_t c : text::DecodeUtf8(utf8)) {
        if (c > 0xFF) return std::nullopt;
        out.push_back(static_cast<char>(c));
    }
    return out;
}

// Applies one optional key: Parse turns its text into the field's value or nullopt. The
// result is the reason for a 400, or empty.
template <class T, class Parse>
std::string TakeOptional(const QueryKeys& keys, const std::string& name, T& field, Parse parse,
                         const std::string& expected) {
    const KeyValue key = Find(keys, name);
    if (key.repeated) return name + " is given more than once";
    if (!key.value) return {};
    const auto parsed = parse(*key.value);
    if (!parsed) return name + " must be " + expected;
    field = *parsed;
    return {};
}

std::string TakeRequired(const QueryKeys& keys, const std::string& name, std::string& value) {
    const KeyValue key = Find(keys, name);
    if (!key.value) return "the " + name + " key is missing";
    if (key.repeated) return name + " is given more than once";
    value = *key.value;
    return {};
}

std::string TakeData(const QueryKeys& keys, std::string& utf8) {
    if (std::string why = TakeRequired(keys, "data", utf8); !why.empty()) return why;
    if (utf8.empty()) return "data is empty: there is nothing to encode";
    if (utf8.size() > kMaxDataBytes)
        return "data is longer than " + std::to_string(kMaxDataBytes) + " bytes";
    if (!text::IsValidUtf8(utf8)) return "data is not valid UTF-8";
    return {};
}

std::string TakeSize(const QueryKeys& keys, CodeRequest& request) {
    std::string size;
    if (std::string why = TakeRequired(keys, "size", size); !why.empty()) return why;
    const std::size_t x = size.find('x');
    const auto width = ParseDecimal(std::string_view(size).substr(0, x));
    const auto height =
        x == std::string::npos ? std::nullopt : ParseDecimal(std::string_view(size).substr(x + 1));
    if (!width || !height) return "size must be WIDTHxHEIGHT in pixels, e.g. 152x152";
    if (*width < kMinSide || *width > kMaxSide || *height < kMinSide || *height > kMaxSide)
        return "size " + size + " is out of range: each side " + std::to_string(kMinSide) + ".." +
               std::to_string(kMaxSide);
    request.width = *width;
    request.height = *height;
    return {};
}

std::optional<ErrorCorrection> ParseLevel(const std::string& text) {
    const std::string upper = Upper(text);
    if (upper == "L") return ErrorCorrection::L;
    if (upper == "M") return ErrorCorrection::M;
    if (upper == "Q") return ErrorCorrection::Q;
    if (upper == "H") return ErrorCorrection::H;
    return std::nullopt;
}

std::optional<std::string> ParseCharset(const std::string& text) {
    const std::string upper = Upper(text);
    if (upper == "UTF-8" || upper == "ISO-8859-1") return upper;
    return std::nullopt;
}

std::optional<int32_t> ParseQuietZone(const std::string& text) {
    const std::optional<int32_t> modules = ParseDecimal(text);
    return modules && *modules <= kMaxQuietZone ? modules : std::nullopt;
}

// The data in the target character set.
std::string Convert(const std::string& utf8, const std::string& charset, std::string& data) {
    if (charset != "ISO-8859-1") {
        data = utf8;
        return {};
    }
    std::optional<std::string> latin1 = ToLatin1(utf8);
    if (!latin1) return "data holds characters that ISO-8859-1 cannot hold";
    data = std::move(*latin1);
    return {};
}

}  // namespace

CodeRequestResult ParseCodeRequest(const QueryKeys& keys) {
    CodeRequest request;
    std::string utf8, charset = "UTF-8";
    const std::string rgb = "RRGGBB in hexadecimal";
    std::string why = TakeData(keys, utf8);
    if (why.empty()) why = TakeSize(keys, request);
    if (why.empty())
        why = TakeOptional(keys, "qzone", request.quietZone, ParseQuietZone,
                           "a number of modules, 0.." + std::to_string(kMaxQuietZone));
    if (why.empty()) why = TakeOptional(keys, "ecc", request.level, ParseLevel, "L, M, Q or H");
    if (why.empty()) why = TakeOptional(keys, "color", request.color, ParseRgb, rgb);
    if (why.empty()) why = TakeOptional(keys, "bgcolor", request.bgcolor, ParseRgb, rgb);
    if (why.empty())
        why = TakeOptional(keys, "charset-target", charset, ParseCharset, "UTF-8 or ISO-8859-1");
    if (why.empty()) why = Convert(utf8, charset, request.data);
    if (!why.empty()) return {std::nullopt, why};
    return {std::move(request), {}};
}

}  // namespace tessivo::qrservice
