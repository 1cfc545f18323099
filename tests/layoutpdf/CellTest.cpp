#include <gtest/gtest.h>

#include <regex>

#include "tests/layoutpdf/LayoutPdfTestSupport.h"

namespace tessivo::layoutpdf {
namespace {

using testing::Count;
using testing::Lines;
using testing::StreamOf;
using testing::WriterFixture;

// A writer in points with Courier 10 (every character 6 points wide) on an open page.
struct CellFixture : WriterFixture {
    CellFixture() {
        Begin();
        pdf.PDFSetUnit(0);
        pdf.PDFSetFont(1, 10, 0);
    }
    std::string Content(const std::vector<std::string>& texts) {
        return StreamOf(Finish(texts), 2);
    }
};

std::vector<std::string> ShownTexts(const std::string& content) {
    std::vector<std::string> shown;
    const std::regex tj("\\((.*)\\) Tj\r\n");
    for (auto it = std::sregex_iterator(content.begin(), content.end(), tj);
         it != std::sregex_iterator(); ++it) {
        shown.push_back((*it)[1].str());
    }
    return shown;
}

TEST(LumPdfCell, FramesAThreeLineCellSideBySide) {
    CellFixture f;
    f.pdf.PDFSetBorder(1);
    f.pdf.PDFCell("aaaaaaa bbbbbbb ccccccc ddddddd eeeeeee", 10, 20, 100, 12);
    EXPECT_EQ(f.pdf.PDFGetX(), 107);
    EXPECT_EQ(f.pdf.PDFGetY(), 56);
    const auto line = [](const std::string& sides, const std::string& y, const std::string& text) {
        return Lines({"0 G", "0 g", "0.57 w", sides, "q 0 g ", "BT", "/F1 10 Tf",
                      "13.00 " + y + " Td", "(" + text + ") Tj", "ET", "Q"});
    };
    const std::string expected =
        Lines({"%DEBUT_CELL/%"}) +
        line(
            "7.00 821.89 m 7.00 809.89 l S\r7.00 821.89 m 107.00 821.89 l S \r"
            "107.00 821.89 m 107.00 809.89 l S \r",
            "812.89", "aaaaaaa bbbbbbb") +
        line("7.00 809.89 m 7.00 797.89 l S\r107.00 809.89 m 107.00 797.89 l S \r", "800.89",
             "ccccccc ddddddd") +
        line(
            "7.00 797.89 m 7.00 785.89 l S\r107.00 797.89 m 107.00 785.89 l S \r"
            "7.00 785.89 m 107.00 785.89 l S \r",
            "788.89", "eeeeeee") +
        Lines({"%FIN_CELL/%"});
    EXPECT_EQ(f.Content({"aaaaaaa bbbbbbb", "eeeeeee"}), expected);
}

TEST(LumPdfCell, BorderCodesChooseTheSidesOfEachLine) {
    const struct {
        long code;
        int segments;  // over a three-line cell
    } cases[] = {{0, 0}, {1, 8}, {2345, 8}, {45, 6}, {2, 1}, {3, 1}, {4, 3}, {5, 3}, {24, 4}};
    for (const auto& c : cases) {
        CellFixture f;
        f.pdf.PDFSetBorder(c.code);
        f.pdf.PDFCell("aaaaaaa bbbbbbb ccccccc ddddddd eeeeeee", 10, 20, 100, 12);
        f.pdf.PDFCell("next cell has no border", 10, 80, 200, 12);
        const std::string content = f.Content({"eeeeeee", "next cell"});
        EXPECT_EQ(Count(content, " l S"), c.segments) << c.code;
    }
}

TEST(LumPdfCell, CutsWordsLongerThanTheCellBetweenCharacters) {
    const struct {
        const char* text;
        double width;
        std::vector<std::string> lines;
    } cases[] = {
        {"abcdefghijkl", 40, {"abcde", "fghij", "kl"}},
        // Narrower than one character: one each, and the empty rest closes the cell.
        {"abc", 5, {"a", "b", "c", ""}},
        {"ab cdefghijklmnop q", 40, {"ab", "cdefg", "hijkl", "mnop", "q"}},
        {"one\ntwo\r\nthree\rfour", 200, {"one", "two", "three", "four"}},
    };
    for (const auto& c : cases) {
        CellFixture f;
        f.pdf.PDFCell(c.text, 10, 20, c.width, 12);
        EXPECT_EQ(ShownTexts(f.Content({})), c.lines) << c.text;
    }
}

TEST(LumPdfCell, LinesBrokenMidWordStayAtXAndOthersMoveByTheCellMargin) {
    CellFixture f;
    f.pdf.PDFSetFill(true);
    f.pdf.PDFCell("abcdefghijkl", 10, 20, 40, 12);
    const std::string content = f.Content({});
    EXPECT_NE(content.find("10.00 821.89 40.00 -12.00 re f\r\r\n"), std::string::npos);
    EXPECT_NE(content.find("7.00 797.89 40.00 -12.00 re f\r\r\n"), std::string::npos);
    EXPECT_EQ(content.find(" l S"), std::string::npos);
}

TEST(LumPdfCell, AlignsAndJustifies) {
    const struct {
        long alignment;
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {1, "abc", {"13.00 "}},
        {0, "abc", {"48.00 "}},                       // (100 - 18) / 2 = 41 from x - 3
        {2, "abc", {"86.00 "}},                       // 100 - 3 - 18 = 79
        {3, "abc", {"79.000 Tw", "13.00 ", "0 Tw"}},  // no space: divided by 1
        {3, "ab cd", {"64.000 Tw", "13.00 ", "0 Tw"}},
    };
    for (const auto& c : cases) {
        CellFixture f;
        f.pdf.PDFSetAlignement(c.alignment);
        f.pdf.PDFCell(c.text, 10, 20, 100, 12);
        // Wide word spacing separates the words in extracted text.
        const std::string content = f.Content({"ab", c.text[2] == 'c' ? "abc" : "cd"});
        std::size_t at = 0;
        for (const std::string& piece : c.lines) {
            at = content.find(piece, at);
            EXPECT_NE(at, std::string::npos) << c.alignment << " " << piece;
        }
    }
}

TEST(LumPdfCell, WrapsToTheInnerWidthInPointsInEveryUnitAndSize) {
    const std::string prose =
        "The quick brown fox jumps over the lazy dog while the cellar door creaks in the wind "
        "and nobody hears a thing.";
    for (const long unit : {0L, 1L, 2L}) {
        for (const std::int16_t size : {8, 10, 20}) {
            CellFixture f;
            f.pdf.PDFSetUnit(unit);
            f.pdf.PDFSetFont(0, size, 0);
            const double k = unit == 0 ? 1 : unit == 1 ? 72 / 25.4 : 72 / 2.54;
            const double width = 200 / k;  // 200 points
            f.pdf.PDFCell(prose, 1, 1, width, 20 / k);
            const std::vector<std::string> lines = ShownTexts(f.Content({"quick"}));
            ASSERT_GT(lines.size(), 1u);
            std::string joined;
            for (const std::string& line : lines) {
                const double points = f.pdf.PDFGetStringWidth(line, "Helvetica", size);
                EXPECT_LE(points, 200 - 6 + 0.5 * line.size()) << unit << "/" << size << line;
                joined += (joined.empty() ? "" : " ") + line;
            }
            EXPECT_EQ(joined, prose);
        }
    }
}

TEST(LumPdfCell, CellLinksCoverTheCellAndRefusedLinksAreNamed) {
    CellFixture f;
    f.pdf.PDFCell("aaaaaaa bbbbbbb ccccccc", 10, 20, 100, 12,
                  std::string("https://example.org/a b"));
    f.pdf.PDFCell("number", 10, 60, 100, 12, 5.0);
    ASSERT_EQ(f.sink.messages.size(), 1u);
    EXPECT_EQ(f.sink.messages[0].title, "Url Link - lumPDF 1.0");
    EXPECT_EQ(f.sink.messages[0].text, "Invalid URL link : 5.\r\nUnable to include link.");
    const std::string pdf = f.Finish({"aaaaaaa", "number"});
    EXPECT_NE(pdf.find("/Annots [<</Type /Annot /Subtype /Link /Rect [10.00 821.89 110.00 797.89] "
                       "/Border [0 0 0] /A <</S /URI /URI (https://example.org/a%20b)>>>>\r\n]"),
              std::string::npos);
    EXPECT_THROW(f.pdf.PDFCell("", 1, 1, 1, 1), LumUsageError);
}

}  // namespace
}  // namespace tessivo::layoutpdf
