// Windows-1252 conversions on any bytes: every byte string survives the trip through UTF-8,
// every character of valid text keeps its place, and the two single-character maps agree.
#include <string>

#include "fuzz/FuzzSupport.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

using namespace tessivo::text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = tessivo::fuzz::AsText(data, size);

    // The input as code-page bytes.
    const std::string utf8 = Cp1252ToUtf8(bytes);
    FUZZ_CHECK(IsValidUtf8(utf8));
    FUZZ_CHECK(CharacterCount(utf8) == size);
    FUZZ_CHECK(Utf8ToCp1252(utf8) == bytes);

    // The input as UTF-8 text: one byte per character, "?" exactly where the page has none.
    const std::string cp1252 = Utf8ToCp1252(bytes);
    const std::u32string characters = DecodeUtf8(bytes);
    FUZZ_CHECK(cp1252.size() == characters.size());
    bool allHeld = true;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const int byte = Cp1252FromCodePoint(characters[i]);
        FUZZ_CHECK(byte >= -1 && byte <= 255);
        if (byte < 0) {
            allHeld = false;
            FUZZ_CHECK(cp1252[i] == '?');
        } else {
            FUZZ_CHECK(static_cast<unsigned char>(cp1252[i]) == byte);
            FUZZ_CHECK(CodePointFromCp1252(static_cast<unsigned char>(byte)) == characters[i]);
        }
    }
    if (allHeld && IsValidUtf8(bytes)) FUZZ_CHECK(Cp1252ToUtf8(cp1252) == bytes);
    return 0;
}
