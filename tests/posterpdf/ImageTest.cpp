// Bitmaps, image objects, ASCII85 and form objects.
#include <gtest/gtest.h>

#include <set>

#include "PosterPdfTestSupport.h"
#include "posterpdf/Ascii85.h"
#include "posterpdf/BmpReader.h"

namespace tessivo::posterpdf {
namespace {

using testing::MakeBmp;
using testing::ObjectBody;
using testing::Visible;
using testing::WriteDocument;
using Bytes = std::vector<std::uint8_t>;

Bytes B(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(PosterPdfImages, Ascii85MatchesKnownEncodings) {
    const struct {
        Bytes bytes;
        std::string expected;
    } cases[] = {
        {{}, "~>"},
        {{0, 0, 0, 1}, "!!!!\"~>"},
        {{0, 0, 0, 0}, "z~>"},
        {{0, 0, 0, 0, 0}, "z!!~>"},
        {{0}, "!!~>"},
        {{255, 255, 255, 255}, "s8W-!~>"},
        {B("Man "), "9jqo^~>"},
        {B("Man is"), "9jqo^Bla~>"},
        {{0, 0, 0, 0, 0, 0, 0, 0}, "zz~>"},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeA85(c.bytes), c.expected);
}

// Rows padded with 0xEE so that padding reaching the output shows.
std::string Padded(std::initializer_list<Bytes> rows, std::size_t paddedLength) {
    std::string data;
    for (const Bytes& row : rows) {
        std::string bytes(row.begin(), row.end());
        bytes.resize(paddedLength, '\xEE');
        data += bytes;
    }
    return data;
}

Bytes PaletteBgr0(std::initializer_list<Bytes> rgbEntries, std::size_t entries) {
    Bytes palette;
    for (const Bytes& rgb : rgbEntries) palette.insert(palette.end(), {rgb[2], rgb[1], rgb[0], 0});
    palette.resize(entries * 4, 0);
    return palette;
}

TEST(PosterPdfImages, ReadsEveryDepthWithoutRowPaddingInColourAndGrey) {
    const struct {
        const char* name;
        std::string file;
        Bytes colourPixels, colourPalette, greyPixels, greyPalette;
    } cases[] = {
        {"1 bit, 10 wide: 2 data bytes of 4",
         MakeBmp(10, 2, 1, PaletteBgr0({{255, 0, 0}, {0, 0, 255}}, 2),
                 Padded({{0xAA, 0xC0}, {0x0F, 0x40}}, 4)),
         {0xAA, 0xC0, 0x0F, 0x40},
         {255, 0, 0, 0, 0, 255},
         {0xAA, 0xC0, 0x0F, 0x40},
         {84, 28}},
        {"4 bits, 3 wide: 2 data bytes of 4",
         MakeBmp(3, 1, 4, PaletteBgr0({{255, 255, 255}, {150, 150, 150}}, 16),
                 Padded({{0x01, 0x10}}, 4)),
         {0x01, 0x10},
         [] {
             Bytes p = {255, 255, 255, 150, 150, 150};
             p.resize(48, 0);
             return p;
         }(),
         {0x01, 0x10},
         [] {
             Bytes p = {255, 154};  // 257.55 is limited to 255; 154.5 goes to the even 154
             p.resize(16, 0);
             return p;
         }()},
        {"8 bits, 5 wide: 5 data bytes of 8",
         MakeBmp(5, 2, 8, PaletteBgr0({{50, 50, 50}}, 256),
                 Padded({{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}}, 8)),
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
         [] {
             Bytes p = {50, 50, 50};
             p.resize(768, 0);
             return p;
         }(),
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
         [] {
             Bytes p = {52};  // 51.5 goes to the even 52
             p.resize(256, 0);
             return p;
         }()},
        {"24 bits, 3 wide: 9 data bytes of 12, blue green red in the file",
         MakeBmp(
             3, 2, 24, {},
             Padded({{0, 0, 255, 0, 255, 0, 255, 0, 0}, {255, 255, 255, 0, 0, 0, 1, 2, 3}}, 12)),
         {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 3, 2, 1},
         {},
         {84, 150, 28, 255, 0, 2},
         {}},
    };
    for (const auto& c : cases) {
        testing::ScratchFolder folder;
        testing::WriteFileBytes(folder / "image.bmp", c.file);
        const auto colour = ReadBMPFile(folder / "image.bmp", 0);
        const auto grey = ReadBMPFile(folder / "image.bmp", 1);
        ASSERT_TRUE(colour && grey) << c.name;
        EXPECT_EQ(colour->pixels, c.colourPixels) << c.name;
        EXPECT_EQ(colour->palette, c.colourPalette) << c.name;
        EXPECT_EQ(grey->pixels, c.greyPixels) << c.name;
        EXPECT_EQ(grey->palette, c.greyPalette) << c.name;
    }
}

std::string WithField(std::string file, std::size_t offset, std::uint32_t value, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) file[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return file;
}

TEST(PosterPdfImages, RefusesBitmapsItCannotReadAndNeverReadsPastThem) {
    const std::string good = MakeBmp(2, 2, 24, {}, std::string(16, '\x40'));
    const std::string eightBit = MakeBmp(2, 2, 8, PaletteBgr0({}, 256), std::string(8, '\x01'));
    const struct {
        const char* name;
        std::string file;
    } refused[] = {
        {"signature", "BA" + good.substr(2)},
        {"shorter than its headers", good.substr(0, 53)},
        {"16 bits", WithField(good, 28, 16, 2)},
        {"32 bits", WithField(good, 28, 32, 2)},
        {"run-length compressed", WithField(eightBit, 30, 1)},
        {"top-down (negative height)", WithField(good, 22, static_cast<std::uint32_t>(-2))},
        {"zero width", WithField(good, 18, 0)},
        {"absurd width", WithField(good, 18, 100000)},
        {"huge picture in a small file", WithField(WithField(good, 18, 30000), 22, 30000)},
        {"core header", WithField(good, 14, 12)},
        {"pixel data offset past the end", WithField(good, 10, 5000)},
        {"ends before its last row", good.substr(0, 54 + 8)},
    };
    for (const auto& c : refused) {
        testing::ScratchFolder folder;
        testing::WriteFileBytes(folder / "bad.bmp", c.file);
        EXPECT_FALSE(ReadBMPFile(folder / "bad.bmp", 0)) << c.name;
    }
    testing::ScratchFolder folder;
    EXPECT_FALSE(ReadBMPFile(folder / "missing.bmp", 0));
    EXPECT_THROW(ReadBMPFile(folder.path(), 0), PosterPdfFileError);  // a folder, not a file
}

TEST(PosterPdfImages, ReadsZerosPastTheEndOfALastRowOrPalette) {
    testing::ScratchFolder folder;
    const std::string cut = MakeBmp(2, 2, 24, {}, Padded({{1, 2, 3, 4, 5, 6}, {7, 8, 9}}, 8));
    testing::WriteFileBytes(folder / "cut.bmp", cut.substr(0, 54 + 8 + 3));
    const auto image = ReadBMPFile(folder / "cut.bmp", 0);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0}));

    // A palette of 2 entries where 256 are read: the rest comes from what follows, then zeros.
    testing::WriteFileBytes(
        folder / "short.bmp",
        MakeBmp(1, 1, 8, PaletteBgr0({{10, 20, 30}, {40, 50, 60}}, 2), Padded({{1}}, 4)));
    const auto indexed = ReadBMPFile(folder / "short.bmp", 0);
    ASSERT_TRUE(indexed);
    EXPECT_EQ(indexed->pixels, Bytes{1});
    EXPECT_EQ(Bytes(indexed->palette.begin(), indexed->palette.begin() + 9),
              (Bytes{10, 20, 30, 40, 50, 60, 0xEE, 0xEE, 1}));
    EXPECT_EQ(indexed->palette.size(), 768u);
}

TEST(PosterPdfImages, WritesImageObjectsRawOrAscii85WithTheirLengthsAndPalettes) {
    const Bytes rgb = {1, 2, 3, 4, 5, 6};
    Bytes palette256(768, 9), grey256(256, 7);
    const struct {
        const char* name;
        bool ascii85;
        std::function<void(clsPosterPDF&)> load;
        std::vector<std::pair<int, std::string>> objects;
    } cases[] = {
        {"24 bits raw",
         false,
         [&](clsPosterPDF& w) { w.LoadImgFromArray("Img1", rgb, {}, 2, 1, 24, 0); },
         {{5,
           "<<\r/Type /XObject\r/Subtype /Image\r/Name /Img1\r/Width 2\r/Height 1\r\n"
           "/BitsPerComponent 8\r/ColorSpace /DeviceRGB\r/Length 6 0 R\r\n"
           ">>\rstream\r\n\x01\x02\x03\x04\x05\x06\rendstream\r\n"},
          {6, "6\r\n"}}},
        {"24 bits ASCII85 counts its end marker",
         true,
         [&](clsPosterPDF& w) { w.LoadImgFromArray("Img1", Bytes(4, 0), {}, 1, 4, 24, 1); },
         {{5,
           "<<\r/Type /XObject\r/Subtype /Image\r/Name /Img1\r/Width 1\r/Height 4\r"
           "/Filter /ASCII85Decode\r\n/BitsPerComponent 8\r/ColorSpace /DeviceGray\r"
           "/Length 6 0 R\r\n>>\rstream\r\nz~>\rendstream\r\n"},
          {6, "3\r\n"}}},
        {"1 bit indexed",
         false,
         [&](clsPosterPDF& w) {
             w.LoadImgFromArray("Img2", Bytes{0x80}, Bytes{0, 0, 0, 255, 255, 255}, 1, 1, 1, 0);
         },
         {{5,
           "<<\r/Type /XObject\r/Subtype /Image\r/Name /Img2\r/Width 1\r/Height 1\r\n"
           "/BitsPerComponent 1\r/ColorSpace [/Indexed /DeviceRGB 1 7 0 R]\r/Length 6 0 R\r\n"
           ">>\rstream\r\n\x80\rendstream\r\n"},
          {6, "1\r\n"},
          {7,
           "<</Length 6 >>\rstream\r\n" + std::string(3, '\0') + "\xFF\xFF\xFF\rendstream\r\n"}}},
        {"8 bits indexed colour",
         false,
         [&](clsPosterPDF& w) { w.LoadImgFromArray("Img3", Bytes{1}, palette256, 1, 1, 8, 0); },
         {{7, "<</Length 768 >>\rstream\r\n" + std::string(768, '\x09') + "\rendstream\r\n"}}},
        {"8 bits indexed grey ASCII85",
         true,
         [&](clsPosterPDF& w) { w.LoadImgFromArray("Img4", Bytes{1}, grey256, 1, 1, 8, 2); },
         {{7, "<</Filter /ASCII85Decode\r/Length 322 >>\rstream\r\n" + EncodeA85(grey256) +
                  "\rendstream\r\n"}}},
    };
    for (const auto& c : cases) {
        testing::ScratchFolder folder;
        const std::string pdf = WriteDocument(folder / "image.pdf", c.load,
                                              [&](clsPosterPDF& w) { w.EncodeASCII85(c.ascii85); });
        for (const auto& [number, body] : c.objects) {
            EXPECT_EQ(Visible(ObjectBody(pdf, number)), Visible(body)) << c.name << " " << number;
        }
        EXPECT_NE(ObjectBody(pdf, 4).find("/ProcSet [/PDF /Text /ImageB /ImageC /ImageI ]\r"
                                          "/XObject <<\r/Img"),
                  std::string::npos);
    }
    testing::ScratchFolder folder;
    const std::string indexed = WriteDocument(folder / "indexed.pdf", [&](clsPosterPDF& w) {
        w.LoadImgFromArray("Img1", Bytes{1}, grey256, 1, 1, 8, 1);
    });
    EXPECT_NE(ObjectBody(indexed, 5).find("/ColorSpace [/Indexed /DeviceGray 255 7 0 R]"),
              std::string::npos);
    EXPECT_EQ(Visible(ObjectBody(indexed, 4)),
              Visible("<<\r/ProcSet [/PDF /Text /ImageB /ImageC /ImageI ]\r"
                      "/XObject <<\r/Img1 5 0 R \r\r>>\r>>\r\n"));
}

TEST(PosterPdfImages, LoadsBitmapFilesAndWritesNothingForRefusedOnes) {
    testing::ScratchFolder folder;
    testing::WriteFileBytes(folder / "code.bmp",
                            MakeBmp(3, 1, 24, {}, Padded({{3, 2, 1, 6, 5, 4, 9, 8, 7}}, 12)));
    testing::WriteFileBytes(folder / "text.bmp", "not a bitmap at all, just some text");
    const std::string pdf = WriteDocument(folder / "files.pdf", [&](clsPosterPDF& w) {
        EXPECT_FALSE(w.LoadImgFromBMPFile("Img0", folder / "missing.bmp", 0));
        EXPECT_FALSE(w.LoadImgFromBMPFile("Img0", folder / "text.bmp", 0));
        EXPECT_TRUE(w.LoadImgFromBMPFile("Img1", folder / "code.bmp", 0));
        EXPECT_THROW(w.LoadImgFromBMPFile("Img1", folder / "code.bmp", 0), std::invalid_argument);
        EXPECT_TRUE(w.LoadImgFromBMPFile("Img2", folder / "code.bmp", 1));
    });
    EXPECT_NE(ObjectBody(pdf, 5).find("/Name /Img1\r"), std::string::npos);  // first object
    EXPECT_NE(ObjectBody(pdf, 5).find("stream\r\n\x01\x02\x03\x04\x05\x06\x07\x08\x09\r"),
              std::string::npos);
    EXPECT_NE(ObjectBody(pdf, 7).find("/DeviceGray"), std::string::npos);
    EXPECT_NE(pdf.find("xref\r\n0 9\r\n"), std::string::npos);
}

TEST(PosterPdfImages, RefusesImageBuffersThatDoNotMatchTheirSize) {
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "refused.pdf", [](clsPosterPDF& w) {
        const Bytes six(6), pal(6);
        EXPECT_THROW(w.LoadImgFromArray("I", six, {}, 2, 1, 16, 0), std::invalid_argument);
        EXPECT_THROW(w.LoadImgFromArray("I", six, {}, 0, 1, 24, 0), std::invalid_argument);
        EXPECT_THROW(w.LoadImgFromArray("I", six, {}, 3, 1, 24, 0), std::invalid_argument);
        EXPECT_THROW(w.LoadImgFromArray("I", six, {}, 2, 1, 24, 1), std::invalid_argument);
        EXPECT_THROW(w.LoadImgFromArray("I", Bytes(1), Bytes(3), 1, 1, 1, 0),
                     std::invalid_argument);
        EXPECT_THROW(w.LoadImgFromArray("I", Bytes(2), pal, 17, 1, 1, 0), std::invalid_argument);
    });
    EXPECT_NE(pdf.find("xref\r\n0 5\r\n"), std::string::npos);
}

TEST(PosterPdfImages, DrawImgPlacesTheTopLeftCornerAndFlips) {
    testing::ScratchFolder folder;
    EXPECT_EQ(Visible(testing::PageContent(
                  folder / "draw.pdf",
                  [](clsPosterPDF& w) {
                      w.DrawImg("Img1", 10, 200, 50, 50);
                      w.ScaleMode(3);
                      w.DrawImg("Img1", 3, 24.5f, 15, 15);
                  },
                  [](clsPosterPDF& w) { w.LoadImgFromArray("Img1", Bytes(3), {}, 1, 1, 24, 0); })),
              Visible("q\r50  0 0 -50 10 200 cm\r/Img1 Do\rQ\r\n"
                      "q\r425.197  0 0 -425.197 85.039 694.488 cm\r/Img1 Do\rQ\r\n"));
}

std::string FormName(std::int32_t options) {
    return std::string("F") + std::to_string(options);
}

// The form objects named at the start of each page's content.
std::vector<std::set<std::string>> FormsDrawnPerPage(const std::string& pdf, int pages) {
    std::vector<std::set<std::string>> drawn;
    std::size_t at = 0;
    for (int page = 0; page < pages; ++page) {
        at = pdf.find("\r\n<< /Length ", at);  // a page's content stream
        at = pdf.find("stream\r\n", at) + 8;
        std::set<std::string> forms;
        while (pdf.compare(at, 2, "/F") == 0) {
            const std::size_t end = pdf.find(" Do\r\n", at);
            forms.insert(pdf.substr(at + 1, end - at - 1));
            at = end + 5;
        }
        drawn.push_back(forms);
    }
    return drawn;
}

TEST(PosterPdfImages, FormObjectsAreDrawnOnThePagesTheirBitsSelect) {
    const struct {
        std::int32_t options;
        std::set<int> pages;
    } cases[] = {
        {0, {}},
        {1, {}},
        {8, {}},
        {2, {2, 4, 6}},
        {4, {1, 3, 5, 7}},
        {12, {3, 5, 7}},
        {6, {1, 2, 3, 4, 5, 6, 7}},
        {7, {1, 2, 3, 4, 5, 6, 7}},
        {15, {1, 2, 3, 4, 5, 6, 7}},
        {14, {2, 3, 4, 5, 6, 7}},
        {10, {2, 4, 6}},
    };
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "forms.pdf", [&](clsPosterPDF& w) {
        w.StartObject("Req", 0);
        w.EndObject();
        for (const auto& c : cases) {
            w.StartObject(FormName(c.options), c.options);
            w.Rectangle(10, 10, 20, 20, 1);
            w.EndObject();
        }
        for (int page = 1; page <= 7; ++page) {
            EXPECT_EQ(w.BeginPage(), page);
            w.DrawObject("Req");  // on request, after the automatic ones
            w.EndPage();
        }
    });
    const auto drawn = FormsDrawnPerPage(pdf, 7);
    for (const auto& c : cases) {
        for (int page = 1; page <= 7; ++page) {
            EXPECT_EQ(drawn[page - 1].contains(FormName(c.options)), c.pages.contains(page))
                << "options " << c.options << ", page " << page;
        }
    }
    EXPECT_NE(pdf.find("stream\r\n/F4 Do\r\n/F6 Do\r\n/F7 Do\r\n/F15 Do\r\n/Req Do\r\nendstream"),
              std::string::npos);  // page 1, in registration order
}

TEST(PosterPdfImages, FormObjectTakesPaperAndMarginAtItsStart) {
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "form.pdf", [](clsPosterPDF& w) {
        w.ScaleMode(0);
        w.Margin(10);
        w.StartObject("Footers", 7);
        w.EndObject();
        w.Margin(0);
        w.PaperSize(2);
    });
    EXPECT_EQ(Visible(ObjectBody(pdf, 5)),
              Visible("<<\r/Type /XObject\r/Subtype /Form\r/FormType 1\r/Name /Footers\r"
                      "/BBox [10 10 585.2 832]\r/Matrix [1 0 0 1 0 0]\r/Length 6 0 R >>\r"
                      "stream\r\nendstream\r\n"));
    EXPECT_EQ(ObjectBody(pdf, 6), "0\r\n");
    EXPECT_NE(ObjectBody(pdf, 4).find("/XObject <<\r\r/Footers 5 0 R \r>>\r"), std::string::npos);
}

}  // namespace
}  // namespace tessivo::posterpdf
