// PNG decoding: any bytes give a valid picture or a reason; a decoded picture written again
// as PNG decodes to the same pixels. Each input is tried as given and, when its chunk CRCs
// are wrong, once more with them put right.
#include "fuzz/PictureChecks.h"
#include "fuzz/PngChunks.h"

using namespace tessivo;

namespace {

void Decode(std::span<const std::uint8_t> bytes) {
    const PictureResult result = DecodePng(bytes);
    fuzz::CheckPictureResult(result);
    if (result.picture && fuzz::IsSmall(*result.picture)) {
        const auto png = EncodePng(*result.picture);
        FUZZ_CHECK(png.has_value());
        const PictureResult again = DecodePng(*png);
        FUZZ_CHECK(again.picture == result.picture);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::TryAsGivenAndWithRightCrcs(data, size, Decode);
    return 0;
}
