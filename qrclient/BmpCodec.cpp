// Windows bitmaps, the system's own reader and writer. Layout of a bitmap file: a 14-byte
// file header ("BM", file size, reserved, offset of the pixels), an info header whose first
// four bytes give its size (12 for the old core header, 40 and up for the others), an
// optional colour table, then rows padded to 4 bytes, bottom row first unless the height is
// negative.
#include "qrclient/Picture.h"

#include <array>
#include <bit>

namespace tessivo {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

PictureResult Refuse(const std::string& why) {
    return {std::nullopt, "bitmap: " + why};
}

uint32_t ReadLe(std::span<const uint8_t> bytes, std::size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + i];
    return value;
}

void WriteLe(std::vector<uint8_t>& out, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// One channel described by a bit mask, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    uint8_t Take(uint32_t pixel) const {
        if (max == 0) return 0;
        return static_cast<uint8_t>(((pixel & mask) >> shift) * 255u / max);
    }
};

struct Layout {
    int32_t width = 0;
    int32_t height = 0;  // always positive here
    bool topDown = false;
    int bits = 0;
    uint32_t compression = kBiRgb;
    std::size_t headerSize = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteCount = 0;
    std::array<uint32_t, 3> masks{};
};

// Reads the info header; the error is empty when the layout is usable.
std::string ReadLayout(std::span<const uint8_t> bmp, Layout& l) {
    l.headerSize = ReadLe(bmp, kFileHeaderSize, 4);
    if (l.headerSize < 12 || l.headerSize > bmp.size() - kFileHeaderSize)
        return "info header size out of range";
    const std::size_t h = kFileHeaderSize;
    int64_t height = 0;
    if (l.headerSize == 12) {
        l.width = static_cast<int32_t>(ReadLe(bmp, h + 4, 2));
        height = static_cast<int16_t>(ReadLe(bmp, h + 6, 2));
        l.bits = static_cast<int>(ReadLe(bmp, h + 10, 2));
        l.paletteEntrySize = 3;
    } else {
        if (l.headerSize < kInfoHeaderSize) return "info header size out of range";
        l.width = static_cast<int32_t>(ReadLe(bmp, h + 4, 4));
        height = static_cast<int32_t>(ReadLe(bmp, h + 8, 4));
        l.bits = static_cast<int>(ReadLe(bmp, h + 14, 2));
        l.compression = ReadLe(bmp, h + 16, 4);
        l.paletteCount = ReadLe(bmp, h + 32, 4);
    }
    l.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (l.width <= 0 || height <= 0 || l.width > kMaxPictureSide || height > kMaxPictureSide)
        return "size " + std::to_string(l.width) + "x" + std::to_string(height) +
               " out of range (1.." + std::to_string(kMaxPictureSide) + " a side)";
    l.height = static_cast<int32_t>(height);
    if (l.compression != kBiRgb && l.compression != kBiBitfields &&
        l.compression != kBiAlphaBitfields)
        return "compressed bitmaps (method " + std::to_string(l.compression) +
               ") are not supported";
    const bool maskBits = l.bits == 16 || l.bits == 32;
    if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 24 && !maskBits)
        return std::to_string(l.bits) + " bits per pixel are not supported";
    if (l.compression != kBiRgb && !maskBits) return "bit-field masks need 16 or 32 bits";
    if (l.bits <= 8) {
        const std::size_t full = std::size_t{1} << l.bits;
        if (l.paletteCount == 0 || l.paletteCount > full) l.paletteCount = full;
    } else {
        l.paletteCount = 0;
    }
    if (l.compression == kBiRgb) {
        l.masks = l.bits == 16 ? std::array<uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                               : std::array<uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
    } else {
        // The masks sit in the header from version 2 on, else right after the 40 bytes.
        const std::size_t at = h + kInfoHeaderSize;
        if (at + 12 > bmp.size()) return "bit-field masks missing";
        for (int i = 0; i < 3; ++i) l.masks[i] = ReadLe(bmp, at + 4 * i, 4);
        if (l.headerSize == kInfoHeaderSize)
            l.headerSize += l.compression == kBiAlphaBitfields ? 16 : 12;
    }
    return {};
}

}  // namespace

PictureResult DecodeBmp(std::span<const uint8_t> bmp) {
    if (bmp.size() < kFileHeaderSize + 16 || bmp[0] != 'B' || bmp[1] != 'M')
        return Refuse("not a Windows bitmap");
    Layout l;
    if (std::string why = ReadLayout(bmp, l); !why.empty()) return Refuse(why);

    const std::size_t paletteAt = kFileHeaderSize + l.headerSize;
    if (paletteAt > bmp.size() || l.paletteCount > (bmp.size() - paletteAt) / l.paletteEntrySize)
        return Refuse("colour table cut short");
    const std::size_t stride = ((static_cast<std::size_t>(l.width) * l.bits + 31) / 32) * 4;
    const std::size_t pixelsAt = ReadLe(bmp, 10, 4);
    if (pixelsAt > bmp.size() || stride * l.height > bmp.size() - pixelsAt)
        return Refuse("pixel rows cut short");

    const Channel red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]);
    Picture p;
    p.width = l.width;
    p.height = l.height;
    p.rgb.resize(static_cast<std::size_t>(l.width) * l.height * 3);
    for (int32_t y = 0; y < l.height; ++y) {
        const std::size_t row = pixelsAt + stride * (l.topDown ? y : l.height - 1 - y);
        uint8_t* out = &p.rgb[static_cast<std::size_t>(y) * l.width * 3];
        for (int32_t x = 0; x < l.width; ++x, out += 3) {
            if (l.bits <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * l.bits;
                const unsigned shift = 8 - l.bits - (bit % 8);
                const std::size_t index = (bmp[row + bit / 8] >> shift) & ((1u << l.bits) - 1);
                if (index >= l.paletteCount) continue;  // outside the table: stays black
                const std::size_t e = paletteAt + index * l.paletteEntrySize;
                out[0] = bmp[e + 2];
                out[1] = bmp[e + 1];
                out[2] = bmp[e];
            } else if (l.bits == 24) {
                const std::size_t at = row + static_cast<std::size_t>(x) * 3;
                out[0] = bmp[at + 2];
                out[1] = bmp[at + 1];
                out[2] = bmp[at];
            } else {
                const int bytes = l.bits / 8;
                const uint32_t pixel =
                    ReadLe(bmp, row + static_cast<std::size_t>(x) * bytes, bytes);
                out[0] = red.Take(pixel);
                out[1] = green.Take(pixel);
                out[2] = blue.Take(pixel);
            }
        }
    }
    return {std::move(p), {}};
}

std::vector<uint8_t> EncodeBmp(const Picture& picture) {
    if (!IsValidPicture(picture)) return {};
    const uint32_t stride = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(picture.height);
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    WriteLe(out, offset + imageSize, 4);
    WriteLe(out, 0, 4);  // reserved
    WriteLe(out, offset, 4);
    WriteLe(out, kInfoHeaderSize, 4);
    WriteLe(out, static_cast<uint32_t>(picture.width), 4);
    WriteLe(out, static_cast<uint32_t>(picture.height), 4);  // positive: bottom row first
    WriteLe(out, 1, 2);                                      // planes
    WriteLe(out, 24, 2);
    WriteLe(out, kBiRgb, 4);
    WriteLe(out, imageSize, 4);
    for (int i = 0; i < 4; ++i) WriteLe(out, 0, 4);  // resolution and colour counts
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    for (int32_t y = picture.height - 1; y >= 0; --y) {
        const uint8_t* in = &picture.rgb[static_cast<std::size_t>(y) * rowBytes];
        for (int32_t x = 0; x < picture.width; ++x, in += 3) {
            out.push_back(in[2]);
            out.push_back(in[1]);
            out.push_back(in[0]);
        }
        out.insert(out.end(), stride - rowBytes, 0);
    }
    return out;
}

}  // namespace tessivo
