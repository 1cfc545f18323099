#include "qrservice/CodeReader.h"

// ZXing 1.4 gives text() as UTF-8 std::string only when asked to.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>
#include <png.h>

#include <algorithm>
#include <cstring>

namespace tessivo::qrservice {
namespace {

constexpr int32_t kMaxRetrySide = 2000;

// One byte of luminance a pixel, top row first: what the reader works on. Converting once
// here spares the reader converting again on every attempt.
struct GreyPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> lum;
};

GreyPicture ToGrey(const Picture& picture) {
    GreyPicture grey{picture.width, picture.height, {}};
    grey.lum.resize(static_cast<std::size_t>(picture.width) * picture.height);
    const uint8_t* p = picture.rgb.data();
    for (uint8_t& out : grey.lum) {
        out = static_cast<uint8_t>((306 * p[0] + 601 * p[1] + 117 * p[2] + 512) >> 10);
        p += 3;
    }
    return grey;
}

std::optional<std::string> Read(const GreyPicture& picture) {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    const ZXing::ImageView view(picture.lum.data(), picture.width, picture.height,
                                ZXing::ImageFormat::Lum);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return std::nullopt;
    return result.text();
}

// The picture inside a white border: a code drawn to the picture's edge has no quiet zone,
// and a reader needs light around the finder patterns to see where they end.
GreyPicture WithBorder(const GreyPicture& picture) {
    const int32_t border = std::max(4, std::max(picture.width, picture.height) / 5);
    GreyPicture framed{picture.width + 2 * border, picture.height + 2 * border, {}};
    framed.lum.assign(static_cast<std::size_t>(framed.width) * framed.height, 0xFF);
    for (int32_t y = 0; y < picture.height; ++y)
        std::memcpy(&framed.lum[static_cast<std::size_t>(y + border) * framed.width + border],
                    &picture.lum[static_cast<std::size_t>(y) * picture.width],
                    static_cast<std::size_t>(picture.width));
    return framed;
}

GreyPicture Inverted(GreyPicture picture) {
    for (uint8_t& value : picture.lum) value = static_cast<uint8_t>(255 - value);
    return picture;
}

ReadResult ReadGrey(const GreyPicture& picture) {
    std::optional<std::string> text = Read(picture);
    // The retries copy the picture; only code-sized pictures are worth it (a photograph
    // has its own light around the code).
    const bool codeSized = picture.width <= kMaxRetrySide && picture.height <= kMaxRetrySide;
    if (!text && codeSized) text = Read(WithBorder(picture));
    if (!text && codeSized) text = Read(WithBorder(Inverted(picture)));
    if (!text) return {std::nullopt, "no QR code found in the picture"};
    return {std::move(text), {}};
}

bool IsPng(std::span<const uint8_t> bytes) {
    static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return bytes.size() >= sizeof kSignature &&
           std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin());
}

struct PngBytes {
    std::span<const uint8_t> bytes;
    std::size_t offset = 0;
};

void ReadFromSpan(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<PngBytes*>(png_get_io_ptr(png));
    if (length > source->bytes.size() - source->offset)
        png_error(png, "the PNG picture ends early");
    std::memcpy(out, source->bytes.data() + source->offset, length);
    source->offset += length;
}

// A palette PNG (every code picture is one) straight to luminance: the palette entries are
// turned to grey once and the rows read as indexes, which is many times faster than libpng's
// general colour conversion. False for any other PNG, or one libpng refuses, or one over
// kMaxPictureSide a side. Plain C types only between setjmp and a libpng error's longjmp.
bool DecodePalettePngGrey(std::span<const uint8_t> bytes, GreyPicture& grey) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    PngBytes source{bytes, 0};
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &source, ReadFromSpan);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    png_colorp palette = nullptr;
    int entries = 0;
    if (png_get_color_type(png, info) != PNG_COLOR_TYPE_PALETTE ||
        png_get_interlace_type(png, info) != PNG_INTERLACE_NONE || width == 0 || height == 0 ||
        width > static_cast<png_uint_32>(kMaxPictureSide) ||
        height > static_cast<png_uint_32>(kMaxPictureSide) ||
        png_get_PLTE(png, info, &palette, &entries) == 0 ||
        png_get_valid(png, info, PNG_INFO_tRNS) != 0) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    uint8_t toGrey[256] = {};  // indexes past the palette read as black
    for (int i = 0; i < entries && i < 256; ++i) {
        toGrey[i] = static_cast<uint8_t>(
            (306 * palette[i].red + 601 * palette[i].green + 117 * palette[i].blue + 512) >> 10);
    }
    png_set_packing(png);  // 1, 2 and 4-bit indexes to one byte each
    png_read_update_info(png, info);
    grey.width = static_cast<int32_t>(width);
    grey.height = static_cast<int32_t>(height);
    grey.lum.resize(static_cast<std::size_t>(width) * height);
    for (png_uint_32 y = 0; y < height; ++y) {
        uint8_t* row = &grey.lum[static_cast<std::size_t>(y) * width];
        png_read_row(png, row, nullptr);
        for (png_uint_32 x = 0; x < width; ++x) row[x] = toGrey[row[x]];
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

ReadResult ReadCode(const Picture& picture) {
    if (!IsValidPicture(picture)) return {std::nullopt, "the picture is empty or malformed"};
    return ReadGrey(ToGrey(picture));
}

ReadResult ReadCodeInImage(std::span<const uint8_t> bytes) {
    // A palette PNG, the usual upload, goes straight to grey; every other picture, and a PNG
    // the fast way refuses, goes the general way, so a refusal carries the general reason.
    if (IsPng(bytes)) {
        GreyPicture grey;
        if (DecodePalettePngGrey(bytes, grey)) return ReadGrey(grey);
    }
    const PictureResult decoded = DecodeImage(bytes);
    if (!decoded.picture) return {std::nullopt, decoded.error};
    return ReadCode(*decoded.picture);
}

}  // namespace tessivo::qrservice
