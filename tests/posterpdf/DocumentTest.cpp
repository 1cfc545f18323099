// The document frame: objects 1 to 4, page tree, cross-reference table, trailer, file output.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <regex>

#include "PosterPdfTestSupport.h"

namespace tessivo::posterpdf {
namespace {

using testing::ObjectBody;
using testing::ReadFileBytes;
using testing::Visible;
using testing::WriteDocument;

const auto kNothing = [](clsPosterPDF&) {};

TEST(PosterPdfDocument, WritesHeaderInformationAndCatalogExactly) {
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "frame.pdf", kNothing,
                                          [](clsPosterPDF& writer) { writer.Title("a(b)\\c é"); });
    const std::string expectedStart =
        "%PDF-1.3\r\n1 0 obj\r\n<<\r/Title (a\\(b\\)\\\\c \xE9)\r/Author (Various)\r"
        "/Creator  (Home Owner)\r/Producer (Tessivo poster writer 1.0)\r"
        "/CreationDate (D:20241206190639+01'00')\r>>\r\nendobj\r\n"
        "2 0 obj\r\n<<\r/Type /Catalog\r/Pages 3 0 R\r/PageLayout /OneColumn\r/PageMode /UseNone\r"
        "/Lang (it) \r/ViewerPreferences << /HideToolbar false /DisplayDocTitle true "
        "/HideWindowUI false >>\r>>\r\nendobj\r\n";
    EXPECT_EQ(Visible(pdf.substr(0, expectedStart.size())), Visible(expectedStart));
}

TEST(PosterPdfDocument, EmptyDocumentHasEmptyPageTreeAndBareResources) {
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "empty.pdf", kNothing);
    EXPECT_EQ(Visible(ObjectBody(pdf, 4)), Visible("<<\r/ProcSet [/PDF /Text ]\r>>\r\n"));
    EXPECT_EQ(Visible(ObjectBody(pdf, 3)),
              Visible("<<\r/Type /Pages\r/Count 0\r/MediaBox [0 0 595.2 842]\r"
                      "/CropBox [0 0 595.2 842]\r\r/Kids [ ]\r/Resources 4 0 R\r>>\r\n"));
    EXPECT_NE(pdf.find("xref\r\n0 5\r\n0000000000 65535 f\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("trailer\r<<\r/Size 5\r/Info 1 0 R\r/Root 2 0 R\r>>\r\n"),
              std::string::npos);
    EXPECT_TRUE(pdf.ends_with("%%EOF\r\r\n"));
}

TEST(PosterPdfDocument, PageTreeTakesPaperMarginAndOrientationAtClose) {
    const struct {
        const char* name;
        std::function<void(clsPosterPDF&)> configure;
        const char* expected;
    } cases[] = {
        {"A3 landscape", [](clsPosterPDF& w) { w.PaperSize(1), w.Orientation(1); },
         "/MediaBox [0 0 842 1190.5]\r/CropBox [0 0 842 1190.5]\r/Rotate 90\r/Kids"},
        {"letter", [](clsPosterPDF& w) { w.PaperSize(2); },
         "/MediaBox [0 0 612 792]\r/CropBox [0 0 612 792]\r\r/Kids"},
        {"size 3", [](clsPosterPDF& w) { w.PaperSize(3); },
         "/MediaBox [0 0 612 864]\r/CropBox [0 0 612 864]\r\r/Kids"},
        {"unknown size keeps the last", [](clsPosterPDF& w) { w.PaperSize(2), w.PaperSize(9); },
         "/MediaBox [0 0 612 792]\r"},
        {"custom size in cm with margin in mm",
         [](clsPosterPDF& w) {
             w.ScaleMode(3), w.PaperWidth(10), w.PaperHeight(20);
             w.ScaleMode(2), w.Margin(10), w.ScaleMode(0);  // margin converted at assignment
         },
         "/MediaBox [0 0 283.465 566.929]\r/CropBox [28.346 28.346 255.118 538.583]\r\r"},
        {"inches", [](clsPosterPDF& w) { w.ScaleMode(1), w.PaperWidth(8.5f), w.Margin(0.5f); },
         "/MediaBox [0 0 612 842]\r/CropBox [36 36 576 806]\r"},
        {"unknown scale mode gives 0", [](clsPosterPDF& w) { w.ScaleMode(7), w.Margin(3); },
         "/CropBox [0 0 595.2 842]\r"},
    };
    for (const auto& c : cases) {
        testing::ScratchFolder folder;
        const std::string pdf = WriteDocument(folder / "tree.pdf", kNothing, c.configure);
        EXPECT_NE(ObjectBody(pdf, 3).find(c.expected), std::string::npos)
            << c.name << "\n"
            << Visible(ObjectBody(pdf, 3));
    }
}

TEST(PosterPdfDocument, CrossReferenceOffsetsPointAtTheirObjects) {
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "xref.pdf", [](clsPosterPDF& writer) {
        writer.LoadFont("Fnt1", "Arial", 0);
        writer.LoadFontStandard("Fnt2", "Helvetica", 1);
        const std::vector<std::uint8_t> pixels(12, 0x7F);
        writer.LoadImgFromArray("Img1", pixels, {}, 2, 2, 24, 0);
        for (int page = 0; page < 3; ++page) {
            writer.BeginPage();
            writer.DrawText(10, 10, "page", "Fnt1", 12);
            writer.EndPage();
        }
    });
    const std::size_t xref = pdf.rfind("xref\r\n");
    const std::size_t startxref = pdf.rfind("startxref\r");
    ASSERT_NE(startxref, std::string::npos);
    EXPECT_EQ(std::stoull(pdf.substr(startxref + 10)), xref);

    const std::size_t countAt = xref + 6;
    const int size = std::stoi(pdf.substr(countAt + 2));
    EXPECT_EQ(size, 5 + 3 + 2 + 3 * 3);  // frame, fonts, image and length, three pages
    std::size_t line = pdf.find("\r\n", countAt) + 2;
    EXPECT_EQ(pdf.substr(line, 20), "0000000000 65535 f\r\n");
    for (int object = 1; object < size; ++object) {
        line += 20;
        const std::string entry = pdf.substr(line, 20);
        ASSERT_TRUE(std::regex_match(entry, std::regex("[0-9]{10} 00000 n\r\n"))) << Visible(entry);
        const std::size_t offset = std::stoull(entry.substr(0, 10));
        EXPECT_EQ(pdf.substr(offset, std::to_string(object).size() + 8),
                  std::to_string(object) + " 0 obj\r\n")
            << "object " << object;
    }
    EXPECT_EQ(pdf.substr(line + 20, 8), "trailer\r");
}

TEST(PosterPdfDocument, DefaultNameIsHexadecimalTimeInTheProgramFolder) {
    testing::ScratchFolder folder;
    clsPosterPDF writer(testing::FixedEnvironment(folder.path()));
    const std::string name = writer.InitPDFFile("");
    // 6th, 19:06:39, digit 7 reads 61906397 = 0x3B09DDD.
    EXPECT_EQ(name, (folder / "~3B09DDD.pdf").string());
    writer.ClosePDFFile();
    EXPECT_EQ(testing::QpdfCheck(name).exitCode, 0);
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(PosterPdfDocument, ReplacesAFileOnlyWhenTheDocumentIsClosed) {
    testing::ScratchFolder folder;
    const auto target = folder / "poster.pdf";
    testing::WriteFileBytes(target, "earlier poster");
    {
        clsPosterPDF writer(testing::FixedEnvironment(folder.path()));
        writer.InitPDFFile(target.string());
        writer.BeginPage();
        EXPECT_EQ(ReadFileBytes(target), "earlier poster");  // still the old file
        EXPECT_EQ(FolderEntries(folder.path()).size(), 2u);  // and the temporary one
    }                                                        // destroyed before ClosePDFFile
    EXPECT_EQ(ReadFileBytes(target), "earlier poster");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"poster.pdf"});

    {
        clsPosterPDF writer(testing::FixedEnvironment(folder.path()));
        writer.InitPDFFile(target.string());
        writer.InitPDFFile((folder / "other.pdf").string());  // abandons the first
        writer.ClosePDFFile();
    }
    EXPECT_EQ(testing::QpdfCheck(folder / "other.pdf").exitCode, 0);
    EXPECT_EQ(ReadFileBytes(target), "earlier poster");
    EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"other.pdf", "poster.pdf"}));

    WriteDocument(target, kNothing);
    EXPECT_TRUE(ReadFileBytes(target).starts_with("%PDF-1.3"));
    EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"other.pdf", "poster.pdf"}));
}

void ExpectFileErrorNaming(const std::filesystem::path& path, const std::function<void()>& action) {
    try {
        action();
        ADD_FAILURE() << "no error for " << path;
    } catch (const PosterPdfFileError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
    }
}

TEST(PosterPdfDocument, FileSystemFailuresNameThePath) {
    testing::ScratchFolder folder;
    const std::filesystem::path targets[] = {folder / "missing" / "poster.pdf", folder.path()};
    for (const auto& target : targets) {
        clsPosterPDF writer(testing::FixedEnvironment(folder.path()));
        ExpectFileErrorNaming(target, [&] { writer.InitPDFFile(target.string()); });
        EXPECT_THROW(writer.BeginPage(), PosterPdfUsageError);
    }
}

// Lowers the largest file this process may write, so that writing fails as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);  // a refused write then fails with EFBIG
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

TEST(PosterPdfDocument, AFailedWriteNamesThePathAndLeavesTheEarlierFile) {
    testing::ScratchFolder folder;
    const auto target = folder / "poster.pdf";
    testing::WriteFileBytes(target, "earlier poster");
    clsPosterPDF writer(testing::FixedEnvironment(folder.path()));
    writer.InitPDFFile(target.string());
    const std::vector<std::uint8_t> pixels(3 * 200 * 200, 0x55);
    ExpectFileErrorNaming(target, [&] {
        FileSizeLimit limit(64 * 1024);
        writer.LoadImgFromArray("Img1", pixels, {}, 200, 200, 24, 0);
        writer.ClosePDFFile();
    });
    EXPECT_THROW(writer.ClosePDFFile(), PosterPdfUsageError);  // the document was abandoned
    EXPECT_EQ(ReadFileBytes(target), "earlier poster");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"poster.pdf"});
}

TEST(PosterPdfDocument, RefusesCallsOutOfOrderBeforeWritingAnything) {
    testing::ScratchFolder folder;
    clsPosterPDF idle(testing::FixedEnvironment(folder.path()));
    EXPECT_THROW(idle.ClosePDFFile(), PosterPdfUsageError);
    EXPECT_THROW(idle.LoadFont("Fnt1", "Arial", 0), PosterPdfUsageError);

    const std::string pdf = WriteDocument(folder / "order.pdf", [](clsPosterPDF& writer) {
        EXPECT_THROW(writer.MoveTo(1, 1), PosterPdfUsageError);
        EXPECT_THROW(writer.EndPage(), PosterPdfUsageError);
        EXPECT_THROW(writer.EndObject(), PosterPdfUsageError);
        writer.BeginPage();
        EXPECT_THROW(writer.BeginPage(), PosterPdfUsageError);
        EXPECT_THROW(writer.LoadFont("Fnt1", "Arial", 0), PosterPdfUsageError);
        EXPECT_THROW(writer.LoadImgFromBMPFile("Img1", "/nonexistent.bmp", 0), PosterPdfUsageError);
        EXPECT_THROW(writer.StartObject("Form1", 0), PosterPdfUsageError);
        EXPECT_THROW(writer.ClosePDFFile(), PosterPdfUsageError);
        writer.EndPage();
        writer.StartObject("Form1", 0);
        EXPECT_THROW(writer.BeginPage(), PosterPdfUsageError);
        EXPECT_THROW(writer.EndPage(), PosterPdfUsageError);
        writer.EndObject();
    });
    // Only the page (5..7) and the form (8, 9) were written.
    EXPECT_NE(pdf.find("xref\r\n0 10\r\n"), std::string::npos);
    EXPECT_EQ(ObjectBody(pdf, 6), "<< /Length 7 0 R >>\rstream\r\nendstream\r\n");
    EXPECT_EQ(ObjectBody(pdf, 7), "0\r\n");
}

TEST(PosterPdfDocument, RefusesObjectNumbersPast32767AndStillClosesCleanly) {
    testing::ScratchFolder folder;
    const std::string pdf = WriteDocument(folder / "full.pdf", [](clsPosterPDF& writer) {
        for (int object = 5; object <= 32767; ++object) {
            const std::string name = "F";
            writer.LoadFontStandard(name + std::to_string(object), "Arial", 0);
        }
        EXPECT_THROW(writer.LoadFontStandard("G", "Arial", 0), PosterPdfOverflowError);
        EXPECT_THROW(writer.BeginPage(), PosterPdfOverflowError);
    });
    EXPECT_NE(pdf.find("/Size 32768\r"), std::string::npos);
    EXPECT_NE(pdf.find("\r\n32767 0 obj\r\n"), std::string::npos);
}

TEST(PosterPdfDocument, NewDocumentForgetsTheEarlierOnesPagesAndResources) {
    testing::ScratchFolder folder;
    clsPosterPDF writer(testing::FixedEnvironment(folder.path()));
    writer.InitPDFFile((folder / "first.pdf").string());
    writer.LoadFont("Fnt1", "Arial", 0);
    writer.BeginPage();
    writer.EndPage();
    writer.ClosePDFFile();
    EXPECT_EQ(testing::QpdfCheck(folder / "first.pdf").exitCode, 0);
    writer.InitPDFFile((folder / "second.pdf").string());
    writer.ClosePDFFile();
    EXPECT_EQ(writer.Pages(), 0);
    const std::string second = ReadFileBytes(folder / "second.pdf");
    EXPECT_EQ(ObjectBody(second, 4), "<<\r/ProcSet [/PDF /Text ]\r>>\r\n");
    EXPECT_NE(second.find("/Count 0\r"), std::string::npos);
    EXPECT_EQ(testing::QpdfCheck(folder / "second.pdf").exitCode, 0);
}

}  // namespace
}  // namespace tessivo::posterpdf
