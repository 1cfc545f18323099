// PNG through libpng's simplified API, which does its own error recovery (no setjmp here)
// and converts every colour type and bit depth to 8-bit RGB.
#include "qrclient/Picture.h"

#include <png.h>

#include <algorithm>
#include <cstring>

namespace tessivo {

PictureResult DecodePng(std::span<const uint8_t> png) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) {
        return {std::nullopt, std::string("not a readable PNG picture: ") + image.message};
    }
    if (image.width == 0 || image.height == 0 || image.width > kMaxPictureSide ||
        image.height > kMaxPictureSide) {
        png_image_free(&image);
        return {std::nullopt, "PNG picture of " + std::to_string(image.width) + "x" +
                                  std::to_string(image.height) + " pixels is too large (at most " +
                                  std::to_string(kMaxPictureSide) + " a side)"};
    }
    image.format = PNG_FORMAT_RGB;
    Picture picture;
    picture.width = static_cast<int32_t>(image.width);
    picture.height = static_cast<int32_t>(image.height);
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    const png_color black{0, 0, 0};
    if (!png_image_finish_read(&image, &black, picture.rgb.data(), 0, nullptr)) {
        return {std::nullopt, std::string("damaged PNG picture: ") + image.message};
    }
    return {std::move(picture), {}};
}

namespace {

// The picture as indexes into a table of at most 256 colours (red, green, blue each), or
// false when it has more colours than that.
bool IndexColours(const Picture& picture, std::vector<uint8_t>& indexes,
                  std::vector<uint8_t>& table) {
    std::vector<uint32_t> colours;
    indexes.resize(picture.rgb.size() / 3);
    std::size_t last = 0;
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const uint8_t* p = &picture.rgb[i * 3];
        const uint32_t colour = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
        if (last >= colours.size() || colours[last] != colour) {
            last = static_cast<std::size_t>(std::find(colours.begin(), colours.end(), colour) -
                                            colours.begin());
            if (last == colours.size()) {
                if (colours.size() == 256) return false;
                colours.push_back(colour);
                table.insert(table.end(), p, p + 3);
            }
        }
        indexes[i] = static_cast<uint8_t>(last);
    }
    return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodePng(const Picture& picture) {
    if (!IsValidPicture(picture)) return std::nullopt;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    // Code pictures have two colours: with a colour table they take one bit a pixel, which
    // makes the file a fraction of the size and both ends of the trip faster.
    std::vector<uint8_t> indexes, table;
    const bool mapped = IndexColours(picture, indexes, table);
    image.format = mapped ? PNG_FORMAT_RGB_COLORMAP : PNG_FORMAT_RGB;
    image.colormap_entries = mapped ? static_cast<png_uint_32>(table.size() / 3) : 0;
    // Large flat areas: the fast setting compresses them nearly as well.
    image.flags = PNG_IMAGE_FLAG_FAST;
    std::vector<uint8_t> out(PNG_IMAGE_PNG_SIZE_MAX(image));
    png_alloc_size_t size = out.size();
    const void* pixels = mapped ? indexes.data() : picture.rgb.data();
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0,
                                   mapped ? table.data() : nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    out.resize(size);
    return out;
}

}  // namespace tessivo
