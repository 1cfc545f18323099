// The main window as it loads: controls and their starting states, the lists read at load,
// tabs and help numbers, "NEW", "EXIT", previews and help.

#include <gtest/gtest.h>

#include <QTest>

#include "AppTestSupport.h"
#include "app/Help.h"
#include "app/PreviewWindows.h"
#include "app/ShapeWidget.h"
#include "app/Splash.h"
#include "app/Widgets.h"

namespace tessivo::app::testing {
namespace {

struct Expected {
    const char* name;
    bool hidden;
    const char* text;  // caption or starting text; nullptr: not checked
};

QString CaptionOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) return text->toPlainText();
    return {};
}

TEST(MainWindow, ControlsStartWithTheirCaptionsAndVisibility) {
    WindowHarness harness;
    MainQR& window = harness.window();
    EXPECT_EQ(window.windowTitle(), "Tessivo");

    const Expected controls[] = {
        {"cmdEmailQR", true, "Create Email QR Code"},
        {"cmdTextQR", true, "Create Info QR Code"},
        {"cmdPhoneQR", true, "Create Phone QR Code"},
        {"cmdWebQR", true, "Create Web QR Code"},
        {"Command23", true, "What Mobile User Sees"},
        {"Command26", true, "What Mobile User Sees"},
        {"Command1", true, "QR Images"},
        {"Command2", true, "QR PDFs"},
        {"Command5", false, "See saved Email QR Images"},
        {"Command14", false, "See saved Web QR PDFs"},
        {"Command9", false, "See saved Phone QR Images"},
        {"Command8", false, "See saved Info QR PDFs"},
        {"cmdEmail", true, "Create PDF"},
        {"cmdWeb", true, "Create PDF"},
        {"Command15", true, nullptr},
        {"Command22", true, nullptr},
        {"Label16", true,
         "Use the links provided to enable you to get the website address you need. "
         "Internet connection is required."},
        {"txtYourName", true, nullptr},
        {"txtBanner", true, ""},
        {"Text19", true, "Text19"},
        {"Text21", true, "Text21"},
        {"Text18", true, ""},
        {"Text23", true, ""},
        {"RichTextBox2", true, "RichTextBox2"},
        {"txtContactDetails", true, ""},
        {"cmdNew", false, "NEW"},
        {"cmdExit", false, "EXIT"},
        {"Command27", false, "HELP"},
        {"pdfSimulator", false, ""},
        {"Picture2", false, nullptr},
        {"Text2_0", false, ""},
        {"Text2_6", false, ""},
        {"cmdShow", false, "DISPLAY"},
        {"cmdShowBanner", false, "DISPLAY"},
        {"frmBanner", false, "Banner Background"},
        {"Option17", false, "Black"},
        {"Option24", false, "White"},
        {"Command29", false,
         "Click here to access program developer's web page and contact "
         "information, plus PayPal donation information"},
    };
    for (const Expected& control : controls) {
        SCOPED_TRACE(control.name);
        auto* widget = harness.find<QWidget>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->isHidden(), control.hidden);
        if (control.text != nullptr) {
            EXPECT_EQ(CaptionOf(widget), QString::fromUtf8(control.text));
        }
    }

    auto* tabs = harness.find<QTabWidget>("SSTab1");
    const QStringList captions = {"Contact",  "Banner", "Email QR", "Info QR",
                                  "Phone QR", "Web QR", "About"};
    ASSERT_EQ(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) EXPECT_EQ(tabs->tabText(i), captions[i]);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST(MainWindow, DetailFieldsStartDisabledAndLockedAndTicksAsShipped) {
    WindowHarness harness;
    MainQR& w = harness.window();
    for (QWidget* field :
         {static_cast<QWidget*>(w.txtYourAddress), static_cast<QWidget*>(w.txtYourPostCode),
          static_cast<QWidget*>(w.txtHomeTelephone), static_cast<QWidget*>(w.txtMobile),
          static_cast<QWidget*>(w.txtEmail), static_cast<QWidget*>(w.txtWeb)}) {
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
        EXPECT_TRUE(IsLocked(field)) << field->objectName().toStdString();
    }
    EXPECT_FALSE(w.chkDisplayName->isChecked());
    EXPECT_FALSE(w.chkDisplayAddress->isChecked());
    EXPECT_FALSE(w.chkPostCode->isChecked());
    EXPECT_TRUE(w.chkTelephone->isChecked());
    EXPECT_TRUE(w.chkMobile->isChecked());
    EXPECT_TRUE(w.chkEmail->isChecked());
    EXPECT_FALSE(w.chkWeb->isChecked());
    EXPECT_EQ(w.chkMobile->toolTip(),
              "clearing the tick will leave off your mobile number from the poster");
    EXPECT_TRUE(w.Option[2]->isChecked());
    EXPECT_TRUE(w.Option[11]->isChecked());
    EXPECT_TRUE(w.Option[17]->isChecked());
    EXPECT_EQ(w.txtEmailTitle->maxLength(), 64);
    EXPECT_EQ(w.Text4->maxLength(), 64);
    EXPECT_EQ(w.TelephoneNumber->maxLength(), 12);
    EXPECT_TRUE(
        w.RichTextBox3->toPlainText().startsWith("Enter the information you want a user to see"));
    EXPECT_TRUE(
        w.WebLinkArea->toolTip().startsWith("A complete website needs to be entered e.g. "));
    EXPECT_TRUE(w.WebLinkArea->toolTip().endsWith(w.WebLinkArea->toPlainText()));
    // The code picture box measures 152 by 152 pixels inside its border.
    EXPECT_EQ(w.Picture1->contentsRect().size(), QSize(152, 152));
}

TEST(MainWindow, LoadsBothListsInFileOrderAndAsStored) {
    WindowHarness harness([](TempWorkspace& ws) {
        ws.write("Contact.txt", ListLine({"Ann Lee", "1 Road", "AB1", "0101", "0777",
                                          "ann@example.com", "ann.example"}) +
                                    ListLine({"Bob", "", "", "", "", "bob@example.com", ""}));
        ws.write("banner.txt",
                 ListLine({"Open Day"}) + ListLine({"sale"}) + "Free Entry, Tickets\r\n");
    });
    MainQR& w = harness.window();
    EXPECT_EQ(w.contacts.iContactCount(), 2);
    ASSERT_EQ(w.cboYourName->count(), 2);
    EXPECT_EQ(w.cboYourName->itemText(1), "Bob");
    EXPECT_EQ(w.cboYourName->currentText(), "");
    const QStringList banners = {"Open Day", "sale", "Free Entry", "Tickets"};
    ASSERT_EQ(w.cboBanner->count(), banners.size());
    for (int i = 0; i < banners.size(); ++i) EXPECT_EQ(w.cboBanner->itemText(i), banners[i]);
    EXPECT_TRUE(harness.prompter.messages.empty());
}

TEST(MainWindow, MissingListFilesAreAnEmptyListAndAnOverlongListIsCutWithOneMessage) {
    std::string many;
    for (int i = 0; i < 205; ++i) many += ListLine({"Banner " + std::to_string(i)});
    WindowHarness harness([&](TempWorkspace& ws) {
        std::filesystem::remove(ws.path() / "Contact.txt");
        ws.write("banner.txt", many);
    });
    MainQR& w = harness.window();
    EXPECT_EQ(w.contacts.iContactCount(), 0);
    EXPECT_EQ(w.cboYourName->count(), 0);
    EXPECT_EQ(w.banners.iBannerCount(), 201);
    ASSERT_EQ(harness.prompter.messages.size(), 1u);
    EXPECT_TRUE(harness.prompter.messages[0].request.text.contains("banner.txt"));
}

TEST(MainWindow, UnreadableListStillOpensTheWindowAndNamesTheFile) {
    WindowHarness harness([](TempWorkspace& ws) {
        std::filesystem::remove(ws.path() / "Contact.txt");
        std::filesystem::create_directory(ws.path() /
                                          "Contact.txt");  // a folder cannot be read as a list
    });
    EXPECT_TRUE(harness.window().isVisible());
    ASSERT_EQ(harness.prompter.messages.size(), 1u);
    EXPECT_TRUE(harness.prompter.messages[0].request.text.contains("Contact.txt"));
}

TEST(MainWindow, TabClicksSetHelpNumbersAndCopyTheAddressAndInfoText) {
    WindowHarness harness([](TempWorkspace& ws) {
        ws.write("Contact.txt", ListLine({"Ann", "", "", "", "", "ann@example.com", ""}));
    });
    MainQR& w = harness.window();
    w.cboYourName->setCurrentIndex(0);
    w.cboYourName_Click();
    w.RichTextBox3->setPlainText("Opening hours 9-5");

    const int expected[] = {5, 7, 9, 11, 13, 15, 0};
    for (int tab : {1, 2, 3, 4, 5, 6, 0}) {
        w.SSTab1->setCurrentIndex(tab);
        EXPECT_EQ(w.SSTab1->property(MainQR::kHelpContextProperty).toInt(), expected[tab]) << tab;
    }
    EXPECT_EQ(w.txtEmailQR->text(), "ann@example.com");
    EXPECT_EQ(harness.session().previews().mobileText().Text1->toPlainText(), "Opening hours 9-5");

    // A click on the current tab copies again but keeps the help number.
    w.SSTab1->setProperty(MainQR::kHelpContextProperty, 99);
    w.txtEmail->setText("new@example.com");
    w.SSTab1_Click(w.SSTab1->currentIndex());
    EXPECT_EQ(w.SSTab1->property(MainQR::kHelpContextProperty).toInt(), 99);
    EXPECT_EQ(w.txtEmailQR->text(), "new@example.com");
}

TEST(MainWindow, PathOfFileGivesTheFolderPartWithItsBackslash) {
    EXPECT_EQ(MainQR::pathOfFile("C:\\Program Files\\Tessivo\\EMAILS\\"),
              "C:\\Program Files\\Tessivo\\EMAILS\\");
    EXPECT_EQ(MainQR::pathOfFile("C:\\Tessivo\\EMAILS\\Sale.pdf"), "C:\\Tessivo\\EMAILS\\");
    EXPECT_EQ(MainQR::pathOfFile("Sale.pdf"), "");
    EXPECT_EQ(MainQR::pathOfFile(""), "");
}

TEST(MainWindow, NewRereadsListsResetsFieldsAndKeepsPreviews) {
    WindowHarness harness([](TempWorkspace& ws) { ws.write("banner.txt", ListLine({"ONE"})); });
    MainQR* first = &harness.window();
    first->txtEmailTitle->setText("Spring sale");
    first->Command23_Click();
    Mobile* preview = &harness.session().previews().mobile();
    ASSERT_TRUE(preview->isVisible());

    harness.workspace().write("banner.txt", ListLine({"ONE"}) + ListLine({"TWO"}));
    QTest::mouseClick(first->cmdNew, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    MainQR& fresh = harness.window();
    EXPECT_NE(&fresh, first);
    EXPECT_EQ(fresh.cboBanner->count(), 2);
    EXPECT_EQ(fresh.txtEmailTitle->text(), "");
    EXPECT_TRUE(fresh.cmdEmailQR->isHidden());
    EXPECT_EQ(&harness.session().previews().mobile(), preview);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->txtMobileSubject->toPlainText(), "Spring sale");
    EXPECT_FALSE(harness.exited);
}

TEST(MainWindow, ExitEndsTheProgramAndClosesPreviews) {
    WindowHarness harness;
    harness.window().Command24_Click();
    QPointer<MobileText> preview = &harness.session().previews().mobileText();
    QTest::mouseClick(harness.window().cmdExit, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(harness.exited);
    EXPECT_TRUE(preview.isNull() || !preview->isVisible());
}

TEST(Splash, ItsOneTimerTickStartsTheMainWindowAndClosesTheSplash) {
    int started = 0;
    QPointer<Splash> splash = new Splash([&] { ++started; });
    splash->show();
    EXPECT_EQ(splash->Label1->text(), "Tessivo for Email, Info, Phone and URLs");
    EXPECT_EQ(splash->Label2->text(), splash->Label1->text());
    EXPECT_TRUE(splash->tmrShow->isActive());
    EXPECT_EQ(splash->tmrShow->interval(), 2000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return started > 0; }, 5000));  // the tick itself
    EXPECT_EQ(started, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}

TEST(PreviewWindows, CreatedHiddenOnFirstWriteShownByTheirButtonsAndEmptyAfterClose) {
    WindowHarness harness;
    MainQR& w = harness.window();
    PreviewWindows& previews = harness.session().previews();
    EXPECT_EQ(previews.existingMobilePhone(), nullptr);
    w.TelephoneNumber->setText("01632960587");
    EXPECT_EQ(previews.existingMobilePhone(), nullptr);  // the number alone does not refresh
    w.Text8->setText("Call us");
    ASSERT_NE(previews.existingMobilePhone(), nullptr);
    EXPECT_FALSE(previews.existingMobilePhone()->isVisible());
    EXPECT_EQ(previews.existingMobilePhone()->Text1->text(), "01632960587");

    w.Command25_Click();
    MobilePhone* phone = previews.existingMobilePhone();
    EXPECT_TRUE(phone->isVisible());
    EXPECT_EQ(phone->windowTitle(), "What Phone QR User will see");
    EXPECT_EQ(phone->Command1->text(), "CLOSE");
    QTest::mouseClick(phone->Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(previews.existingMobilePhone(), nullptr);
    w.Command25_Click();
    EXPECT_EQ(previews.existingMobilePhone()->Text1->text(), "");
}

TEST(Help, HelpButtonAndF1OpenTheTopicOfTheFocusedPlace) {
    WindowHarness harness([](TempWorkspace& ws) {
        for (int topic : {5, 7, 9, 10, 11, 13, 15}) {
            ws.write("HELP/topic-" + std::to_string(topic) + ".html", "<p>topic</p>");
        }
        ws.write("HELP/index.html", "<p>contents</p>");
    });
    MainQR& w = harness.window();
    w.show();
    QTest::mouseClick(w.Command[27], Qt::LeftButton);
    ASSERT_EQ(harness.launcher.files.size(), 1u);
    EXPECT_EQ(harness.launcher.files[0],
              (harness.workspace().path() / "HELP" / "index.html").string());

    w.SSTab1->setCurrentIndex(2);
    w.txtEmailTitle->setFocus();
    w.showContextHelp();
    EXPECT_EQ(std::filesystem::path(harness.launcher.files.back()).filename(), "topic-10.html");
    w.txtMoreInfo->setFocus();  // no number of its own: the tab's
    w.showContextHelp();
    EXPECT_EQ(std::filesystem::path(harness.launcher.files.back()).filename(), "topic-9.html");
}

TEST(Help, ShippedPagesCoverEveryContextNumber) {
    const std::filesystem::path shipped = std::filesystem::path(TESSIVO_SOURCE_DIR) / "workspace";
    for (int context : {0, 5, 7, 9, 10, 11, 13, 15}) {
        const auto page = HelpTopicPath(shipped, context);
        EXPECT_TRUE(std::filesystem::exists(page)) << page;
        if (context != 0) {
            EXPECT_NE(page.filename(), "index.html") << context;
        }
    }
}

}  // namespace
}  // namespace tessivo::app::testing
