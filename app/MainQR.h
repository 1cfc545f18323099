#pragma once
// The main window: seven tabs (contacts, banners, the four QR kinds, about) and the poster
// preview panel. Controls carry their names as objectName; handlers carry the names
// "<control>_<event>" and only gather widget values, call the core modules and update widgets.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/AppServices.h"
#include "lists/BannerList.h"
#include "lists/ContactList.h"
#include "qrclient/ClsQrCode.h"
#include "qrdoc/BannerPreview.h"
#include "qrdoc/QrKind.h"
#include "qrdoc/Workspace.h"

namespace tessivo::app {

class ShapeWidget;
class FieldEvents;

class MainQR final : public QWidget {
    Q_OBJECT
  public:
    explicit MainQR(AppServices services, QWidget* parent = nullptr);
    ~MainQR() override;

    // ---- window-wide operations
    void Form_Load();
    void cmdNew_Click();
    void cmdExit_Click();
    void SSTab1_Click(int previousTab);
    static void SelectAllText(QWidget* tb);
    static QString pathOfFile(const QString& FileName);
    void RichTextBox1_GotFocus();
    void RichTextBox3_GotFocus();
    void TelephoneNumber_GotFocus();

    // ---- preview windows and help
    void Command23_Click();
    void Command24_Click();
    void Command25_Click();
    void Command26_Click();
    void Command27_Click();
    void showContextHelp();  // F1

    // ---- contact list
    void cboYourName_Click();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    bool SubWrite();

    // ---- banner list
    void cboBanner_Click();
    void cmdAddBanner_Click();
    void cmdDeleteBanner_Click();
    void cmdUpdateBanner_Click();
    bool SubBannerWrite();

    // ---- contact block and banner preview
    void cmdShow_Click();
    void cmdShowBanner_Click();

    // ---- QR codes and posters
    void cmdEmailQR_Click();
    void cmdPhoneQR_Click();
    void cmdTextQR_Click();
    void cmdWebQR_Click();
    void cmdEmail_Click();
    void cmdPhone_Click();
    void cmdText_Click();
    void cmdWeb_Click();

    // ---- field checks
    void txtEmailTitle_KeyDown(int KeyCode, int Shift);
    void txtEmailTitle_KeyPress(int& KeyAscii);
    void txtEmailTitle_Change();
    void txtEmailTitle_Validate(bool& Cancel);
    void Text4_KeyDown(int KeyCode, int Shift);
    void Text4_KeyPress(int& KeyAscii);
    void Text4_Change();
    void Text4_Validate(bool& Cancel);
    void Text8_KeyDown(int KeyCode, int Shift);
    void Text8_KeyPress(int& KeyAscii);
    void Text8_Change();
    void Text8_Validate(bool& Cancel);
    void Text15_KeyDown(int KeyCode, int Shift);
    void Text15_KeyPress(int& KeyAscii);
    void Text15_Change();
    void Text15_Validate(bool& Cancel);
    void txtMoreInfo_Change();
    void RichTextBox1_Change();
    void txtEmail_Change();
    void WebLinkArea_GotFocus();
    void WebLinkArea_Validate(bool& Cancel);

    // ---- quick links
    void openWorkspaceFolder(std::string_view relativeFolder);
    void openLink(const std::string& address);

    // ---- state (entries 0..200; see lists/)
    // sName.. columns, iContactCount, and iSelectedContact: the record the detail fields show
    // (-1 when they show none, so Update never writes over another record).
    lists::ContactList contacts;
    // vBanner, iBannerCount, and iSelectedBanner: the name txtBanner holds (-1 after a delete).
    lists::BannerList banners;
    std::unique_ptr<ClsQrCode> oQrCode;
    // What the banner preview (lblBanner, Shape2) shows, and so what the poster prints.
    qrdoc::BannerPreview bannerPreview;

    const AppServices& services() const { return services_; }
    const qrdoc::Workspace& workspace() const { return workspace_; }

    // ---- controls
    QTabWidget* SSTab1 = nullptr;
    // Contact tab
    QComboBox* cboYourName = nullptr;
    QLineEdit* txtYourName = nullptr;
    QPlainTextEdit* txtYourAddress = nullptr;
    QLineEdit* txtYourPostCode = nullptr;
    QLineEdit* txtHomeTelephone = nullptr;
    QLineEdit* txtMobile = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtWeb = nullptr;
    QCheckBox* chkDisplayName = nullptr;
    QCheckBox* chkDisplayAddress = nullptr;
    QCheckBox* chkPostCode = nullptr;
    QCheckBox* chkTelephone = nullptr;
    QCheckBox* chkMobile = nullptr;
    QCheckBox* chkEmail = nullptr;
    QCheckBox* chkWeb = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdShow = nullptr;
    QLineEdit* Text1 = nullptr;
    QPlainTextEdit* RichTextBox2 = nullptr;
    // Banner tab
    QComboBox* cboBanner = nullptr;
    QLineEdit* txtBanner = nullptr;
    QPushButton* cmdAddBanner = nullptr;
    QPushButton* cmdDeleteBanner = nullptr;
    QPushButton* cmdUpdateBanner = nullptr;
    QPushButton* cmdShowBanner = nullptr;
    QGroupBox* frmBanner = nullptr;
    QGroupBox* frmFont = nullptr;
    QGroupBox* frmBorder = nullptr;
    std::array<QRadioButton*, 25> Option{};  // Option1..Option24 (index 0 unused)
    // Email QR tab
    QLineEdit* txtEmailQR = nullptr;
    QLineEdit* txtEmailTitle = nullptr;
    QLineEdit* txtMoreInfo = nullptr;
    QPlainTextEdit* RichTextBox1 = nullptr;
    QPushButton* cmdEmailQR = nullptr;
    QLineEdit *Text19 = nullptr, *Text20 = nullptr, *Text18 = nullptr, *Text12 = nullptr;
    // Info QR tab
    QLineEdit* Text4 = nullptr;
    QPlainTextEdit* RichTextBox3 = nullptr;
    QPushButton* cmdTextQR = nullptr;
    QLineEdit *Text6 = nullptr, *Text7 = nullptr, *Text5 = nullptr, *Text3 = nullptr;
    // Phone QR tab
    QLineEdit* Text8 = nullptr;
    QLineEdit* TelephoneNumber = nullptr;
    QPushButton* cmdPhoneQR = nullptr;
    QLineEdit *Text13 = nullptr, *Text14 = nullptr, *Text10 = nullptr, *Text11 = nullptr;
    // Web QR tab
    QLineEdit* Text15 = nullptr;
    QPlainTextEdit* WebLinkArea = nullptr;
    QPushButton* cmdWebQR = nullptr;
    QLineEdit *Text17 = nullptr, *Text21 = nullptr, *Text22 = nullptr, *Text23 = nullptr;
    QLabel* Label16 = nullptr;
    // Buttons named CommandN (folders, previews, links, help); index = N.
    std::array<QPushButton*, 30> Command{};
    // Outside the tabs: the poster preview
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdExit = nullptr;
    ShapeWidget* Shape1 = nullptr;
    ShapeWidget* Shape2 = nullptr;
    ShapeWidget* Shape3 = nullptr;
    QLabel* lblBanner = nullptr;
    QPlainTextEdit* pdfSimulator = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Picture1 = nullptr;
    std::optional<Picture> Picture1Picture;  // what Picture1 shows; none when empty
    QLabel* lblUnderQRCode = nullptr;
    std::array<QLineEdit*, 7> Text2{};
    QPlainTextEdit* txtContactDetails = nullptr;
    QPushButton* cmdEmail = nullptr;
    QPushButton* cmdText = nullptr;
    QPushButton* cmdPhone = nullptr;
    QPushButton* cmdWeb = nullptr;

    // Help context numbers read by F1 (0: none, look at the container).
    static constexpr const char* kHelpContextProperty = "helpContextId";

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    QWidget* buildContactTab();
    QWidget* buildBannerTab();
    QWidget* buildEmailTab();
    QWidget* buildInfoTab();
    QWidget* buildPhoneTab();
    QWidget* buildWebTab();
    QWidget* buildAboutTab();
    void buildPreviewPanel();
    void connectHandlers();
    void connectQuickLinks();
    void installFieldEvents();

    // Shared steps of the four kinds.
    struct KindControls {
        QLineEdit* title;
        QWidget* content;  // the payload field (e-mail: the body)
        QPushButton* qrButton;
        QPushButton* previewButton;
        QLineEdit* titleLine1;
        QLineEdit* titleLine2;
        QPushButton* pdfButton;
        QPushButton* imagesButton;  // "QR Images"
        QPushButton* pdfsButton;    // "QR PDFs"
        QPushButton* seeImagesButton;
        QPushButton* seePdfsButton;
        QLineEdit* imageStatus;
        QLineEdit* pdfStatus;
    };
    KindControls controlsFor(qrdoc::QrKind kind) const;
    void makeCode(qrdoc::QrKind kind);
    void makePoster(qrdoc::QrKind kind);
    void titleKeyDown(qrdoc::QrKind kind);
    void titleKeyPress(QLineEdit* title, int& KeyAscii);
    void titleValidate(QLineEdit* title, bool& Cancel);
    void composeEmailBody();
    void showPicture1(const std::optional<Picture>& picture);
    void loadLists();
    void showContactFields(const lists::ContactRecord& record);
    void clearContactFields();
    lists::ContactRecord contactFields() const;
    void applyBannerPreview();
    void reportListError(const lists::ListFileError& error);

    AppServices services_;
    qrdoc::Workspace workspace_;
    int currentTab_ = 0;
    bool exiting_ = false;
    FieldEvents* fieldEvents_ = nullptr;
};

}  // namespace tessivo::app
