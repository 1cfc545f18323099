#pragma once
// An off-screen 24-bit picture buffer laid out as a Windows device-independent bitmap: rows
// of BytesPerScanLine() bytes (width * 3 rounded up to a multiple of 4), bottom row first in
// memory, pixel x of a row at bytes 3x (blue), 3x + 1 (green), 3x + 2 (red). The buffer is
// itself a Surface (top row = last row in memory), so it can be drawn from and into.
//
// Empty (all handles 0, size 0 x 0) after construction and after ClearUp(); filled after a
// successful Create(). Sides are 1..kMaxPictureSide pixels.

#include <cstdint>
#include <memory>
#include <vector>

#include "qrclient/DibDevices.h"
#include "qrclient/Picture.h"

namespace tessivo {

// The 40-byte Windows bitmap info header of the buffer (all other members are 0).
struct BitmapInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;  // positive: bottom row first
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 24;
    uint32_t biCompression = 0;  // BI_RGB: uncompressed
    uint32_t biSizeImage = 0;    // height * bytes per row
};

class cDibBuffer final : public Surface {
  public:
    cDibBuffer() = default;
    ~cDibBuffer() override { ClearUp(); }
    cDibBuffer(const cDibBuffer&) = delete;
    cDibBuffer& operator=(const cDibBuffer&) = delete;

    // bAsDIB true: shows "I don't know how to put a DIB on the clipboard! Copy as bitmap
    // instead!!!" through `messages`, leaves the clipboard alone and gives false. Otherwise
    // puts a copy of the whole buffer on the clipboard as a bitmap; true when the clipboard
    // took it, false when it refused or the buffer is empty.
    bool CopyToClipboard(bool bAsDIB, Clipboard& clipboard, MessageSink& messages);

    // Fills the header and allocates the pixel memory (zeroed) for lWidth x lHeight; hDib
    // receives the new bitmap's handle. False (and no memory) when a side is outside
    // 1..kMaxPictureSide or the memory cannot be had. Create() is the usual way in.
    bool CreateDIB(int32_t lWidth, int32_t lHeight, uint64_t& hDib);

    // Create()s a buffer of the picture's size and copies the picture in; an invalid
    // picture leaves the buffer empty.
    void CreateFromPicture(const Picture& picThis);

    // Empties the buffer, then makes a black lWidth x lHeight one. False (buffer empty) when
    // a side is outside 1..kMaxPictureSide or the memory cannot be had.
    bool Create(int32_t lWidth, int32_t lHeight);

    int32_t BytesPerScanLine() const { return (header_.biWidth * 3 + 3) & ~3; }
    int32_t Width() const { return header_.biWidth; }
    int32_t Height() const { return header_.biHeight; }
    const BitmapInfoHeader& Header() const { return header_; }

    // Block transfer from lhDC at (lSrcLeft, lSrcTop) into this buffer at (0, 0). A negative
    // width or height means the buffer's own.
    void LoadPictureBlt(const Surface& lhDC, int32_t lSrcLeft = 0, int32_t lSrcTop = 0,
                        int32_t lSrcWidth = -1, int32_t lSrcHeight = -1, uint32_t eRop = SRCCOPY);

    // Block transfer from this buffer at (lSrcLeft, lSrcTop) to lhDC at (lDestLeft,
    // lDestTop). A negative width or height means the buffer's own.
    void PaintPicture(Surface& lhDC, int32_t lDestLeft = 0, int32_t lDestTop = 0,
                      int32_t lDestWidth = -1, int32_t lDestHeight = -1, int32_t lSrcLeft = 0,
                      int32_t lSrcTop = 0, uint32_t eRop = SRCCOPY) const;

    // The buffer as a drawing surface; nullptr when empty.
    Surface* hdc() { return hDib_ ? this : nullptr; }
    // A handle unique to each buffer made in this process; 0 when empty.
    uint64_t hDib() const { return hDib_; }
    // The pixel memory, Height() rows of BytesPerScanLine() bytes; nullptr when empty.
    uint8_t* DIBSectionBitsPtr() { return bits_.empty() ? nullptr : bits_.data(); }
    const uint8_t* DIBSectionBitsPtr() const { return bits_.empty() ? nullptr : bits_.data(); }

    // Random pixels, each value round(r * 255) for r uniform in [0, 1), rounded half to
    // even. Grey: row by row in memory order, one value for blue, green and red of each
    // pixel. Colour: column by column, blue 0, then separate values for green and red. The
    // one-argument form starts the generator from the clock; a given start state makes the
    // pixels repeatable.
    void RandomiseBits(bool bGray = false);
    void RandomiseBits(bool bGray, uint32_t startState);

    // Releases the pixel memory and zeroes the handles and the header.
    void ClearUp();

    // A new buffer of lNewWidth x lNewHeight (height first), bilinearly resampled: scale
    // factors (W - 1) / W' and (H - 1) / H' in single precision, rows in memory order, each
    // channel interpolated down the columns and then across, rounded half to even at both
    // stages. The same size gives an exact copy. A source 1 pixel wide or high uses its edge
    // pixel again. None when this buffer is empty or the new one cannot be made.
    std::unique_ptr<cDibBuffer> Resample(int32_t lNewHeight, int32_t lNewWidth) const;

    int32_t SurfaceWidth() const override { return Width(); }
    int32_t SurfaceHeight() const override { return Height(); }
    void ReadPixels(int32_t x, int32_t y, int32_t count, uint8_t* rgb) const override;
    void WritePixels(int32_t x, int32_t y, int32_t count, const uint8_t* rgb) override;

  private:
    // The first byte of pixel x on surface row y (top-down).
    std::size_t Offset(int32_t x, int32_t y) const;

    uint64_t hDib_ = 0;
    BitmapInfoHeader header_;
    std::vector<uint8_t> bits_;
};

}  // namespace tessivo
