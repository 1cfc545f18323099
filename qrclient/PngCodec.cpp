// PNG through libpng. Reading and general writing use the simplified API, which does its own
// error recovery and converts every colour type and bit depth to 8-bit RGB. Two-colour
// pictures (every code picture) are written with the low-level API as one bit a pixel: the
// compressor then sees an eighth of the bytes, which makes the service's answers several
// times faster to make.
#include "qrclient/Picture.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

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
    const std::size_t count = picture.rgb.size() / 3;
    indexes.resize(count);
    const uint8_t* p = picture.rgb.data();
    uint8_t* index = indexes.data();
    uint32_t lastColour = 0;
    uint8_t lastIndex = 0;
    bool haveLast = false;
    for (std::size_t i = 0; i < count; ++i, p += 3) {
        const uint32_t colour = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
        // Runs of one colour are the rule: only a change of colour looks in the table.
        if (!haveLast || colour != lastColour) {
            const std::size_t found = static_cast<std::size_t>(
                std::find(colours.begin(), colours.end(), colour) - colours.begin());
            if (found == colours.size()) {
                if (colours.size() == 256) return false;
                colours.push_back(colour);
                table.insert(table.end(), p, p + 3);
            }
            lastIndex = static_cast<uint8_t>(found);
            lastColour = colour;
            haveLast = true;
        }
        index[i] = lastIndex;
    }
    return true;
}

}  // namespace

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

uint32_t ColourAt(const uint8_t* p) {
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

// The picture's colours when it has at most two (the first pixel's first), else nothing.
std::optional<std::array<uint32_t, 2>> TwoColours(const Picture& picture, int& count) {
    const uint8_t* p = picture.rgb.data();
    const uint8_t* const end = p + picture.rgb.size();
    std::array<uint32_t, 2> colours{ColourAt(p), ColourAt(p)};
    count = 1;
    for (; p != end; p += 3) {
        const uint32_t colour = ColourAt(p);
        if (colour == colours[0] || colour == colours[1]) continue;
        if (count == 2) return std::nullopt;
        colours[1] = colour;
        count = 2;
    }
    return colours;
}

// Writes a picture of at most two colours as a 1-bit palette PNG: bit 1 for the second
// colour. Plain C types only between setjmp and a libpng error's longjmp.
bool WriteTwoColourPng(const Picture& picture, const std::array<uint32_t, 2>& colours, int count,
                       std::vector<uint8_t>& out) {
    const std::size_t rowBytes = (static_cast<std::size_t>(picture.width) + 7) / 8;
    std::vector<uint8_t> packed(rowBytes * picture.height, 0);
    const uint8_t* p = picture.rgb.data();
    for (int32_t y = 0; y < picture.height; ++y) {
        uint8_t* row = &packed[rowBytes * y];
        for (int32_t x = 0; x < picture.width; ++x, p += 3) {
            if (ColourAt(p) != colours[0]) row[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
        }
    }
    png_color palette[2] = {};
    for (int i = 0; i < 2; ++i) {
        palette[i] = {static_cast<png_byte>(colours[i] >> 16),
                      static_cast<png_byte>(colours[i] >> 8), static_cast<png_byte>(colours[i])};
    }

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, AppendToVector, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), 1, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette, count);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (int32_t y = 0; y < picture.height; ++y) png_write_row(png, &packed[rowBytes * y]);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
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
    int count = 0;
    if (const auto colours = TwoColours(picture, count)) {
        std::vector<uint8_t> out;
        if (WriteTwoColourPng(picture, *colours, count, out)) return out;
    }
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
