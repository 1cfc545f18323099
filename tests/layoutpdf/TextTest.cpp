#include <gtest/gtest.h>

#include <regex>

#include "tests/layoutpdf/LayoutPdfTestSupport.h"

namespace tessivo::layoutpdf {
namespace {

using testing::Count;
using testing::Lines;
using testing::StreamOf;
using testing::WriterFixture;

std::string CurrentFont(lumPDF& pdf) {
    std::string font;
    pdf.PDFGetStringWidth("x", font, 10);
    return font;
}

TEST(LumPdfText, FamilyAndStyleDigitsNameTheFont) {
    const struct {
        long family, style;
        const char* name;
    } cases[] = {
        {0, 0, "Helvetica"},      {0, 1, "Helvetica-Oblique"},
        {0, 2, "Helvetica-Bold"}, {0, 12, "Helvetica-BoldOblique"},
        {1, 3, "Courier"},        {1, 21, "Courier-BoldOblique"},
        {2, 0, "Times-Roman"},    {2, 1, "Times-Italic"},
        {2, 2, "Times-Bold"},     {2, 12, "Times-BoldItalic"},
        {3, 0, "Symbol"},         {4, 0, "ZapfDingbats"},
    };
    WriterFixture f;
    for (const auto& c : cases) {
        f.pdf.PDFSetFont(c.family, 10, c.style);
        EXPECT_EQ(CurrentFont(f.pdf), c.name) << c.family << "/" << c.style;
    }
    EXPECT_TRUE(f.sink.messages.empty());
}

TEST(LumPdfText, WritesFontNumberSizeAndEscapedText) {
    WriterFixture f;
    testing::ScratchFolder metrics;
    for (const char* font : {"Courier", "Helvetica", "Helvetica-Bold"}) {
        std::filesystem::copy_file(testing::ProgramFolder() / (std::string(font) + ".afm"),
                                   metrics / (std::string(font) + ".afm"));
    }
    f.pdf.PDFLoadAfm(metrics.path());
    f.Begin();
    f.pdf.PDFSetFont(0, 12, 2);
    f.pdf.PDFTextOut("a(b)", 2, 2);
    f.pdf.PDFSetFont(0, 12, 0);
    f.pdf.PDFTextOut("Caf\xC3\xA9 \\ \xE2\x82\xAC", 2, 4);
    const std::string pdf = f.Finish({"a(b)", "Caf\xC3\xA9 \\ \xE2\x82\xAC"});
    const std::string content = StreamOf(pdf, 2);
    EXPECT_NE(content.find("/F3 12.00 Tf\r\n(a\\(b\\)) Tj\r\n"), std::string::npos);
    EXPECT_NE(content.find("/F2 12.00 Tf\r\n(Caf\xE9 \\\\ \x80) Tj\r\n"), std::string::npos);
}

TEST(LumPdfText, MeasuresWidthsInPointsFromTheMetricFiles) {
    WriterFixture f;
    const struct {
        const char* text;
        const char* font;
        std::int16_t size;
        double points;
    } cases[] = {
        {"AB", "Helvetica", 10, 13.34},
        {"\xC3\xA9t\xC3\xA9", "Helvetica", 10, 13.9},  // accents measured by glyph
        {"it's", "Courier", 20, 48},
        {"", "Times-Roman", 12, 0},
        {"W", "Times-Bold", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(f.pdf.PDFGetStringWidth(c.text, c.font, c.size), c.points, 1e-9) << c.text;
    }
    f.pdf.PDFSetFont(1, 10, 0);
    EXPECT_NEAR(f.pdf.PDFGetStringWidth("abc", "", 10), 18, 1e-9);
    EXPECT_NEAR(f.pdf.PDFTextHeight(), 10 / (72 / 2.54), 1e-12);
}

TEST(LumPdfText, RotatesOnlyTheNextTextAndPlacesZeroAtTheCurrentPosition) {
    WriterFixture f;
    f.Begin();
    f.pdf.PDFSetUnit(0);
    f.pdf.PDFSetFont(0, 10, 0);
    f.pdf.PDFSetRotation(90);
    f.pdf.PDFTextOut("Up", 100, 200);
    f.pdf.PDFTextOut("Flat", 100, 300);
    EXPECT_EQ(f.pdf.PDFGetX(), 117);  // "Flat": 611 + 222 + 556 + 278 = 1667 at size 10
    EXPECT_EQ(f.pdf.PDFGetY(), 310);
    f.pdf.PDFTextOut("Next", 0, 0);
    const std::string content = StreamOf(f.Finish({"Up", "Flat", "Next"}), 2);
    EXPECT_NE(content.find("BT\r\n0.00000 1.00000 -1.00000 0.00000 100.00 641.89 Tm\r\n"),
              std::string::npos);
    EXPECT_NE(content.find("BT\r\n101.00 541.89 Td\r\n"), std::string::npos);
    EXPECT_NE(content.find("BT\r\n117.67 531.89 Td\r\n"), std::string::npos);
    EXPECT_EQ(Count(content, " Tm\r\n"), 1);
}

TEST(LumPdfText, UnderlinesOnlyTheNextText) {
    WriterFixture f;
    f.Begin();
    f.pdf.PDFSetUnit(0);
    f.pdf.PDFSetFont(1, 10, 3);
    f.pdf.PDFTextOut("ab", 10, 20);
    f.pdf.PDFTextOut("cd", 10, 40);
    const std::string content = StreamOf(f.Finish({"ab", "cd"}), 2);
    EXPECT_NE(content.find(Lines({"(ab) Tj", "ET", "11.00 820.01 12.00 -0.02 re f", "Q"})),
              std::string::npos);
    EXPECT_NE(content.find(Lines({"(cd) Tj", "ET", "Q"})), std::string::npos);
}

TEST(LumPdfText, ColoursComeFromArraysNumbersAndHtmlText) {
    const struct {
        std::function<void(lumPDF&)> set;
        std::function<std::string(lumPDF&)> get;
        const char* op;
    } cases[] = {
        {[](lumPDF& p) { p.PDFSetTextColor("#FF0000"); },
         [](lumPDF& p) { return p.PDFGetTextColor(); }, "1.000 0.000 0.000 rg"},
        {[](lumPDF& p) { p.PDFSetTextColor("#ff8000"); },
         [](lumPDF& p) { return p.PDFGetTextColor(); }, "1.000 0.502 0.000 rg"},
        {[](lumPDF& p) { p.PDFSetTextColor(16777215.0); },
         [](lumPDF& p) { return p.PDFGetTextColor(); }, "1.000 1.000 1.000 rg"},
        {[](lumPDF& p) { p.PDFSetLineColor(255); }, [](lumPDF& p) { return p.PDFGetLineColor(); },
         "1.000 0.000 0.000 RG"},
        {[](lumPDF& p) { p.PDFSetLineColor(16711680.9); },
         [](lumPDF& p) { return p.PDFGetLineColor(); }, "0.000 0.000 1.000 RG"},
        {[](lumPDF& p) {
             p.PDFSetDrawColor(std::array<int, 3>{0, 128, 255});
         },
         [](lumPDF& p) { return p.PDFGetDrawColor(); }, "0.000 0.502 1.000 rg"},
        {[](lumPDF& p) {
             p.PDFSetDrawColor(std::array<int, 3>{300, -5, 10});
         },
         [](lumPDF& p) { return p.PDFGetDrawColor(); }, "1.000 0.000 0.039 rg"},
        {[](lumPDF& p) { p.PDFSetDrawColor("#80"); }, [](lumPDF& p) { return p.PDFGetDrawColor(); },
         "0.000 0.000 0.502 rg"},
    };
    for (const auto& c : cases) {
        WriterFixture f;
        c.set(f.pdf);
        EXPECT_EQ(c.get(f.pdf), c.op);
        EXPECT_TRUE(f.sink.messages.empty()) << c.op;
    }
}

TEST(LumPdfText, AFontWithoutMetricsIsAnErrorAndWritesNothing) {
    WriterFixture f;
    testing::ScratchFolder metrics;
    std::filesystem::copy_file(testing::ProgramFolder() / "Courier.afm", metrics / "Courier.afm");
    f.pdf.PDFLoadAfm(metrics.path());
    f.Begin();
    f.pdf.PDFTextOut("Default font", 2, 2);  // no PDFSetFont: font 1, measured as Courier
    f.pdf.PDFSetFont(3, 10, 0);
    try {
        f.pdf.PDFTextOut("Greek", 2, 4);
        FAIL() << "no error";
    } catch (const LumMetricError& error) {
        EXPECT_NE(std::string(error.what()).find("Symbol"), std::string::npos);
    }
    EXPECT_THROW(f.pdf.PDFCell("Greek", 2, 4, 5, 1), LumMetricError);
    f.pdf.PDFSetFont(1, 10, 0);
    const std::string content = StreamOf(f.Finish({"Default font"}), 2);
    EXPECT_EQ(content.find("Greek"), std::string::npos);
    EXPECT_EQ(content.find("/F0"), std::string::npos);
}

TEST(LumPdfText, WatermarkLeavesTheCallersTextStateAlone) {
    WriterFixture f;
    f.pdf.PDFWatermark("DRAFT");
    f.Begin();
    f.pdf.PDFSetFont(2, 14, 0);
    f.pdf.PDFSetTextColor("#0000FF");
    f.pdf.PDFTextOut("Body one", 2, 2);
    f.pdf.PDFEndPage();
    f.pdf.PDFNewPage();
    EXPECT_EQ(f.pdf.PDFGetY(), 1);
    f.pdf.PDFTextOut("Body two", 2, 2);
    const std::string pdf = f.Finish({"Body one", "Body two"});
    const std::string second = StreamOf(pdf, 4);
    const std::string mark = "0.70711 0.70711 -0.70711 0.70711 ";
    EXPECT_EQ(Count(StreamOf(pdf, 2), mark), 1);
    EXPECT_EQ(Count(second, mark), 2);
    EXPECT_NE(second.find("q 1.000 0.753 0.796 rg "), std::string::npos);
    EXPECT_NE(second.find(Lines({"q 0.000 0.000 1.000 rg ", "%DEBUT_TEXT/%", "BT",
                                 "85.04 785.20 Td", "/F13 14.00 Tf", "(Body two) Tj"})),
              std::string::npos);
}

}  // namespace
}  // namespace tessivo::layoutpdf
