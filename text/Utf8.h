#pragma once
// UTF-8 helpers. The core keeps text as UTF-8 std::string; lengths and positions that users
// see (title limits, the title split) count characters (code points), never bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessivo::text {

// Decodes UTF-8 into code points. A malformed or truncated sequence, an overlong form, a
// surrogate or a value above U+10FFFF decodes as U+FFFD for each byte it spans, so every
// input gives some text and nothing reads past the end.
std::u32string DecodeUtf8(std::string_view utf8);

// Encodes code points as UTF-8; surrogates and values above U+10FFFF become U+FFFD.
std::string EncodeUtf8(std::u32string_view text);

// Number of characters (code points) in UTF-8 text, counted as DecodeUtf8 counts them.
std::size_t CharacterCount(std::string_view utf8);

// The first `count` characters of UTF-8 text (all of it when shorter).
std::string FirstCharacters(std::string_view utf8, std::size_t count);

// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace tessivo::text
