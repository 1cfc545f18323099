// Fonts: width tables, font objects and text measurement.
#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "PosterPdfTestSupport.h"
#include "posterpdf/FontWidths.h"

namespace tessivo::posterpdf {
namespace {

using testing::ObjectBody;
using testing::Visible;
using testing::WriteDocument;

std::vector<int> Numbers(std::string_view text) {
    std::vector<int> numbers;
    std::istringstream in{std::string(text)};
    for (int n; in >> n;) numbers.push_back(n);
    return numbers;
}

std::vector<int> Widths(const WidthTable& table, int first, int last) {
    return {table.begin() + (first - kFirstWidthCode),
            table.begin() + (last - kFirstWidthCode + 1)};
}

TEST(PosterPdfFonts, GeneratedWidthTablesMatchTheFacesTellingRows) {
    const struct {
        const char* face;
        const WidthTable& table;
        int firstOfRow1;
        int digits;  // the width of each of the codes 48..57
        const char* codes32to47;
        const char* codes65to70;
        const char* codes97to101;
    } rows[] = {
        {"Arial", kArialRegularWidths, 32, 556,
         "278 278 355 556 556 889 667 191 333 333 389 584 278 333 278 278",
         "667 667 722 722 667 611", "556 556 500 556 556"},
        {"Arial bold", kArialBoldWidths, 32, 556,
         "278 333 474 556 556 889 722 238 333 333 389 584 278 333 278 278",
         "722 722 722 722 667 611", "556 611 556 611 556"},
        {"Times", kTimesRegularWidths, 32, 500,
         "250 333 408 500 500 833 778 180 333 333 500 564 250 333 250 278",
         "722 667 667 722 611 556", "444 500 444 500 444"},
        {"Times bold", kTimesBoldWidths, 34, 500,
         "555 500 500 1000 833 278 333 333 500 570 250 333 250 278", "722 667 722 722 667 611",
         "500 556 444 556 444"},
        {"Times italic", kTimesItalicWidths, 34, 500,
         "420 500 500 833 778 214 333 333 500 675 250 333 250 278", "611 611 667 722 611 611",
         "500 500 444 500 444"},
        {"Times bold italic", kTimesBoldItalicWidths, 32, 500,
         "250 389 555 500 500 833 778 278 333 333 500 570 250 333 250 278",
         "667 667 667 722 667 667", "500 500 444 500 444"},
        {"Symbol", kSymbolWidths, 32, 500,
         "250 333 713 500 549 833 778 439 333 333 500 549 250 549 250 278",
         "722 667 722 612 611 763", "631 549 549 494 439"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Widths(row.table, row.firstOfRow1, 47), Numbers(row.codes32to47)) << row.face;
        EXPECT_EQ(Widths(row.table, 48, 57), std::vector<int>(10, row.digits)) << row.face;
        EXPECT_EQ(Widths(row.table, 65, 70), Numbers(row.codes65to70)) << row.face;
        EXPECT_EQ(Widths(row.table, 97, 101), Numbers(row.codes97to101)) << row.face;
    }
}

TEST(PosterPdfFonts, TrueTypeFontCarriesWidthsAndDescriptor) {
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "fonts.pdf", [](clsPosterPDF& writer) {
        EXPECT_EQ(writer.LoadFont("Fnt1", "Courier New", 2), "COURIERNEW");
        EXPECT_EQ(writer.LoadFont("Fnt2", "Times New Roman", 1), "TIMESNEWROMAN");
        EXPECT_EQ(writer.LoadFont("Fnt3", "Verdana", 3), "VERDANA");
        writer.LoadFont("Fnt4", "", 2);
        writer.LoadFont("Fnt5", "sym bol", 0);
        EXPECT_EQ(writer.LoadFontStandard("F1", "Helvetica", 1), "Helvetica");
        EXPECT_EQ(writer.LoadFontStandard("Fnt6", "Courier New", 3), "CourierNew");
    });
    const std::string times = ObjectBody(pdf, 7);
    const std::string head =
        "<< /Type /Font \r/Subtype /TrueType\r/Name /Fnt2\r/BaseFont /TimesNewRoman,Bold\r"
        "/FirstChar 32\r/LastChar 255\r/FontDescriptor 8 0 R\r/Encoding /WinAnsiEncoding\r"
        "/Widths [\r\n";
    ASSERT_EQ(Visible(times.substr(0, head.size())), Visible(head));
    std::vector<std::string> lines;
    for (std::size_t at = head.size(); at < times.size();) {
        const std::size_t end = times.find("\r\n", at);
        lines.push_back(times.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 15u);  // 14 lines of widths, then "] >>"
    EXPECT_EQ(lines[0], "250 333 555 500 500 1000 833 278 333 333 500 570 250 333 250 278 ");
    EXPECT_EQ(lines[14], "] >>");
    std::vector<int> all;
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(Numbers(lines[i]).size(), 16u) << lines[i];
        EXPECT_TRUE(lines[i].ends_with(" "));
        for (int w : Numbers(lines[i])) all.push_back(w);
    }
    EXPECT_EQ(all, Widths(kTimesBoldWidths, 32, 255));

    EXPECT_EQ(Visible(ObjectBody(pdf, 8)),
              Visible("<<\r/Type /FontDescriptor\r/FontName /TimesNewRoman,Bold\r/Flags 16418 "
                      "/FontBBox [-250 -216 1201 1000] /MissingWidth 333 /StemV 136 /StemH 136 "
                      "/ItalicAngle 0 /CapHeight 891 /XHeight 446 /Ascent 891 /Descent -216 "
                      "/Leading 149 /MaxWidth 1001 /AvgWidth 401\r>>\r\n"));
    EXPECT_NE(ObjectBody(pdf, 5).find("/BaseFont /CourierNew,Italic\r"), std::string::npos);
    EXPECT_NE(ObjectBody(pdf, 5).find("600 600 600 600 600 600 600 600 600 600 600 600 600 600 "
                                      "600 600 \r\n] >>"),
              std::string::npos);
    EXPECT_NE(ObjectBody(pdf, 9).find("/BaseFont /Arial,BoldItalic\r"), std::string::npos);
    EXPECT_NE(ObjectBody(pdf, 11).find("/BaseFont /Arial,Italic\r"), std::string::npos);
    EXPECT_NE(ObjectBody(pdf, 13).find("/BaseFont /Symbol\r"), std::string::npos);
    EXPECT_EQ(ObjectBody(pdf, 15),
              "<< /Type /Font /Subtype /Type1 /Name /F1 /BaseFont /Helvetica,Bold "
              "/Encoding /WinAnsiEncoding >>\r\n");
    EXPECT_NE(ObjectBody(pdf, 16).find("/BaseFont /CourierNew,BoldItalic "), std::string::npos);
    EXPECT_NE(ObjectBody(pdf, 4).find("/Font <<\r/Fnt1 5 0 R \r/Fnt2 7 0 R \r/Fnt3 9 0 R \r"
                                      "/Fnt4 11 0 R \r/Fnt5 13 0 R \r/F1 15 0 R \r/Fnt6 16 0 R \r"
                                      ">>\r"),
              std::string::npos);
}

TEST(PosterPdfFonts, RefusesUnknownStylesAndRepeatedNamesBeforeWriting) {
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "refused.pdf", [](clsPosterPDF& writer) {
        EXPECT_THROW(writer.LoadFont("Fnt1", "Arial", 4), std::invalid_argument);
        EXPECT_THROW(writer.LoadFont("Fnt1", "Arial", -1), std::invalid_argument);
        writer.LoadFont("Fnt1", "Arial", 0);
        EXPECT_THROW(writer.LoadFont("FNT1", "Arial", 0), std::invalid_argument);
        EXPECT_THROW(writer.LoadFontStandard("fnt1", "Courier", 0), std::invalid_argument);
    });
    EXPECT_NE(pdf.find("xref\r\n0 7\r\n"), std::string::npos);  // one font and its descriptor
}

TEST(PosterPdfFonts, MeasuresTextInEveryUnitWithTheTextState) {
    testing::ScratchFolder folder;
    WriteDocument(folder / "length.pdf", [](clsPosterPDF& w) {
        w.LoadFont("Fnt1", "Arial", 0);
        w.LoadFontStandard("Fnt2", "Courier", 0);
        w.LoadFont("Fnt3", "Courier New", 0);
        w.LoadFont("Fnt4", "Times New Roman", 3);
        // Before any page the text state is 0, 0, 100 %.
        EXPECT_FLOAT_EQ(w.Length("ab", "Fnt3", 10), 12.0f);
        w.BeginPage();
        const struct {
            std::int32_t scaleMode;
            float expected;
        } units[] = {{0, 12.0f}, {1, 12.0f / 72}, {2, 12.0f * 25.4f / 72}, {3, 12.0f * 2.54f / 72}};
        for (const auto& unit : units) {
            w.ScaleMode(unit.scaleMode);
            EXPECT_NEAR(w.Length("ab", "Fnt3", 10), unit.expected, 1e-6) << unit.scaleMode;
        }
        w.ScaleMode(0);
        EXPECT_FLOAT_EQ(w.Length("ab", "fnt3", 10), 12.0f);  // letter case ignored
        EXPECT_EQ(w.Length("ab", "Fnt2", 10), 0.0f);         // standard font
        EXPECT_EQ(w.Length("ab", "Fnt9", 10), 0.0f);         // never loaded
        EXPECT_FLOAT_EQ(w.Length("Ab", "Fnt1", 20), (667 + 556) * 20 / 1000.0f);
        EXPECT_FLOAT_EQ(w.Length("\xC3\xA9", "Fnt1", 1000), 556.0f);  // é is code E9
        EXPECT_FLOAT_EQ(w.Length("\x01", "Fnt1", 1000), 272.0f);      // below 32: missing width
        EXPECT_FLOAT_EQ(w.Length(std::string_view("\0", 1), "Fnt1", 1000), 272.0f);
        EXPECT_FLOAT_EQ(w.Length("\"", "Fnt4", 1000), 555.0f);

        w.SetWordSpacing(2);
        w.SetCharSpacing(0.5f);
        w.SetTextHorizontalScaling(50);
        // (1200 x 10 / 1000 + 2 blanks x 2 + 4 characters x 0.5) x 50 %.
        EXPECT_FLOAT_EQ(w.Length(" a b", "Fnt3", 10), (24 + 4 + 2) / 2.0f);
        w.EndPage();
        w.BeginPage();  // a new page forgets the text state
        EXPECT_FLOAT_EQ(w.Length(" a b", "Fnt3", 10), 24.0f);
        w.EndPage();
    });
}

}  // namespace
}  // namespace tessivo::posterpdf
