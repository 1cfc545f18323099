#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/BannerList.h"
#include "lists/CaseFold.h"
#include "lists/ContactList.h"
#include "tests/support/Files.h"

namespace tessivo::lists {
namespace {

ContactRecord Named(std::string name) {
    ContactRecord record;
    record.sName = std::move(name);
    record.sEmail = record.sName + "@example.org";
    return record;
}

std::vector<std::string> Names(const ContactList& list) {
    std::vector<std::string> names;
    for (const ContactRecord& record : list.Entries()) names.push_back(record.sName);
    return names;
}

TEST(CaseFold, UpperCasesAsciiLatin1AndWindows1252Letters) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"abc xyz 09", "ABC XYZ 09"},
        {"\xC3\xA0\xC3\xA9\xC3\xB6\xC3\xBE", "\xC3\x80\xC3\x89\xC3\x96\xC3\x9E"},  // àéöþ
        {"\xC3\xBF\xC5\xA1\xC5\x93\xC5\xBE", "\xC5\xB8\xC5\xA0\xC5\x92\xC5\xBD"},  // ÿšœž
        {"\xC3\xB7\xC3\x9F\xC2\xB5", "\xC3\xB7\xC3\x9F\xC2\xB5"},  // ÷ ß µ unchanged
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(UpperCase(in), out) << in;
    EXPECT_TRUE(SameIgnoringCase("jos\xC3\xA9", "JOS\xC3\x89"));
    EXPECT_FALSE(SameIgnoringCase("jose", "JOS\xC3\x89"));
}

TEST(ContactList, FindsTheFirstNameIgnoringCase) {
    ContactList list;
    for (const char* name : {"Ann",
                             "b\xC3\xA9"
                             "a",
                             "ANN", "Carl"})
        list.Add(Named(name));
    struct Case {
        const char* name;
        std::optional<int> found;
    };
    for (const Case& c : std::vector<Case>{{"ann", 0},
                                           {"ANN", 0},
                                           {"B\xC3\x89"
                                            "A",
                                            1},
                                           {"carl", 3},
                                           {"Car", std::nullopt},
                                           {"", std::nullopt}}) {
        EXPECT_EQ(list.Find(c.name), c.found) << c.name;
    }
    ASSERT_TRUE(list.Select(3));
    EXPECT_FALSE(list.SelectByName("nobody"));
    EXPECT_EQ(list.iSelectedContact(), 3);  // unchanged when nothing matches
    EXPECT_EQ(list.SelectByName("aNN"), 0);
    EXPECT_EQ(list.iSelectedContact(), 0);
}

TEST(ContactList, HoldsAtMost201Records) {
    tessivo::testsupport::ScratchFolder folder;
    ContactList list;
    for (int i = 0; i < kListCapacity; ++i) {
        ASSERT_EQ(list.Add(Named("n" + std::to_string(i))), AddResult::Added);
    }
    EXPECT_TRUE(list.Full());
    EXPECT_EQ(list.Add(Named("one too many")), AddResult::ListFull);
    EXPECT_EQ(list.iContactCount(), 201);
    EXPECT_EQ(list.iSelectedContact(), 200);  // the last one added
    EXPECT_FALSE(list.Find("one too many"));

    ASSERT_FALSE(SaveContactList(folder / "Contact.txt", list));
    const ContactListLoad load = LoadContactList(folder / "Contact.txt");
    EXPECT_FALSE(load.report.bCut);
    EXPECT_EQ(load.list.Entries(), list.Entries());
}

TEST(ContactList, DeleteShiftsAndUpdateNeverHitsAnotherRecord) {
    ContactList list;
    for (const char* name : {"A", "B", "C", "D"}) list.Add(Named(name));
    EXPECT_EQ(list.iSelectedContact(), 3);

    // Update right after Add changes the record just added.
    ASSERT_TRUE(list.UpdateSelected(Named("D2")));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C", "D2"}));

    list.SelectByName("b");
    ASSERT_TRUE(list.DeleteSelected());
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C", "D2"}));
    EXPECT_EQ(list.At(1).sEmail, "C@example.org");
    // After Delete nothing is selected: Update and Delete change nothing.
    EXPECT_EQ(list.iSelectedContact(), kNoSelection);
    EXPECT_FALSE(list.UpdateSelected(Named("X")));
    EXPECT_FALSE(list.DeleteSelected());
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C", "D2"}));

    // A selection behind a deleted record follows its record.
    list.SelectByName("d2");
    ASSERT_TRUE(list.Delete(0));
    EXPECT_EQ(list.iSelectedContact(), 1);
    EXPECT_EQ(list.At(list.iSelectedContact()).sName, "D2");

    EXPECT_FALSE(list.Delete(2));
    EXPECT_FALSE(list.Delete(-1));
    EXPECT_FALSE(list.Update(5, Named("X")));
    EXPECT_FALSE(list.Select(2));
    EXPECT_THROW(list.At(2), std::out_of_range);

    ContactList empty;
    EXPECT_FALSE(empty.DeleteSelected());
    EXPECT_FALSE(empty.UpdateSelected(Named("X")));
}

TEST(ContactList, FieldsMapToColumnsInFileOrder) {
    ContactRecord record{"n", "a", "p", "t", "m", "e", "w"};
    std::string order;
    for (const ContactFieldInfo& info : kContactFields) order += FieldOf(record, info.field);
    EXPECT_EQ(order, "naptmew");
    FieldOf(record, ContactField::Web) = "web";
    EXPECT_EQ(record.sWeb, "web");
    EXPECT_EQ(kContactFields[3].sControl, "txtHomeTelephone");
    EXPECT_EQ(kContactFields[5].sDefault, "Email Address");
}

TEST(BannerList, StoresAsTypedListsAddedNamesInUpperCase) {
    tessivo::testsupport::ScratchFolder folder;
    const auto file = folder / "banner.txt";
    tessivo::testsupport::WriteFileBytes(file, "\"For Sale\"\r\nTo Let, Now\r\n");
    BannerListLoad load = LoadBannerList(file);
    ASSERT_EQ(load.list.iBannerCount(), 3);
    EXPECT_EQ(load.list.vBanner(0), "For Sale");
    EXPECT_EQ(load.list.vBanner(2), "Now");

    BannerList& list = load.list;
    const std::string typed = "Caf\xC3\xA9 Open";
    ASSERT_EQ(list.Add(typed), AddResult::Added);
    EXPECT_EQ(ListedAsAdded(typed), "CAF\xC3\x89 OPEN");
    EXPECT_EQ(list.SelectByName(ListedAsAdded(typed)), 3);
    ASSERT_EQ(list.Add(""), AddResult::Added);  // a cancelled input box adds an empty name
    ASSERT_FALSE(SaveBannerList(file, list));
    EXPECT_EQ(tessivo::testsupport::ReadFileBytes(file),
              "\"For Sale\"\r\n\"To Let\"\r\n\"Now\"\r\n\"Caf\xE9 Open\"\r\n\"\"\r\n");
    EXPECT_EQ(LoadBannerList(file).list.Entries(), list.Entries());
}

}  // namespace
}  // namespace tessivo::lists
