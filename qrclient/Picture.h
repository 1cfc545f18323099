#pragma once
// Pictures: the code pictures the QR service answers with, the images a user asks to decode,
// and the bitmap files the posters are made from. A picture is 24-bit RGB, top row first.
//
// Every reader here takes untrusted bytes: sizes are checked before anything is allocated,
// pictures over kMaxPictureSide pixels on a side are refused, and truncated or corrupt data
// gives an error text, never a crash and never a read past the end.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessivo {

// Width and height in pixels; rgb holds height rows of width pixels, top row first, three
// bytes per pixel in the order red, green, blue, with no padding between rows.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb;

    friend bool operator==(const Picture&, const Picture&) = default;
};

// The largest width or height any reader accepts or any writer produces.
inline constexpr int32_t kMaxPictureSide = 10'000;

// True when both sides are in 1..kMaxPictureSide and rgb holds exactly width*height*3 bytes.
bool IsValidPicture(const Picture& picture);

// A picture filled with one colour (0xRRGGBB). Sides must be in 1..kMaxPictureSide.
Picture SolidPicture(int32_t width, int32_t height, uint32_t rgb);

// A picture, or the reason (one line, in words a user can follow) there is none.
struct PictureResult {
    std::optional<Picture> picture;
    std::string error;
};

// Decodes a PNG of any colour type and bit depth. Transparent pixels are laid over black, so
// a fully transparent pixel comes out black.
PictureResult DecodePng(std::span<const uint8_t> png);

// Encodes as a PNG: with a colour table (1 to 8 bits a pixel) when the picture has at most
// 256 colours, else 8-bit RGB. None when the picture is not valid.
std::optional<std::vector<uint8_t>> EncodePng(const Picture& picture);

// Decodes a Windows bitmap: uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel (16 and 32
// also with bit-field masks), bottom-up or top-down rows.
PictureResult DecodeBmp(std::span<const uint8_t> bmp);

// Encodes as an uncompressed 24-bit bottom-up Windows bitmap: a 14-byte file header, a
// 40-byte info header (resolution fields 0), then rows padded to 4 bytes, blue-green-red.
// Empty when the picture is not valid.
std::vector<uint8_t> EncodeBmp(const Picture& picture);

// Decodes a baseline or progressive JPEG (grey or colour). A JPEG that ends early is
// refused rather than shown half grey.
PictureResult DecodeJpeg(std::span<const uint8_t> jpeg);

// Encodes as a baseline colour JPEG at `quality` (1..100, clamped). Empty when the picture is
// not valid.
std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality = 90);

// Decodes PNG, BMP or JPEG bytes, told apart by their signatures.
PictureResult DecodeImage(std::span<const uint8_t> bytes);

// Reads an image file (PNG, BMP or JPEG) of at most kMaxImageFileBytes.
inline constexpr std::size_t kMaxImageFileBytes = 64u << 20;
PictureResult ReadImageFile(const std::filesystem::path& path);

// The outcome of writing a file: ok, or an error naming the path and the reason.
struct SaveResult {
    bool ok = false;
    std::string error;
};

// Saves the picture as an uncompressed 24-bit bottom-up bitmap. The bytes go to a temporary
// file beside the target, which is then renamed over it, so a failed save never leaves a
// half-written file under the target's name. Never throws for I/O.
[[nodiscard]] SaveResult SavePicture(const Picture& picture, const std::filesystem::path& path);

}  // namespace tessivo
