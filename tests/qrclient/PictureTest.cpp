#include <gtest/gtest.h>
#include <png.h>
#include <stdlib.h>

#include <cstring>
#include <fstream>

#include "qrclient/Picture.h"
#include "tests/support/Files.h"

namespace tessivo {
namespace {

Picture Gradient(int32_t width, int32_t height) {
    Picture p{width, height, {}};
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            p.rgb.push_back(static_cast<uint8_t>(x * 37 + y));
            p.rgb.push_back(static_cast<uint8_t>(y * 53));
            p.rgb.push_back(static_cast<uint8_t>(255 - x * 11));
        }
    return p;
}

std::vector<uint8_t> Png(png_uint_32 width, png_uint_32 height, uint32_t format,
                         const std::vector<uint8_t>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = format;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
    std::vector<uint8_t> out(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr));
    return out;
}

// A bitmap file with the given depth; pixels are colour-table indexes (depth <= 8) or raw
// pixel values, listed top row first.
std::vector<uint8_t> Bmp(int32_t width, int32_t height, int bits,
                         const std::vector<uint32_t>& pixels,
                         const std::vector<uint32_t>& palette = {}, uint32_t compression = 0,
                         const std::vector<uint32_t>& masks = {}) {
    std::vector<uint8_t> out;
    auto put = [&out](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    const int32_t rows = height < 0 ? -height : height;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    const uint32_t offset = 54 + 4 * (palette.size() + masks.size());
    out.push_back('B');
    out.push_back('M');
    put(offset + stride * rows, 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(width, 4);
    put(height, 4);
    put(1, 2);
    put(bits, 2);
    put(compression, 4);
    put(stride * rows, 4);
    put(0, 8);
    put(palette.size(), 4);
    put(0, 4);
    for (uint32_t m : masks) put(m, 4);
    for (uint32_t c : palette) put(c, 4);  // 0x00RRGGBB is stored blue, green, red, 0
    for (int32_t r = 0; r < rows; ++r) {
        const int32_t y = height < 0 ? r : rows - 1 - r;
        std::vector<uint8_t> line(stride, 0);
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t v = pixels[y * width + x];
            const std::size_t bit = static_cast<std::size_t>(x) * bits;
            if (bits < 8)
                line[bit / 8] |= static_cast<uint8_t>(v << (8 - bits - bit % 8));
            else
                for (int b = 0; b < bits / 8; ++b)
                    line[bit / 8 + b] = static_cast<uint8_t>(v >> (8 * b));
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
    const std::string bytes = testsupport::ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    testsupport::WriteFileBytes(path, bytes);
}

TEST(Png, EncodesWithAColourTableWhenItCanAndDecodesBackExactly) {
    Picture manyColours = Gradient(20, 15);  // 300 colours
    const struct {
        Picture picture;
        int bitDepth, colourType;
    } cases[] = {
        {SolidPicture(9, 3, 0x123456), 1, 3},
        {Gradient(2, 2), 2, 3},
        {Gradient(7, 5), 8, 3},
        {manyColours, 8, 2},
    };
    for (const auto& c : cases) {
        const auto png = EncodePng(c.picture);
        ASSERT_TRUE(png);
        EXPECT_EQ((*png)[24], c.bitDepth);
        EXPECT_EQ((*png)[25], c.colourType);  // 3: colour table, 2: RGB
        EXPECT_EQ(DecodePng(*png).picture, c.picture);
    }
    EXPECT_FALSE(EncodePng(Picture{2, 2, {1, 2, 3}}));
}

TEST(Png, LaysTransparentPixelsOverBlack) {
    const std::vector<uint8_t> rgba = {200, 100, 50, 255, 200, 100, 50, 0, 40, 40, 40, 0};
    const PictureResult r = DecodePng(Png(3, 1, PNG_FORMAT_RGBA, rgba));
    ASSERT_TRUE(r.picture);
    EXPECT_EQ(r.picture->rgb, (std::vector<uint8_t>{200, 100, 50, 0, 0, 0, 0, 0, 0}));
}

TEST(Pictures, RefuseDamagedForeignAndOversizedData) {
    std::vector<uint8_t> png = *EncodePng(Gradient(40, 40));
    std::vector<uint8_t> truncated(png.begin(), png.begin() + png.size() / 2);
    std::vector<uint8_t> badCrc = png;
    badCrc[png.size() / 2] ^= 0x55;
    const std::vector<uint8_t> wide = Png(10'001, 1, PNG_FORMAT_GRAY, std::vector<uint8_t>(10'001));
    std::vector<uint8_t> jpeg = EncodeJpeg(Gradient(64, 64), 98);
    std::vector<uint8_t> shortJpeg(jpeg.begin(), jpeg.begin() + jpeg.size() / 2);
    const std::vector<uint8_t> cases[] = {
        {},
        {'h', 'e', 'l', 'l', 'o'},
        truncated,
        badCrc,
        wide,
        shortJpeg,
        {0xFF, 0xD8, 0xFF},
        Bmp(10'001, 1, 24, std::vector<uint32_t>(10'001)),
        Bmp(0, 1, 24, {}),
        Bmp(2, 2, 8, {0, 0, 0, 0}, {}, 1 /* RLE8 */),
        Bmp(2, 2, 2, {0, 0, 0, 0}),
        {'B', 'M', 0, 0, 0, 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const PictureResult r = DecodeImage(cases[i]);
        EXPECT_FALSE(r.picture) << "case " << i;
        EXPECT_FALSE(r.error.empty()) << "case " << i;
    }
    std::vector<uint8_t> cut = Bmp(4, 4, 24, std::vector<uint32_t>(16));
    cut.pop_back();
    EXPECT_FALSE(DecodeBmp(cut).picture);
}

TEST(Bmp, WritesTheClassicBottomUpLayout) {
    const std::vector<uint8_t> bytes = EncodeBmp(Picture{1, 2, {1, 2, 3, 4, 5, 6}});
    const std::vector<uint8_t> expected = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,         // file header
        40,  0,   0,  0, 1, 0, 0, 0, 2, 0, 0,  0, 1, 0, 24, 0,  // size, width, height...
        0,   0,   0,  0, 8, 0, 0, 0,                            // BI_RGB, image size
        0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0,  // resolution, colours
        6,   5,   4,  0,                                        // bottom row, padded
        3,   2,   1,  0};
    EXPECT_EQ(bytes, expected);
    const Picture p = Gradient(5, 3);
    EXPECT_EQ(DecodeBmp(EncodeBmp(p)).picture, p);
}

TEST(Bmp, ReadsEveryUncompressedDepth) {
    const std::vector<uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    const Picture expected{3, 2, {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0}};
    const std::vector<uint32_t> indexes = {1, 2, 0, 3, 0, 1};
    const struct {
        const char* name;
        std::vector<uint8_t> file;
    } cases[] = {
        {"8-bit", Bmp(3, 2, 8, indexes, palette)},
        {"4-bit", Bmp(3, 2, 4, indexes, palette)},
        {"8-bit top-down", Bmp(3, -2, 8, indexes, palette)},
        {"24-bit", Bmp(3, 2, 24, {0xFF0000, 0x00FF00, 0, 0x0000FF, 0, 0xFF0000})},
        {"32-bit", Bmp(3, 2, 32, {0xFF0000, 0x00FF00, 0, 0x0000FF, 0, 0xFF0000})},
        {"32-bit masks", Bmp(3, 2, 32, {0xFF, 0xFF00, 0, 0xFF0000, 0, 0xFF}, {}, 3,
                             {0x000000FF, 0x0000FF00, 0x00FF0000})},
        {"16-bit 5-6-5",
         Bmp(3, 2, 16, {0xF800, 0x07E0, 0, 0x001F, 0, 0xF800}, {}, 3, {0xF800, 0x07E0, 0x001F})},
        {"16-bit 5-5-5", Bmp(3, 2, 16, {0x7C00, 0x03E0, 0, 0x001F, 0, 0x7C00})},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeBmp(c.file).picture, expected) << c.name;

    const PictureResult mono = DecodeBmp(Bmp(9, 1, 1, {1, 0, 0, 0, 0, 0, 0, 0, 1}, {0, 0xFFFFFF}));
    ASSERT_TRUE(mono.picture);
    EXPECT_EQ(mono.picture->rgb[0], 255);
    EXPECT_EQ(mono.picture->rgb[3], 0);
    EXPECT_EQ(mono.picture->rgb[24], 255);
    // An index past the colour table is drawn black rather than read from beyond it.
    const PictureResult stray = DecodeBmp(Bmp(1, 1, 8, {200}, {0xFFFFFF}));
    ASSERT_TRUE(stray.picture);
    EXPECT_EQ(stray.picture->rgb, (std::vector<uint8_t>{0, 0, 0}));
}

TEST(Jpeg, DecodesColourBlocks) {
    Picture blocks = SolidPicture(32, 16, 0x2040C0);
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 16; x < 32; ++x) std::memset(&blocks.rgb[(y * 32 + x) * 3], 0xF0, 3);
    const PictureResult r = DecodeJpeg(EncodeJpeg(blocks, 98));
    ASSERT_TRUE(r.picture) << r.error;
    EXPECT_EQ(r.picture->width, 32);
    EXPECT_EQ(r.picture->height, 16);
    const uint8_t* dark = &r.picture->rgb[(8 * 32 + 4) * 3];
    const uint8_t* light = &r.picture->rgb[(8 * 32 + 28) * 3];
    EXPECT_NEAR(dark[0], 0x20, 6);
    EXPECT_NEAR(dark[2], 0xC0, 6);
    EXPECT_NEAR(light[1], 0xF0, 6);
}

TEST(ImageFiles, ReadEachFormatAndNameTheFileWhenTheyCannot) {
    const testsupport::ScratchFolder scratch;
    const std::filesystem::path& dir = scratch.path();
    const Picture p = Gradient(12, 9);
    WriteFile(dir / "a.png", *EncodePng(p));
    WriteFile(dir / "a.bmp", EncodeBmp(p));
    WriteFile(dir / "a.jpg", EncodeJpeg(SolidPicture(16, 8, 0x808080)));
    WriteFile(dir / "empty.png", {});
    EXPECT_EQ(ReadImageFile(dir / "a.png").picture, p);
    EXPECT_EQ(ReadImageFile(dir / "a.bmp").picture, p);
    const PictureResult jpeg = ReadImageFile(dir / "a.jpg");
    ASSERT_TRUE(jpeg.picture);
    EXPECT_EQ(jpeg.picture->width, 16);
    for (const char* bad : {"missing.png", "empty.png"}) {
        const PictureResult r = ReadImageFile(dir / bad);
        EXPECT_FALSE(r.picture);
        EXPECT_NE(r.error.find(bad), std::string::npos) << r.error;
    }
}

TEST(SavePicture, ReplacesTheTargetWholeAndLeavesNothingElseBehind) {
    const testsupport::ScratchFolder scratch;
    const std::filesystem::path& dir = scratch.path();
    const std::filesystem::path target = dir / "code.bmp";
    WriteFile(target, {'o', 'l', 'd'});
    const Picture p = Gradient(6, 4);
    const SaveResult saved = SavePicture(p, target);
    EXPECT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(FileBytes(target), EncodeBmp(p));

    std::filesystem::create_directory(dir / "taken.bmp");
    const struct {
        std::filesystem::path path;
        Picture picture;
    } failures[] = {
        {dir / "no-such-folder" / "x.bmp", p},
        {dir / "taken.bmp", p},  // a folder stands there
        {dir / "bad.bmp", Picture{3, 3, {}}},
    };
    for (const auto& f : failures) {
        const SaveResult r = SavePicture(f.picture, f.path);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(f.path.string()), std::string::npos) << r.error;
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"code.bmp", "taken.bmp"}));
}

}  // namespace
}  // namespace tessivo
