// Whole documents: the poster the QR flows write, byte for byte, and as outside tools see it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "PosterPdfTestSupport.h"

namespace tessivo::posterpdf {
namespace {

using testing::MakeBmp;

constexpr std::int32_t kBannerFill = 0x3366CC;  // red 0xCC, green 0x66, blue 0x33
constexpr std::int32_t kBannerBorder = 0x0000FF;
constexpr std::int32_t kBannerText = 0xFFFFFF;

// 16 x 16 pixels, top half red, bottom half blue (rows stored bottom first).
std::string TwoColourBitmap() {
    std::string rows;
    for (int y = 0; y < 16; ++y) {
        const std::string blueGreenRed =
            y < 8 ? std::string("\xFF\0\0", 3) : std::string("\0\0\xFF", 3);
        for (int x = 0; x < 16; ++x) rows += blueGreenRed;
    }
    return MakeBmp(16, 16, 24, {}, rows);
}

// The calls the poster flow makes, in its order.
void DrawPoster(clsPosterPDF& pdf, const std::filesystem::path& bitmap) {
    pdf.LoadFont("Fnt1", "Times New Roman", 0);
    pdf.LoadFont("Fnt2", "Arial", 0);
    pdf.LoadFont("Fnt3", "Courier New", 0);
    pdf.LoadFontStandard("Fnt4", "Courier New", 3);
    pdf.LoadFont("Fnt5", "Arial", 1);
    EXPECT_TRUE(pdf.LoadImgFromBMPFile("Img1", bitmap, 0));
    pdf.BeginPage();
    pdf.DrawText(10.5f, 26.5f, "Spring fair at", "Fnt2", 30, 2, 0);
    pdf.DrawText(10.5f, 25.1f, "Marlowin Bay (2025)", "Fnt2", 30, 2, 0);
    pdf.DrawImg("Img1", 3, 24.5f, 15, 15);
    pdf.DrawText(10.5f, 8.9f, "QR Code will generate an automatic email", "Fnt2", 12, 2, 0);
    pdf.SetColorFill(kBannerFill);
    pdf.Rectangle(1.5f, 5.3f, 18, 3, 4, 0);
    pdf.SetColorStroke(kBannerBorder);
    pdf.Rectangle(1.5f, 5.3f, 18, 3, 1, 0);
    pdf.SetColorFill(kBannerText);
    pdf.DrawText(10.5f, 6.3f, "OPEN DAY", "Fnt5", 48, 2, 0);
    pdf.SetColorFill(0);
    const char* contact[] = {"Jo Brand", "12 Harbour Road", "MB1 2QR", "Tel 01234 567890",
                             "jo@example.org"};
    for (int line = 0; line < 5; ++line) {
        pdf.DrawText(1.8f, 4.3f - 0.6f * static_cast<float>(line), contact[line], "Fnt2", 12, 0, 0);
    }
    pdf.SetColorStroke(0);
    pdf.Rectangle(1.5f, 1.5f, 18, 26.5f, 1, 0);
    pdf.EndPage();
}

std::string WritePoster(const testing::ScratchFolder& folder) {
    testing::WriteFileBytes(folder / "code.bmp", TwoColourBitmap());
    return testing::WriteDocument(
        folder / "poster.pdf", [&](clsPosterPDF& pdf) { DrawPoster(pdf, folder / "code.bmp"); },
        [](clsPosterPDF& pdf) {
            pdf.Title("Marlowin");
            pdf.ScaleMode(3);
            pdf.PaperSize(0);
            pdf.Margin(0);
            pdf.Orientation(0);
        });
}

TEST(PosterPdfWholeDocument, PosterMatchesTheExpectedFileByteForByte) {
    testing::ScratchFolder folder;
    const std::string written = WritePoster(folder);
    const std::filesystem::path expectedFile =
        std::filesystem::path(TESSIVO_TEST_DATA_DIR) / "poster.pdf";
    if (std::getenv("TESSIVO_UPDATE_EXPECTED") != nullptr) {
        testing::WriteFileBytes(expectedFile, written);
        GTEST_SKIP() << "wrote " << expectedFile;
    }
    const std::string expected = testing::ReadFileBytes(expectedFile);
    ASSERT_FALSE(expected.empty()) << "missing " << expectedFile;
    EXPECT_TRUE(written == expected) << testing::FirstDifference(expected, written);
}

struct Raster {
    int width = 0, height = 0;
    std::string rgb;
    // Colour at a point given in centimetres from the lower left of an A4 page.
    std::int32_t At(double xCm, double yCm) const {
        const int x = static_cast<int>(xCm / 21.0 * width);
        const int y = static_cast<int>((1.0 - yCm / 29.7) * height);
        const auto* p = reinterpret_cast<const unsigned char*>(rgb.data()) + 3 * (y * width + x);
        return p[0] | p[1] << 8 | p[2] << 16;
    }
};

Raster RenderPage(const std::filesystem::path& pdf) {
    const auto prefix = pdf.parent_path() / "page";
    const auto result = testing::RunTool("pdftoppm -singlefile -r 36 '" + pdf.string() + "' '" +
                                         prefix.string() + "'");
    EXPECT_EQ(result.exitCode, 0) << result.output;
    const std::string ppm = testing::ReadFileBytes(prefix.string() + ".ppm");
    Raster raster;
    std::size_t at = 0;
    const auto next = [&] {
        while (at < ppm.size() && std::isspace(static_cast<unsigned char>(ppm[at]))) ++at;
        const std::size_t start = at;
        while (at < ppm.size() && !std::isspace(static_cast<unsigned char>(ppm[at]))) ++at;
        return ppm.substr(start, at - start);
    };
    if (next() != "P6") return raster;
    raster.width = std::stoi(next());
    raster.height = std::stoi(next());
    next();
    raster.rgb = ppm.substr(at + 1);
    return raster;
}

TEST(PosterPdfWholeDocument, OutsideToolsReadThePosterAsDrawn) {
    testing::ScratchFolder folder;
    WritePoster(folder);
    const auto text = testing::PdfText(folder / "poster.pdf");
    ASSERT_EQ(text.exitCode, 0) << text.output;
    for (const char* drawn : {"Spring fair at", "Marlowin Bay (2025)",
                              "QR Code will generate an automatic email", "OPEN DAY", "Jo Brand",
                              "12 Harbour Road", "MB1 2QR", "Tel 01234 567890", "jo@example.org"}) {
        EXPECT_NE(text.output.find(drawn), std::string::npos) << drawn << "\n" << text.output;
    }
    const auto info = testing::RunTool("pdfinfo '" + (folder / "poster.pdf").string() + "'");
    EXPECT_NE(info.output.find("Title:           Marlowin"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Page size:       595.2 x 842 pts"), std::string::npos);

    const Raster page = RenderPage(folder / "poster.pdf");
    ASSERT_GT(page.width, 0);
    EXPECT_EQ(page.At(10.5, 20), 0x0000FF);  // upper half of the code picture: red
    EXPECT_EQ(page.At(10.5, 12), 0xFF0000);  // lower half: blue
    EXPECT_EQ(page.At(2.5, 7.5), kBannerFill);
    EXPECT_EQ(page.At(0.5, 0.5), 0xFFFFFF);  // outside the frame
}

TEST(PosterPdfWholeDocument, EveryFeatureTogetherMakesAValidDocument) {
    testing::ScratchFolder folder;
    testing::WriteFileBytes(folder / "one.bmp",
                            MakeBmp(9, 2, 1, {0, 0, 0, 0, 255, 255, 255, 0},
                                    std::string("\xAA\x80\0\0\x55\x00\0\0", 8)));
    testing::WriteFileBytes(
        folder / "four.bmp",
        MakeBmp(3, 1, 4, std::vector<std::uint8_t>(64, 0x80), std::string("\x12\x30\0\0", 4)));
    testing::WriteFileBytes(folder / "eight.bmp",
                            MakeBmp(2, 2, 8, std::vector<std::uint8_t>(1024, 0x40),
                                    std::string("\x01\x02\0\0\x03\x04\0\0", 8)));
    testing::WriteFileBytes(folder / "code.bmp", TwoColourBitmap());
    const auto file = folder / "features.pdf";
    testing::WriteDocument(
        file,
        [&](clsPosterPDF& w) {
            w.LoadFont("Times", "Times New Roman", 2);
            w.LoadFont("Mono", "Courier New", 1);
            w.LoadFont("Sym", "Symbol", 0);
            w.LoadFont("Sans", "Arial", 3);
            w.LoadFontStandard("Helv", "Helvetica", 0);
            EXPECT_TRUE(w.LoadImgFromBMPFile("One", folder / "one.bmp", 0));
            EXPECT_TRUE(w.LoadImgFromBMPFile("Four", folder / "four.bmp", 1));
            EXPECT_TRUE(w.LoadImgFromBMPFile("Eight", folder / "eight.bmp", 0));
            EXPECT_TRUE(w.LoadImgFromBMPFile("Code", folder / "code.bmp", 1));
            w.StartObject("Footers", 12);
            w.DrawText(105, 10, "footer line", "Sans", 9, 2);
            w.EndObject();
            for (int page = 1; page <= 3; ++page) {
                w.BeginPage();
                w.SetWordSpacing(1), w.SetCharSpacing(0.2f), w.SetTextHorizontalScaling(95);
                w.SetTextRenderingMode(0);
                w.DrawText(20, 280, "Times italic text", "Times", 14, 0, 0);
                w.DrawText(190, 270, "Courier bold right", "Mono", 10, 1, 0);
                w.DrawText(100, 250, "rotated text", "Helv", 12, 0, 30);
                w.SetColorStroke(0x00FF00), w.SetDash(2, 1), w.SetLineWidth(0.7f);
                w.SetLineCap(1), w.SetLineJoin(2), w.SetMiterLimit(4);
                w.MoveTo(20, 20), w.LineTo(60, 40, 0), w.Curve(70, 50, 80, 30, 90, 40, 3);
                w.SetDash(0, 0);
                w.Rectangle(20, 60, 50, 30, 7, 8);
                w.DrawCircle(120, 80, 15, 5);
                w.Arc(160, 80, 20, 0, 270, 0.5f, false, 45, 15, 1);
                w.DrawImg("One", 20, 200, 30, 10), w.DrawImg("Four", 60, 200, 30, 10);
                w.DrawImg("Eight", 100, 200, 20, 20), w.DrawImg("Code", 130, 200, 40, 40);
                w.DrawObject("Footers");
                w.EndPage();
            }
        },
        [](clsPosterPDF& w) {
            w.ScaleMode(2);
            w.PaperSize(1);
            w.Margin(5);
            w.Orientation(1);
            w.EncodeASCII85(true);
            w.Title("Every feature");
        });
    EXPECT_TRUE(testing::RendersWithPdftoppm(file));
    const auto text = testing::PdfText(file);
    for (const char* drawn : {"Times italic text", "Courier bold right", "footer line"}) {
        EXPECT_NE(text.output.find(drawn), std::string::npos) << drawn << "\n" << text.output;
    }
}

}  // namespace
}  // namespace tessivo::posterpdf
