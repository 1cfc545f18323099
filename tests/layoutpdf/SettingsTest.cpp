#include <gtest/gtest.h>

#include <functional>

#include "tests/layoutpdf/LayoutPdfTestSupport.h"

namespace tessivo::layoutpdf {
namespace {

using testing::WriterFixture;

TEST(LumPdfSettings, FreshWriterHasTheDefaults) {
    WriterFixture f;
    EXPECT_EQ(f.pdf.PDFGetUnit(), "cm");
    EXPECT_EQ(f.pdf.PDFGetPageWidth(), 595.28);
    EXPECT_EQ(f.pdf.PDFGetPageHeight(), 841.89);
    EXPECT_EQ(f.pdf.PDFGetLeftMargin(), 1);
    EXPECT_EQ(f.pdf.PDFGetTopMargin(), 1);
    EXPECT_EQ(f.pdf.PDFGetRightMargin(), 1);
    EXPECT_EQ(f.pdf.PDFGetBottomMargin(), 1);
    EXPECT_EQ(f.pdf.PDFGetCellMargin(), 3);
    EXPECT_EQ(f.pdf.PDFGetX(), 1);
    EXPECT_EQ(f.pdf.PDFGetY(), 1);
    EXPECT_EQ(f.pdf.PDFNbPage(), -1);
    EXPECT_EQ(f.pdf.PDFGetAlignement(), "Left");
    EXPECT_EQ(f.pdf.PDFGetTextColor(), "0 g");
    EXPECT_EQ(f.pdf.PDFGetLineColor(), "0 G");
    EXPECT_EQ(f.pdf.PDFGetDrawColor(), "0 g");
    EXPECT_FALSE(f.pdf.PDFGetZoomMode().has_value());
    EXPECT_TRUE(f.sink.messages.empty());
}

TEST(LumPdfSettings, EveryRejectedSettingShowsItsMessageAndTakesTheFallback) {
    const struct {
        const char* name;
        std::function<void(lumPDF&)> call;
        const char* title;
        const char* text;
        std::function<bool(lumPDF&)> fallback;
    } cases[] = {
        {"layout", [](lumPDF& p) { p.PDFSetLayoutMode(4); }, "Layout Mode - lumPDF 1.0",
         "Layout incorrect : 4.\r\nLayout will be set to simple single page.",
         [](lumPDF& p) { return p.PDFGetLayoutMode() == 0; }},
        {"unit",
         [](lumPDF& p) {
             p.PDFSetUnit(0);
             p.PDFSetUnit(7);
         },
         "Error in measurement unit - lumPDF 1.0",
         "Incorrect Unit of Measure : 7.\r\nUsing centimeter ",
         [](lumPDF& p) { return p.PDFGetUnit() == "cm"; }},
        {"orientation", [](lumPDF& p) { p.PDFOrientation(5); }, "Error in orientation - lumPDF 1.0",
         "Orientation set incorrectly: 5.\r\nOrientation set to portrait.",
         [](lumPDF& p) { return p.PDFGetPageWidth() == 595 && p.PDFGetPageHeight() == 842; }},
        {"format code",
         [](lumPDF& p) {
             p.PDFFormatPage(3L);
             p.PDFFormatPage(9L);
         },
         "Format Page - lumPDF 1.0", "Format page set incorrectly : 9.\r\nFormat page set to A4.",
         [](lumPDF& p) { return p.PDFGetPageWidth() == 595.28; }},
        {"format text",
         [](lumPDF& p) {
             p.PDFFormatPage(3L);
             p.PDFFormatPage("B5");
         },
         "Format Page - lumPDF 1.0", "Format page set incorrectly : B5.\r\nFormat page set to A4",
         [](lumPDF& p) { return p.PDFGetPageHeight() == 841.89; }},
        {"format size",
         [](lumPDF& p) {
             p.PDFFormatPage(std::array<double, 2>{0, 600});
         },
         "Format Page - lumPDF 1.0",
         "Format page set incorrectly : 0, 600.\r\nFormat page set to A4",
         [](lumPDF& p) { return p.PDFGetPageHeight() == 841.89; }},
        {"draw mode", [](lumPDF& p) { p.PDFSetDrawMode(3); }, "Object Rectangle - lumPDF 1.0",
         "Draw Mode set incorrectly : 3.\r\nDraw mode set to normal", nullptr},
        {"line style", [](lumPDF& p) { p.PDFSetLineStyle(4); }, "Line Style - lumPDF 1.0",
         "Line style set incorrectly : 4.\r\nLine style set to solid.", nullptr},
        {"font", [](lumPDF& p) { p.PDFSetFont(9, 12, 2); }, "Font name - lumPDF 1.0",
         "Font name set incorrectly : 9.\r\nFont set to Times New Roman.",
         [](lumPDF& p) {
             std::string font;
             p.PDFGetStringWidth("x", font, 10);
             return font == "Times-Roman";
         }},
        {"alignment",
         [](lumPDF& p) {
             p.PDFSetAlignement(2);
             p.PDFSetAlignement(7);
         },
         "Alignment - lumPDF 1.0", "Invalid alignment set. : 7.\r\nUsing left alignment.",
         [](lumPDF& p) { return p.PDFGetAlignement() == "Left"; }},
        {"text colour", [](lumPDF& p) { p.PDFSetTextColor("red"); }, "Text Color lumPDF 1.0",
         "Invalid HTMl color setred.\r\nSet color to  black.",
         [](lumPDF& p) { return p.PDFGetTextColor() == "0.000 0.000 0.000 rg"; }},
        {"line colour", [](lumPDF& p) { p.PDFSetLineColor("red"); }, "Line Color - lumPDF 1.0",
         "Invalid line color set red.\r\nSetting line color to black.",
         [](lumPDF& p) { return p.PDFGetLineColor() == "0.000 0.000 0.000 RG"; }},
        {"draw colour", [](lumPDF& p) { p.PDFSetDrawColor("#12345G"); }, "Draw Color - lumPDF 1.0",
         "Invalid Draw Color set #12345G.\r\nUsing black.",
         [](lumPDF& p) { return p.PDFGetDrawColor() == "0.000 0.000 0.000 rg"; }},
    };
    for (const auto& c : cases) {
        WriterFixture f;
        c.call(f.pdf);
        ASSERT_EQ(f.sink.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.sink.messages[0].title, c.title) << c.name;
        EXPECT_EQ(f.sink.messages[0].text, c.text) << c.name;
        EXPECT_EQ(f.sink.messages[0].icon, LumMessageIcon::Critical) << c.name;
        if (c.fallback) {
            EXPECT_TRUE(c.fallback(f.pdf)) << c.name;
        }
    }
}

TEST(LumPdfSettings, AcceptedValuesShowNothing) {
    WriterFixture f;
    for (long mode = 0; mode <= 3; ++mode) f.pdf.PDFSetLayoutMode(mode);
    EXPECT_EQ(f.pdf.PDFGetLayoutMode(), 3);
    const std::pair<long, const char*> units[] = {{0, "pt"}, {1, "mm"}, {2, "cm"}};
    for (const auto& [code, text] : units) {
        f.pdf.PDFSetUnit(code);
        EXPECT_EQ(f.pdf.PDFGetUnit(), text);
    }
    for (long code = 0; code <= 4; ++code) f.pdf.PDFFormatPage(code);
    for (long style = 0; style <= 3; ++style) f.pdf.PDFSetLineStyle(style);
    for (long mode = 0; mode <= 2; ++mode) f.pdf.PDFSetDrawMode(mode);
    f.pdf.PDFSetZoomMode(150);
    EXPECT_EQ(f.pdf.PDFGetZoomMode(), 150);
    EXPECT_TRUE(f.sink.messages.empty());
}

TEST(LumPdfSettings, FormatsAndOrientationsGivePageSizesInPoints) {
    const struct {
        std::function<void(lumPDF&)> call;
        double width, height;
    } cases[] = {
        {[](lumPDF& p) { p.PDFFormatPage(1L); }, 841.89, 1190.55},
        {[](lumPDF& p) { p.PDFFormatPage(2L); }, 420.94, 595.28},
        {[](lumPDF& p) { p.PDFFormatPage(4L); }, 612, 1008},
        {[](lumPDF& p) {
             p.PDFFormatPage(3L);
             p.PDFOrientation(0);
         },
         792, 612},
        {[](lumPDF& p) {
             p.PDFOrientation(0);
             p.PDFOrientation(0);
         },
         595, 842},
        {[](lumPDF& p) {
             p.PDFSetUnit(1);
             p.PDFFormatPage(std::array<double, 2>{420, 600});
         },
         420, 600},
        {[](lumPDF& p) {
             p.PDFPageWidth(300.5);
             p.PDFPageHeight(400.25);
         },
         300.5, 400.25},
    };
    for (const auto& c : cases) {
        WriterFixture f;
        c.call(f.pdf);
        EXPECT_EQ(f.pdf.PDFGetPageWidth(), c.width);
        EXPECT_EQ(f.pdf.PDFGetPageHeight(), c.height);
    }
}

TEST(LumPdfSettings, MarginsRoundHalvesToEvenAndMinusOneCopies) {
    WriterFixture f;
    const LumMargins applied = f.pdf.PDFSetMargins(2, 3, -1, -1);
    EXPECT_EQ(applied.right, 2);
    EXPECT_EQ(applied.bottom, 3);
    EXPECT_EQ(f.pdf.PDFGetRightMargin(), 2);
    EXPECT_EQ(f.pdf.PDFGetBottomMargin(), 3);
    f.pdf.PDFSetMargins(4, 5, 6, 7);
    EXPECT_EQ(f.pdf.PDFGetRightMargin(), 6);
    EXPECT_EQ(f.pdf.PDFGetBottomMargin(), 7);
    f.pdf.PDFSetLeftMargin(2.5);
    EXPECT_EQ(f.pdf.PDFGetLeftMargin(), 2);
    f.pdf.PDFSetLeftMargin(3.5);
    EXPECT_EQ(f.pdf.PDFGetLeftMargin(), 4);
    f.pdf.PDFSetCellMargin(5.5);
    EXPECT_EQ(f.pdf.PDFGetCellMargin(), 6);
    EXPECT_THROW(f.pdf.PDFSetTopMargin(40000), LumLimitError);
    EXPECT_EQ(f.pdf.PDFGetTopMargin(), 5);
}

TEST(LumPdfSettings, InitResetsWhatItOwnsAndReadsTheConfiguredFolder) {
    WriterFixture f;
    f.pdf.PDFSetUnit(0);
    f.pdf.PDFAuthor("Ann");
    f.pdf.PDFSetMargins(9, 9, 9, 9);
    f.pdf.PDFSetLineColor(255.0);
    testing::ScratchFolder other;
    testing::WriteFileBytes(other / "Only.afm",
                            "StartCharMetrics 1\nC 32 ; WX 250 ;\nEndCharMetrics\n");
    f.pdf.PDFPathConfiguration(other.path());
    f.pdf.PDFInit();
    EXPECT_EQ(f.pdf.PDFGetUnit(), "cm");
    EXPECT_EQ(f.pdf.PDFGetLeftMargin(), 1);
    EXPECT_EQ(f.pdf.PDFGetLineColor(), "0 G");
    EXPECT_EQ(f.pdf.PDFGetStringWidth("  ", "Only", 10), 5.0);
    EXPECT_EQ(f.pdf.PDFLoadAfm(f.folder.path()), 0);  // no metric files: the list empties
    EXPECT_THROW(f.pdf.PDFGetStringWidth("x", "Only", 10), LumMetricError);
}

}  // namespace
}  // namespace tessivo::layoutpdf
