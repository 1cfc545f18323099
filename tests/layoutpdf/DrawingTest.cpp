#include <gtest/gtest.h>

#include "tests/layoutpdf/LayoutPdfTestSupport.h"

namespace tessivo::layoutpdf {
namespace {

using testing::Lines;
using testing::StreamOf;
using testing::WriterFixture;

// A writer in points on an open A4 page (height 841.89).
struct DrawFixture : WriterFixture {
    DrawFixture() {
        Begin();
        pdf.PDFSetUnit(0);
    }
    std::string Content() { return StreamOf(Finish(), 2); }
};

TEST(LumPdfDrawing, DrawsALineInTheStyleWidthAndColour) {
    DrawFixture f;
    f.pdf.PDFSetLineStyle(0);
    f.pdf.PDFDrawLine(10, 10, 110, 10);
    EXPECT_EQ(f.pdf.PDFGetX(), 110);
    EXPECT_EQ(f.pdf.PDFGetY(), 10);
    EXPECT_EQ(f.Content(), Lines({"%DEBUT_LN/%", "[] 0 d", "10.00 831.89 m", "110.00 831.89 l",
                                  "0 G", "0.57 w S", "%FIN_LN/%"}));
}

TEST(LumPdfDrawing, DashLengthsComeFromTheUnitInForce) {
    const struct {
        long unit, style;
        const char* dash;
    } cases[] = {{1, 1, "[45 22 ] 0 d"},
                 {0, 1, "[16 8 ] 0 d"},
                 {0, 2, "[8 7 2 7 ] 0 d"},
                 {0, 3, "[8 4 2 4 2 4 ] 0 d"},
                 {2, 0, "[] 0 d"}};
    for (const auto& c : cases) {
        DrawFixture f;
        f.pdf.PDFSetUnit(c.unit);
        f.pdf.PDFSetLineStyle(c.style);
        f.pdf.PDFSetUnit(0);
        f.pdf.PDFDrawLineVer(10, 10, 100);
        EXPECT_NE(f.Content().find(Lines({"%DEBUT_LNV/%", c.dash, "10.00 831.89 m"})),
                  std::string::npos)
            << c.dash;
    }
}

TEST(LumPdfDrawing, HorizontalAndVerticalLinesTakeTheFillColourFromTheLineColour) {
    DrawFixture f;
    f.pdf.PDFDrawLineVer(10, 10, 50);
    EXPECT_EQ(f.pdf.PDFGetDrawColor(), "0 g");
    EXPECT_EQ(f.pdf.PDFGetY(), 60);
    f.pdf.PDFSetLineColor("#FF0000");
    f.pdf.PDFDrawLineHor(10, 10, 50);
    EXPECT_EQ(f.pdf.PDFGetDrawColor(), "1.000 0.000 0.000 rg");
    EXPECT_EQ(f.pdf.PDFGetX(), 60);
    EXPECT_NE(f.Content().find(Lines({"%DEBUT_LNH/%", "10.00 831.89 m", "60.00 831.89 l",
                                      "1.000 0.000 0.000 RG", "0.57 w S", "%FIN_LNH/%"})),
              std::string::npos);
}

TEST(LumPdfDrawing, RectanglesPaintByDrawModeAndLeaveWhiteText) {
    const struct {
        long mode;
        std::vector<std::string> lines;
    } cases[] = {
        {0, {"%DEBUT_RECT/%", "0 G", "10.00 821.89 100.00 -50.00 re s", "0.57 w S", "%FIN_RECT/%"}},
        {1, {"%DEBUT_RECT/%", "0 g", "10.00 821.89 100.00 -50.00 re f", "0.57 w S", "%FIN_RECT/%"}},
        {2,
         {"%DEBUT_RECT/%", "0 g", "0 G", "10.00 821.89 100.00 -50.00 re B", "0.57 w S",
          "%FIN_RECT/%"}},
    };
    for (const auto& c : cases) {
        DrawFixture f;
        f.pdf.PDFSetDrawMode(c.mode);
        f.pdf.PDFDrawRectangle(10, 20, 100, 50);
        EXPECT_EQ(f.pdf.PDFGetTextColor(), "1.000 1.000 1.000 rg");
        EXPECT_EQ(f.pdf.PDFGetY(), 70);
        EXPECT_EQ(f.Content(), Lines(c.lines)) << c.mode;
    }
}

TEST(LumPdfDrawing, EllipsesAreFourCurvesFromTheLeftMiddle) {
    DrawFixture f;
    f.pdf.PDFDrawEllipse(0, 0, 20, 0);  // a circle of diameter 20
    EXPECT_EQ(f.pdf.PDFGetY(), 10);
    EXPECT_EQ(f.pdf.PDFGetTextColor(), "1.000 1.000 1.000 rg");
    f.pdf.PDFSetDrawMode(1);
    f.pdf.PDFDrawEllipse(100, 100, 40, 20);
    const std::string content = f.Content();
    EXPECT_TRUE(content.starts_with(Lines(
        {"0 G", "0.00 831.89 m", "0.00 837.39 4.50 841.89 10.00 841.89 c",
         "15.50 841.89 20.00 837.39 20.00 831.89 c", "20.00 826.39 15.50 821.89 10.00 821.89 c",
         "4.50 821.89 0.00 826.39 0.00 831.89 c", "0.57 w s"})));
    EXPECT_NE(content.find(Lines({"0 g", "100.00 731.89 m"})), std::string::npos);
    EXPECT_NE(content.find("0.57 w h f\r\n"), std::string::npos);
}

TEST(LumPdfDrawing, PolygonsCloseBackToTheFirstPoint) {
    DrawFixture f;
    const double points[] = {10, 10, 50, 10, 30, 40};
    f.pdf.PDFDrawPolygon(points);
    EXPECT_THROW(f.pdf.PDFDrawPolygon(std::span<const double>(points, 5)), LumUsageError);
    EXPECT_THROW(f.pdf.PDFDrawPolygon({}), LumUsageError);
    EXPECT_EQ(f.Content(), Lines({"0 G", "%DEBUT_POLY/%", "10.00 831.89 m", "50.00 831.89 l",
                                  "30.00 801.89 l", "10.00 831.89 l", "0.57 w s", "%FIN_POLY/%"}));
}

}  // namespace
}  // namespace tessivo::layoutpdf

namespace tessivo::layoutpdf {
namespace {

// Line widths, font sizes and text widths are points; positions stay in the user unit.
TEST(LumPdfDrawing, PointQuantitiesDoNotScaleWithTheUnit) {
    testing::WriterFixture f;
    f.Begin();  // centimetres
    f.pdf.PDFDrawLine(1, 1, 5, 1);
    f.pdf.PDFSetLineWidth(2);
    f.pdf.PDFDrawLine(1, 2, 5, 2);
    f.pdf.PDFSetFont(0, 57, 0);
    f.pdf.PDFTextOut("Big", 2, 4);
    EXPECT_EQ(f.pdf.PDFGetY(), 6);  // 4 cm + 57 points
    const std::string picture = (f.folder / "p.jpg").string();
    testing::WriteFileBytes(picture, testing::EncodeJpeg(30, 30, 1));
    f.pdf.PDFImage(picture, 2, 7, 3, 3);
    EXPECT_EQ(f.pdf.PDFGetX(), 5);
    EXPECT_EQ(f.pdf.PDFGetY(), 10);
    const std::string content = testing::StreamOf(f.Finish({"Big"}), 2);
    EXPECT_NE(content.find("0 G\r\n0.57 w S\r\n"), std::string::npos);
    EXPECT_NE(content.find("0 G\r\n2.00 w S\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tessivo::layoutpdf
