// The decoding service's reader on uploaded bytes: a code's text as UTF-8, or a reason. A PNG
// whose chunk CRCs are wrong is tried once more with them put right, so that mutations reach
// the palette fast path.
#include "fuzz/FuzzSupport.h"
#include "fuzz/PngChunks.h"
#include "qrservice/CodeReader.h"
#include "text/Utf8.h"

using namespace tessivo;

namespace {

void Read(std::span<const std::uint8_t> bytes) {
    const qrservice::ReadResult result = qrservice::ReadCodeInImage(bytes);
    if (result.text) {
        FUZZ_CHECK(result.error.empty());
        FUZZ_CHECK(text::IsValidUtf8(*result.text));
    } else {
        FUZZ_CHECK(!result.error.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::TryAsGivenAndWithRightCrcs(data, size, Read);
    return 0;
}
