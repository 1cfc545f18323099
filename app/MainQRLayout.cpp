// Builds the main window's controls with their names, captions, tooltips and starting states.

#include <QButtonGroup>

#include "app/Fonts.h"
#include "app/Geometry.h"
#include "app/MainQR.h"
#include "app/QuickLinks.h"
#include "app/ShapeWidget.h"
#include "app/Widgets.h"

namespace tessivo::app {
namespace {

constexpr uint32_t kButton = kWindowColour;
constexpr uint32_t kAction = kActionButtonColour;

const QString kTitleHeading = QStringLiteral(
    "Enter title which will head the PDF poster that is created (max 64 characters):");

void SetHelpContext(QWidget* widget, int id) {
    widget->setProperty(MainQR::kHelpContextProperty, id);
}

QString TickTooltip(const QString& what) {
    return QStringLiteral("clearing the tick will leave off your %1 from the poster").arg(what);
}

}  // namespace

void MainQR::buildWindow() {
    setObjectName(QStringLiteral("MainQR"));
    setWindowTitle(QStringLiteral("Tessivo"));
    setFixedSize(Px(13200), Px(6780));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColourFromValue(kWindowColour));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(UiFont(UiFace::Calibri, 9));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(TwipRect(180, 180, 8640, 6360));
    SSTab1->addTab(buildContactTab(), QStringLiteral("Contact"));
    SSTab1->addTab(buildBannerTab(), QStringLiteral("Banner"));
    SSTab1->addTab(buildEmailTab(), QStringLiteral("Email QR"));
    SSTab1->addTab(buildInfoTab(), QStringLiteral("Info QR"));
    SSTab1->addTab(buildPhoneTab(), QStringLiteral("Phone QR"));
    SSTab1->addTab(buildWebTab(), QStringLiteral("Web QR"));
    SSTab1->addTab(buildAboutTab(), QStringLiteral("About"));
    SetHelpContext(SSTab1, 0);

    buildPreviewPanel();
}

QWidget* MainQR::buildContactTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("tabContact"));
    MakeLabel(tab, QStringLiteral("Label1"),
              QStringLiteral("Add/Edit/Enter your contact details (these will only be displayed "
                             "if boxes remain ticked)"),
              QRect(12, 8, 540, 20));
    MakeLabel(tab, QStringLiteral("Label2"), QStringLiteral("Display (Yes or No)"),
              QRect(430, 32, 130, 20));

    const int labelX = 12, fieldX = 112, fieldW = 300, tickX = 440;
    int y = 56;
    auto row = [&](const char* labelName, const QString& caption, int height) {
        MakeLabel(tab, QString::fromLatin1(labelName), caption, QRect(labelX, y + 3, 96, 20));
        const QRect place(fieldX, y, fieldW, height);
        y += height + 8;
        return place;
    };

    const QRect namePlace = row("lblName", QStringLiteral("Name"), 24);
    cboYourName = new QComboBox(tab);
    cboYourName->setObjectName(QStringLiteral("cboYourName"));
    cboYourName->setEditable(true);
    cboYourName->setInsertPolicy(QComboBox::NoInsert);
    cboYourName->setGeometry(namePlace);
    txtYourName = MakeLine(tab, QStringLiteral("txtYourName"), namePlace);
    txtYourName->hide();

    txtYourAddress = MakeText(tab, QStringLiteral("txtYourAddress"),
                              row("lblAddress", QStringLiteral("Address"), 46));
    txtYourPostCode = MakeLine(tab, QStringLiteral("txtYourPostCode"),
                               row("lblPostCode", QStringLiteral("Post/Zip Code"), 24));
    txtHomeTelephone = MakeLine(tab, QStringLiteral("txtHomeTelephone"),
                                row("lblTelephone", QStringLiteral("Telephone"), 24));
    txtMobile =
        MakeLine(tab, QStringLiteral("txtMobile"), row("lblMobile", QStringLiteral("Mobile"), 24));
    txtEmail =
        MakeLine(tab, QStringLiteral("txtEmail"), row("lblEmail", QStringLiteral("Email"), 24));
    txtWeb =
        MakeLine(tab, QStringLiteral("txtWeb"), row("lblWebsite", QStringLiteral("Web Site"), 24));
    for (QWidget* field :
         {static_cast<QWidget*>(txtYourAddress), static_cast<QWidget*>(txtYourPostCode),
          static_cast<QWidget*>(txtHomeTelephone), static_cast<QWidget*>(txtMobile),
          static_cast<QWidget*>(txtEmail), static_cast<QWidget*>(txtWeb)}) {
        field->setEnabled(false);
        SetLocked(field, true);
    }

    auto tick = [&](const char* name, const QString& caption, QWidget* beside, bool ticked,
                    const QString& what) {
        return MakeTick(tab, QString::fromLatin1(name), caption,
                        QRect(tickX, beside->y() + 2, 120, 20), ticked, TickTooltip(what));
    };
    chkDisplayName =
        tick("chkDisplayName", QStringLiteral("name"), cboYourName, false, QStringLiteral("name"));
    chkDisplayAddress = tick("chkDisplayAddress", QStringLiteral("address"), txtYourAddress, false,
                             QStringLiteral("address"));
    chkPostCode = tick("chkPostCode", QStringLiteral("post/zip code"), txtYourPostCode, false,
                       QStringLiteral("post code"));
    chkTelephone = tick("chkTelephone", QStringLiteral("telephone"), txtHomeTelephone, true,
                        QStringLiteral("telephone number"));
    chkMobile = tick("chkMobile", QStringLiteral("mobile"), txtMobile, true,
                     QStringLiteral("mobile number"));
    chkEmail = tick("chkEmail", QStringLiteral("email"), txtEmail, true, QStringLiteral("email"));
    chkWeb = tick("chkWeb", QStringLiteral("web site"), txtWeb, false, QStringLiteral("web site"));

    const int buttonsY = 340;
    cmdAdd = MakeButton(tab, QStringLiteral("cmdAdd"), QStringLiteral("Add"),
                        QRect(12, buttonsY, 86, 30), kButton,
                        QStringLiteral("Add another person's contact details"));
    cmdEdit = MakeButton(tab, QStringLiteral("cmdEdit"), QStringLiteral("Edit"),
                         QRect(106, buttonsY, 86, 30), kButton,
                         QStringLiteral("Enables all contact details to be changed, click Update "
                                        "button when completed"));
    cmdUpdate = MakeButton(tab, QStringLiteral("cmdUpdate"), QStringLiteral("Update"),
                           QRect(200, buttonsY, 86, 30), kButton,
                           QStringLiteral("Whenever you've made changes to contact details, click "
                                          "Update to save"));
    cmdDelete = MakeButton(tab, QStringLiteral("cmdDelete"), QStringLiteral("Delete"),
                           QRect(294, buttonsY, 86, 30), kButton,
                           QStringLiteral("Delete person's contact details that are displayed"));
    cmdShow = MakeButton(tab, QStringLiteral("cmdShow"), QStringLiteral("DISPLAY"),
                         QRect(440, buttonsY, 110, 30), kButton);

    Text1 = MakeWorkField(tab, QStringLiteral("Text1"), QString());
    RichTextBox2 = MakeText(tab, QStringLiteral("RichTextBox2"), QRect(0, 0, 10, 10));
    RichTextBox2->setPlainText(QStringLiteral("RichTextBox2"));
    RichTextBox2->hide();
    return tab;
}

QWidget* MainQR::buildBannerTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("tabBanner"));
    MakeLabel(tab, QStringLiteral("Label3"), QStringLiteral("Select Banner"),
              QRect(12, 12, 110, 20));
    cboBanner = new QComboBox(tab);
    cboBanner->setObjectName(QStringLiteral("cboBanner"));
    cboBanner->setEditable(true);
    cboBanner->setInsertPolicy(QComboBox::NoInsert);
    cboBanner->setGeometry(126, 10, 250, 24);
    cboBanner->setToolTip(QStringLiteral("Select a banner for your poster from the 50 provided"));
    txtBanner = MakeWorkField(tab, QStringLiteral("txtBanner"), QString());

    cmdAddBanner = MakeButton(tab, QStringLiteral("cmdAddBanner"), QStringLiteral("Add"),
                              QRect(126, 44, 76, 28), kButton,
                              QStringLiteral("Add a new banner after checking list provided"));
    cmdDeleteBanner =
        MakeButton(tab, QStringLiteral("cmdDeleteBanner"), QStringLiteral("Delete"),
                   QRect(210, 44, 76, 28), kButton, QStringLiteral("Delete the banner selected"));
    cmdUpdateBanner = MakeButton(
        tab, QStringLiteral("cmdUpdateBanner"), QStringLiteral("Update"), QRect(294, 44, 76, 28),
        kButton, QStringLiteral("Click 'Update' after 'Adding' or 'Deleting' a banner heading"));
    MakeLabel(
        tab, QStringLiteral("Label8"),
        QStringLiteral("Select a banner (50 provided) or make your own. When you've selected on "
                       "choose the background, border and font colours from those provided. "
                       "Click on SHOW to see results"),
        QRect(390, 6, 175, 110));

    static const char* const kColours[] = {"Black", "Red",  "Yellow",  "Green",
                                           "Cyan",  "Blue", "Magenta", "White"};
    auto frame = [&](const char* name, const QString& caption, const QString& tooltip, int x,
                     int firstOption, int chosen) {
        auto* box = new QGroupBox(caption, tab);
        box->setObjectName(QString::fromLatin1(name));
        box->setToolTip(tooltip);
        box->setGeometry(x, 124, 176, 220);
        auto* group = new QButtonGroup(box);
        for (int i = 0; i < 8; ++i) {
            auto* option = new QRadioButton(QString::fromLatin1(kColours[i]), box);
            const int number = firstOption + i;
            option->setObjectName(QStringLiteral("Option%1").arg(number));
            option->setGeometry(14, 24 + i * 24, 150, 22);
            option->setChecked(number == chosen);
            group->addButton(option);
            Option[static_cast<std::size_t>(number)] = option;
        }
        return box;
    };
    frmBanner = frame("frmBanner", QStringLiteral("Banner Background"),
                      QStringLiteral("Select banner background colour"), 12, 1, 2);
    frmFont = frame("frmFont", QStringLiteral("Banner Font"),
                    QStringLiteral("Select font colour of banner"), 198, 9, 11);
    frmBorder = frame("frmBorder", QStringLiteral("Banner Border"),
                      QStringLiteral("Select border colour"), 384, 17, 17);
    cmdShowBanner = MakeButton(tab, QStringLiteral("cmdShowBanner"), QStringLiteral("DISPLAY"),
                               QRect(12, 352, 110, 30), kButton);
    return tab;
}

namespace {

// What differs between the four QR tabs' shared parts: names, captions and places.
struct QrTabLayout {
    const char* tabName;
    const char* titleLabel;
    QString titleHeading;
    int titleTop;  // the title heading's top; the field sits under it
    const char* titleName;
    int titleLimit;  // 0: none
    int helpContext;
    const char* qrName;
    const char* qrCaption;
    int previewButton, imagesButton, pdfsButton, seeImagesButton, seePdfsButton;
    const char* kindWord;                        // in "See saved <kind> QR Images"
    std::array<const char*, 2> titleLineFields;  // hidden work fields, starting with their names
    std::array<const char*, 2> statusFields;     // image status, PDF status
};

// The controls of a QR tab that every kind has.
struct QrTabFrame {
    QWidget* tab;
    QLineEdit* title;
    QPushButton* qr;
    std::array<QLineEdit*, 2> titleLines;
    std::array<QLineEdit*, 2> status;
};

void AddFolderButton(QWidget* tab, std::array<QPushButton*, 30>& Command, int number,
                     const QString& caption, const QRect& place, bool visible) {
    auto* button =
        MakeButton(tab, QStringLiteral("Command%1").arg(number), caption, place, kButton);
    button->setVisible(visible);
    Command[static_cast<std::size_t>(number)] = button;
}

// The status fields under the buttons are hidden until a poster is written.
QLineEdit* StatusField(QWidget* tab, const char* name, int y) {
    auto* field = MakeLine(tab, QString::fromLatin1(name), QRect(12, y, 546, 20));
    field->setReadOnly(true);
    field->setFrame(false);
    field->hide();
    return field;
}

QrTabFrame BuildQrTab(const QrTabLayout& layout, std::array<QPushButton*, 30>& Command) {
    QrTabFrame frame{};
    frame.tab = new QWidget;
    frame.tab->setObjectName(QString::fromLatin1(layout.tabName));
    QWidget* tab = frame.tab;
    MakeLabel(tab, QString::fromLatin1(layout.titleLabel), layout.titleHeading,
              QRect(12, layout.titleTop, 540, 18));
    frame.title =
        MakeLine(tab, QString::fromLatin1(layout.titleName), QRect(12, layout.titleTop + 20, 546, 24));
    if (layout.titleLimit > 0) frame.title->setMaxLength(layout.titleLimit);
    SetHelpContext(frame.title, layout.helpContext);

    frame.qr = MakeButton(tab, QString::fromLatin1(layout.qrName),
                          QString::fromLatin1(layout.qrCaption), QRect(12, 330, 170, 34), kAction);
    frame.qr->hide();
    auto* preview =
        MakeButton(tab, QStringLiteral("Command%1").arg(layout.previewButton),
                   QStringLiteral("What Mobile User Sees"), QRect(190, 330, 160, 34), kButton);
    preview->hide();
    Command[static_cast<std::size_t>(layout.previewButton)] = preview;
    const QString kind = QString::fromLatin1(layout.kindWord);
    AddFolderButton(tab, Command, layout.imagesButton, QStringLiteral("QR Images"),
                    QRect(360, 330, 96, 34), false);
    AddFolderButton(tab, Command, layout.pdfsButton, QStringLiteral("QR PDFs"),
                    QRect(462, 330, 96, 34), false);
    AddFolderButton(tab, Command, layout.seeImagesButton,
                    QStringLiteral("See saved %1 QR Images").arg(kind), QRect(360, 310, 198, 26),
                    true);
    AddFolderButton(tab, Command, layout.seePdfsButton,
                    QStringLiteral("See saved %1 QR PDFs").arg(kind), QRect(360, 340, 198, 26),
                    true);

    for (std::size_t i = 0; i < 2; ++i) {
        const QString name = QString::fromLatin1(layout.titleLineFields[i]);
        frame.titleLines[i] = MakeWorkField(tab, name, name);
        frame.status[i] = StatusField(tab, layout.statusFields[i], 270 + 20 * static_cast<int>(i));
    }
    return frame;
}

// Hands the frame's controls to the window's members.
QWidget* Unpack(const QrTabFrame& frame, QLineEdit*& title, QPushButton*& qr, QLineEdit*& firstLine,
                QLineEdit*& secondLine, QLineEdit*& imageStatus, QLineEdit*& pdfStatus) {
    title = frame.title;
    qr = frame.qr;
    firstLine = frame.titleLines[0];
    secondLine = frame.titleLines[1];
    imageStatus = frame.status[0];
    pdfStatus = frame.status[1];
    return frame.tab;
}

}  // namespace

QWidget* MainQR::buildEmailTab() {
    const QrTabFrame frame = BuildQrTab(
        {"tabEmailQR",
         "Label5",
         QStringLiteral("Enter title which will also be the subject of the email that is created "
                        "(max 64 characters):"),
         56,
         "txtEmailTitle",
         64,
         10,
         "cmdEmailQR",
         "Create Email QR Code",
         23,
         1,
         2,
         5,
         6,
         "Email",
         {"Text19", "Text20"},
         {"Text18", "Text12"}},
        Command);
    QWidget* tab = Unpack(frame, txtEmailTitle, cmdEmailQR, Text19, Text20, Text18, Text12);

    MakeLabel(tab, QStringLiteral("Label4"),
              QStringLiteral("Email message to be sent to (same as entered on Contact Tab):"),
              QRect(12, 6, 540, 18));
    txtEmailQR = MakeLine(tab, QStringLiteral("txtEmailQR"), QRect(12, 26, 400, 24));
    txtEmailQR->setEnabled(false);
    txtEmailQR->setReadOnly(true);
    MakeLabel(tab, QStringLiteral("Label7"),
              QStringLiteral("Banner and Title will appear in email below, any extra information "
                             "needed enter here:"),
              QRect(12, 106, 540, 18));
    txtMoreInfo = MakeLine(tab, QStringLiteral("txtMoreInfo"), QRect(12, 126, 546, 24));
    MakeLabel(
        tab, QStringLiteral("Label6"),
        QStringLiteral("This is the message that will appear in Email QR Code and Users email"),
        QRect(12, 156, 540, 18));
    RichTextBox1 = MakeText(tab, QStringLiteral("RichTextBox1"), QRect(12, 176, 546, 90));
    return tab;
}

QWidget* MainQR::buildInfoTab() {
    const QrTabFrame frame = BuildQrTab({"tabInfoQR",
                                         "Label10",
                                         kTitleHeading,
                                         6,
                                         "Text4",
                                         64,
                                         11,
                                         "cmdTextQR",
                                         "Create Info QR Code",
                                         24,
                                         3,
                                         4,
                                         7,
                                         8,
                                         "Info",
                                         {"Text6", "Text7"},
                                         {"Text3", "Text5"}},
                                        Command);
    QWidget* tab = Unpack(frame, Text4, cmdTextQR, Text6, Text7, Text3, Text5);

    MakeLabel(tab, QStringLiteral("Label9"),
              QStringLiteral("Enter the text/information you want the viewer/user to download."),
              QRect(12, 58, 540, 18));
    RichTextBox3 = MakeText(tab, QStringLiteral("RichTextBox3"), QRect(12, 78, 546, 186));
    RichTextBox3->setPlainText(QStringLiteral(
        "Enter the information you want a user to see about what you are advertising. IMPORTANT: "
        "It doesn't matter what formatting you use in this area, when it reaches the users mobile "
        "device it will appear all together. However with punctuation and a few extra spaces may "
        "allow a small amount of formatting."));
    return tab;
}

QWidget* MainQR::buildPhoneTab() {
    const QrTabFrame frame = BuildQrTab({"tabPhoneQR",
                                         "Label11",
                                         kTitleHeading,
                                         6,
                                         "Text8",
                                         0,
                                         13,
                                         "cmdPhoneQR",
                                         "Create Phone QR Code",
                                         25,
                                         12,
                                         13,
                                         9,
                                         10,
                                         "Phone",
                                         {"Text13", "Text14"},
                                         {"Text10", "Text11"}},
                                        Command);
    QWidget* tab = Unpack(frame, Text8, cmdPhoneQR, Text13, Text14, Text10, Text11);

    MakeLabel(tab, QStringLiteral("Label12"),
              QStringLiteral("Enter telephone number including Area/STD code enabling user to ring "
                             "direct from their device"),
              QRect(12, 58, 540, 36));
    TelephoneNumber = MakeLine(tab, QStringLiteral("TelephoneNumber"), QRect(12, 98, 300, 48));
    TelephoneNumber->setMaxLength(12);
    TelephoneNumber->setFont(UiFont(UiFace::Calibri, 24));
    TelephoneNumber->setText(QStringLiteral("07700900461"));
    MakeLabel(
        tab, QStringLiteral("Label13"),
        QStringLiteral("The number can have at most 12 digits, for example 01632960587 (UK) or "
                       "2025550143 (US)."),
        QRect(12, 154, 540, 36));
    return tab;
}

QWidget* MainQR::buildWebTab() {
    const QrTabFrame frame = BuildQrTab({"tabWebQR",
                                         "Label14",
                                         kTitleHeading,
                                         6,
                                         "Text15",
                                         0,
                                         15,
                                         "cmdWebQR",
                                         "Create Web QR Code",
                                         26,
                                         16,
                                         17,
                                         11,
                                         14,
                                         "Web",
                                         {"Text17", "Text21"},
                                         {"Text22", "Text23"}},
                                        Command);
    QWidget* tab = Unpack(frame, Text15, cmdWebQR, Text17, Text21, Text22, Text23);

    MakeLabel(
        tab, QStringLiteral("Label15"),
        QStringLiteral("Copy and Paste/Write website or link into this area, which will enable "
                       "user direct internet access."),
        QRect(12, 58, 540, 36));
    WebLinkArea = MakeText(tab, QStringLiteral("WebLinkArea"), QRect(12, 96, 546, 60));
    QFont linkFont = UiFont(UiFace::Calibri, 11.5);
    linkFont.setUnderline(true);
    WebLinkArea->setFont(linkFont);
    WebLinkArea->setPlainText(QString::fromLatin1(kExampleWebAddress));
    WebLinkArea->setToolTip(QStringLiteral("A complete website needs to be entered e.g. %1")
                                .arg(QString::fromLatin1(kExampleWebAddress)));

    Label16 = MakeLabel(tab, QStringLiteral("Label16"),
                        QStringLiteral("Use the links provided to enable you to get the website "
                                       "address you need. Internet connection is required."),
                        QRect(12, 162, 546, 36));
    Label16->hide();
    int x = 12;
    for (const QuickLink& link : WebTabLinks()) {
        auto* button = MakeButton(tab, QStringLiteral("Command%1").arg(link.button), QString(),
                                  QRect(x, 202, 56, 56), kButton, QString::fromUtf8(link.tooltip));
        button->setIcon(LinkIcon(link.button));
        button->setIconSize(QSize(40, 40));
        button->hide();
        Command[static_cast<std::size_t>(link.button)] = button;
        x += 64;
    }
    return tab;
}

QWidget* MainQR::buildAboutTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("tabAbout"));
    MakeLabel(
        tab, QStringLiteral("Label17"),
        QStringLiteral("If you found this program useful, then an option is to make a donation "
                       "via PayPal to help with development costs."),
        QRect(12, 16, 546, 40));
    MakeLabel(tab, QStringLiteral("Label18"), QStringLiteral("Thank you in anticipation"),
              QRect(12, 60, 546, 20));
    auto* donate =
        MakeButton(tab, QStringLiteral("Command28"), QString(), QRect(12, 96, 120, 64), kButton);
    donate->setIcon(LinkIcon(28));
    donate->setIconSize(QSize(48, 48));
    Command[28] = donate;
    Command[29] =
        MakeButton(tab, QStringLiteral("Command29"),
                   QStringLiteral("Click here to access program developer's web page and "
                                  "contact information, plus PayPal donation information"),
                   QRect(12, 180, 546, 48), kButton);
    return tab;
}

void MainQR::buildPreviewPanel() {
    Shape1 = new ShapeWidget(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(TwipRect(8955, 180, 4020, 5640));
    Shape1->setFilled(true);
    Shape1->setFillColor(0xFFFFFF);

    pdfSimulator = new QPlainTextEdit(this);
    pdfSimulator->setObjectName(QStringLiteral("pdfSimulator"));
    pdfSimulator->setGeometry(TwipRect(9315, 270, 3270, 625));
    pdfSimulator->setFont(UiFont(UiFace::Arial, 9.75, true));
    pdfSimulator->setFrameStyle(QFrame::NoFrame);
    pdfSimulator->setFocusPolicy(Qt::NoFocus);
    pdfSimulator->setReadOnly(true);
    pdfSimulator->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pdfSimulator->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(TwipRect(9315, 585, 3300, 3840));
    Picture2->setPixmap(PlaceholderPicture(Picture2->size()));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipRect(9765, 900, 2340, 2340));
    // A 2-pixel sunken border leaves an inside of 152 by 152 pixels, the size codes are made at.
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setStyleSheet(QStringLiteral("background: white;"));

    lblUnderQRCode = new QLabel(this);
    lblUnderQRCode->setObjectName(QStringLiteral("lblUnderQRCode"));
    lblUnderQRCode->setGeometry(TwipRect(9135, 3285, 3660, 240));
    lblUnderQRCode->setFont(UiFont(UiFace::Calibri, 8.25));
    lblUnderQRCode->setAlignment(Qt::AlignCenter);

    Shape2 = new ShapeWidget(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(TwipRect(9000, 3510, 3930, 600));
    Shape2->setFilled(true);

    lblBanner = new QLabel(this);
    lblBanner->setObjectName(QStringLiteral("lblBanner"));
    lblBanner->setGeometry(TwipRect(9135, 3600, 3705, 465));
    lblBanner->setFont(UiFont(UiFace::Arial, 18, true));
    lblBanner->setAlignment(Qt::AlignCenter);
    bannerPreview = qrdoc::InitialBannerPreview();
    applyBannerPreview();

    const int tops[7] = {4425, 4635, 4860, 5040, 5220, 5400, 5580};
    for (std::size_t i = 0; i < Text2.size(); ++i) {
        auto* line =
            MakeLine(this, QStringLiteral("Text2_%1").arg(i), TwipRect(9045, tops[i], 3840, 225));
        line->setFont(UiFont(UiFace::Calibri, 8.25));
        line->setFrame(false);
        line->setReadOnly(true);
        line->setFocusPolicy(Qt::NoFocus);
        line->setStyleSheet(QStringLiteral("background: white;"));
        Text2[i] = line;
    }
    txtContactDetails =
        MakeText(this, QStringLiteral("txtContactDetails"), TwipRect(9045, 4425, 3840, 1300));
    txtContactDetails->hide();

    Shape3 = new ShapeWidget(this);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setGeometry(TwipRect(8955, 5850, 4020, 690));
    Shape3->setFilled(true);
    Shape3->setFillColor(ValueFromColour(QPalette().color(QPalette::Button)));
    Shape3->setBorderStyle(0);

    auto pdfButton = [&](const char* name) {
        auto* button = MakeButton(this, QString::fromLatin1(name), QStringLiteral("Create PDF"),
                                  TwipRect(9045, 5963, 1275, 465), kAction);
        button->hide();
        return button;
    };
    cmdEmail = pdfButton("cmdEmail");
    cmdText = pdfButton("cmdText");
    cmdPhone = pdfButton("cmdPhone");
    cmdWeb = pdfButton("cmdWeb");
    Command[27] = MakeButton(this, QStringLiteral("Command27"), QStringLiteral("HELP"),
                             TwipRect(10620, 5963, 690, 465), kButton);
    cmdNew =
        MakeButton(this, QStringLiteral("cmdNew"), QStringLiteral("NEW"),
                   TwipRect(11430, 5963, 690, 465), kButton, QStringLiteral("Start a new session"));
    cmdExit = MakeButton(this, QStringLiteral("cmdExit"), QStringLiteral("EXIT"),
                         TwipRect(12195, 5963, 690, 465), kButton, QStringLiteral("Exit program"));

    // Keep the painted page behind the texts laid on it.
    Shape1->lower();
    Shape3->lower();
    Shape2->stackUnder(lblBanner);
}

}  // namespace tessivo::app
