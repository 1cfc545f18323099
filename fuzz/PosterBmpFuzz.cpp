// The poster writer's bitmap reader, which reads from a path: the input goes to a scratch
// file. Whatever it accepts has the documented shape in colour and grey, and the same pixels
// as the picture decoder shows for a file both accept.
#include <algorithm>

#include "fuzz/FuzzSupport.h"
#include "posterpdf/BmpReader.h"
#include "qrclient/Picture.h"

using namespace tessivo;
using posterpdf::BmpImage;

namespace {

std::uint32_t U32At(const std::uint8_t* data) {
    return data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

std::size_t RowBytes(const BmpImage& image) {
    return (static_cast<std::size_t>(image.width) * image.bits + 7) / 8;
}

void CheckShape(const BmpImage& image, bool grey) {
    FUZZ_CHECK(image.width >= 1 && image.width <= posterpdf::kMaxBmpSide);
    FUZZ_CHECK(image.height >= 1 && image.height <= posterpdf::kMaxBmpSide);
    const std::size_t pixelsPerRow = static_cast<std::size_t>(image.width);
    const std::size_t perEntry = grey ? 1 : 3;
    if (image.bits == 24) {
        FUZZ_CHECK(image.palette.empty());
        FUZZ_CHECK(image.pixels.size() == pixelsPerRow * perEntry * image.height);
    } else {
        FUZZ_CHECK(image.bits == 1 || image.bits == 4 || image.bits == 8);
        FUZZ_CHECK(image.palette.size() == (std::size_t{1} << image.bits) * perEntry);
        FUZZ_CHECK(image.pixels.size() == RowBytes(image) * image.height);
    }
}

// The colour of pixel (x, row) of a colour image; rows in file order.
const std::uint8_t* ColourAt(const BmpImage& image, std::int32_t x, std::int32_t row) {
    if (image.bits == 24)
        return &image.pixels[(static_cast<std::size_t>(row) * image.width + x) * 3];
    const std::size_t bit = static_cast<std::size_t>(x) * image.bits;
    const std::uint8_t packed = image.pixels[row * RowBytes(image) + bit / 8];
    const unsigned index = (packed >> (8 - image.bits - bit % 8)) & ((1u << image.bits) - 1);
    return &image.palette[index * 3];
}

// The picture decoder keeps pixels past a short colour table black, so only files with a full
// table (colours-used 0 or at least 2^bits) are compared.
void CompareWithPictureDecoder(std::span<const std::uint8_t> bytes, const BmpImage& image) {
    if (image.bits <= 8) {
        const std::uint32_t coloursUsed = U32At(&bytes[46]);
        if (coloursUsed != 0 && coloursUsed < (1u << image.bits)) return;
    }
    const PictureResult decoded = DecodeBmp(bytes);
    if (!decoded.picture) return;
    const Picture& picture = *decoded.picture;
    FUZZ_CHECK(picture.width == image.width && picture.height == image.height);
    for (std::int32_t y = 0; y < picture.height; ++y) {
        for (std::int32_t x = 0; x < picture.width; ++x) {
            const std::uint8_t* theirs =
                &picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3];
            const std::uint8_t* ours = ColourAt(image, x, image.height - 1 - y);
            FUZZ_CHECK(std::equal(ours, ours + 3, theirs));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::ScratchFile file("poster.bmp");
    const std::filesystem::path& path = file.Write(fuzz::AsText(data, size));
    const std::optional<BmpImage> colour = posterpdf::ReadBMPFile(path, 0);
    const std::optional<BmpImage> grey = posterpdf::ReadBMPFile(path, 1);
    FUZZ_CHECK(colour.has_value() == grey.has_value());
    if (!colour) return 0;
    CheckShape(*colour, false);
    CheckShape(*grey, true);
    FUZZ_CHECK(colour->width == grey->width && colour->height == grey->height &&
               colour->bits == grey->bits);
    if (colour->bits <= 8) FUZZ_CHECK(colour->pixels == grey->pixels);
    CompareWithPictureDecoder(fuzz::AsBytes(data, size), *colour);
    return 0;
}
