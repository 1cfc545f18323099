#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "qrdoc/Poster.h"
#include "tests/qrdoc/PosterTestSupport.h"

namespace tessivo::qrdoc {
namespace {

namespace fs = std::filesystem;
using namespace postertest;

posterpdf::PosterPdfEnvironment FixedClock(const fs::path& folder) {
    return {[] { return posterpdf::LocalTime{2024, 12, 6, 19, 6, 39}; }, [] { return 7; }, folder};
}

PosterContent SamplePoster(const fs::path& picture) {
    PosterContent poster;
    poster.kind = QrKind::Phone;
    poster.sTitleLine1 = "Call the Harbour ";
    poster.sTitleLine2 = "Kitchen (tonight)";
    poster.codePicture = picture;
    poster.banner = {"OPEN", 0xFFFFFF, 0x00FF00, 0xFF0000, 1};  // white on green, blue border
    poster.contactLines = {"Ann Lee", "14 Larchmere Road", "OD1 2XY", "Telephone: 01632 960001",
                           "Mobile: 07700 900001"};
    return poster;
}

// The content stream of the poster's one page, split into its lines.
std::vector<std::string> PageLines(const std::string& pdf) {
    const std::string start = "stream\r\n";
    const std::size_t page = pdf.find("/Type /Page\r");
    const std::size_t begin = pdf.find(start, page) + start.size();
    const std::size_t end = pdf.find("endstream", begin);
    std::vector<std::string> lines;
    for (std::size_t at = begin; at < end;) {
        const std::size_t next = pdf.find("\r\n", at);
        lines.push_back(pdf.substr(at, next - at));
        at = next + 2;
    }
    return lines;
}

TEST(Poster, DrawsTheTenElementsInOrderWithTheirPlacesFontsAndColours) {
    ScratchFolder folder;
    WriteTinyBitmap(folder / "code.bmp");
    const fs::path file = folder / "poster.pdf";
    ASSERT_EQ(WritePoster(SamplePoster(folder / "code.bmp"), file, FixedClock(folder.path())),
              std::nullopt);
    const std::string pdf = ReadFileBytes(file);

    // Centimetres on A4 portrait: 1 cm is 72 / 2.54 points. Centred texts start left of the
    // middle (297.638 points) by half their width, so only their y is fixed here. Every line
    // is a regular expression.
    std::vector<std::string> expected;
    auto add = [&expected](std::initializer_list<std::string> lines) {
        expected.insert(expected.end(), lines);
    };
    auto text = [&add](const std::string& font, const std::string& place,
                       const std::string& shown) {
        add({"BT", font + " Tf", place + " Td", "\\(" + shown + "\\) Tj", "ET"});
    };
    const std::string centred = R"(\d+(\.\d+)? )";
    text("/Fnt2 30", centred + "751.181", "Call the Harbour ");
    text("/Fnt2 30", centred + "711.496", R"(Kitchen \\\(tonight\\\))");
    add({"q\r425.197  0 0 -425.197 85.039 694.488 cm\r/Img1 Do\rQ"});
    text("/Fnt2 12", centred + "252.283", "QR Code enables user to telephone number direct");
    add({"0 1 0 rg", "n", "42.52 150.236 510.236 85.039 re", "f"});
    add({"0 0 1 RG", "n", "42.52 150.236 510.236 85.039 re", "S"});
    add({"1 1 1 rg"});
    text("/Fnt5 48", centred + "178.583", "OPEN");
    add({"0 g"});
    text("/Fnt2 12", "51.024 121.89", "Ann Lee");
    text("/Fnt2 12", "51.024 104.882", "14 Larchmere Road");
    text("/Fnt2 12", "51.024 87.874", "OD1 2XY");
    text("/Fnt2 12", "51.024 70.866", "Telephone: 01632 960001");
    text("/Fnt2 12", "51.024 53.858", "Mobile: 07700 900001");
    add({"0 G", "n", "42.52 42.52 510.236 751.181 re", "S"});
    const std::vector<std::string> lines = PageLines(pdf);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(std::regex_match(lines[i], std::regex(expected[i])))
            << "line " << i << ": " << lines[i] << "\nexpected: " << expected[i];
    }

    // The document frame: its title, A4 without a margin or rotation, the five fonts in order
    // and the code picture, all before the page.
    EXPECT_NE(pdf.find("/Title (Marlowin)"), std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595.2 842]\r/CropBox [0 0 595.2 842]\r\r/Kids"),
              std::string::npos);
    const std::vector<std::string> resources = {
        "/Name /Fnt1\r/BaseFont /TimesNewRoman\r",
        "/Name /Fnt2\r/BaseFont /Arial\r",
        "/Name /Fnt3\r/BaseFont /CourierNew\r",
        "/Subtype /Type1 /Name /Fnt4 /BaseFont /CourierNew,BoldItalic ",
        "/Name /Fnt5\r/BaseFont /Arial,Bold\r",
        "/Name /Img1\r/Width 2\r/Height 2\r\n/BitsPerComponent 8\r/ColorSpace /DeviceRGB\r",
        "/Type /Page\r"};
    std::size_t previous = 0;
    for (const std::string& resource : resources) {
        const std::size_t at = pdf.find(resource);
        ASSERT_NE(at, std::string::npos) << resource;
        EXPECT_GT(at, previous) << resource;
        previous = at;
    }
    EXPECT_EQ(QpdfCheck(file).exitCode, 0);
}

TEST(Poster, WritesNothingWithoutAReadableCodePicture) {
    struct Case {
        const char* name;
        const char* pictureBytes;  // nullptr: no picture file at all
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"missing", nullptr, "there is no QR code picture"},
        {"not a bitmap", "\x89PNG\r\n\x1a\n", "is not readable"},
        {"empty", "", "is not readable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const fs::path picture = folder / "Sale.bmp";
        if (c.pictureBytes != nullptr) WriteFileBytes(picture, c.pictureBytes);
        const fs::path file = folder / "Sale.pdf";
        WriteFileBytes(file, "the earlier poster");

        const std::optional<std::string> problem = WritePoster(SamplePoster(picture), file);
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(problem->find(file.string()), std::string::npos) << *problem;
        EXPECT_NE(problem->find(c.reason), std::string::npos) << *problem;
        EXPECT_NE(problem->find("Create the QR code first"), std::string::npos) << *problem;
        EXPECT_EQ(problem->find('\n'), std::string::npos) << *problem;

        // The earlier poster is untouched and no temporary file is left beside it.
        EXPECT_EQ(ReadFileBytes(file), "the earlier poster");
        int entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path())) ++entries;
        EXPECT_EQ(entries, c.pictureBytes != nullptr ? 2 : 1);
    }
}

TEST(Poster, NamesTheFileWhenItsFolderIsMissing) {
    ScratchFolder folder;
    WriteTinyBitmap(folder / "code.bmp");
    const fs::path file = folder / "no such folder" / "Sale.pdf";
    const std::optional<std::string> problem = WritePoster(SamplePoster(folder / "code.bmp"), file);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(file.string()), std::string::npos) << *problem;
    EXPECT_EQ(problem->find('\n'), std::string::npos) << *problem;
    EXPECT_FALSE(fs::exists(folder / "no such folder"));
}

}  // namespace
}  // namespace tessivo::qrdoc
