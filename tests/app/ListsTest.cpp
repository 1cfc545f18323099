// The Contact and Banner tabs driven as a user would, with the list files checked after each step.

#include <gtest/gtest.h>

#include <QTest>

#include "AppTestSupport.h"
#include "app/Widgets.h"

namespace tessivo::app::testing {
namespace {

const std::string kAnn =
    ListLine({"Ann Lee", "1 Road", "AB1", "0101", "0777", "ann@example.com", "ann.example"});
const std::string kBob =
    ListLine({"Bob Ray", "2 Lane", "CD2", "0202", "0888", "bob@example.com", ""});
const std::string kAnnAgain =
    ListLine({"ANN LEE", "9 Other", "", "", "", "second@example.com", ""});

void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

TEST(ContactTab, ChoosingANameShowsTheFirstRecordWithThatNameInAnyCase) {
    WindowHarness harness(
        [](TempWorkspace& ws) { ws.write("Contact.txt", kAnn + kBob + kAnnAgain); });
    MainQR& w = harness.window();
    Choose(w.cboYourName, 2);  // "ANN LEE" matches record 0 first
    EXPECT_EQ(w.contacts.iSelectedContact(), 0);
    EXPECT_EQ(w.txtEmail->text(), "ann@example.com");
    EXPECT_EQ(w.txtYourAddress->toPlainText(), "1 Road");
    EXPECT_EQ(w.txtYourName->text(), "Ann Lee");

    w.cboYourName->setEditText("Nobody");
    w.cboYourName_Click();
    ASSERT_EQ(harness.prompter.messages.size(), 1u);
    EXPECT_EQ(harness.prompter.messages[0].request.text, "Name Not found, or selected");
    EXPECT_EQ(harness.prompter.messages[0].request.title, "Tessivo");
    EXPECT_EQ(w.txtEmail->text(), "ann@example.com");
}

TEST(ContactTab, AddAsksSevenQuestionsInOrderAndRewritesTheFile) {
    WindowHarness harness([](TempWorkspace& ws) { ws.write("Contact.txt", kAnn); });
    MainQR& w = harness.window();
    harness.prompter.answers = {MsgAnswer::Yes};
    harness.prompter.inputs = {"Zoë Kay", "3 Mews\nFlat 2",  QString(),   "0303",
                               "0999",    "zoe@example.com", "say \"hi\""};
    QTest::mouseClick(w.cmdAdd, Qt::LeftButton);

    ASSERT_EQ(harness.prompter.messages.size(), 1u);
    EXPECT_EQ(harness.prompter.messages[0].request.text,
              "Do You want to add a new Person's Contact Details?");
    EXPECT_EQ(harness.prompter.messages[0].request.buttons, MsgButtons::YesNo);
    ASSERT_EQ(harness.prompter.asked.size(), 7u);
    EXPECT_EQ(harness.prompter.asked[0].prompt, "Enter Person's Name (First and Last Name):");
    EXPECT_EQ(harness.prompter.asked[1].defaultText, "Address");
    EXPECT_EQ(harness.prompter.asked[6].prompt, "Enter e.g. Website/Facebook link:");
    for (const auto& asked : harness.prompter.asked) EXPECT_EQ(asked.title, "Add New Contact");

    EXPECT_EQ(w.contacts.iContactCount(), 2);
    EXPECT_EQ(w.cboYourName->itemText(1), "Zoë Kay");
    // Windows-1252, every field quoted; a quote is kept as an apostrophe and a line break as a
    // space so that the file reads back as saved.
    EXPECT_EQ(harness.workspace().read("Contact.txt"),
              kAnn +
                  "\"Zo\xEB Kay\",\"3 Mews Flat "
                  "2\",\"\",\"0303\",\"0999\",\"zoe@example.com\",\"say 'hi'\"\r\n");
    EXPECT_TRUE(w.txtYourName->isHidden());
    EXPECT_FALSE(w.cboYourName->isHidden());
    EXPECT_FALSE(w.txtEmail->isEnabled());
}

TEST(ContactTab, AddAnsweredNoWritesNothingButEndsTheAddingState) {
    WindowHarness harness([](TempWorkspace& ws) { ws.write("Contact.txt", kAnn); });
    MainQR& w = harness.window();
    harness.prompter.answers = {MsgAnswer::No};
    w.cmdAdd_Click();
    EXPECT_EQ(w.contacts.iContactCount(), 1);
    EXPECT_TRUE(harness.prompter.asked.empty());
    EXPECT_EQ(harness.workspace().read("Contact.txt"), kAnn);
    EXPECT_TRUE(w.txtYourName->isHidden());
    EXPECT_FALSE(w.txtWeb->isEnabled());
}

TEST(ContactTab, EditThenUpdateSavesTheShownRecordAndKeepsTheComboDisabled) {
    WindowHarness harness([](TempWorkspace& ws) { ws.write("Contact.txt", kAnn + kBob); });
    MainQR& w = harness.window();
    Choose(w.cboYourName, 1);
    w.cmdEdit_Click();
    EXPECT_FALSE(w.cboYourName->isEnabled());
    EXPECT_FALSE(w.txtYourName->isHidden());
    EXPECT_TRUE(w.txtMobile->isEnabled());
    EXPECT_FALSE(IsLocked(w.txtMobile));

    w.txtYourName->setText("Robert Ray");
    w.txtMobile->setText("0111");
    w.cmdUpdate_Click();
    EXPECT_EQ(
        harness.workspace().read("Contact.txt"),
        kAnn + ListLine({"Robert Ray", "2 Lane", "CD2", "0202", "0111", "bob@example.com", ""}));
    // The list shows the old name until the list is read again.
    EXPECT_EQ(w.cboYourName->itemText(1), "Bob Ray");
    EXPECT_FALSE(w.cboYourName->isEnabled());
}

TEST(ContactTab, DeleteAsksWithNoAsDefaultAndOnlyYesRemoves) {
    WindowHarness harness(
        [](TempWorkspace& ws) { ws.write("Contact.txt", kAnn + kBob + kAnnAgain); });
    MainQR& w = harness.window();
    Choose(w.cboYourName, 1);
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Cancel}) {
        harness.prompter.answers = {answer};
        w.cmdDelete_Click();
        EXPECT_EQ(w.contacts.iContactCount(), 3);
        EXPECT_EQ(w.cboYourName->count(), 3);
        EXPECT_EQ(w.txtEmail->text(), "bob@example.com");
    }
    const MessageRequest& asked = harness.prompter.messages.back().request;
    EXPECT_EQ(asked.text, "Are You sure you want to delete this person's details?");
    EXPECT_EQ(asked.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(asked.icon, MsgIcon::Critical);
    EXPECT_EQ(asked.defaultButton, 2);

    harness.prompter.answers = {MsgAnswer::Yes};
    w.cmdDelete_Click();
    EXPECT_EQ(w.contacts.iContactCount(), 2);
    ASSERT_EQ(w.cboYourName->count(), 2);
    EXPECT_EQ(w.cboYourName->itemText(1), "ANN LEE");
    EXPECT_EQ(w.txtEmail->text(), "");
    EXPECT_EQ(w.cboYourName->currentText(), "");
    // Deleting does not write the file; the next Add or Update does.
    EXPECT_EQ(harness.workspace().read("Contact.txt"), kAnn + kBob + kAnnAgain);
}

TEST(ContactTab, UpdateOrDeleteWithNoContactShownChangesNothing) {
    WindowHarness harness([](TempWorkspace& ws) { ws.write("Contact.txt", kAnn + kBob); });
    MainQR& w = harness.window();
    w.cmdUpdate_Click();  // nothing chosen yet
    Choose(w.cboYourName, 0);
    harness.prompter.answers = {MsgAnswer::Yes};
    w.cmdDelete_Click();
    w.cmdUpdate_Click();  // right after a delete the fields show no record
    w.cmdDelete_Click();
    EXPECT_EQ(w.contacts.iContactCount(), 1);
    EXPECT_EQ(w.contacts.At(0).sName, "Bob Ray");
    EXPECT_EQ(harness.workspace().read("Contact.txt"), kAnn + kBob);
    EXPECT_TRUE(harness.prompter.answers.empty());
    EXPECT_EQ(harness.prompter.texts().filter("Choose a contact").size(), 3);
}

TEST(ContactTab, UpdateRightAfterAddChangesTheRecordJustAdded) {
    WindowHarness harness([](TempWorkspace& ws) { ws.write("Contact.txt", kAnn); });
    MainQR& w = harness.window();
    Choose(w.cboYourName, 0);
    harness.prompter.answers = {MsgAnswer::Yes};
    harness.prompter.inputs = {"Cy", "", "", "", "", "cy@example.com", ""};
    w.cmdAdd_Click();
    w.txtEmail->setText("cy@example.org");
    w.cmdUpdate_Click();
    EXPECT_EQ(harness.workspace().read("Contact.txt"),
              kAnn + ListLine({"Cy", "", "", "", "", "cy@example.org", ""}));
}

TEST(ContactTab, A202ndContactIsRefusedAndNothingIsWritten) {
    std::string full;
    for (int i = 0; i < 201; ++i)
        full += ListLine({std::string("P").append(std::to_string(i)), "", "", "", "", "", ""});
    WindowHarness harness([&](TempWorkspace& ws) { ws.write("Contact.txt", full); });
    MainQR& w = harness.window();
    harness.prompter.answers = {MsgAnswer::Yes};
    w.cmdAdd_Click();
    EXPECT_TRUE(harness.prompter.asked.empty());
    EXPECT_EQ(w.contacts.iContactCount(), 201);
    EXPECT_EQ(harness.workspace().read("Contact.txt"), full);
    EXPECT_TRUE(harness.prompter.messages.back().request.text.contains("201"));
}

TEST(ContactTab, AFailedSaveNamesTheFileAndKeepsTheWindowUsable) {
    WindowHarness harness([](TempWorkspace& ws) { ws.write("Contact.txt", kAnn); });
    MainQR& w = harness.window();
    // A folder in the way of the temporary file's rename makes the save fail, root or not.
    std::filesystem::remove(harness.workspace().path() / "Contact.txt");
    std::filesystem::create_directory(harness.workspace().path() / "Contact.txt");
    std::filesystem::create_directory(harness.workspace().path() / "Contact.txt" / "keep");
    Choose(w.cboYourName, 0);
    w.cmdUpdate_Click();
    ASSERT_FALSE(harness.prompter.messages.empty());
    EXPECT_TRUE(harness.prompter.messages.back().request.text.contains("Contact.txt"));
    EXPECT_TRUE(std::filesystem::is_directory(harness.workspace().path() / "Contact.txt" / "keep"));
    EXPECT_TRUE(w.cmdUpdate->isEnabled());
}

TEST(BannerTab, ChooseAddDeleteAndUpdate) {
    WindowHarness harness([](TempWorkspace& ws) {
        ws.write("banner.txt", ListLine({"Open Day"}) + ListLine({"Sale"}));
    });
    MainQR& w = harness.window();
    Choose(w.cboBanner, 1);
    EXPECT_EQ(w.txtBanner->text(), "Sale");
    EXPECT_EQ(w.banners.iSelectedBanner(), 1);

    harness.prompter.answers = {MsgAnswer::Yes};
    harness.prompter.inputs = {"Café Night 2026!"};
    w.cmdAddBanner_Click();
    EXPECT_EQ(harness.prompter.asked.back().prompt,
              "Enter Banner Name (max 15 characters inc. spaces):");
    EXPECT_EQ(harness.prompter.asked.back().title, "Add New Banner");
    EXPECT_EQ(harness.prompter.asked.back().defaultText, "");
    EXPECT_EQ(w.cboBanner->itemText(2), "CAFÉ NIGHT 2026!");  // listed in upper case
    EXPECT_EQ(w.txtBanner->text(), "Café Night 2026!");       // stored as typed
    EXPECT_EQ(harness.workspace().read("banner.txt"),
              ListLine({"Open Day"}) + ListLine({"Sale"}) + ListLine({"Caf\xE9 Night 2026!"}));

    // Choosing the upper-case entry finds the stored name.
    Choose(w.cboBanner, 2);
    EXPECT_EQ(w.txtBanner->text(), "Café Night 2026!");

    Choose(w.cboBanner, 0);
    harness.prompter.answers = {MsgAnswer::Yes};
    w.cmdDeleteBanner_Click();
    EXPECT_EQ(harness.prompter.messages.back().request.text,
              "Are You sure you want to delete this Banner's Name?");
    EXPECT_EQ(harness.prompter.messages.back().request.defaultButton, 2);
    EXPECT_EQ(w.cboBanner->count(), 2);
    EXPECT_EQ(w.txtBanner->text(), "");
    // Update after the delete saves the deletion and blanks no other entry.
    w.cmdUpdateBanner_Click();
    EXPECT_EQ(harness.workspace().read("banner.txt"),
              ListLine({"Sale"}) + ListLine({"Caf\xE9 Night 2026!"}));

    Choose(w.cboBanner, 0);
    w.txtBanner->setText("SALE NOW");
    w.cmdUpdateBanner_Click();
    EXPECT_EQ(harness.workspace().read("banner.txt"),
              ListLine({"SALE NOW"}) + ListLine({"Caf\xE9 Night 2026!"}));
}

TEST(BannerTab, CancelledNameAddsAnEmptyBannerAndNoAddsNothing) {
    WindowHarness harness([](TempWorkspace& ws) { ws.write("banner.txt", ListLine({"A"})); });
    MainQR& w = harness.window();
    harness.prompter.answers = {MsgAnswer::No};
    w.cmdAddBanner_Click();
    EXPECT_EQ(w.banners.iBannerCount(), 1);
    harness.prompter.answers = {MsgAnswer::Yes};
    harness.prompter.inputs = {QString()};
    w.cmdAddBanner_Click();
    EXPECT_EQ(w.banners.iBannerCount(), 2);
    EXPECT_EQ(harness.workspace().read("banner.txt"), ListLine({"A"}) + "\"\"\r\n");
}

}  // namespace
}  // namespace tessivo::app::testing
