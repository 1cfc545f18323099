#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "lists/BannerList.h"
#include "lists/ContactList.h"
#include "lists/ListFile.h"
#include "tests/support/Files.h"

namespace tessivo::lists {
namespace {

using testsupport::ReadFileBytes;
using testsupport::ScratchFolder;
using testsupport::WriteFileBytes;

std::string Lines(int count, std::string_view line) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += line;
    return bytes;
}

TEST(ListFile, WritesQuotedWindows1252FieldsWithSubstitutions) {
    struct Case {
        const char* name;
        std::string field;  // UTF-8
        std::string bytes;  // as written between the quotes
        std::string readBack;
    };
    const std::vector<Case> cases = {
        {"accents", "Jos\xC3\xA9 M\xC3\xBCller", "Jos\xE9 M\xFCller", "Jos\xC3\xA9 M\xC3\xBCller"},
        {"euro and curly quotes",
         "\xE2\x82\xAC"
         "5 \xE2\x80\x9Cok\xE2\x80\x9D",
         "\x80"
         "5 \x93ok\x94",
         "\xE2\x82\xAC"
         "5 \xE2\x80\x9Cok\xE2\x80\x9D"},
        {"double quote becomes apostrophe", "say \"hi\"", "say 'hi'", "say 'hi'"},
        {"each line break becomes one space", "a\r\nb\nc\rd\r\n\r\ne", "a b c d  e", "a b c d  e"},
        {"outside the code page", "\xE4\xB8\xAD!", "?!", "?!"},
        {"spaces kept", "  x  ", "  x  ", "  x  "},
        {"empty", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeListFile({{c.field}}), "\"" + c.bytes + "\"\r\n") << c.name;
        EXPECT_EQ(FieldAsSaved(c.field), c.readBack) << c.name;
    }
    EXPECT_EQ(EncodeListFile({{"a", "", "b"}, {"c", "d", ""}}),
              "\"a\",\"\",\"b\"\r\n\"c\",\"d\",\"\"\r\n");
    EXPECT_EQ(EncodeListFile({}), "");
}

TEST(ListFile, ContactListRoundTripsExactBytes) {
    ScratchFolder folder;
    const auto file = folder / "Contact.txt";
    ContactList list;
    ASSERT_EQ(list.Add({"Zo\xC3\xAB \"Z\" \xC3\x85ngstr\xC3\xB6m", "1 Rue Haute\r\nLi\xC3\xA8ge",
                        "B-4000", "+32 4 123", "", "zoe@example.be", "www.example.be"}),
              AddResult::Added);
    ASSERT_EQ(list.Add({}), AddResult::Added);
    ASSERT_FALSE(SaveContactList(file, list));
    const std::string expected =
        "\"Zo\xEB 'Z' \xC5ngstr\xF6m\",\"1 Rue Haute Li\xE8ge\",\"B-4000\",\"+32 4 123\",\"\","
        "\"zoe@example.be\",\"www.example.be\"\r\n"
        "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    EXPECT_EQ(ReadFileBytes(file), expected);

    const ContactListLoad load = LoadContactList(file);
    EXPECT_FALSE(load.report.error);
    EXPECT_FALSE(load.report.bMissing || load.report.bCut || load.report.bLastRecordIncomplete);
    ASSERT_EQ(load.list.iContactCount(), 2);
    EXPECT_EQ(load.list.At(0).sName, "Zo\xC3\xAB 'Z' \xC3\x85ngstr\xC3\xB6m");
    EXPECT_EQ(load.list.At(0).sAddress, "1 Rue Haute Li\xC3\xA8ge");
    EXPECT_EQ(load.list.At(1), ContactRecord{});
    EXPECT_EQ(load.list.iSelectedContact(), kNoSelection);

    // What was read is written back byte for byte.
    ASSERT_FALSE(SaveContactList(file, load.list));
    EXPECT_EQ(ReadFileBytes(file), expected);
}

TEST(ListFile, ReportsMissingCutIncompleteAndRefusedFiles) {
    ScratchFolder folder;
    const ContactListLoad missing = LoadContactList(folder / "Contact.txt");
    EXPECT_TRUE(missing.report.bMissing);
    EXPECT_FALSE(missing.report.error);
    EXPECT_EQ(missing.list.iContactCount(), 0);

    WriteFileBytes(folder / "many.txt", Lines(205, "\"x\"\r\n"));
    const BannerListLoad cut = LoadBannerList(folder / "many.txt");
    EXPECT_TRUE(cut.report.bCut);
    EXPECT_EQ(cut.list.iBannerCount(), kListCapacity);

    WriteFileBytes(folder / "exact.txt", Lines(201, "\"x\"\r\n"));
    EXPECT_FALSE(LoadBannerList(folder / "exact.txt").report.bCut);

    WriteFileBytes(folder / "short.txt",
                   "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n\"h\",\"i\"\r\n");
    const ContactListLoad incomplete = LoadContactList(folder / "short.txt");
    EXPECT_TRUE(incomplete.report.bLastRecordIncomplete);
    ASSERT_EQ(incomplete.list.iContactCount(), 2);
    EXPECT_EQ(incomplete.list.At(1), (ContactRecord{"h", "i", "", "", "", "", ""}));

    const auto big = folder / "big.txt";
    WriteFileBytes(big, std::string(kMaxListFileBytes + 1, 'x'));
    const BannerListLoad tooBig = LoadBannerList(big);
    ASSERT_TRUE(tooBig.report.error);
    EXPECT_EQ(tooBig.report.error->sMessage,
              "Cannot read \"" + big.string() + "\": it is larger than 4 MiB.");
    EXPECT_EQ(tooBig.list.iBannerCount(), 0);

    std::filesystem::create_directory(folder / "dir.txt");
    const BannerListLoad directory = LoadBannerList(folder / "dir.txt");
    ASSERT_TRUE(directory.report.error);
    EXPECT_NE(directory.report.error->sMessage.find("dir.txt"), std::string::npos);
    EXPECT_FALSE(directory.report.bMissing);
}

TEST(ListFile, UnreadableFileIsAnErrorNamingIt) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    ScratchFolder folder;
    const auto file = folder / "banner.txt";
    WriteFileBytes(file, "\"A\"\r\n");
    ::chmod(file.c_str(), 0);
    const BannerListLoad load = LoadBannerList(file);
    ASSERT_TRUE(load.report.error);
    EXPECT_EQ(load.report.error->sMessage,
              "Cannot read \"" + file.string() + "\": Permission denied.");
}

bool NoTemporaryFilesIn(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with(".tessivo-save-")) return false;
    }
    return true;
}

TEST(ListFile, FailedSaveKeepsTheOldFileAndNamesIt) {
    ScratchFolder folder;
    const auto file = folder / "banner.txt";
    WriteFileBytes(file, "\"OLD\"\r\n");

    // A file-size limit makes the write itself fail (EFBIG), even for root.
    BannerList list;
    for (int i = 0; i < 50; ++i) list.Add("A LONG BANNER NAME " + std::to_string(i));
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldSignal = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::optional<ListFileError> error = SaveBannerList(file, list);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldSignal);

    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, file);
    EXPECT_EQ(error->sMessage, "Cannot save \"" + file.string() + "\": File too large.");
    EXPECT_EQ(ReadFileBytes(file), "\"OLD\"\r\n");
    EXPECT_TRUE(NoTemporaryFilesIn(folder.path()));

    const auto nowhere = folder / "missing" / "banner.txt";
    const std::optional<ListFileError> noFolder = SaveBannerList(nowhere, list);
    ASSERT_TRUE(noFolder);
    EXPECT_EQ(noFolder->sMessage,
              "Cannot save \"" + nowhere.string() + "\": No such file or directory.");

    std::filesystem::create_directory(folder / "taken");
    EXPECT_TRUE(SaveBannerList(folder / "taken", list));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken"));
    EXPECT_TRUE(NoTemporaryFilesIn(folder.path()));
}

TEST(ListFile, SaveKeepsPermissionBits) {
    ScratchFolder folder;
    const auto kept = folder / "Contact.txt";
    WriteFileBytes(kept, "");
    ::chmod(kept.c_str(), 0640);
    ASSERT_FALSE(SaveContactList(kept, ContactList{}));
    struct stat info {};
    ASSERT_EQ(::stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const auto fresh = folder / "banner.txt";
    ASSERT_FALSE(SaveBannerList(fresh, BannerList{}));
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    EXPECT_EQ(ReadFileBytes(fresh), "");
}

}  // namespace
}  // namespace tessivo::lists
