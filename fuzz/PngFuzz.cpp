// PNG decoding: any bytes give a valid picture or a reason; a decoded picture written again
// as PNG decodes to the same pixels.
#include "fuzz/PictureChecks.h"

using namespace tessivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PictureResult result = DecodePng(fuzz::AsBytes(data, size));
    fuzz::CheckPictureResult(result);
    if (result.picture && fuzz::IsSmall(*result.picture)) {
        const auto png = EncodePng(*result.picture);
        FUZZ_CHECK(png.has_value());
        const PictureResult again = DecodePng(*png);
        FUZZ_CHECK(again.picture == result.picture);
    }
    return 0;
}
