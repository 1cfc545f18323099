#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "lists/BannerList.h"
#include "qrdoc/DocumentFiles.h"
#include "qrdoc/Workspace.h"
#include "tests/support/Files.h"

namespace tessivo::qrdoc {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadFileBytes;
using testsupport::ScratchFolder;
using testsupport::WriteFileBytes;

fs::path SourceFolder() {
    if (const char* dir = std::getenv("TESSIVO_SOURCE_DIR")) return dir;
    return TESSIVO_TEST_SOURCE_DIR;
}

TEST(Workspace, ShippedBannersAgreeWithTheShippedFile) {
    const fs::path shipped = SourceFolder() / "workspace" / "banner.txt";
    const lists::BannerListLoad load = lists::LoadBannerList(shipped);
    ASSERT_FALSE(load.report.error);
    ASSERT_FALSE(load.report.bMissing) << shipped;
    ASSERT_EQ(load.list.iBannerCount(), 50);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(load.list.vBanner(i), kShippedBanners[i]) << i;

    // A workspace made from nothing gets the same bytes.
    ScratchFolder folder;
    Workspace(folder.path()).CreateMissingParts();
    EXPECT_EQ(ReadFileBytes(folder / "banner.txt"), ReadFileBytes(shipped));
}

TEST(Workspace, ResolvesEverySpellingToTheOneExistingEntry) {
    ScratchFolder folder;
    const fs::path root = folder.path();
    fs::create_directories(root / "emails" / "CODES");
    fs::create_directories(root / "Info");
    fs::create_directories(root / "INFO");
    fs::create_directories(root / "phone" / "codes");
    fs::create_directories(root / "phone" / "Codes");
    WriteFileBytes(root / "CONTACT.TXT", "");
    WriteFileBytes(root / "phone" / "Codes" / "Call Me.bmp", "");
    WriteFileBytes(root / "phone" / "Codes" / "CALL ME.bmp", "");
    WriteFileBytes(root / "phone" / "Codes" / "call me.bmp", "");

    const Workspace workspace(root);
    struct Case {
        const char* relative;
        fs::path resolved;
    };
    const std::vector<Case> cases = {
        {"\\Emails\\Codes\\", root / "emails" / "CODES"},
        {"\\EMAILS\\Codes\\", root / "emails" / "CODES"},
        {"\\emails\\codes\\x.bmp", root / "emails" / "CODES" / "x.bmp"},
        {"\\Info\\", root / "INFO"},  // the canonical spelling wins when both exist
        {"\\info", root / "INFO"},
        {"\\PHONE\\codes\\", root / "phone" / "Codes"},
        {"\\contact.txt", root / "CONTACT.TXT"},
        {"\\Contact.txt", root / "CONTACT.TXT"},
        {"\\banner.txt", root / "banner.txt"},  // missing: canonical spelling
        {"\\Banner.TXT", root / "banner.txt"},
        {"\\web\\codes\\", root / "WEB" / "Codes"},
        {"\\Help\\", root / "Help"},  // not a workspace name: kept as given
        {"\\\\WEB\\\\", root / "WEB"},
        {"", root},
        // A title that exists in the spelling given is that file; another spelling takes the
        // first match in byte order.
        {"\\PHONE\\Codes\\call me.bmp", root / "phone" / "Codes" / "call me.bmp"},
    };
    for (const Case& c : cases) EXPECT_EQ(workspace.Resolve(c.relative), c.resolved) << c.relative;

    const fs::path codes = root / "phone" / "Codes";
    EXPECT_EQ(workspace.Resolve("\\phone\\codes\\Call Me.bmp"), codes / "Call Me.bmp");
    EXPECT_EQ(workspace.Resolve("\\phone\\codes\\cALL mE.BMP"), codes / "CALL ME.bmp");

    for (const char* unsafe : {"\\..\\x", "\\EMAILS\\.\\", "\\a/b", "\\..", "\\WEB\\..\\.."}) {
        EXPECT_THROW(workspace.Resolve(unsafe), std::invalid_argument) << unsafe;
    }
    EXPECT_THROW(workspace.Resolve(std::string("\\a\0b", 4)), std::invalid_argument);
}

TEST(Workspace, CreatesWhatIsMissingAndLeavesTheRest) {
    ScratchFolder folder;
    const fs::path root = folder / "program";
    fs::create_directories(root / "emails");
    fs::create_directories(root / "Web");
    WriteFileBytes(root / "contact.txt", "\"Kept\"");

    const Workspace workspace(root);
    const WorkspaceSetup setup = workspace.CreateMissingParts();
    for (const fs::path& made :
         {root / "emails" / "Codes", root / "INFO", root / "INFO" / "Codes", root / "PHONE",
          root / "PHONE" / "Codes", root / "Web" / "Codes"}) {
        EXPECT_TRUE(fs::is_directory(made)) << made;
    }
    EXPECT_FALSE(fs::exists(root / "EMAILS"));
    EXPECT_EQ(ReadFileBytes(root / "contact.txt"), "\"Kept\"");
    EXPECT_FALSE(fs::exists(root / "Contact.txt"));
    EXPECT_EQ(lists::LoadBannerList(root / "banner.txt").list.iBannerCount(), 50);
    EXPECT_TRUE(setup.problems.empty());
    EXPECT_EQ(setup.created.size(), 7u);  // five folders, banner.txt and the emails Codes

    EXPECT_TRUE(workspace.CreateMissingParts().created.empty());

    // A file where a folder belongs is reported, not replaced.
    ScratchFolder other;
    WriteFileBytes(other / "PHONE", "x");
    const WorkspaceSetup blocked = Workspace(other.path()).CreateMissingParts();
    ASSERT_EQ(blocked.problems.size(), 2u);
    EXPECT_EQ(blocked.problems[0], "Cannot use \"" + (other / "PHONE").string() +
                                       "\" as a folder: it exists and is not a folder.");
    EXPECT_EQ(ReadFileBytes(other / "PHONE"), "x");
    EXPECT_EQ(ReadFileBytes(other / "Contact.txt"), "");
}

TEST(Workspace, RefusesTitlesThatAreNotSafeFileNames) {
    struct Case {
        std::string title;
        bool refused;
    };
    const std::vector<Case> cases = {
        {"Open Day", false},
        {"", false},  // the file is then ".bmp"
        {"a/b", true},
        {"..\\..\\x", true},
        {"/etc/passwd", true},
        {std::string("a\0b", 3), true},
        {".", true},
        {"..", true},
        {"...", false},
        {"a\xC3", true},  // not UTF-8
        {std::string(251, 'x'), false},
        {std::string(252, 'x'), true},
        {std::string(125, 'x') + "\xE2\x82\xAC" + std::string(123, 'x'), false},  // 251 bytes
        {std::string(125, 'x') + "\xE2\x82\xAC" + std::string(124, 'x'), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNameProblem(c.title, ".bmp").has_value(), c.refused) << c.title;
    }
    EXPECT_EQ(FileNameProblem("a/b", ".pdf"),
              std::string("The title \"a/b\" cannot be used as a file name: it may not contain "
                          "\"/\" or \"\\\"."));
    EXPECT_EQ(FileNameProblem("..", ".pdf"),
              std::string("The title \"..\" cannot be used as a file name."));
}

TEST(DocumentFiles, NameTheKindsFilesInsideTheWorkspace) {
    ScratchFolder folder;
    const Workspace workspace(folder.path());
    workspace.CreateMissingParts();
    WriteFileBytes(folder / "EMAILS" / "Codes" / "SALE.bmp", "");

    struct Case {
        OutputFile file;
        fs::path expected;
    };
    const std::vector<Case> cases = {
        {CodePictureFile(workspace, QrKind::Email, "Sale"),
         folder / "EMAILS" / "Codes" / "SALE.bmp"},
        {PosterFile(workspace, QrKind::Email, "Sale"), folder / "EMAILS" / "Sale.pdf"},
        {CodePictureFile(workspace, QrKind::Phone, "Call"),
         folder / "PHONE" / "Codes" / "Call.bmp"},
        {PosterFile(workspace, QrKind::Info, "a b"), folder / "INFO" / "a b.pdf"},
        {PosterFile(workspace, QrKind::Web, ""), folder / "WEB" / ".pdf"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.file.Refused()) << c.file.sRefusal;
        EXPECT_EQ(c.file.path, c.expected);
    }
    const OutputFile refused = CodePictureFile(workspace, QrKind::Web, "..\\..\\evil");
    EXPECT_TRUE(refused.Refused());
    EXPECT_TRUE(refused.path.empty());

    const fs::path inMissing = folder / "gone" / "deeper" / "x.bmp";
    EXPECT_FALSE(CreateFolderFor(inMissing));
    EXPECT_TRUE(fs::is_directory(inMissing.parent_path()));
    WriteFileBytes(folder / "file", "");
    EXPECT_TRUE(CreateFolderFor(folder / "file" / "x.bmp"));
}

}  // namespace
}  // namespace tessivo::qrdoc
