#include <gtest/gtest.h>

#include "layoutpdf/AfmWidths.h"
#include "tests/layoutpdf/LayoutPdfTestSupport.h"

namespace tessivo::layoutpdf {
namespace {

using testing::ProgramFolder;

TEST(AfmWidths, ReadsEncodedCodesAndZeroesWhatLiesOutsideThem) {
    const std::string afm =
        "StartFontMetrics 2.0\r\nFontName Test\r\nStartCharMetrics 4\r\n"
        "C 65 ; WX 667 ; N A ; B 0 0 1 1 ;\r\n"
        "C 66 ; WX 667.9 ; B 0 0 1 1 ;\r\n"
        "C 67 ; WX oops ; N C ;\r\n"
        "C 300 ; WX 500 ;\r\n"
        "C 68 ; WX 722 ;\r\n"
        "C -1 ; WX 999 ; N Z ;\r\n"
        "EndCharMetrics\r\nEndFontMetrics\r\n";
    AfmWidthTable widths{};
    ASSERT_TRUE(ParseAfmWidths(afm, widths));
    EXPECT_EQ(widths['A'], 667);
    EXPECT_EQ(widths['B'], 667);  // rounded down
    EXPECT_EQ(widths['C'], 0);    // unreadable line
    EXPECT_EQ(widths['D'], 722);
    EXPECT_EQ(widths['@'], 0);    // below the first code
    EXPECT_EQ(widths['E'], 0);    // above the last code
    EXPECT_EQ(widths['Z'], 999);  // an unencoded glyph found by its name
}

TEST(AfmWidths, MalformedLinesAreSkippedWithoutHarm) {
    const std::string cases[] = {
        "StartCharMetrics",
        "StartCharMetrics\n;;;;;;\nC\nC ;\nC ; WX ;\n",
        "StartCharMetrics\nC 65 ; WX 1e308 ; N A ;\nC 66 ; WX -20000 ;\nC 67 ; WX nan ;\n",
        "StartCharMetrics\nC 300 ; WX 500 ; N " + std::string(100000, 'x') + " ;\n",
        "StartCharMetrics\nC 999999999999 ; WX 500 ;\nC -7 ; WX 500 ;\nEndCharMetrics",
        // Not-a-number codes compare false with every bound; they once became an index.
        "StartCharMetrics\nC nan ; WX 500 ;\nC -nan ; WX 500 ;\nC inf ; WX 500 ;\n",
        std::string("StartCharMetrics\nC 65\0 ; WX 5\0 ;\n", 33),
    };
    for (const std::string& text : cases) {
        AfmWidthTable widths{};
        EXPECT_TRUE(ParseAfmWidths(text, widths));
        for (double width : widths) EXPECT_EQ(width, 0) << text.substr(0, 60);
    }
}

TEST(AfmWidths, FileWithoutMetricsIsRefusedAndAllZero) {
    AfmWidthTable widths{};
    widths.fill(1);
    EXPECT_FALSE(ParseAfmWidths("StartFontMetrics 2.0\nC 65 ; WX 667 ;\n", widths));
    EXPECT_EQ(widths['A'], 0);
}

// The URW files carry Adobe's standard encoding; text is measured in Windows-1252.
TEST(AfmWidths, MeasuresWindows1252BytesByGlyphNameInTheInstalledHelvetica) {
    AfmWidthTable widths{};
    ASSERT_EQ(LoadAfmWidths(ProgramFolder() / "Helvetica.afm", widths), std::nullopt);
    const std::pair<unsigned char, double> cases[] = {
        {'A', 667},  {' ', 278},  {'\'', 191},  // quotesingle, not quoteright
        {'`', 333},                             // grave, not quoteleft
        {0x92, 222}, {0x80, 556},               // quoteright, Euro
        {0xE9, 556}, {0xC9, 667}, {0xFC, 556},  // eacute, Eacute, udieresis
        {0xA0, 278}, {0x81, 0},   {0, 0}};
    for (const auto& [byte, width] : cases) EXPECT_EQ(widths[byte], width) << int{byte};
}

TEST(AfmWidths, EveryStandardFileIsPlacedAndReadable) {
    for (const char* name :
         {"Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
          "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic", "Courier",
          "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique", "Symbol", "ZapfDingbats"}) {
        AfmWidthTable widths{};
        EXPECT_EQ(LoadAfmWidths(ProgramFolder() / (std::string(name) + ".afm"), widths),
                  std::nullopt)
            << name;
        EXPECT_GT(widths[' '], 0) << name;
    }
    AfmWidthTable courier{};
    ASSERT_EQ(LoadAfmWidths(ProgramFolder() / "Courier.afm", courier), std::nullopt);
    EXPECT_EQ(courier['i'], 600);
    EXPECT_EQ(courier[0xE9], 600);
}

TEST(AfmWidths, MissingOrOversizedFilesAreNamedInTheError) {
    testing::ScratchFolder folder;
    AfmWidthTable widths{};
    const auto missing = LoadAfmWidths(folder / "Nope.afm", widths);
    ASSERT_TRUE(missing.has_value());
    EXPECT_NE(missing->find("Nope.afm"), std::string::npos);

    testing::WriteFileBytes(folder / "Big.afm", std::string(kMaxAfmFileBytes + 1, 'x'));
    const auto big = LoadAfmWidths(folder / "Big.afm", widths);
    ASSERT_TRUE(big.has_value());
    EXPECT_NE(big->find("Big.afm"), std::string::npos);

    testing::WriteFileBytes(folder / "Empty.afm", "StartFontMetrics 2.0\n");
    const auto empty = LoadAfmWidths(folder / "Empty.afm", widths);
    ASSERT_TRUE(empty.has_value());
    EXPECT_NE(empty->find("StartCharMetrics"), std::string::npos);
}

}  // namespace
}  // namespace tessivo::layoutpdf
