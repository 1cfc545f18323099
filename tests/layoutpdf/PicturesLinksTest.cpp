#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "tests/layoutpdf/LayoutPdfTestSupport.h"

namespace tessivo::layoutpdf {
namespace {

using testing::Count;
using testing::EncodeJpeg;
using testing::Lines;
using testing::ObjectOf;
using testing::StreamOf;
using testing::WriteFileBytes;
using testing::WriterFixture;

// A writer in points with Helvetica 10 on an open page.
struct PointsFixture : WriterFixture {
    PointsFixture() {
        Begin();
        pdf.PDFSetUnit(0);
        pdf.PDFSetFont(0, 10, 0);
    }
    std::string Picture(const std::string& name, int width, int height, int components) {
        const std::string path = (folder / name).string();
        WriteFileBytes(path, EncodeJpeg(width, height, components));
        return path;
    }
};

// The object number after "/Key " in an object, or -1.
int Reference(const std::string& object, const std::string& key) {
    std::smatch match;
    if (!std::regex_search(object, match, std::regex(key + " ?([0-9]+) 0 R"))) return -1;
    return std::stoi(match[1]);
}

TEST(LumPdfPictures, PlacesJpegsOfEachColourSpace) {
    PointsFixture f;
    const struct {
        int components;
        const char* space;
    } cases[] = {{1, "DeviceGray"}, {3, "DeviceRGB"}, {4, "DeviceCMYK"}};
    double y = 20;
    for (const auto& c : cases) {
        f.pdf.PDFImage(f.Picture(std::string(c.space) + ".jpg", 64, 40, c.components), 10, y, 0, 0);
        y += 60;
    }
    f.pdf.PDFTextOut("Pictures", 10, 300);
    const std::string pdf = f.Finish({"Pictures"});
    const std::string content = StreamOf(pdf, 2);
    EXPECT_NE(content.find(Lines({"q", "64.00 0 0 40.00 10.00 781.89 cm /ImgJPEG1 Do Q"})),
              std::string::npos);
    EXPECT_NE(content.find("/ImgJPEG3 Do Q"), std::string::npos);
    const int resources = Reference(pdf, "/Resources");
    const std::string dictionary = ObjectOf(pdf, resources);
    for (int image = 1; image <= 3; ++image) {
        const int number = Reference(dictionary, "/ImgJPEG" + std::to_string(image));
        EXPECT_EQ(number, resources + image);
        const std::string object = ObjectOf(pdf, number);
        EXPECT_NE(object.find("/ColorSpace /" + std::string(cases[image - 1].space) + "\r\n"),
                  std::string::npos);
        EXPECT_NE(object.find(Lines({"<</Type /XObject", "/Subtype /Image", "/Filter [/DCTDecode ]",
                                     "/Width 64", "/Height 40"})),
                  std::string::npos);
        EXPECT_NE(
            object.find("/Name /ImgJPEG" + std::to_string(image) + ">>\r\nstream\r\n\xFF\xD8"),
            std::string::npos);
    }
}

TEST(LumPdfPictures, KeepsTheAspectRatioAndReportsPixelSizes) {
    PointsFixture f;
    const std::string picture = f.Picture("wide.jpeg", 640, 480, 3);
    f.pdf.PDFImage(picture, 10, 20, 0, 50);
    f.pdf.PDFImage(picture, 10, 100, 32, 0);
    EXPECT_EQ(f.pdf.PDFGetY(), 124);
    for (const long unit : {0L, 1L, 2L}) {
        f.pdf.PDFSetUnit(unit);
        EXPECT_EQ(f.pdf.PDFImageWidth(picture), 640);
        EXPECT_EQ(f.pdf.PDFImageHeight(picture), 480);
    }
    const std::string content = StreamOf(f.Finish(), 2);
    EXPECT_NE(content.find("66.67 0 0 50.00 10.00 771.89 cm /ImgJPEG1 Do Q"), std::string::npos);
    EXPECT_NE(content.find("32.00 0 0 24.00 10.00 717.89 cm /ImgJPEG2 Do Q"), std::string::npos);
}

TEST(LumPdfPictures, RefusesFilesThatAreNotUsableJpegsWithTheirMessage) {
    PointsFixture f;
    std::string bad = EncodeJpeg(32, 32, 3);
    bad[bad.find("JFIF") + 7] = 3;
    WriteFileBytes(f.folder / "unit.jpg", bad);
    WriteFileBytes(f.folder / "small.jpg", "\xFF\xD8 tiny \xFF\xD9");
    WriteFileBytes(f.folder / "text.jpg", std::string(300, 'x'));
    const struct {
        std::string name;
        const char* title;
        const char* text;
    } cases[] = {
        {"noextension", "Image File - lumPDF 1.0",
         "File noextension does not have an extension\r\nInvalid filename specified."},
        {(f.folder / "x.png").string(), "Image File - lumPDF 1.0",
         "Image format not supported.\r\nOnly JPEG images are supported.\r\nImpossible to "
         "include image in PDF file."},
        {(f.folder / "small.jpg").string(), "File Image - lumPDF 1.0",
         "File Image is non JPEG\r\nCannot add image to PDF file."},
        {(f.folder / "text.jpg").string(), "File Image - lumPDF 1.0",
         "Invalid JPEG marker\r\nCannot add iamge to PDF file."},
        {(f.folder / "unit.jpg").string(), "File Image - lumPDF 1.0",
         "Invalid image resolution3Valid resolution is: 0, 1, 2.\r\nCannot add image to PDF "
         "file."},
    };
    for (const auto& c : cases) {
        f.sink.messages.clear();
        f.pdf.PDFImage(c.name, 10, 10, 0, 0);
        EXPECT_EQ(f.pdf.PDFImageWidth(c.name), 0);
        ASSERT_EQ(f.sink.messages.size(), 2u) << c.name;
        EXPECT_EQ(f.sink.messages[0].title, c.title);
        EXPECT_EQ(f.sink.messages[0].text, c.text);
    }
    try {
        f.pdf.PDFImage((f.folder / "gone.jpg").string(), 10, 10, 0, 0);
        FAIL() << "no error";
    } catch (const LumFileError& error) {
        EXPECT_NE(std::string(error.what()).find("gone.jpg"), std::string::npos);
    }
    const std::string pdf = f.Finish();
    EXPECT_EQ(pdf.find("/ImgJPEG1"), std::string::npos);
}

TEST(LumPdfLinks, TextPictureAndShapeLinksBecomeAnnotations) {
    PointsFixture f;
    f.pdf.PDFLink(20, 100, "Poster", "file:///tmp/My Poster (1).pdf");
    f.pdf.PDFLink(20, 130, "https://example.org", "");
    f.pdf.PDFImage(f.Picture("code.jpg", 64, 48, 3), 10, 200, 64, 48, std::string("https://img"));
    EXPECT_EQ(f.pdf.PDFGetTextColor(), "0.000 0.000 1.000 rg");
    f.pdf.PDFDrawRectangle(10, 300, 100, 50, std::string("https://rect"));
    f.pdf.PDFDrawRectangle(10, 400, 100, 50, 3.0);  // refused without a message
    f.pdf.PDFDrawEllipse(10, 500, 40, 20, 3.0);
    f.pdf.PDFImage(f.Picture("code2.jpg", 64, 48, 1), 10, 600, 0, 0, 3.0);
    ASSERT_EQ(f.sink.messages.size(), 2u);
    EXPECT_EQ(f.sink.messages[0].title, "Url Link Ellipse - lumPDF 1.0");
    EXPECT_EQ(f.sink.messages[0].text,
              "Invalid URL Ellipse : 3.\r\nUnable ot include URL Ellipse.");
    EXPECT_EQ(f.sink.messages[1].title, "Url Link Image - lumPDF 1.0");
    EXPECT_EQ(f.sink.messages[1].text,
              "Invalid URL image object: 3.\r\nUnable to include URL image.");
    f.pdf.PDFSetTextColor(0.0);
    f.pdf.PDFTextOut("After", 20, 700);

    const std::string pdf = f.Finish({"Poster", "https://example.org", "After"});
    const auto annotation = [](const std::string& rect, const std::string& uri) {
        return "<</Type /Annot /Subtype /Link /Rect [" + rect +
               "] /Border [0 0 0] /A <</S /URI /URI (" + uri + ")>>>>\r\n";
    };
    const std::string expected =
        "/Annots [" +
        annotation("21.00 751.89 49.00 741.89", "file:///tmp/My%20Poster%20\\(1\\).pdf") +
        annotation("21.00 721.89 106.00 711.89", "https://example.org") +
        annotation("10.00 641.89 74.00 593.89", "https://img") +
        annotation("15.00 516.89 115.00 506.89", "https://rect") + "]\r\n";
    EXPECT_NE(pdf.find(expected), std::string::npos) << pdf.substr(pdf.find("/Annots"), 600);
    const std::string content = StreamOf(pdf, 2);
    EXPECT_NE(content.find(Lines({"%DEBUT_LINK/%", "q 0 g ", "%DEBUT_TEXT/%", "BT",
                                  "21.00 741.89 Td", "/F5 10.00 Tf", "(Poster) Tj", "ET"})),
              std::string::npos);
}

TEST(LumPdfLinks, BookmarksFormAnOutlineTree) {
    PointsFixture f;
    f.pdf.PDFUseOutlines(true);
    f.pdf.PDFSetBookmark("A (intro", 0, 10);
    f.pdf.PDFSetBookmark("B", 1, 20);
    f.pdf.PDFSetBookmark("C", 5, 30);  // deeper than one step: becomes level 2
    f.pdf.PDFTextOut("First page", 20, 40);
    f.pdf.PDFEndPage();
    f.pdf.PDFNewPage();
    f.pdf.PDFTextOut("Second page", 20, 60);
    f.pdf.PDFSetBookmark("D", 1);  // at the current position on page 2
    f.pdf.PDFSetBookmark("E", 0, 100);
    f.pdf.PDFSetBookmark("F", 1, 110);
    const std::string pdf = f.Finish({"First page", "Second page"});

    const int root = Reference(pdf, "/Outlines");
    ASSERT_GT(root, 0);
    const int first = root - 6;
    const std::map<std::string, int> number = {{"A", first},     {"B", first + 1}, {"C", first + 2},
                                               {"D", first + 3}, {"E", first + 4}, {"F", first + 5},
                                               {"root", root},   {"-", -1}};
    const struct {
        const char* item;
        const char *parent, *prev, *next, *firstChild, *lastChild;
    } tree[] = {
        {"A", "root", "-", "E", "B", "D"}, {"B", "A", "-", "D", "C", "C"},
        {"C", "B", "-", "-", "-", "-"},    {"D", "A", "B", "-", "-", "-"},
        {"E", "root", "A", "-", "F", "F"}, {"F", "E", "-", "-", "-", "-"},
    };
    for (const auto& t : tree) {
        const std::string object = ObjectOf(pdf, number.at(t.item));
        EXPECT_EQ(Reference(object, "/Parent"), number.at(t.parent)) << t.item;
        EXPECT_EQ(Reference(object, "/Prev"), number.at(t.prev)) << t.item;
        EXPECT_EQ(Reference(object, "/Next"), number.at(t.next)) << t.item;
        EXPECT_EQ(Reference(object, "/First"), number.at(t.firstChild)) << t.item;
        EXPECT_EQ(Reference(object, "/Last"), number.at(t.lastChild)) << t.item;
    }
    EXPECT_TRUE(
        ObjectOf(pdf, first)
            .starts_with(Lines({std::to_string(first) + " 0 obj", "<</Title (A \\(intro)"})));
    EXPECT_NE(ObjectOf(pdf, number.at("D")).find(" 0 R /XYZ 0 771.89 null]\r\n/Count 0>>"),
              std::string::npos);
    EXPECT_EQ(ObjectOf(pdf, root),
              Lines({std::to_string(root) + " 0 obj",
                     "<</Type /Outlines /First " + std::to_string(first) + " 0 R",
                     "/Last " + std::to_string(first + 4) + " 0 R>>", "endobj"}));
    const int pageOfD = Reference(ObjectOf(pdf, number.at("D")), "/Dest \\[");
    EXPECT_NE(ObjectOf(pdf, pageOfD).find("/Contents 4 0 R"), std::string::npos);
}

}  // namespace
}  // namespace tessivo::layoutpdf

namespace tessivo::layoutpdf {
namespace {

// The shape of a catalogue: a title page, then a bookmarked section per kind with framed
// wrapped cells, a picture and a link per entry, in centimetres.
TEST(LumPdfLinks, BuildsACatalogueOfSeveralPages) {
    WriterFixture f;
    const std::string picture = (f.folder / "code.jpg").string();
    WriteFileBytes(picture, EncodeJpeg(120, 120, 3));
    f.pdf.PDFTitle("Catalogue (test)");
    f.pdf.PDFUseOutlines(true);
    f.Begin("catalogue.pdf");
    f.pdf.PDFSetFont(0, 28, 2);
    f.pdf.PDFTextOut("Tessivo catalogue", 2, 5);
    for (const char* kind : {"E-mail", "Information"}) {
        f.pdf.PDFEndPage();
        f.pdf.PDFNewPage();
        f.pdf.PDFSetBookmark(kind, 0, 1.5);
        f.pdf.PDFSetTextColor(0.0);
        f.pdf.PDFSetFont(0, 16, 2);
        f.pdf.PDFTextOut(kind, 1, 2);
        double y = 3;
        for (int poster = 1; poster <= 3; ++poster) {
            const std::string title = std::string(kind) + " poster " + std::to_string(poster);
            f.pdf.PDFSetBookmark(title, 1, y);
            f.pdf.PDFSetTextColor(0.0);
            f.pdf.PDFSetFont(0, 10, 0);
            f.pdf.PDFSetBorder(1);
            f.pdf.PDFCell(title +
                              "\nmailto:caf\xC3\xA9@example.org?subject=Hello&body=A long "
                              "body that wraps over more than one line of the cell",
                          2, y, 12, 0.6);
            f.pdf.PDFImage(picture, 15, y, 3, 3, std::string("https://example.org/code"));
            f.pdf.PDFSetTextColor(0.0);
            f.pdf.PDFLink(1, y + 3.5, "Open poster " + std::to_string(poster),
                          "file:///tmp/" + title + ".pdf");
            y += 5;
        }
    }
    const std::string pdf =
        f.Finish({"Tessivo catalogue", "E-mail poster 3", "caf\xC3\xA9@example.org",
                  "Information poster 1", "Open poster 2"});
    EXPECT_EQ(Count(pdf, "/Subtype /Link"), 12);
    EXPECT_EQ(Count(pdf, "<</Title ("), 8);
    EXPECT_EQ(Count(pdf, "/Type /Page\r\n"), 3);
}

}  // namespace
}  // namespace tessivo::layoutpdf
