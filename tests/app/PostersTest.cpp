// Posters made in the window as a user makes them, checked with qpdf, poppler and zbarimg.

#include <gtest/gtest.h>

#include <QTest>

#include "AppTestSupport.h"
#include "tests/support/OutsideTools.h"

namespace tessivo::app::testing {
namespace {

using testsupport::PdfText;
using testsupport::QpdfCheck;
using testsupport::ScanPoster;

const std::string kContact = ListLine({"Zo\xEB Kay", "3 Mews", "ZZ1 2AB", "01632 960111",
                                       "07700 900222", "zoe@example.com", "zoe.example"});

class Posters : public ::testing::Test {
  protected:
    void SetUp() override {
        harness = std::make_unique<WindowHarness>([](TempWorkspace& ws) {
            ws.write("Contact.txt", kContact);
            ws.write("banner.txt", ListLine({"Open Day"}));
        });
        w = &harness->window();
        w->show();
        // The user's preparation: a contact with all details ticked, a banner, both DISPLAYs.
        w->cboYourName->setCurrentIndex(0);
        emit w->cboYourName->activated(0);
        for (QCheckBox* tick :
             {w->chkDisplayName, w->chkDisplayAddress, w->chkPostCode, w->chkWeb}) {
            tick->setChecked(true);
        }
        QTest::mouseClick(w->cmdShow, Qt::LeftButton);
        w->SSTab1->setCurrentIndex(1);
        w->cboBanner->setCurrentIndex(0);
        emit w->cboBanner->activated(0);
        QTest::mouseClick(w->cmdShowBanner, Qt::LeftButton);
    }

    std::filesystem::path root() const { return harness->workspace().path(); }

    std::unique_ptr<WindowHarness> harness;
    MainQR* w = nullptr;
};

struct Kind {
    int tab;
    const char* titleField;
    const char* qrButton;
    const char* pdfButton;
    const char* folder;
    const char* sentence;
    const char* firstSentence;
    const char* imageStatusField;
    const char* pdfStatusField;
    const char* statusWord;
};

const Kind kKinds[] = {
    {2, "txtEmailTitle", "cmdEmailQR", "cmdEmail", "EMAILS",
     "QR Code will generate an automatic email",
     "The PDF displayed has been saved automatically in the folder Emails and named the same as "
     "the Title "
     "entered, also a picture of the code only has been saved automatically in the folder "
     "EMAILS\\CODES.",
     "Text18", "Text12", "EMAILS"},
    {3, "Text4", "cmdTextQR", "cmdText", "INFO", "QR Code will generate information for the user",
     "The PDF displayed has been saved automatically in the folder INFO and named the same as the "
     "Title "
     "entered, also a picture of the code only has been saved automatically in the folder "
     "INFO\\CODES.",
     "Text3", "Text5", "INFO"},
    {4, "Text8", "cmdPhoneQR", "cmdPhone", "PHONE",
     "QR Code enables user to telephone number direct",
     "The PDF displayed has been saved automatically in the folder PHONE and named the same as the "
     "Title "
     "entered, also a picture of the code only has been saved automatically in the folder "
     "PHONE\\CODES.",
     "Text10", "Text11", "PHONE"},
    {5, "Text15", "cmdWebQR", "cmdWeb", "WEB", "QR Code provides web site link for the user",
     "The PDF displayed has been saved automatically in the folder WEB and named the same as the "
     "Title "
     "entered, also a picture of the code only has been saved automatically in the folder "
     "WEB\\CODES.",
     "Text22", "Text23", "WEB"},
};

TEST_F(Posters, EachKindMakesAPosterThatOutsideToolsReadBack) {
    w->RichTextBox3->setPlainText("Caf\xC3\xA9 open daily\nfrom 9");
    w->TelephoneNumber->setText("01632960587");
    w->WebLinkArea->setPlainText("https://example.org/open-day");
    const std::string payloads[] = {
        "mailto:zoe@example.com?subject=Spring open day at the old school&body=Open Day - Spring "
        "open day "
        "at the old school. ",
        "Caf\xC3\xA9 open daily\nfrom 9", "01632960587", "https://example.org/open-day"};

    for (std::size_t k = 0; k < std::size(kKinds); ++k) {
        const Kind& kind = kKinds[k];
        SCOPED_TRACE(kind.folder);
        w->SSTab1->setCurrentIndex(kind.tab);
        auto* title = harness->find<QLineEdit>(kind.titleField);
        title->setFocus();
        QTest::keyClicks(title, "Spring open day at the old school");
        QTest::mouseClick(harness->find<QPushButton>(kind.qrButton), Qt::LeftButton);
        auto* pdfButton = harness->find<QPushButton>(kind.pdfButton);
        ASSERT_FALSE(pdfButton->isHidden());
        harness->prompter.messages.clear();
        QTest::mouseClick(pdfButton, Qt::LeftButton);

        const auto pdf = root() / kind.folder / "Spring open day at the old school.pdf";
        ASSERT_TRUE(std::filesystem::exists(pdf));
        EXPECT_EQ(QpdfCheck(pdf).exitCode, 0);
        const std::string text = PdfText(pdf).output;
        for (const char* expected :
             {"Spring open day at the old", "school", kind.sentence, "Open Day", "Zo\xC3\xAB Kay",
              "3 Mews", "ZZ1 2AB", "Telephone: 01632 960111", "Mobile: 07700 900222"}) {
            EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
        }
        EXPECT_EQ(text.find("Email: zoe@example.com"), std::string::npos);  // line 5 is not printed
        EXPECT_EQ(text.find("Web: zoe.example"), std::string::npos);        // nor line 6
        EXPECT_EQ(ScanPoster(pdf, root()), payloads[k]);

        ASSERT_FALSE(harness->launcher.files.empty());
        EXPECT_EQ(harness->launcher.files.back(), pdf.string());
        ASSERT_EQ(harness->prompter.messages.size(), 1u);
        const MessageRequest& info = harness->prompter.messages[0].request;
        EXPECT_EQ(info.title, "Information");
        EXPECT_EQ(info.icon, MsgIcon::Information);
        EXPECT_TRUE(info.topmost);
        EXPECT_EQ(info.text,
                  QString::fromUtf8(kind.firstSentence) +
                      "\r\n\r\nTo Print the visible PDF, click on the Print File icon which will "
                      "send the PDF file to your default printer. ");
        EXPECT_EQ(
            harness->find<QLineEdit>(kind.imageStatusField)->text(),
            QStringLiteral("QR Image Saved As: \\%1\\Codes\\Spring open day at the old school.bmp")
                .arg(kind.statusWord));
        EXPECT_EQ(harness->find<QLineEdit>(kind.pdfStatusField)->text(),
                  QStringLiteral("QR PDF Saved As: \\%1\\Spring open day at the old school.pdf")
                      .arg(kind.statusWord));
        EXPECT_FALSE(harness->find<QLineEdit>(kind.imageStatusField)->isHidden());
        EXPECT_TRUE(pdfButton->isEnabled());
        EXPECT_TRUE(harness->find<QPushButton>(kind.qrButton)->isHidden());
    }
    // The e-mail tab's folder buttons swapped: "QR Images"/"QR PDFs" shown, "See saved" hidden.
    EXPECT_FALSE(w->Command[1]->isHidden());
    EXPECT_FALSE(w->Command[2]->isHidden());
    EXPECT_TRUE(w->Command[5]->isHidden());
    EXPECT_TRUE(w->Command[6]->isHidden());
    EXPECT_TRUE(w->Command[23]->isHidden());
}

TEST_F(Posters, NoCodePictureUnderTheTitleMeansNoPosterAndAClearMessage) {
    w->SSTab1->setCurrentIndex(5);
    w->Text15->setText("Made before");
    w->cmdWebQR_Click();
    w->Text15->setText("Renamed since");  // the title changed after the code was made
    harness->prompter.messages.clear();
    w->cmdWeb_Click();
    ASSERT_EQ(harness->prompter.messages.size(), 1u);
    EXPECT_TRUE(harness->prompter.messages[0].request.text.contains("Renamed since"));
    EXPECT_FALSE(std::filesystem::exists(root() / "WEB" / "Renamed since.pdf"));
    EXPECT_TRUE(harness->launcher.files.empty());
    EXPECT_TRUE(w->cmdWeb->isEnabled());
}

TEST_F(Posters, APosterThatCannotBeWrittenIsReportedAndTheButtonComesBack) {
    w->SSTab1->setCurrentIndex(3);
    w->Text4->setText("Blocked");
    w->cmdTextQR_Click();
    std::filesystem::create_directories(root() / "INFO" / "Blocked.pdf" /
                                        "x");  // a folder in the way
    harness->prompter.messages.clear();
    w->cmdText_Click();
    ASSERT_EQ(harness->prompter.messages.size(), 1u);
    EXPECT_TRUE(harness->prompter.messages[0].request.text.contains("Blocked.pdf"));
    EXPECT_TRUE(w->cmdText->isEnabled());
    EXPECT_TRUE(harness->launcher.files.empty());
    EXPECT_TRUE(w->Text5->isHidden());
}

}  // namespace
}  // namespace tessivo::app::testing
