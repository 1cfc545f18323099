// UTF-8 decoding and encoding on any bytes: the round trip is exact precisely for valid text,
// and counting, cutting and decoding agree with each other.
#include <string>

#include "fuzz/FuzzSupport.h"
#include "text/Utf8.h"

using namespace tessivo::text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = tessivo::fuzz::AsText(data, size);
    const std::u32string decoded = DecodeUtf8(bytes);
    const std::string encoded = EncodeUtf8(decoded);
    FUZZ_CHECK(decoded.size() <= size);
    FUZZ_CHECK(CharacterCount(bytes) == decoded.size());
    FUZZ_CHECK(IsValidUtf8(encoded));
    FUZZ_CHECK((encoded == bytes) == IsValidUtf8(bytes));
    FUZZ_CHECK(DecodeUtf8(encoded) == decoded);
    for (const char32_t c : decoded) FUZZ_CHECK(c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF));

    // Cutting after n characters keeps whole characters: a prefix that decodes to the first n.
    const std::size_t n = size == 0 ? 0 : data[0] % (decoded.size() + 2);
    const std::string first = FirstCharacters(bytes, n);
    FUZZ_CHECK(bytes.substr(0, first.size()) == first);
    FUZZ_CHECK(DecodeUtf8(first) == decoded.substr(0, n));
    if (IsValidUtf8(bytes)) FUZZ_CHECK(IsValidUtf8(first));

    // Any code points, read as 32-bit words, encode to valid text.
    std::u32string words;
    for (std::size_t i = 0; i + 4 <= size; i += 4)
        words.push_back(data[i] | data[i + 1] << 8 | data[i + 2] << 16 |
                        static_cast<char32_t>(data[i + 3]) << 24);
    const std::string wordsEncoded = EncodeUtf8(words);
    FUZZ_CHECK(IsValidUtf8(wordsEncoded));
    FUZZ_CHECK(CharacterCount(wordsEncoded) == words.size());
    return 0;
}
