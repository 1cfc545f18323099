#pragma once
// What a bitmap buffer draws to and from: a drawing surface (a QImage in the application,
// a Picture or another buffer elsewhere), the clipboard, and the place messages are shown.
// Coordinates on a surface are pixels with the origin at the top-left corner.

#include <cstdint>
#include <string>

#include "qrclient/Picture.h"

namespace tessivo {

// Raster operations of a block transfer: the Windows ternary codes. The third byte is the
// truth table over pattern, source and destination; the pattern is a white brush here.
enum RasterOperation : uint32_t {
    SRCCOPY = 0x00CC0020,      // source
    SRCPAINT = 0x00EE0086,     // source OR destination
    SRCAND = 0x008800C6,       // source AND destination
    SRCINVERT = 0x00660046,    // source XOR destination
    SRCERASE = 0x00440328,     // source AND NOT destination
    NOTSRCCOPY = 0x00330008,   // NOT source
    NOTSRCERASE = 0x001100A6,  // NOT (source OR destination)
    MERGEPAINT = 0x00BB0226,   // NOT source OR destination
    DSTINVERT = 0x00550009,    // NOT destination
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

class Surface {
  public:
    virtual ~Surface() = default;
    virtual int32_t SurfaceWidth() const = 0;
    virtual int32_t SurfaceHeight() const = 0;
    // Reads or writes `count` pixels of row y from column x as red, green, blue triples.
    // Callers keep the run inside the surface: 0 <= x, x + count <= width, 0 <= y < height.
    virtual void ReadPixels(int32_t x, int32_t y, int32_t count, uint8_t* rgb) const = 0;
    virtual void WritePixels(int32_t x, int32_t y, int32_t count, const uint8_t* rgb) = 0;
};

// A Picture seen as a surface; the picture must stay valid while the surface is used.
class PictureSurface final : public Surface {
  public:
    explicit PictureSurface(Picture& picture) : picture_(picture) {}
    int32_t SurfaceWidth() const override { return picture_.width; }
    int32_t SurfaceHeight() const override { return picture_.height; }
    void ReadPixels(int32_t x, int32_t y, int32_t count, uint8_t* rgb) const override;
    void WritePixels(int32_t x, int32_t y, int32_t count, const uint8_t* rgb) override;

  private:
    Picture& picture_;
};

// Copies the width x height block at (srcLeft, srcTop) of `source` to (destLeft, destTop)
// of `dest`, combined by the raster operation. The block is clipped to both surfaces, so
// nothing outside either is read or written; a width or height of 0 or less copies nothing.
// Source and destination may be the same surface, overlapping or not.
void BitBlt(Surface& dest, int32_t destLeft, int32_t destTop, int32_t width, int32_t height,
            const Surface& source, int32_t srcLeft, int32_t srcTop, uint32_t rop);

// The system clipboard (QClipboard in the application).
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Empties the clipboard and puts the bitmap on it; false when the clipboard cannot be
    // opened or refuses the bitmap.
    virtual bool SetBitmap(const Picture& bitmap) = 0;
};

// Where a plain message box with an OK button goes (a QMessageBox in the application).
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace tessivo
