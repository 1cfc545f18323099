#pragma once
// Reader for uncompressed Windows bitmap files (.bmp), the pictures the QR flows save.
//
// Read: a 14-byte file header ("BM", file size, reserved words, pixel data offset), an
// information header of at least 40 bytes, for 1, 4 and 8 bits per pixel a palette of 2^bits
// entries of blue, green, red, reserved right after the information header (always 2^bits
// entries: the colours-used field is not consulted), then bottom-up rows padded to 4 bytes.
// Refused (no result): a missing file, a signature other than "BM", an information header
// shorter than 40 bytes, bit depths other than 1, 4, 8 and 24, any compression, a width or
// height below 1 or above kMaxBmpSide (a negative height marks a top-down file), and a file
// that ends before its last pixel row begins. A file that ends inside its last row, or inside
// its palette, reads as zeros past its end. Nothing larger than the file itself (plus one row)
// is ever allocated.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace tessivo::posterpdf {

inline constexpr std::int32_t kMaxBmpSide = 32767;

struct BmpImage {
    // 1, 4, 8 bits: the packed palette indices of each row without the file's row padding.
    // 24 bits: red, green, blue per pixel, or one grey byte per pixel in grey mode.
    // Rows in file order: bottom row first.
    std::vector<std::uint8_t> pixels;
    // 1, 4, 8 bits: 2^bits entries of red, green, blue, or one grey byte each in grey mode.
    // Empty for 24 bits.
    std::vector<std::uint8_t> palette;
    std::int32_t width = 0;   // pixels, 1..kMaxBmpSide
    std::int32_t height = 0;  // pixels, 1..kMaxBmpSide
    std::uint8_t bits = 0;    // 1, 4, 8 or 24
};

// Reads the bitmap at path. colorSpace 0 keeps colours; any other value converts every colour
// to grey as round(0.33 red + 0.59 green + 0.11 blue), halves to even, limited to 255.
// Returns no value for the refused files above. Throws PosterPdfFileError naming the path when
// the file exists but cannot be read.
std::optional<BmpImage> ReadBMPFile(const std::filesystem::path& path, std::int32_t colorSpace);

}  // namespace tessivo::posterpdf
