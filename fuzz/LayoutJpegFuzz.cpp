// The layout writer's JPEG marker reader: any bytes are accepted with a usable frame or
// refused with a reason, never read past. A file that libjpeg also decodes has the size the
// marker reader found.
#include <string>

#include "fuzz/FuzzSupport.h"
#include "layoutpdf/JpegReader.h"
#include "qrclient/Picture.h"

using namespace tessivo;
using layoutpdf::JpegRejection;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(fuzz::AsText(data, size));
    const layoutpdf::JpegInfo info = layoutpdf::ReadJpeg(bytes);
    FUZZ_CHECK((info.rejection == JpegRejection::TooSmall) == (size < 250));
    if (info.rejection == JpegRejection::BadResolution) FUZZ_CHECK(info.unitValue > 2);
    if (info.rejection != JpegRejection::None) {
        FUZZ_CHECK(info.data.empty());
        return 0;
    }
    FUZZ_CHECK(info.width >= 1 && info.width <= 65535);
    FUZZ_CHECK(info.height >= 1 && info.height <= 65535);
    FUZZ_CHECK(info.bitsPerComponent >= 1 && info.bitsPerComponent <= 255);
    FUZZ_CHECK(info.colorSpace == "DeviceGray" || info.colorSpace == "DeviceRGB" ||
               info.colorSpace == "DeviceCMYK");
    FUZZ_CHECK(info.data == bytes);

    const PictureResult decoded = DecodeJpeg(fuzz::AsBytes(data, size));
    if (decoded.picture) {
        FUZZ_CHECK(decoded.picture->width == info.width);
        FUZZ_CHECK(decoded.picture->height == info.height);
        FUZZ_CHECK(info.colorSpace != "DeviceCMYK");
    }
    return 0;
}
