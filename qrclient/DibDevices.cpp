#include "qrclient/DibDevices.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tessivo {
namespace {

// One byte of a ternary raster operation: bit (p*4 + s*2 + d) of the table byte is the
// result for pattern bit p, source bit s and destination bit d, done for 8 bits at once.
uint8_t Combine(uint8_t table, uint8_t pattern, uint8_t source, uint8_t dest) {
    uint8_t result = 0;
    for (int k = 0; k < 8; ++k) {
        if (((table >> k) & 1) == 0) continue;
        const uint8_t p = (k & 4) ? pattern : static_cast<uint8_t>(~pattern);
        const uint8_t s = (k & 2) ? source : static_cast<uint8_t>(~source);
        const uint8_t d = (k & 1) ? dest : static_cast<uint8_t>(~dest);
        result |= static_cast<uint8_t>(p & s & d);
    }
    return result;
}

// Moves one edge of the block inward until both the source and destination start at 0 or
// more, shortening the block by as much.
void ClipStart(int64_t& dest, int64_t& src, int64_t& length) {
    const int64_t cut = std::max<int64_t>({0, -dest, -src});
    dest += cut;
    src += cut;
    length -= cut;
}

}  // namespace

void PictureSurface::ReadPixels(int32_t x, int32_t y, int32_t count, uint8_t* rgb) const {
    std::memcpy(rgb, &picture_.rgb[(static_cast<std::size_t>(y) * picture_.width + x) * 3],
                static_cast<std::size_t>(count) * 3);
}

void PictureSurface::WritePixels(int32_t x, int32_t y, int32_t count, const uint8_t* rgb) {
    std::memcpy(&picture_.rgb[(static_cast<std::size_t>(y) * picture_.width + x) * 3], rgb,
                static_cast<std::size_t>(count) * 3);
}

void BitBlt(Surface& dest, int32_t destLeft, int32_t destTop, int32_t width, int32_t height,
            const Surface& source, int32_t srcLeft, int32_t srcTop, uint32_t rop) {
    int64_t dx = destLeft, dy = destTop, sx = srcLeft, sy = srcTop, w = width, h = height;
    ClipStart(dx, sx, w);
    ClipStart(dy, sy, h);
    w = std::min({w, dest.SurfaceWidth() - dx, source.SurfaceWidth() - sx});
    h = std::min({h, dest.SurfaceHeight() - dy, source.SurfaceHeight() - sy});
    if (w <= 0 || h <= 0) return;

    const auto table = static_cast<uint8_t>(rop >> 16);
    const auto count = static_cast<int32_t>(w);
    std::vector<uint8_t> row(static_cast<std::size_t>(w) * 3), under(row.size());
    // Copying a surface onto itself further down must start at the bottom.
    const bool upward = &dest == &source && dy > sy;
    for (int64_t i = 0; i < h; ++i) {
        const int64_t r = upward ? h - 1 - i : i;
        const auto srcRow = static_cast<int32_t>(sy + r), destRow = static_cast<int32_t>(dy + r);
        source.ReadPixels(static_cast<int32_t>(sx), srcRow, count, row.data());
        if (table != (SRCCOPY >> 16)) {
            dest.ReadPixels(static_cast<int32_t>(dx), destRow, count, under.data());
            for (std::size_t b = 0; b < row.size(); ++b)
                row[b] = Combine(table, 0xFF, row[b], under[b]);
        }
        dest.WritePixels(static_cast<int32_t>(dx), destRow, count, row.data());
    }
}

}  // namespace tessivo
