// Typing in the title fields: the key rules, the limits, the focus rules, and the window
// updates that follow the typing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "AppTestSupport.h"
#include "app/PreviewWindows.h"

namespace tessivo::app::testing {
namespace {

class FieldChecks : public ::testing::Test {
  protected:
    void SetUp() override {
        harness = std::make_unique<WindowHarness>(
            [](TempWorkspace& ws) { ws.write("banner.txt", ListLine({"FOR SALE"})); });
        w = &harness->window();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        // Qt's own notion of the active window is enough for focus and keys; a display
        // without a window manager never activates windows by itself.
        QApplication::setActiveWindow(w);
        ASSERT_EQ(QApplication::activeWindow(), w);
    }
    int invalidCharacterMessages() const {
        int count = 0;
        for (const auto& asked : harness->prompter.messages) {
            if (asked.request.title == "Invalid Character") ++count;
        }
        return count;
    }
    void tabAway(QWidget* field) {
        QTest::keyClick(field, Qt::Key_Tab);
        QTest::qWait(20);  // the focus comes back on the next turn of the event loop
    }

    std::unique_ptr<WindowHarness> harness;
    MainQR* w = nullptr;
};

TEST_F(FieldChecks, AWrongCharacterStaysUntilTheNextKeyWhichTurnsIntoABackspace) {
    w->SSTab1->setCurrentIndex(3);
    w->Text4->setFocus();
    QTest::keyClicks(w->Text4, "ab?");
    EXPECT_EQ(w->Text4->text(), "ab?");
    EXPECT_EQ(invalidCharacterMessages(), 0);
    QTest::keyClick(w->Text4, Qt::Key_C);
    EXPECT_EQ(w->Text4->text(), "ab");
    ASSERT_EQ(invalidCharacterMessages(), 1);
    const MessageRequest& message = harness->prompter.messages.back().request;
    EXPECT_EQ(message.text,
              "Unfortunately, you have entered an Invalid Character, for example \\ ? . / # *");
    EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    QTest::keyClick(w->Text4, Qt::Key_C);
    EXPECT_EQ(w->Text4->text(), "abc");
    EXPECT_EQ(invalidCharacterMessages(), 1);
}

TEST_F(FieldChecks, PastedTextKeepsItsCharactersUntilKeysRemoveThemOneByOne) {
    w->SSTab1->setCurrentIndex(5);
    w->Text15->setFocus();
    w->Text15->setText("My.site");  // as a paste: no key, no check
    EXPECT_EQ(invalidCharacterMessages(), 0);
    EXPECT_EQ(w->pdfSimulator->toPlainText(), "My.site");
    w->Text15->setCursorPosition(3);  // just after the full stop
    QTest::keyClick(w->Text15, Qt::Key_X);
    EXPECT_EQ(w->Text15->text(), "Mysite");
    EXPECT_EQ(invalidCharacterMessages(), 1);
    QTest::keyClick(w->Text15, Qt::Key_X);
    EXPECT_EQ(w->Text15->text(), "Myxsite");

    // With the caret elsewhere, each key removes the character before the caret instead.
    w->Text15->setText("a.bc");
    w->Text15->setCursorPosition(4);
    QTest::keyClick(w->Text15, Qt::Key_Z);
    QTest::keyClick(w->Text15, Qt::Key_Z);
    QTest::keyClick(w->Text15, Qt::Key_Z);
    EXPECT_EQ(w->Text15->text(), "a");
    QTest::keyClick(w->Text15, Qt::Key_Z);
    EXPECT_EQ(w->Text15->text(), "az");
}

TEST_F(FieldChecks, FirstKeyRevealsTheTabsButtonsAndTheLineUnderTheCodeEvenWhenRefused) {
    struct Case {
        int tab;
        QLineEdit* title;
        QPushButton* qr;
        QPushButton* preview;
        const char* underCode;
    };
    const Case cases[] = {
        {2, w->txtEmailTitle, w->cmdEmailQR, w->Command[23],
         "QR Code will generate an automatic email"},
        {3, w->Text4, w->cmdTextQR, w->Command[24],
         "QR Code will generate information for the user"},
        {4, w->Text8, w->cmdPhoneQR, w->Command[25],
         "QR Code enables user to telephone number direct"},
        {5, w->Text15, w->cmdWebQR, w->Command[26], "QR Code provides web site link for the user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        w->SSTab1->setCurrentIndex(c.tab);
        c.title->setText("bad#");
        c.title->setFocus();
        ASSERT_TRUE(c.qr->isHidden());
        QTest::keyClick(c.title, Qt::Key_A);
        EXPECT_EQ(c.title->text(), "bad");
        EXPECT_FALSE(c.qr->isHidden());
        EXPECT_FALSE(c.preview->isHidden());
        EXPECT_EQ(w->lblUnderQRCode->text(), c.underCode);
        EXPECT_TRUE(w->Picture2->isHidden());
    }
}

TEST_F(FieldChecks, TitleLimitsAre64ForEmailAndInfoAndNoneForPhoneAndWeb) {
    const QString seventy(70, QLatin1Char('w'));
    for (QLineEdit* field : {w->txtEmailTitle, w->Text4, w->Text8, w->Text15}) {
        field->setFocus();
        QTest::keyClicks(field, seventy);
    }
    EXPECT_EQ(w->txtEmailTitle->text().size(), 64);
    EXPECT_EQ(w->Text4->text().size(), 64);
    EXPECT_EQ(w->Text8->text().size(), 70);
    EXPECT_EQ(w->Text15->text().size(), 70);
    w->TelephoneNumber->clear();
    w->TelephoneNumber->setFocus();
    QTest::keyClicks(w->TelephoneNumber, "0123456789012345");
    EXPECT_EQ(w->TelephoneNumber->text(), "012345678901");
}

TEST_F(FieldChecks, LeavingAnEmptyTitleOrWebLinkKeepsTheFocusThere) {
    w->SSTab1->setCurrentIndex(4);
    QTest::mouseClick(w->Text8, Qt::LeftButton);
    tabAway(w->Text8);
    ASSERT_EQ(harness->prompter.messages.size(), 1u);
    EXPECT_EQ(harness->prompter.messages[0].request.text, "A title needs to be entered");
    EXPECT_EQ(harness->prompter.messages[0].request.title, "Enter Title");
    EXPECT_EQ(harness->prompter.messages[0].request.icon, MsgIcon::Information);
    EXPECT_EQ(QApplication::focusWidget(), w->Text8);

    QTest::keyClicks(w->Text8, " ");  // a title of spaces is not empty
    tabAway(w->Text8);
    EXPECT_EQ(harness->prompter.messages.size(), 1u);

    // Switching tabs hands the focus to the web tab's empty title; passing through it on the
    // way to the link is not leaving an entered title.
    w->SSTab1->setCurrentIndex(5);
    QTest::mouseClick(w->WebLinkArea->viewport(), Qt::LeftButton);
    w->WebLinkArea->clear();
    tabAway(w->WebLinkArea);
    ASSERT_EQ(harness->prompter.messages.size(), 2u)
        << harness->prompter.texts().join("|").toStdString();
    EXPECT_EQ(harness->prompter.messages[1].request.text, "A web link need to be entered");
    EXPECT_EQ(harness->prompter.messages[1].request.title, "Enter Web Link");
    EXPECT_EQ(QApplication::focusWidget(), w->WebLinkArea);
}

TEST_F(FieldChecks, FocusingTheWebLinkSelectsItAndRevealsTheLinkButtons) {
    w->SSTab1->setCurrentIndex(5);
    for (int n : {15, 18, 19, 20, 21, 22})
        ASSERT_TRUE(w->Command[static_cast<std::size_t>(n)]->isHidden());
    w->WebLinkArea->setFocus();
    EXPECT_EQ(w->WebLinkArea->textCursor().selectedText(), w->WebLinkArea->toPlainText());
    for (int n : {15, 18, 19, 20, 21, 22})
        EXPECT_FALSE(w->Command[static_cast<std::size_t>(n)]->isHidden()) << n;
    EXPECT_FALSE(w->Label16->isHidden());
    EXPECT_FALSE(w->cmdWebQR->isHidden());
}

TEST_F(FieldChecks, EmailBodyAndPreviewsFollowTheTyping) {
    w->cboBanner->setCurrentIndex(0);
    emit w->cboBanner->activated(0);
    w->SSTab1->setCurrentIndex(2);
    w->txtEmailTitle->setFocus();
    QTest::keyClicks(w->txtEmailTitle, "Big sale");
    w->txtMoreInfo->setText("Sat only");
    EXPECT_EQ(w->RichTextBox1->toPlainText(), "FOR SALE - Big sale. Sat only");
    Mobile& mobile = harness->session().previews().mobile();
    EXPECT_EQ(mobile.txtMobileBody->toPlainText(), "FOR SALE - Big sale. Sat only");
    EXPECT_EQ(mobile.txtMobileSubject->toPlainText(), "Big sale");
    EXPECT_EQ(w->pdfSimulator->toPlainText(), "Big sale");
    w->txtMoreInfo->clear();
    EXPECT_EQ(w->RichTextBox1->toPlainText(), "FOR SALE - Big sale. ");
    w->txtMoreInfo->setText("x");
    QTest::keyClicks(w->txtEmailTitle, "!");
    EXPECT_EQ(w->RichTextBox1->toPlainText(), "FOR SALE - Big sale!. x");

    w->txtEmail->setText("me@example.com");
    EXPECT_EQ(mobile.txtMobileTo->text(), "me@example.com");
}

}  // namespace
}  // namespace tessivo::app::testing
