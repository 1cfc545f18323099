// Start-up of the main window, tabs, new session and exit, focus helpers, previews and help.

#include "app/MainQR.h"

#include <QCloseEvent>
#include <QShortcut>

#include "app/FieldEvents.h"
#include "app/Help.h"
#include "app/Launcher.h"
#include "app/PreviewWindows.h"
#include "app/Prompter.h"
#include "app/Widgets.h"

namespace tessivo::app {

MainQR::MainQR(AppServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), workspace_(services_.programDir) {
    buildWindow();
    connectHandlers();
    installFieldEvents();
    Form_Load();
}

MainQR::~MainQR() = default;

void MainQR::Form_Load() {
    SSTab1->setCurrentIndex(0);
    currentTab_ = 0;
    oQrCode = std::make_unique<ClsQrCode>(services_.qrHost, services_.decodeHost);
    loadLists();
}

void MainQR::closeEvent(QCloseEvent* event) {
    // Closing the main window by its frame ends the program like "EXIT" does, previews included.
    event->accept();
    if (!exiting_ && services_.exitProgram) {
        exiting_ = true;
        services_.exitProgram();
    }
}

void MainQR::cmdNew_Click() {
    if (services_.newSession) services_.newSession();
}

void MainQR::cmdExit_Click() {
    exiting_ = true;
    if (services_.exitProgram) services_.exitProgram();
}

void MainQR::SSTab1_Click(int previousTab) {
    const int tab = SSTab1->currentIndex();
    if (tab != previousTab) {
        static constexpr int kHelpByTab[] = {5, 7, 9, 11, 13, 15, 0};
        SSTab1->setProperty(kHelpContextProperty, kHelpByTab[tab]);
    }
    txtEmailQR->setText(txtEmail->text());
    services_.previews->mobileText().Text1->setPlainText(RichTextBox3->toPlainText());
}

void MainQR::SelectAllText(QWidget* tb) {
    if (auto* line = qobject_cast<QLineEdit*>(tb)) {
        line->setSelection(0, static_cast<int>(line->text().size()));
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(tb)) {
        text->selectAll();
    }
}

QString MainQR::pathOfFile(const QString& FileName) {
    const qsizetype p = FileName.lastIndexOf(QLatin1Char('\\'));
    return p < 0 ? QString() : FileName.left(p + 1);
}

void MainQR::RichTextBox1_GotFocus() {
    SelectAllText(RichTextBox1);
}
void MainQR::RichTextBox3_GotFocus() {
    SelectAllText(RichTextBox3);
}
void MainQR::TelephoneNumber_GotFocus() {
    SelectAllText(TelephoneNumber);
}

void MainQR::Command23_Click() {
    PreviewWindows::show(services_.previews->mobile());
}
void MainQR::Command24_Click() {
    PreviewWindows::show(services_.previews->mobileText());
}
void MainQR::Command25_Click() {
    PreviewWindows::show(services_.previews->mobilePhone());
}
void MainQR::Command26_Click() {
    PreviewWindows::show(services_.previews->mobileWeb());
}

void MainQR::Command27_Click() {
    services_.launcher->openFile(HelpTopicPath(services_.programDir, 0).string());
}

void MainQR::showContextHelp() {
    // The focused control's number, or the nearest container's that has one.
    int context = 0;
    for (QWidget* widget = focusWidget(); widget && context == 0; widget = widget->parentWidget()) {
        context = widget->property(kHelpContextProperty).toInt();
    }
    services_.launcher->openFile(HelpTopicPath(services_.programDir, context).string());
}

void MainQR::connectHandlers() {
    connect(cmdNew, &QPushButton::clicked, this, &MainQR::cmdNew_Click);
    connect(cmdExit, &QPushButton::clicked, this, &MainQR::cmdExit_Click);
    // A click on a tab, the current one included, runs the tab handler with the previous tab.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int tab) {
        const int previous = currentTab_;
        currentTab_ = tab;
        SSTab1_Click(previous);
    });
    connect(SSTab1, &QTabWidget::tabBarClicked, this, [this](int tab) {
        if (tab == SSTab1->currentIndex()) SSTab1_Click(tab);
    });

    connect(Command[23], &QPushButton::clicked, this, &MainQR::Command23_Click);
    connect(Command[24], &QPushButton::clicked, this, &MainQR::Command24_Click);
    connect(Command[25], &QPushButton::clicked, this, &MainQR::Command25_Click);
    connect(Command[26], &QPushButton::clicked, this, &MainQR::Command26_Click);
    connect(Command[27], &QPushButton::clicked, this, &MainQR::Command27_Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &MainQR::showContextHelp);

    connect(cboYourName, qOverload<int>(&QComboBox::activated), this, &MainQR::cboYourName_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &MainQR::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &MainQR::cmdEdit_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &MainQR::cmdUpdate_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &MainQR::cmdDelete_Click);
    connect(cboBanner, qOverload<int>(&QComboBox::activated), this, &MainQR::cboBanner_Click);
    connect(cmdAddBanner, &QPushButton::clicked, this, &MainQR::cmdAddBanner_Click);
    connect(cmdDeleteBanner, &QPushButton::clicked, this, &MainQR::cmdDeleteBanner_Click);
    connect(cmdUpdateBanner, &QPushButton::clicked, this, &MainQR::cmdUpdateBanner_Click);
    connect(cmdShow, &QPushButton::clicked, this, &MainQR::cmdShow_Click);
    connect(cmdShowBanner, &QPushButton::clicked, this, &MainQR::cmdShowBanner_Click);

    connect(cmdEmailQR, &QPushButton::clicked, this, &MainQR::cmdEmailQR_Click);
    connect(cmdPhoneQR, &QPushButton::clicked, this, &MainQR::cmdPhoneQR_Click);
    connect(cmdTextQR, &QPushButton::clicked, this, &MainQR::cmdTextQR_Click);
    connect(cmdWebQR, &QPushButton::clicked, this, &MainQR::cmdWebQR_Click);
    connect(cmdEmail, &QPushButton::clicked, this, &MainQR::cmdEmail_Click);
    connect(cmdPhone, &QPushButton::clicked, this, &MainQR::cmdPhone_Click);
    connect(cmdText, &QPushButton::clicked, this, &MainQR::cmdText_Click);
    connect(cmdWeb, &QPushButton::clicked, this, &MainQR::cmdWeb_Click);

    connect(txtEmailTitle, &QLineEdit::textChanged, this, &MainQR::txtEmailTitle_Change);
    connect(Text4, &QLineEdit::textChanged, this, &MainQR::Text4_Change);
    connect(Text8, &QLineEdit::textChanged, this, &MainQR::Text8_Change);
    connect(Text15, &QLineEdit::textChanged, this, &MainQR::Text15_Change);
    connect(txtMoreInfo, &QLineEdit::textChanged, this, &MainQR::txtMoreInfo_Change);
    connect(RichTextBox1, &QPlainTextEdit::textChanged, this, &MainQR::RichTextBox1_Change);
    connect(txtEmail, &QLineEdit::textChanged, this, &MainQR::txtEmail_Change);

    connectQuickLinks();
}

void MainQR::installFieldEvents() {
    fieldEvents_ = new FieldEvents(this);
    fieldEvents_->attach(txtEmailTitle, {[this](int k, int s) { txtEmailTitle_KeyDown(k, s); },
                                         [this](int& a) { txtEmailTitle_KeyPress(a); },
                                         [this](bool& c) { txtEmailTitle_Validate(c); },
                                         {}});
    fieldEvents_->attach(Text4, {[this](int k, int s) { Text4_KeyDown(k, s); },
                                 [this](int& a) { Text4_KeyPress(a); },
                                 [this](bool& c) { Text4_Validate(c); },
                                 {}});
    fieldEvents_->attach(Text8, {[this](int k, int s) { Text8_KeyDown(k, s); },
                                 [this](int& a) { Text8_KeyPress(a); },
                                 [this](bool& c) { Text8_Validate(c); },
                                 {}});
    fieldEvents_->attach(Text15, {[this](int k, int s) { Text15_KeyDown(k, s); },
                                  [this](int& a) { Text15_KeyPress(a); },
                                  [this](bool& c) { Text15_Validate(c); },
                                  {}});
    fieldEvents_->attach(
        WebLinkArea,
        {{}, {}, [this](bool& c) { WebLinkArea_Validate(c); }, [this] { WebLinkArea_GotFocus(); }});
    fieldEvents_->attach(RichTextBox1, {{}, {}, {}, [this] { RichTextBox1_GotFocus(); }});
    fieldEvents_->attach(RichTextBox3, {{}, {}, {}, [this] { RichTextBox3_GotFocus(); }});
    fieldEvents_->attach(TelephoneNumber, {{}, {}, {}, [this] { TelephoneNumber_GotFocus(); }});
}

}  // namespace tessivo::app
