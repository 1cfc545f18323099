// Content operators: the exact lines each member writes into the page's content stream.
#include <gtest/gtest.h>

#include "PosterPdfTestSupport.h"

namespace tessivo::posterpdf {
namespace {

using testing::PageContent;
using testing::Visible;

using Draw = std::function<void(clsPosterPDF&)>;

struct OperatorCase {
    const char* name;
    Draw draw;
    const char* expected;  // lines joined by "|", each ending in CR LF in the file
};

std::string Lines(std::string_view joined) {
    std::string lines;
    std::size_t start = 0;
    while (start <= joined.size() && !joined.empty()) {
        const std::size_t bar = joined.find('|', start);
        lines += std::string(joined.substr(start, bar - start)) + "\r\n";
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    return lines;
}

void ExpectContent(const std::vector<OperatorCase>& cases, std::int32_t scaleMode) {
    for (const auto& c : cases) {
        testing::ScratchFolder folder;
        const std::string content = PageContent(folder / "page.pdf", [&](clsPosterPDF& writer) {
            writer.ScaleMode(scaleMode);
            c.draw(writer);
        });
        EXPECT_EQ(Visible(content), Visible(Lines(c.expected))) << c.name;
    }
}

TEST(PosterPdfContent, StateAndColourOperatorsWriteOneLineEach) {
    ExpectContent(
        {
            {"word spacing", [](clsPosterPDF& w) { w.SetWordSpacing(1.25f); }, "1.25 Tw"},
            {"char spacing", [](clsPosterPDF& w) { w.SetCharSpacing(-0.5f); }, "-0.5 Tc"},
            {"scaling", [](clsPosterPDF& w) { w.SetTextHorizontalScaling(90); }, "90 Tz"},
            {"rendering mode in range and out",
             [](clsPosterPDF& w) {
                 w.SetTextRenderingMode(2), w.SetTextRenderingMode(3);
                 w.SetTextRenderingMode(-1);
             },
             "2 Tr"},
            {"black fill", [](clsPosterPDF& w) { w.SetColorFill(0); }, "0 g"},
            {"grey fill", [](clsPosterPDF& w) { w.SetColorFill(-128); }, "0.502 g"},
            {"white stroke", [](clsPosterPDF& w) { w.SetColorStroke(-255); }, "1 G"},
            {"red fill", [](clsPosterPDF& w) { w.SetColorFill(255); }, "1 0 0 rg"},
            {"yellow stroke", [](clsPosterPDF& w) { w.SetColorStroke(65535); }, "1 1 0 RG"},
            {"mid grey as colour", [](clsPosterPDF& w) { w.SetColorFill(8421504); },
             "0.502 0.502 0.502 rg"},
            {"bits above the blue byte ignored",
             [](clsPosterPDF& w) { w.SetColorStroke(0x7F0000FF); }, "1 0 0 RG"},
            {"solid dash", [](clsPosterPDF& w) { w.SetDash(0, 0); }, "[ ] 0 d"},
            {"caps and joins in range only",
             [](clsPosterPDF& w) {
                 w.SetLineCap(2), w.SetLineCap(3), w.SetLineCap(-1);
                 w.SetLineJoin(0), w.SetLineJoin(3);
             },
             "2 J|0 j"},
            {"miter limit from 1",
             [](clsPosterPDF& w) { w.SetMiterLimit(0.5f), w.SetMiterLimit(1); }, "1 M"},
            {"empty page", [](clsPosterPDF&) {}, ""},
        },
        0);
}

TEST(PosterPdfContent, UserUnitsAreConvertedWherePositionsAndLengthsAreGiven) {
    ExpectContent(
        {{"dash in mm", [](clsPosterPDF& w) { w.SetDash(3, 0); }, "[8.504 0] 0 d"},
         {"line width in mm", [](clsPosterPDF& w) { w.SetLineWidth(0.5f); }, "1.417 w"},
         {"move and line in mm", [](clsPosterPDF& w) { w.MoveTo(10, 20), w.LineTo(30, 40, 1); },
          "28.346 56.693 m|85.039 113.386 l|S"},
         {"curve in mm", [](clsPosterPDF& w) { w.Curve(1, 2, 3, 4, 5, 6); },
          "2.835 5.669 8.504 11.339 14.173 17.008 c"},
         {"spacing is not converted", [](clsPosterPDF& w) { w.SetWordSpacing(3); }, "3 Tw"}},
        2);
    ExpectContent({{"text at 1 inch", [](clsPosterPDF& w) { w.DrawText(1, 2, "x", "F9", 10); },
                    "BT|/F9 10 Tf|72 144 Td|(x) Tj|ET"}},
                  1);
}

TEST(PosterPdfContent, PathsArePaintedAsTheOptionsSay) {
    const char* painted[] = {"", "|S", "|h", "|h|S", "|f", "|B", "|f", "|b", ""};
    std::vector<OperatorCase> cases;
    std::vector<std::string> expected(9);
    for (int options = 0; options <= 8; ++options) {
        expected[options] = std::string("1 2 l") + painted[options];
        cases.push_back({"options", [options](clsPosterPDF& w) { w.LineTo(1, 2, options); },
                         expected[options].c_str()});
    }
    ExpectContent(cases, 0);
}

TEST(PosterPdfContent, RectanglesCirclesAndArcsFollowTheirPaths) {
    ExpectContent(
        {
            {"plain rectangle", [](clsPosterPDF& w) { w.Rectangle(10, 20, 30, 40, 5, 0); },
             "n|10 20 30 40 re|B"},
            {"rounded rectangle with radius limited to half the width",
             [](clsPosterPDF& w) { EXPECT_EQ(w.Rectangle(0, 0, 20, 40, 1, 50), 10.0f); },
             "n|10 0 m|10 0 l|15.5 0 20 4.5 20 10 c|20 30 l|20 35.5 15.5 40 10 40 c|"
             "10 40 l|4.5 40 0 35.5 0 30 c|0 10 l|0 4.5 4.5 0 10 0 c|S"},
            {"circle", [](clsPosterPDF& w) { w.DrawCircle(100, 100, 10, 4); },
             "100 90 m|105.5 90 110 94.5 110 100 c|110 105.5 105.5 110 100 110 c|"
             "94.5 110 90 105.5 90 100 c|90 94.5 94.5 90 100 90 c|f"},
            {"arc reaching its end angle",
             [](clsPosterPDF& w) { w.Arc(0, 0, 10, 0, 90, 1, false, 0, 30, 1); },
             "n|0 0 m|10 0 m|10 0 l|8.66 5 l|5 8.66 l|0 10 l|S"},
            {"arc whose steps pass the end angle",
             [](clsPosterPDF& w) { w.Arc(0, 0, 10, 0, 90, 1, false, 0, 40, 0); },
             "n|0 0 m|10 0 m|10 0 l|7.66 6.428 l|1.736 9.848 l"},
            {"filled arc is a pie, half-height ellipse turned 90 degrees",
             [](clsPosterPDF& w) { EXPECT_TRUE(w.Arc(0, 0, 10, 0, 90, 0.5f, false, 90, 90, 4)); },
             "n|0 0 m|0 10 l|-5 0 l|0 0 l|f"},
            {"arc stepping downwards",
             [](clsPosterPDF& w) { w.Arc(0, 0, 1, 90, 0, 1, true, 0, -90, 3); },
             "n|0 0 m|0 1 l|1 0 l|0 0 l|h|S"},
        },
        0);
}

TEST(PosterPdfContent, TextIsPlacedAlignedRotatedAndEscaped) {
    const Draw loadCourier = [](clsPosterPDF& w) { w.LoadFont("Fnt3", "Courier New", 0); };
    const struct {
        const char* name;
        Draw draw;
        const char* expected;
    } cases[] = {
        {"left", [](clsPosterPDF& w) { EXPECT_EQ(w.DrawText(100, 50, "ab", "Fnt3", 10), 100); },
         "BT|/Fnt3 10 Tf|100 50 Td|(ab) Tj|ET"},
        {"right: ends at x",
         [](clsPosterPDF& w) { EXPECT_EQ(w.DrawText(100, 50, "ab", "Fnt3", 10, 1), 88); },
         "BT|/Fnt3 10 Tf|88 50 Td|(ab) Tj|ET"},
        {"centred on x", [](clsPosterPDF& w) { w.DrawText(100, 50, "ab", "Fnt3", 10, 2); },
         "BT|/Fnt3 10 Tf|94 50 Td|(ab) Tj|ET"},
        {"standard font falls back to left",
         [](clsPosterPDF& w) { w.DrawText(100, 50, "ab", "Fnt9", 10, 2); },
         "BT|/Fnt9 10 Tf|100 50 Td|(ab) Tj|ET"},
        {"rotated 90 degrees", [](clsPosterPDF& w) { w.DrawText(10, 20, "up", "Fnt3", 12, 0, 90); },
         "BT|/Fnt3 12 Tf|0 1 -1 0 10 20 Tm|(up) Tj|ET"},
        {"rotated 30 degrees", [](clsPosterPDF& w) { w.DrawText(10, 20, "r", "Fnt3", 12, 0, 30); },
         "BT|/Fnt3 12 Tf|0.866 0.5 -0.5 0.866 10 20 Tm|(r) Tj|ET"},
        {"escaped and in Windows-1252",
         [](clsPosterPDF& w) { w.DrawText(0, 0, "(a\\b) é€中", "Fnt3", 9); },
         "BT|/Fnt3 9 Tf|0 0 Td|(\\(a\\\\b\\) \xE9\x80?) Tj|ET"},
    };
    for (const auto& c : cases) {
        testing::ScratchFolder folder;
        EXPECT_EQ(Visible(PageContent(folder / "text.pdf", c.draw, loadCourier)),
                  Visible(Lines(c.expected)))
            << c.name;
    }
}

TEST(PosterPdfContent, RefusesArcsThatNeverEndAndColoursBelowGrey) {
    testing::ScratchFolder folder;
    const std::string content = PageContent(folder / "refused.pdf", [](clsPosterPDF& w) {
        EXPECT_THROW(w.Arc(0, 0, 1, 0, 90, 1, false, 0, 0, 1), std::invalid_argument);
        EXPECT_THROW(w.Arc(0, 0, 1, 90, 90, 1, false, 0, 0, 1), std::invalid_argument);
        EXPECT_THROW(w.Arc(0, 0, 1, 0, 90, 1, false, 0, -10, 1), std::invalid_argument);
        EXPECT_THROW(w.Arc(0, 0, 1, 90, 0, 1, false, 0, 10, 1), std::invalid_argument);
        EXPECT_THROW(w.Arc(0, 0, 1, 0, 1e6f, 1, false, 0, 1, 1), std::invalid_argument);
        EXPECT_THROW(w.Arc(0, 0, 1, 1e8f, 1e8f + 1e3f, 1, false, 0, 1, 1),
                     std::invalid_argument);  // the float counter would stand still
        EXPECT_THROW(w.SetColorFill(-256), std::invalid_argument);
        EXPECT_THROW(w.SetColorStroke(-100000), std::invalid_argument);
    });
    EXPECT_EQ(content, "");
}

}  // namespace
}  // namespace tessivo::posterpdf
