#include "lists/FieldReader.h"

#include <cstddef>

namespace tessivo::lists {
namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool IsBlank(char c) {
    return c == ' ' || IsLineEnd(c);
}

// Consumes the delimiter at `pos` (a comma or one line end); returns true for a comma.
bool ConsumeDelimiter(std::string_view bytes, std::size_t& pos) {
    if (pos >= bytes.size()) return false;
    const char c = bytes[pos++];
    if (c == ',') return true;
    if (c == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    return false;
}

std::string ReadOneField(std::string_view bytes, std::size_t& pos) {
    std::string field;
    if (pos < bytes.size() && bytes[pos] == '"') {
        const std::size_t start = pos + 1;
        const std::size_t close = bytes.find('"', start);
        const std::size_t end = close == std::string_view::npos ? bytes.size() : close;
        field.assign(bytes.substr(start, end - start));
        pos = end == bytes.size() ? end : end + 1;
        while (pos < bytes.size() && bytes[pos] != ',' && !IsLineEnd(bytes[pos])) ++pos;
    } else {
        const std::size_t start = pos;
        while (pos < bytes.size() && bytes[pos] != ',' && !IsLineEnd(bytes[pos])) ++pos;
        std::size_t end = pos;
        while (end > start && bytes[end - 1] == ' ') --end;
        field.assign(bytes.substr(start, end - start));
    }
    return field;
}

}  // namespace

std::vector<std::string> ReadFields(std::string_view bytes) {
    // Everything after the last byte that is not a space or line end is "the end of the file".
    std::size_t contentEnd = bytes.size();
    while (contentEnd > 0 && IsBlank(bytes[contentEnd - 1])) --contentEnd;

    std::vector<std::string> fields;
    std::size_t pos = 0;
    bool commaPending = false;
    while (true) {
        while (pos < bytes.size() && bytes[pos] == ' ') ++pos;
        if (pos >= contentEnd && !commaPending) break;
        fields.push_back(ReadOneField(bytes, pos));
        commaPending = ConsumeDelimiter(bytes, pos);
    }
    return fields;
}

}  // namespace tessivo::lists
