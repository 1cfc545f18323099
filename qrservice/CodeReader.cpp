#include "qrservice/CodeReader.h"

// ZXing 1.4 gives text() as UTF-8 std::string only when asked to.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <cstring>

namespace tessivo::qrservice {
namespace {

constexpr int32_t kMaxRetrySide = 2000;

std::optional<std::string> Read(const Picture& picture) {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    const ZXing::ImageView view(picture.rgb.data(), picture.width, picture.height,
                                ZXing::ImageFormat::RGB);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return std::nullopt;
    return result.text();
}

// The picture inside a white border: a code drawn to the picture's edge has no quiet zone,
// and a reader needs light around the finder patterns to see where they end.
Picture WithBorder(const Picture& picture) {
    const int32_t border = std::max(4, std::max(picture.width, picture.height) / 5);
    Picture framed =
        SolidPicture(picture.width + 2 * border, picture.height + 2 * border, 0xFFFFFF);
    const std::size_t inRow = static_cast<std::size_t>(picture.width) * 3;
    const std::size_t outRow = static_cast<std::size_t>(framed.width) * 3;
    for (int32_t y = 0; y < picture.height; ++y)
        std::memcpy(&framed.rgb[(y + border) * outRow + static_cast<std::size_t>(border) * 3],
                    &picture.rgb[y * inRow], inRow);
    return framed;
}

Picture Inverted(Picture picture) {
    for (uint8_t& byte : picture.rgb) byte = static_cast<uint8_t>(255 - byte);
    return picture;
}

}  // namespace

ReadResult ReadCode(const Picture& picture) {
    if (!IsValidPicture(picture)) return {std::nullopt, "the picture is empty or malformed"};
    std::optional<std::string> text = Read(picture);
    // The retries copy the picture; only code-sized pictures are worth it (a photograph
    // has its own light around the code).
    const bool codeSized = picture.width <= kMaxRetrySide && picture.height <= kMaxRetrySide;
    if (!text && codeSized) text = Read(WithBorder(picture));
    if (!text && codeSized) text = Read(WithBorder(Inverted(picture)));
    if (!text) return {std::nullopt, "no QR code found in the picture"};
    return {std::move(text), {}};
}

ReadResult ReadCodeInImage(std::span<const uint8_t> bytes) {
    const PictureResult decoded = DecodeImage(bytes);
    if (!decoded.picture) return {std::nullopt, decoded.error};
    return ReadCode(*decoded.picture);
}

}  // namespace tessivo::qrservice
