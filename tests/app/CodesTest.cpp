// The four QR buttons and the two "DISPLAY" buttons, against the real QR service.

#include <gtest/gtest.h>

#include <QTest>

#include "AppTestSupport.h"
#include "app/ShapeWidget.h"
#include "qrclient/Picture.h"
#include "tests/support/OutsideTools.h"

namespace tessivo::app::testing {
namespace {

using testsupport::ScanImageFile;
using testsupport::ScanPicture;

void TypeTitle(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClicks(field, text);
}

TEST(QrButtons, EachKindSavesTheCodeOfItsPayloadUnderTheTitle) {
    WindowHarness harness([](TempWorkspace& ws) {
        ws.write("Contact.txt", ListLine({"Ann", "", "", "", "", "ann@example.com", ""}));
        ws.write("banner.txt", ListLine({"Open Day"}));
    });
    MainQR& w = harness.window();
    w.cboYourName->setCurrentIndex(0);
    emit w.cboYourName->activated(0);
    w.cboBanner->setCurrentIndex(0);
    emit w.cboBanner->activated(0);
    w.SSTab1->setCurrentIndex(2);  // copies the address to the e-mail tab

    TypeTitle(w.txtEmailTitle, "Spring fair at the school hall");
    w.txtMoreInfo->setText("Tickets £3 at the door");
    TypeTitle(w.Text4, "Opening times");
    w.RichTextBox3->setPlainText("Mon-Fri 9-5\nSat 10-4, café open");
    TypeTitle(w.Text8, "Call the shop");
    w.TelephoneNumber->setText("+44 1632 960");
    TypeTitle(w.Text15, "Our site");
    w.WebLinkArea->setPlainText("https://example.org/shop?id=7");

    struct Case {
        QPushButton* qr;
        QPushButton* pdf;
        const char* file;
        std::string payload;
    };
    const Case cases[] = {
        {w.cmdEmailQR, w.cmdEmail, "EMAILS/Codes/Spring fair at the school hall.bmp",
         "mailto:ann@example.com?subject=Spring fair at the school hall&body=Open Day - Spring "
         "fair at "
         "the school hall. Tickets \xC2\xA3"
         "3 at the door"},
        {w.cmdTextQR, w.cmdText, "INFO/Codes/Opening times.bmp",
         "Mon-Fri 9-5\nSat 10-4, caf\xC3\xA9 open"},
        {w.cmdPhoneQR, w.cmdPhone, "PHONE/Codes/Call the shop.bmp", "+44 1632 960"},
        {w.cmdWebQR, w.cmdWeb, "WEB/Codes/Our site.bmp", "https://example.org/shop?id=7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_FALSE(c.qr->isHidden());  // revealed by typing the title
        QTest::mouseClick(c.qr, Qt::LeftButton);
        EXPECT_TRUE(c.qr->isHidden());
        EXPECT_FALSE(c.pdf->isHidden());
        ASSERT_TRUE(w.Picture1Picture.has_value());
        EXPECT_EQ(w.Picture1Picture->width, 152);
        EXPECT_EQ(w.Picture1Picture->height, 152);
        const auto saved = harness.workspace().path() / c.file;
        ASSERT_TRUE(std::filesystem::exists(saved));
        EXPECT_EQ(ScanPicture(*w.Picture1Picture, harness.workspace().path()), c.payload);
        const auto read = ReadImageFile(saved);
        ASSERT_TRUE(read.picture) << read.error;
        EXPECT_EQ(*read.picture, *w.Picture1Picture);
    }
    EXPECT_TRUE(w.Picture2->isHidden());
    EXPECT_EQ(w.Text19->text(), "Spring fair at the school ");
    EXPECT_EQ(w.Text20->text(), "hall");
    EXPECT_EQ(w.Text6->text(), "Opening ");
    EXPECT_EQ(w.Text7->text(), "times");
    EXPECT_TRUE(harness.prompter.messages.empty())
        << harness.prompter.texts().join("|").toStdString();
}

TEST(QrButtons, EmptyTitleWarnsKeepsGoingAndOffersPdfOnlyForPhoneAndWeb) {
    WindowHarness harness;
    MainQR& w = harness.window();
    w.show();
    w.SSTab1->setCurrentIndex(4);
    w.cmdPhoneQR->show();
    QTest::mouseClick(w.cmdPhoneQR, Qt::LeftButton);
    ASSERT_GE(harness.prompter.messages.size(), 1u);
    EXPECT_EQ(harness.prompter.messages[0].request.text, "A title needs to be entered");
    EXPECT_EQ(harness.prompter.messages[0].request.icon, MsgIcon::Exclamation);
    EXPECT_EQ(w.focusWidget(), w.Text8);
    EXPECT_FALSE(w.cmdPhone->isHidden());  // the number is there
    EXPECT_TRUE(std::filesystem::exists(harness.workspace().path() / "PHONE" / "Codes" / ".bmp"));
    EXPECT_EQ(w.Text13->text(), "");
    EXPECT_EQ(w.Text14->text(), "");

    w.SSTab1->setCurrentIndex(3);
    w.cmdTextQR->show();
    QTest::mouseClick(w.cmdTextQR, Qt::LeftButton);
    EXPECT_TRUE(w.cmdText->isHidden());
    EXPECT_FALSE(w.cmdTextQR->isHidden());
    EXPECT_EQ(w.focusWidget(), w.Text4);
}

TEST(QrButtons, NoServiceMeansErrorAndNoFileButTheGuardStillOffersThePdf) {
    WindowHarness harness({}, /*startService=*/false);
    MainQR& w = harness.window();
    w.Text15->setText("Web");
    w.cmdWebQR_Click();
    ASSERT_EQ(harness.prompter.messages.size(), 1u);
    EXPECT_EQ(harness.prompter.messages[0].request.text, "Error!");
    EXPECT_EQ(harness.prompter.messages[0].request.icon, MsgIcon::None);
    EXPECT_FALSE(w.Picture1Picture.has_value());
    EXPECT_FALSE(std::filesystem::exists(harness.workspace().path() / "WEB" / "Codes" / "Web.bmp"));
    EXPECT_FALSE(w.cmdWeb->isHidden());
}

TEST(QrButtons, TitlesThatCannotBeFileNamesAreRefusedBeforeAnythingHappens) {
    WindowHarness harness;
    MainQR& w = harness.window();
    for (const QString& title : {QStringLiteral("../escape"), QStringLiteral(".."),
                                 QStringLiteral("a/b"), QString(300, QLatin1Char('x'))}) {
        harness.prompter.messages.clear();
        w.Text4->setMaxLength(1000);
        w.Text4->setText(title);
        w.cmdTextQR_Click();
        ASSERT_EQ(harness.prompter.messages.size(), 1u) << title.toStdString();
        EXPECT_NE(harness.prompter.messages[0].request.text, "Error!");
        EXPECT_FALSE(w.Picture1Picture.has_value());
        EXPECT_TRUE(w.cmdText->isHidden());
    }
    EXPECT_TRUE(std::filesystem::is_empty(harness.workspace().path() / "INFO" / "Codes"));
    EXPECT_FALSE(std::filesystem::exists(harness.workspace().path() / "INFO" / "escape.bmp"));
}

TEST(QrButtons, ABitmapThatCannotBeWrittenIsReported) {
    WindowHarness harness;
    MainQR& w = harness.window();
    // A folder where the bitmap should go stops the save, root or not.
    std::filesystem::create_directories(harness.workspace().path() / "WEB" / "Codes" /
                                        "Blocked.bmp" / "x");
    w.Text15->setText("Blocked");
    w.cmdWebQR_Click();
    ASSERT_EQ(harness.prompter.messages.size(), 1u);
    EXPECT_TRUE(harness.prompter.messages[0].request.text.contains("Blocked.bmp"));
    EXPECT_TRUE(w.Picture1Picture.has_value());
}

TEST(QrButtons, ASecondCodeWithTheSameTitleReplacesTheFirst) {
    WindowHarness harness;
    MainQR& w = harness.window();
    w.Text15->setText("Link");
    w.WebLinkArea->setPlainText("https://one.example");
    w.cmdWebQR_Click();
    w.WebLinkArea->setPlainText("https://two.example");
    w.cmdWebQR_Click();
    EXPECT_EQ(ScanPicture(*ReadImageFile(harness.workspace().path() / "WEB/Codes/Link.bmp").picture,
                          harness.workspace().path()),
              "https://two.example");
}

TEST(DisplayButtons, ContactBlockFillsTheSevenLinesAndCountsLineBreaks) {
    WindowHarness harness([](TempWorkspace& ws) {
        ws.write("Contact.txt", ListLine({"Ann Lee", "1 Road", "AB1", "0101", "0777",
                                          "ann@example.com", "ann.example"}));
    });
    MainQR& w = harness.window();
    w.cboYourName->setCurrentIndex(0);
    emit w.cboYourName->activated(0);
    for (QCheckBox* tick : {w.chkDisplayName, w.chkDisplayAddress, w.chkPostCode, w.chkWeb})
        tick->setChecked(true);
    QTest::mouseClick(w.cmdShow, Qt::LeftButton);
    const QStringList lines = {"Ann Lee",         "1 Road",       "AB1",
                               "Telephone: 0101", "Mobile: 0777", "Email: ann@example.com",
                               "Web: ann.example"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(w.Text2[static_cast<std::size_t>(i)]->text(), lines[i]);
        EXPECT_FALSE(w.Text2[static_cast<std::size_t>(i)]->isHidden());
    }
    EXPECT_EQ(w.Text1->text(), "6");
    EXPECT_TRUE(w.Picture2->isHidden());

    // Only the web tick: one line, no line break; the other members are emptied and hidden.
    for (QCheckBox* tick : {w.chkDisplayName, w.chkDisplayAddress, w.chkPostCode, w.chkTelephone,
                            w.chkMobile, w.chkEmail}) {
        tick->setChecked(false);
    }
    w.cmdShow_Click();
    EXPECT_EQ(w.Text2[0]->text(), "Web: ann.example");
    EXPECT_EQ(w.Text1->text(), "0");
    for (std::size_t i = 1; i < 7; ++i) EXPECT_TRUE(w.Text2[i]->isHidden()) << i;
}

TEST(DisplayButtons, BannerTakesTheChosenTextAndColours) {
    WindowHarness harness(
        [](TempWorkspace& ws) { ws.write("banner.txt", ListLine({"FOR SALE"})); });
    MainQR& w = harness.window();
    w.cboBanner->setCurrentIndex(0);
    emit w.cboBanner->activated(0);
    w.Option[2]->setChecked(true);   // red background
    w.Option[16]->setChecked(true);  // white font
    w.Option[17]->setChecked(true);  // black border
    QTest::mouseClick(w.cmdShowBanner, Qt::LeftButton);
    EXPECT_EQ(w.lblBanner->text(), "FOR SALE");
    EXPECT_EQ(w.bannerPreview.lFillColor, 0x0000FFu);
    EXPECT_EQ(w.bannerPreview.lForeColor, 0xFFFFFFu);
    EXPECT_EQ(w.bannerPreview.lBorderColor, 0x000000u);
    EXPECT_EQ(w.Shape2->fillColor(), 0x0000FFu);
    EXPECT_EQ(w.Shape2->borderStyle(), 1);
    EXPECT_TRUE(w.Picture2->isHidden());
}

}  // namespace
}  // namespace tessivo::app::testing
