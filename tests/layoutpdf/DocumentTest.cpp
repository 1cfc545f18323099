#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <sstream>

#include "tests/layoutpdf/LayoutPdfTestSupport.h"

namespace tessivo::layoutpdf {
namespace {

using testing::Lines;
using testing::ObjectOf;
using testing::StreamOf;
using testing::WriterFixture;

// Object numbers and byte offsets from the cross-reference table.
std::vector<std::uint64_t> XrefOffsets(const std::string& pdf) {
    const std::size_t xref = pdf.rfind("\r\nxref\r\n");
    std::vector<std::uint64_t> offsets;
    std::istringstream table(pdf.substr(xref + 8));
    std::string first, count;
    table >> first >> count;
    for (int i = 0; i < std::stoi(count); ++i) {
        std::string offset, generation, kind;
        table >> offset >> generation >> kind;
        offsets.push_back(std::stoull(offset));
    }
    return offsets;
}

TEST(LumPdfDocument, NumbersTheObjectsOfAOnePageDocument) {
    WriterFixture f;
    testing::ScratchFolder metrics;
    for (const char* font : {"Helvetica", "Helvetica-Bold"}) {
        std::filesystem::copy_file(testing::ProgramFolder() / (std::string(font) + ".afm"),
                                   metrics / (std::string(font) + ".afm"));
    }
    ASSERT_EQ(f.pdf.PDFLoadAfm(metrics.path()), 2);
    f.pdf.PDFTitle("Report (draft");
    f.pdf.PDFAuthor("Jos\xC3\xA9");
    f.Begin();
    f.pdf.PDFSetFont(0, 12, 0);
    f.pdf.PDFTextOut("Hello", 2, 3);
    const std::string pdf = f.Finish({"Hello"});

    EXPECT_TRUE(pdf.starts_with("%PDF-1.3\r\n1 0 obj\r\n"));
    EXPECT_EQ(ObjectOf(pdf, 1),
              Lines({"1 0 obj", "<<", "/Producer ()", "/Author (Jos\xE9)",
                     "/CreationDate (D:20261206190830)", "/Creator ()", "/Keywords ()",
                     "/Subject ()", "/Title (Report \\(draft)", "/ModDate ()", ">>", "endobj"}));
    const std::string content = Lines({"q 0 g ", "%DEBUT_TEXT/%", "BT", "85.04 756.85 Td",
                                       "/F1 12.00 Tf", "(Hello) Tj", "ET", "Q", "%FIN_TEXT/%"});
    EXPECT_EQ(ObjectOf(pdf, 2), Lines({"2 0 obj", "<< /Length 3 0 R", " >>", "stream"}) + content +
                                    Lines({"endstream", "endobj"}));
    EXPECT_EQ(ObjectOf(pdf, 3), Lines({"3 0 obj", std::to_string(content.size()), "endobj"}));
    EXPECT_EQ(ObjectOf(pdf, 5),
              Lines({"5 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F2",
                     "/BaseFont /Helvetica-Bold", "/Encoding /WinAnsiEncoding", ">>", "endobj"}));
    EXPECT_EQ(ObjectOf(pdf, 6), Lines({"6 0 obj", "<< /Type /Pages", "/Kids [", "8 0 R", "]",
                                       "/Count 1", ">>", "endobj"}));
    EXPECT_EQ(ObjectOf(pdf, 7),
              Lines({"7 0 obj", "<< /ProcSet [ /PDF /Text /ImageC]", "/XObject << ", ">>",
                     "/Font << ", "/F1 4 0 R ", "/F2 5 0 R ", ">>", ">>", "endobj"}));
    EXPECT_EQ(ObjectOf(pdf, 8),
              Lines({"8 0 obj", "<< /Type /Page", "/Parent 6 0 R", "/MediaBox [ 0 0 595.28 841.89]",
                     "/Resources 7 0 R", "/Contents 2 0 R", ">>", "endobj"}));
    EXPECT_EQ(ObjectOf(pdf, 9),
              Lines({"9 0 obj", "<<", "/Type /Catalog", "/Pages 6 0 R", "/OpenAction [8 0 R /Fit]",
                     "/PageLayout /SinglePage", ">>", "endobj"}));
    EXPECT_NE(
        pdf.find("trailer\r\n<< /Size 10\r\n/Root 9 0 R\r\n/Info 1 0 R\r\n>>\r\nstartxref\r\n"),
        std::string::npos);
    EXPECT_TRUE(pdf.ends_with("\r\n%%EOF\r\n"));
}

TEST(LumPdfDocument, OffsetsAndStreamLengthsMatchTheBytesOnEveryPage) {
    WriterFixture f;
    f.Begin();
    f.pdf.PDFSetFont(2, 11, 0);
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) {
            f.pdf.PDFEndPage();
            f.pdf.PDFNewPage();
        }
        for (int line = 0; line < page * 3; ++line) f.pdf.PDFTextOut("Page line", 1, 2 + line);
    }
    EXPECT_EQ(f.pdf.PDFNbPage(), 1);
    const std::string pdf = f.Finish({"Page line"});
    EXPECT_EQ(f.pdf.PDFNbPage(), 3);

    const std::vector<std::uint64_t> offsets = XrefOffsets(pdf);
    ASSERT_GT(offsets.size(), 10u);
    for (std::size_t object = 1; object < offsets.size(); ++object) {
        EXPECT_EQ(pdf.compare(offsets[object], std::to_string(object).size() + 6,
                              std::to_string(object) + " 0 obj"),
                  0)
            << "object " << object;
    }
    const std::size_t startxref = pdf.rfind("startxref\r\n") + 11;
    EXPECT_EQ(pdf.compare(std::stoull(pdf.substr(startxref)), 4, "xref"), 0);

    for (int page = 1; page <= 3; ++page) {
        const std::string stream = StreamOf(pdf, 2 * page);
        EXPECT_EQ(ObjectOf(pdf, 2 * page + 1), Lines({std::to_string(2 * page + 1) + " 0 obj",
                                                      std::to_string(stream.size()), "endobj"}))
            << "page " << page;
        EXPECT_EQ(stream.starts_with("%DEBUT_OBJ/%\r\n"), page > 1) << "page " << page;
    }
    // Comment lines around the objects written when a page is closed.
    EXPECT_NE(pdf.find("endobj\r\n%FIN_OBJ/%\r\n\r\n%DEBUT_OBJ/%\r\n3 0 obj\r\n"),
              std::string::npos);
    EXPECT_TRUE(std::regex_search(
        pdf, std::regex("\r\n%DEBUT_OBJ/%\r\n[0-9]+ 0 obj\r\n<< /Type /Pages\r\n")));
}

TEST(LumPdfDocument, CatalogFollowsZoomLayoutPageModeAndViewerOptions) {
    const struct {
        std::function<void(lumPDF&)> set;
        std::vector<std::string> expected;
        std::vector<std::string> absent;
    } cases[] = {
        {[](lumPDF&) {}, {"/OpenAction [20 0 R /Fit]", "/PageLayout /SinglePage"}, {"/PageMode"}},
        {[](lumPDF& p) { p.PDFSetZoomMode(150); },
         {"/OpenAction [20 0 R /XYZ null null 1.50]"},
         {}},
        {[](lumPDF& p) { p.PDFSetZoomMode(1); }, {"/OpenAction [20 0 R /FitH null]"}, {}},
        {[](lumPDF& p) { p.PDFSetZoomMode(2); }, {"/OpenAction [20 0 R /XYZ null null 1]"}, {}},
        {[](lumPDF& p) { p.PDFSetLayoutMode(1); }, {"/PageLayout /OneColumn"}, {}},
        {[](lumPDF& p) { p.PDFSetLayoutMode(2); }, {"/PageLayout /TwoColumnLeft"}, {}},
        {[](lumPDF& p) { p.PDFSetLayoutMode(3); }, {}, {"/PageLayout"}},
        {[](lumPDF& p) { p.PDFUseThumbs(true); }, {"/PageMode /UseThumbs"}, {}},
        // Without bookmarks there is no outline root to name.
        {[](lumPDF& p) { p.PDFUseOutlines(true); }, {"/PageMode /UseOutlines"}, {"/Outlines"}},
        {[](lumPDF& p) {
             p.PDFUseThumbs(true);
             p.PDFUseOutlines(true);
         },
         {"/PageMode /UseOutlines"},
         {"/UseThumbs"}},
        {[](lumPDF& p) { p.PDFSetViewerPreferences(26); },
         {"/ViewerPreferences<<\r\n/HideMenubar true\r\n/DisplayDocTitle true\r\n>>"},
         {"/FitWindow"}},
        {[](lumPDF& p) { p.PDFSetViewerPreferences(654321); },
         {"/ViewerPreferences<<\r\n/HideMenubar true\r\n/HideToolbar true\r\n/HideWindowUI "
          "true\r\n/DisplayDocTitle true\r\n/CenterWindow true\r\n/FitWindow true\r\n>>"},
         {}},
    };
    // One page and the fourteen standard fonts: the page object is 20.
    for (const auto& c : cases) {
        WriterFixture f;
        c.set(f.pdf);
        f.Begin();
        f.pdf.PDFSetFont(0, 10, 0);
        f.pdf.PDFTextOut("Catalog", 2, 2);
        const std::string pdf = f.Finish({"Catalog"});
        const std::string catalog = pdf.substr(pdf.rfind("/Type /Catalog"));
        for (const std::string& line : c.expected) {
            EXPECT_NE(catalog.find(line + "\r\n"), std::string::npos) << line;
        }
        for (const std::string& text : c.absent) {
            EXPECT_EQ(catalog.find(text), std::string::npos) << text;
        }
    }
}

TEST(LumPdfDocument, PagesKeepTheirOwnFormats) {
    WriterFixture f;
    f.Begin();
    f.pdf.PDFSetFont(1, 10, 0);
    f.pdf.PDFTextOut("Portrait", 2, 2);
    f.pdf.PDFEndPage();
    f.pdf.PDFFormatPage(3L);
    f.pdf.PDFOrientation(0);
    f.pdf.PDFNewPage();
    f.pdf.PDFTextOut("Landscape", 2, 2);
    f.pdf.PDFEndPage();
    f.pdf.PDFNewPage();  // inherits the landscape letter page
    f.pdf.PDFTextOut("Inherited", 2, 2);
    f.pdf.PDFNewPage();  // no PDFEndPage: takes the last format entry
    f.pdf.PDFTextOut("Unended", 2, 2);
    const std::string pdf = f.Finish({"Portrait", "Landscape", "Inherited", "Unended"});
    const std::regex boxes("/MediaBox \\[ 0 0 ([0-9.]+) ([0-9.]+)\\]");
    std::vector<std::string> sizes;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), boxes);
         it != std::sregex_iterator(); ++it) {
        sizes.push_back((*it)[1].str() + "x" + (*it)[2].str());
    }
    EXPECT_EQ(sizes, (std::vector<std::string>{"595.28x841.89", "792x612", "792x612", "792x612"}));
}

TEST(LumPdfDocument, ConfirmsAndOpensTheFinishedFile) {
    std::vector<std::filesystem::path> opened;
    testing::RecordingSink sink;
    testing::ScratchFolder folder;
    LumPdfOptions options;
    options.programFolder = testing::ProgramFolder();
    options.viewer = [&](const std::filesystem::path& file) { opened.push_back(file); };
    lumPDF pdf(sink, options);
    pdf.PDFConfirm(true);
    pdf.PDFView(true);
    const std::filesystem::path file = folder / "seen.pdf";
    pdf.PDFFileName(file.string());
    EXPECT_EQ(pdf.PDFGetFileName(), file.string());
    pdf.PDFBeginDoc();
    pdf.PDFEndDoc();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "Generated PDF file - lumPDF 1.0");
    EXPECT_EQ(sink.messages[0].text, "PDF file generated.");
    EXPECT_EQ(sink.messages[0].icon, LumMessageIcon::None);
    EXPECT_EQ(opened, std::vector<std::filesystem::path>{file});
    EXPECT_EQ(testing::CheckWithTools(file, {}), "");
    const std::string info = testing::ReadFileBytes(file);
    EXPECT_TRUE(std::regex_search(info, std::regex("/CreationDate \\(D:[0-9]{14}\\)")));
}

TEST(LumPdfDocument, AnExistingFileIsReplacedOnlyWhenTheDocumentIsComplete) {
    testing::ScratchFolder folder;
    const std::filesystem::path file = folder / "kept.pdf";
    testing::WriteFileBytes(file, "old");
    {
        WriterFixture f;
        f.pdf.PDFFileName(file.string());
        f.pdf.PDFBeginDoc();
        f.pdf.PDFSetFont(0, 10, 0);
        f.pdf.PDFTextOut("Never finished", 2, 2);
        EXPECT_EQ(testing::ReadFileBytes(file), "old");
    }
    EXPECT_EQ(testing::ReadFileBytes(file), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(LumPdfDocument, FileSystemFailuresNameThePath) {
    WriterFixture f;
    const std::filesystem::path missing = f.folder / "no-such-folder" / "x.pdf";
    try {
        f.pdf.PDFFileName(missing.string());
        FAIL() << "no error";
    } catch (const LumFileError& error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos);
    }
    EXPECT_THROW(f.pdf.PDFBeginDoc(), LumUsageError);
    EXPECT_THROW(f.pdf.PDFNewPage(), LumUsageError);
    EXPECT_THROW(f.pdf.PDFEndDoc(), LumUsageError);
}

TEST(LumPdfDocument, ObjectOverflowIsAnErrorNotABrokenFile) {
    WriterFixture f;
    f.Begin();
    int pages = 1;
    try {
        for (; pages < 40000; ++pages) {
            f.pdf.PDFEndPage();
            f.pdf.PDFNewPage();
        }
        FAIL() << "no limit";
    } catch (const LumLimitError&) {
    }
    EXPECT_LT(pages, 32767);
    EXPECT_EQ(f.pdf.PDFPageNumber(), pages);
    EXPECT_THROW(f.pdf.PDFEndDoc(), LumLimitError);
    EXPECT_FALSE(std::filesystem::exists(f.file));
}

TEST(LumPdfDocument, BeginDocAgainStartsTheFileAfresh) {
    WriterFixture f;
    f.Begin();
    f.pdf.PDFSetFont(0, 10, 0);
    f.pdf.PDFTextOut("First attempt", 2, 2);
    f.pdf.PDFBeginDoc();
    f.pdf.PDFTextOut("Second attempt", 2, 2);
    const std::string pdf = f.Finish({"Second attempt"});
    EXPECT_EQ(pdf.find("First attempt"), std::string::npos);
}

}  // namespace
}  // namespace tessivo::layoutpdf
