// JPEG decoding: any bytes give a valid picture or a reason; a decoded picture encodes again
// and decodes to a picture of the same size.
#include "fuzz/PictureChecks.h"

using namespace tessivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PictureResult result = DecodeJpeg(fuzz::AsBytes(data, size));
    fuzz::CheckPictureResult(result);
    if (result.picture && fuzz::IsSmall(*result.picture)) {
        const PictureResult again = DecodeJpeg(EncodeJpeg(*result.picture));
        FUZZ_CHECK(again.picture && again.picture->width == result.picture->width &&
                   again.picture->height == result.picture->height);
    }
    return 0;
}
