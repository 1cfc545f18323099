#pragma once
// Upper-casing for name lookups. Names are compared "when both are upper-cased": ASCII
// letters, the Latin-1 letters (U+00E0..U+00FE except U+00F7, and U+00FF) and the other lower
// case letters of Windows-1252 (U+0161, U+0153, U+017E) are mapped to their capitals; every
// other character is kept, so "ß" and "µ" stay as they are.

#include <string>
#include <string_view>

namespace tessivo::lists {

// UTF-8 in, UTF-8 out; a malformed sequence comes back as U+FFFD per byte.
std::string UpperCase(std::string_view utf8);

// True when the two texts are equal once both are upper-cased.
bool SameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tessivo::lists
