#include "qrclient/cDibBuffer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <new>
#include <random>

namespace tessivo {
namespace {

std::atomic<uint64_t> nextHandle{1};

// Rounds to the nearest integer, halves to the even neighbour, for 0 <= v < 2^22: adding
// 1.5 * 2^23 leaves no fraction bits, so the FPU's default rounding (to nearest, ties to
// even) does the work.
float RoundHalfEven(float v) {
    constexpr float kShift = 12582912.0f;
    return (v + kShift) - kShift;
}

uint8_t ToByte(float v) {
    return static_cast<uint8_t>(std::clamp(v, 0.0f, 255.0f));
}

// A uniform number in [0, 1) with the 24 bits a float holds, like a single-precision Rnd.
float NextUnit(std::mt19937& random) {
    return static_cast<float>(random() >> 8) * (1.0f / 16777216.0f);
}

uint8_t RandomByte(std::mt19937& random) {
    return ToByte(RoundHalfEven(NextUnit(random) * 255.0f));
}

// Where each destination column (or row) reads from in the source, and how far between.
struct Tap {
    int32_t near = 0;  // x0 (or y0)
    int32_t far = 0;   // x0 + 1, or x0 again at the last source pixel
    float fraction = 0;
};

Tap TapAt(float scale, int32_t index, int32_t sourceSize) {
    const float position = scale * static_cast<float>(index);
    Tap tap;
    tap.near = std::min(static_cast<int32_t>(std::floor(position)), sourceSize - 1);
    tap.far = std::min(tap.near + 1, sourceSize - 1);
    tap.fraction = position - static_cast<float>(tap.near);
    return tap;
}

}  // namespace

std::size_t cDibBuffer::Offset(int32_t x, int32_t y) const {
    const auto memoryRow = static_cast<std::size_t>(Height() - 1 - y);
    return memoryRow * static_cast<std::size_t>(BytesPerScanLine()) +
           static_cast<std::size_t>(x) * 3;
}

void cDibBuffer::ReadPixels(int32_t x, int32_t y, int32_t count, uint8_t* rgb) const {
    const uint8_t* in = &bits_[Offset(x, y)];
    for (int32_t i = 0; i < count; ++i, in += 3, rgb += 3) {
        rgb[0] = in[2];
        rgb[1] = in[1];
        rgb[2] = in[0];
    }
}

void cDibBuffer::WritePixels(int32_t x, int32_t y, int32_t count, const uint8_t* rgb) {
    uint8_t* out = &bits_[Offset(x, y)];
    for (int32_t i = 0; i < count; ++i, out += 3, rgb += 3) {
        out[0] = rgb[2];
        out[1] = rgb[1];
        out[2] = rgb[0];
    }
}

bool cDibBuffer::CopyToClipboard(bool bAsDIB, Clipboard& clipboard, MessageSink& messages) {
    if (bAsDIB) {
        messages.ShowMessage(
            "I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!");
        return false;
    }
    if (hDib_ == 0) return false;
    Picture bitmap = SolidPicture(Width(), Height(), 0);
    PictureSurface surface(bitmap);
    PaintPicture(surface);
    return clipboard.SetBitmap(bitmap);
}

bool cDibBuffer::CreateDIB(int32_t lWidth, int32_t lHeight, uint64_t& hDib) {
    if (lWidth < 1 || lHeight < 1 || lWidth > kMaxPictureSide || lHeight > kMaxPictureSide)
        return false;
    header_ = BitmapInfoHeader{};
    header_.biWidth = lWidth;
    header_.biHeight = lHeight;
    header_.biSizeImage =
        static_cast<uint32_t>(BytesPerScanLine()) * static_cast<uint32_t>(lHeight);
    try {
        bits_.assign(header_.biSizeImage, 0);
    } catch (const std::bad_alloc&) {
        header_ = BitmapInfoHeader{};
        return false;
    }
    hDib = nextHandle++;
    return true;
}

bool cDibBuffer::Create(int32_t lWidth, int32_t lHeight) {
    ClearUp();
    uint64_t handle = 0;
    if (!CreateDIB(lWidth, lHeight, handle)) {
        ClearUp();
        return false;
    }
    hDib_ = handle;
    return true;
}

void cDibBuffer::CreateFromPicture(const Picture& picThis) {
    if (!IsValidPicture(picThis)) {
        ClearUp();
        return;
    }
    if (!Create(picThis.width, picThis.height)) return;
    const std::size_t rowBytes = static_cast<std::size_t>(picThis.width) * 3;
    for (int32_t y = 0; y < picThis.height; ++y)
        WritePixels(0, y, picThis.width, &picThis.rgb[y * rowBytes]);
}

void cDibBuffer::LoadPictureBlt(const Surface& lhDC, int32_t lSrcLeft, int32_t lSrcTop,
                                int32_t lSrcWidth, int32_t lSrcHeight, uint32_t eRop) {
    BitBlt(*this, 0, 0, lSrcWidth < 0 ? Width() : lSrcWidth, lSrcHeight < 0 ? Height() : lSrcHeight,
           lhDC, lSrcLeft, lSrcTop, eRop);
}

void cDibBuffer::PaintPicture(Surface& lhDC, int32_t lDestLeft, int32_t lDestTop,
                              int32_t lDestWidth, int32_t lDestHeight, int32_t lSrcLeft,
                              int32_t lSrcTop, uint32_t eRop) const {
    BitBlt(lhDC, lDestLeft, lDestTop, lDestWidth < 0 ? Width() : lDestWidth,
           lDestHeight < 0 ? Height() : lDestHeight, *this, lSrcLeft, lSrcTop, eRop);
}

void cDibBuffer::RandomiseBits(bool bGray) {
    RandomiseBits(
        bGray, static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void cDibBuffer::RandomiseBits(bool bGray, uint32_t startState) {
    std::mt19937 random(startState);
    const std::size_t stride = static_cast<std::size_t>(BytesPerScanLine());
    if (bGray) {
        for (int32_t row = 0; row < Height(); ++row) {
            uint8_t* pixel = &bits_[row * stride];
            for (int32_t x = 0; x < Width(); ++x, pixel += 3)
                pixel[0] = pixel[1] = pixel[2] = RandomByte(random);
        }
        return;
    }
    for (int32_t x = 0; x < Width(); ++x) {
        for (int32_t row = 0; row < Height(); ++row) {
            uint8_t* pixel = &bits_[row * stride + static_cast<std::size_t>(x) * 3];
            pixel[0] = 0;
            pixel[1] = RandomByte(random);
            pixel[2] = RandomByte(random);
        }
    }
}

void cDibBuffer::ClearUp() {
    bits_.clear();
    bits_.shrink_to_fit();
    hDib_ = 0;
    header_ = BitmapInfoHeader{};
}

std::unique_ptr<cDibBuffer> cDibBuffer::Resample(int32_t lNewHeight, int32_t lNewWidth) const {
    if (hDib_ == 0) return nullptr;
    auto out = std::make_unique<cDibBuffer>();
    if (!out->Create(lNewWidth, lNewHeight)) return nullptr;
    const int32_t w = Width(), h = Height();
    if (lNewWidth == w && lNewHeight == h) {
        out->LoadPictureBlt(*this, 0, 0, -1, -1, SRCCOPY);
        return out;
    }
    const float sx = static_cast<float>(w - 1) / static_cast<float>(lNewWidth);
    const float sy = static_cast<float>(h - 1) / static_cast<float>(lNewHeight);
    std::vector<Tap> columns(static_cast<std::size_t>(lNewWidth));
    for (int32_t j = 0; j < lNewWidth; ++j) columns[j] = TapAt(sx, j, w);

    const std::size_t inStride = static_cast<std::size_t>(BytesPerScanLine());
    const std::size_t outStride = static_cast<std::size_t>(out->BytesPerScanLine());
    for (int32_t i = 0; i < lNewHeight; ++i) {
        const Tap row = TapAt(sy, i, h);
        const uint8_t* row0 = &bits_[row.near * inStride];  // y0
        const uint8_t* row1 = &bits_[row.far * inStride];   // y0 + 1
        uint8_t* dest = &out->bits_[i * outStride];
        const float fy = row.fraction;
        for (const Tap& col : columns) {
            const std::size_t x0 = static_cast<std::size_t>(col.near) * 3;
            const std::size_t x1 = static_cast<std::size_t>(col.far) * 3;
            for (int c = 0; c < 3; ++c) {
                const float a = RoundHalfEven((1.0f - fy) * row0[x0 + c] + fy * row1[x0 + c]);
                const float b = RoundHalfEven((1.0f - fy) * row0[x1 + c] + fy * row1[x1 + c]);
                *dest++ = ToByte(RoundHalfEven((1.0f - col.fraction) * a + col.fraction * b));
            }
        }
    }
    return out;
}

}  // namespace tessivo
