// Title checks while typing, and the window updates that follow the typing.

#include "app/MainQR.h"
#include "app/PreviewWindows.h"
#include "app/Prompter.h"
#include "app/Widgets.h"
#include "qrdoc/Payload.h"
#include "qrdoc/Title.h"

namespace tessivo::app {
void MainQR::titleKeyDown(qrdoc::QrKind kind) {
    const auto& controls = controlsFor(kind);
    Picture2->hide();
    controls.qrButton->show();
    controls.previewButton->show();
    lblUnderQRCode->setText(Qs(qrdoc::KindInfo(kind).sSentence));
}

void MainQR::titleKeyPress(QLineEdit* title, int& KeyAscii) {
    // The field as it stands before this key: a character outside the allowed set that got in
    // (typed last, or pasted) costs this key, which becomes a Backspace.
    const auto outcome = qrdoc::TitleKeyPress(title->text().toStdString(), KeyAscii);
    if (outcome.bShowInvalidCharacter) {
        services_.prompter->tell(Qs(qrdoc::kInvalidCharacterText), MsgIcon::Exclamation,
                                 Qs(qrdoc::kInvalidCharacterTitle));
    }
    KeyAscii = outcome.iKeyAscii;
}

void MainQR::titleValidate(QLineEdit* title, bool& Cancel) {
    if (title->text().isEmpty()) {
        services_.prompter->tell(Qs(qrdoc::kTitleNeededText), MsgIcon::Information,
                                 Qs(qrdoc::kTitleNeededTitle));
        Cancel = true;
    }
}

void MainQR::composeEmailBody() {
    RichTextBox1->setPlainText(
        Qs(qrdoc::EmailBody(txtBanner->text().toStdString(), txtEmailTitle->text().toStdString(),
                            txtMoreInfo->text().toStdString())));
}

void MainQR::txtEmailTitle_KeyDown(int, int) {
    titleKeyDown(qrdoc::QrKind::Email);
}
void MainQR::txtEmailTitle_KeyPress(int& KeyAscii) {
    titleKeyPress(txtEmailTitle, KeyAscii);
}
void MainQR::txtEmailTitle_Validate(bool& Cancel) {
    titleValidate(txtEmailTitle, Cancel);
}
void MainQR::txtEmailTitle_Change() {
    pdfSimulator->setPlainText(txtEmailTitle->text());
    services_.previews->mobile().txtMobileSubject->setPlainText(txtEmailTitle->text());
    composeEmailBody();
}

void MainQR::Text4_KeyDown(int, int) {
    titleKeyDown(qrdoc::QrKind::Info);
}
void MainQR::Text4_KeyPress(int& KeyAscii) {
    titleKeyPress(Text4, KeyAscii);
}
void MainQR::Text4_Validate(bool& Cancel) {
    titleValidate(Text4, Cancel);
}
void MainQR::Text4_Change() {
    pdfSimulator->setPlainText(Text4->text());
    services_.previews->mobileText().Text1->setPlainText(RichTextBox3->toPlainText());
}

void MainQR::Text8_KeyDown(int, int) {
    titleKeyDown(qrdoc::QrKind::Phone);
}
void MainQR::Text8_KeyPress(int& KeyAscii) {
    titleKeyPress(Text8, KeyAscii);
}
void MainQR::Text8_Validate(bool& Cancel) {
    titleValidate(Text8, Cancel);
}
void MainQR::Text8_Change() {
    pdfSimulator->setPlainText(Text8->text());
    services_.previews->mobilePhone().Text1->setText(TelephoneNumber->text());
}

void MainQR::Text15_KeyDown(int, int) {
    titleKeyDown(qrdoc::QrKind::Web);
}
void MainQR::Text15_KeyPress(int& KeyAscii) {
    titleKeyPress(Text15, KeyAscii);
}
void MainQR::Text15_Validate(bool& Cancel) {
    titleValidate(Text15, Cancel);
}
void MainQR::Text15_Change() {
    pdfSimulator->setPlainText(Text15->text());
    services_.previews->mobileWeb().Text1->setPlainText(WebLinkArea->toPlainText());
}

void MainQR::txtMoreInfo_Change() {
    composeEmailBody();
}

void MainQR::RichTextBox1_Change() {
    services_.previews->mobile().txtMobileBody->setPlainText(RichTextBox1->toPlainText());
}

void MainQR::txtEmail_Change() {
    services_.previews->mobile().txtMobileTo->setText(txtEmail->text());
}

void MainQR::WebLinkArea_GotFocus() {
    SelectAllText(WebLinkArea);
    for (const int n : {15, 18, 19, 20, 21, 22}) Command[static_cast<std::size_t>(n)]->show();
    Label16->show();
    cmdWebQR->show();
}

void MainQR::WebLinkArea_Validate(bool& Cancel) {
    if (!WebLinkArea->toPlainText().isEmpty()) {
        cmdWebQR->show();
        return;
    }
    services_.prompter->tell(Qs(qrdoc::kWebLinkNeededText), MsgIcon::Information,
                             Qs(qrdoc::kWebLinkNeededTitle));
    Cancel = true;
}

}  // namespace tessivo::app
