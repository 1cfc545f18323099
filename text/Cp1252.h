#pragma once
// Windows-1252, the single-byte code page of the list files and of PDF text.

#include <string>
#include <string_view>

namespace tessivo::text {

// UTF-8 to Windows-1252. A character the code page cannot hold (and any malformed UTF-8
// sequence) is written as "?".
std::string Utf8ToCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined (81, 8D, 8F, 90, 9D
// hexadecimal) map to the control characters of the same value, as Windows does, so every
// byte string converts and converts back unchanged.
std::string Cp1252ToUtf8(std::string_view bytes);

// The Windows-1252 byte of one code point, or -1 when the code page cannot hold it.
int Cp1252FromCodePoint(char32_t codePoint);

// The code point of one Windows-1252 byte.
char32_t CodePointFromCp1252(unsigned char byte);

}  // namespace tessivo::text
