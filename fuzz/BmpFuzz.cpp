// Bitmap decoding: any bytes give a valid picture or a reason; a decoded picture written again
// as a bitmap decodes to the same pixels.
#include "fuzz/PictureChecks.h"

using namespace tessivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PictureResult result = DecodeBmp(fuzz::AsBytes(data, size));
    fuzz::CheckPictureResult(result);
    if (result.picture && fuzz::IsSmall(*result.picture)) {
        const PictureResult again = DecodeBmp(EncodeBmp(*result.picture));
        FUZZ_CHECK(again.picture == result.picture);
    }
    return 0;
}
