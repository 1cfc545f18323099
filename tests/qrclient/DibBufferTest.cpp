#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "qrclient/cDibBuffer.h"

namespace tessivo {
namespace {

// Byte c (0 blue, 1 green, 2 red) of pixel x in memory row `row`.
uint8_t At(const cDibBuffer& b, int32_t row, int32_t x, int c) {
    return b.DIBSectionBitsPtr()[row * b.BytesPerScanLine() + x * 3 + c];
}

void Set(cDibBuffer& b, int32_t row, int32_t x, uint8_t blue, uint8_t green, uint8_t red) {
    uint8_t* p = b.DIBSectionBitsPtr() + row * b.BytesPerScanLine() + x * 3;
    p[0] = blue;
    p[1] = green;
    p[2] = red;
}

Picture Corners() {  // top-left red, top-right green, bottom-left blue, bottom-right white
    return Picture{2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}};
}

struct FakeClipboard : Clipboard {
    bool accept = true;
    std::vector<Picture> given;
    bool SetBitmap(const Picture& bitmap) override {
        given.push_back(bitmap);
        return accept;
    }
};

struct FakeMessages : MessageSink {
    std::vector<std::string> shown;
    void ShowMessage(const std::string& text) override { shown.push_back(text); }
};

TEST(DibBuffer, RowsArePaddedToFourBytes) {
    const struct {
        int32_t width, bytes;
    } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {7, 24}};
    for (const auto& c : cases) {
        cDibBuffer b;
        ASSERT_TRUE(b.Create(c.width, 3));
        EXPECT_EQ(b.BytesPerScanLine(), c.bytes) << c.width;
        EXPECT_EQ(b.Header().biSizeImage, static_cast<uint32_t>(3 * c.bytes));
        EXPECT_EQ(b.Header().biBitCount, 24);
    }
}

TEST(DibBuffer, RefusedSizesAndClearUpLeaveItEmpty) {
    cDibBuffer b;
    ASSERT_TRUE(b.Create(2, 2));
    EXPECT_NE(b.hDib(), 0u);
    EXPECT_EQ(b.hdc(), &b);
    cDibBuffer other;
    ASSERT_TRUE(other.Create(2, 2));
    EXPECT_NE(other.hDib(), b.hDib());
    for (const auto& [w, h] : {std::pair{0, 1}, {1, 0}, {-2, 5}, {10'001, 1}, {1, 10'001}}) {
        EXPECT_FALSE(b.Create(w, h)) << w << "x" << h;
        EXPECT_EQ(b.hDib(), 0u);
        EXPECT_EQ(b.hdc(), nullptr);
        EXPECT_EQ(b.DIBSectionBitsPtr(), nullptr);
        EXPECT_EQ(b.Width(), 0);
    }
    other.ClearUp();
    EXPECT_EQ(other.hDib(), 0u);
    EXPECT_EQ(other.Height(), 0);
    EXPECT_FALSE(other.Resample(4, 4));
}

TEST(DibBuffer, KeepsThePictureBottomUpInBlueGreenRed) {
    cDibBuffer b;
    b.CreateFromPicture(Corners());
    ASSERT_EQ(b.Width(), 2);
    EXPECT_EQ(At(b, 0, 0, 0), 255);  // bottom-left blue, first in memory
    EXPECT_EQ(At(b, 0, 0, 2), 0);
    EXPECT_EQ(At(b, 1, 0, 2), 255);  // top-left red, in the last row
    EXPECT_EQ(At(b, 1, 1, 1), 255);  // top-right green
    Picture back = SolidPicture(2, 2, 0);
    PictureSurface surface(back);
    b.PaintPicture(surface);
    EXPECT_EQ(back, Corners());
    b.CreateFromPicture(Picture{2, 2, {}});
    EXPECT_EQ(b.hDib(), 0u);
}

TEST(DibBuffer, BlockTransfersAreClippedToBothSides) {
    cDibBuffer b;
    b.CreateFromPicture(Corners());
    Picture canvas = SolidPicture(3, 3, 0x808080);
    PictureSurface surface(canvas);
    b.PaintPicture(surface, 2, -1);  // only the buffer's bottom-left pixel lands, at (2, 0)
    Picture expected = SolidPicture(3, 3, 0x808080);
    expected.rgb[6] = 0;
    expected.rgb[7] = 0;
    expected.rgb[8] = 255;
    EXPECT_EQ(canvas, expected);
    b.PaintPicture(surface, 0, 0, -1, -1, 5, 5);  // the source is all outside
    b.PaintPicture(surface, -100, 0, 1000, 1000, -50, -50);
    EXPECT_EQ(canvas, expected);

    b.LoadPictureBlt(surface, 1, 1);  // (1,1)..(2,2) of the canvas into the whole buffer
    Picture loaded = SolidPicture(2, 2, 0);
    PictureSurface loadedSurface(loaded);
    b.PaintPicture(loadedSurface);
    EXPECT_EQ(loaded, SolidPicture(2, 2, 0x808080));
}

TEST(DibBuffer, AppliesTernaryRasterOperationsWithAWhiteBrush) {
    const uint8_t s = 0xCA, d = 0xAC;
    const struct {
        uint32_t rop;
        uint8_t result;
    } cases[] = {
        {SRCCOPY, s},
        {SRCPAINT, s | d},
        {SRCAND, s & d},
        {SRCINVERT, s ^ d},
        {SRCERASE, static_cast<uint8_t>(s & ~d)},
        {NOTSRCCOPY, static_cast<uint8_t>(~s)},
        {NOTSRCERASE, static_cast<uint8_t>(~(s | d))},
        {MERGEPAINT, static_cast<uint8_t>(~s | d)},
        {DSTINVERT, static_cast<uint8_t>(~d)},
        {BLACKNESS, 0},
        {WHITENESS, 0xFF},
        {0x00F00021, 0xFF},  // PATCOPY: the brush
    };
    for (const auto& c : cases) {
        Picture source = SolidPicture(1, 1, s * 0x010101u);
        Picture dest = SolidPicture(1, 1, d * 0x010101u);
        PictureSurface from(source), to(dest);
        BitBlt(to, 0, 0, 1, 1, from, 0, 0, c.rop);
        EXPECT_EQ(dest.rgb[0], c.result) << std::hex << c.rop;
    }
}

TEST(DibBuffer, ResamplingToTheSameSizeCopiesExactly) {
    cDibBuffer b;
    ASSERT_TRUE(b.Create(5, 3));
    b.RandomiseBits(false, 7);
    const std::unique_ptr<cDibBuffer> copy = b.Resample(3, 5);
    ASSERT_TRUE(copy);
    EXPECT_NE(copy->hDib(), b.hDib());
    EXPECT_TRUE(std::equal(b.DIBSectionBitsPtr(), b.DIBSectionBitsPtr() + b.Header().biSizeImage,
                           copy->DIBSectionBitsPtr()));
}

TEST(DibBuffer, ResamplesInTwoStagesRoundingHalvesToEven) {
    cDibBuffer b;
    ASSERT_TRUE(b.Create(2, 2));
    Set(b, 0, 0, 0, 0, 1);                                   // (x0, y0)
    Set(b, 0, 1, 100, 5, 2);                                 // (x0 + 1, y0)
    Set(b, 1, 0, 200, 7, 3);                                 // (x0, y0 + 1)
    Set(b, 1, 1, 40, 0, 4);                                  // (x0 + 1, y0 + 1)
    const std::unique_ptr<cDibBuffer> r = b.Resample(4, 4);  // sx = sy = 0.25
    ASSERT_TRUE(r);
    ASSERT_EQ(r->Width(), 4);
    // (3, 3): fx = fy = 0.75; down the columns 150 and 55, then across 78.75.
    EXPECT_EQ(At(*r, 3, 3, 0), 79);
    EXPECT_EQ(At(*r, 0, 0, 0), 0);
    EXPECT_EQ(At(*r, 0, 2, 1), 2);  // 2.5 across goes to 2
    EXPECT_EQ(At(*r, 2, 0, 1), 4);  // 3.5 down goes to 4
    EXPECT_EQ(At(*r, 2, 2, 2), 2);  // 2 and 3 down, then 2.5 across goes to 2
}

TEST(DibBuffer, ResamplingAOnePixelSourceReusesTheEdge) {
    cDibBuffer column;
    ASSERT_TRUE(column.Create(1, 3));
    Set(column, 0, 0, 10, 20, 30);
    Set(column, 1, 0, 40, 50, 60);
    Set(column, 2, 0, 70, 80, 90);
    const std::unique_ptr<cDibBuffer> wide = column.Resample(5, 3);
    ASSERT_TRUE(wide);
    for (int32_t row = 0; row < 5; ++row)
        for (int32_t x = 1; x < 3; ++x)
            for (int c = 0; c < 3; ++c) EXPECT_EQ(At(*wide, row, x, c), At(*wide, row, 0, c));
    EXPECT_EQ(At(*wide, 0, 0, 0), 10);

    cDibBuffer dot;
    ASSERT_TRUE(dot.Create(1, 1));
    Set(dot, 0, 0, 1, 2, 3);
    const std::unique_ptr<cDibBuffer> big = dot.Resample(3, 4);
    ASSERT_TRUE(big);
    for (int32_t row = 0; row < 3; ++row)
        for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(At(*big, row, x, 2), 3);
    EXPECT_FALSE(dot.Resample(0, 4));
}

TEST(DibBuffer, RandomPixelsKeepTheirInvariantsAndThePadding) {
    for (const bool grey : {true, false}) {
        cDibBuffer b;
        ASSERT_TRUE(b.Create(7, 9));  // 21 bytes of pixels, 3 of padding per row
        b.RandomiseBits(grey, 12345);
        std::set<int> values;
        for (int32_t row = 0; row < 9; ++row) {
            for (int32_t x = 0; x < 7; ++x) {
                if (grey) {
                    EXPECT_EQ(At(b, row, x, 0), At(b, row, x, 1));
                    EXPECT_EQ(At(b, row, x, 1), At(b, row, x, 2));
                } else {
                    EXPECT_EQ(At(b, row, x, 0), 0);
                }
                values.insert(At(b, row, x, 2));
            }
            for (int pad = 21; pad < 24; ++pad) EXPECT_EQ(b.DIBSectionBitsPtr()[row * 24 + pad], 0);
        }
        EXPECT_GT(values.size(), 20u);
        cDibBuffer again;
        ASSERT_TRUE(again.Create(7, 9));
        again.RandomiseBits(grey, 12345);
        EXPECT_TRUE(std::equal(b.DIBSectionBitsPtr(), b.DIBSectionBitsPtr() + 9 * 24,
                               again.DIBSectionBitsPtr()));
    }
}

TEST(DibBuffer, CopiesToTheClipboardAsABitmapOnly) {
    cDibBuffer b;
    b.CreateFromPicture(Corners());
    FakeClipboard clipboard;
    FakeMessages messages;
    EXPECT_FALSE(b.CopyToClipboard(true, clipboard, messages));
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"I don't know how to put a DIB on the clipboard! Copy as "
                                       "bitmap instead!!!"});
    EXPECT_TRUE(clipboard.given.empty());

    EXPECT_TRUE(b.CopyToClipboard(false, clipboard, messages));
    ASSERT_EQ(clipboard.given.size(), 1u);
    EXPECT_EQ(clipboard.given[0], Corners());
    clipboard.accept = false;
    EXPECT_FALSE(b.CopyToClipboard(false, clipboard, messages));
    cDibBuffer empty;
    EXPECT_FALSE(empty.CopyToClipboard(false, clipboard, messages));
    EXPECT_EQ(clipboard.given.size(), 2u);
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace tessivo
