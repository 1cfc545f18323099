// The four QR buttons: compose the payload, fetch the code picture, show it and save it.

#include <QImage>
#include <QPixmap>

#include "app/MainQR.h"
#include "app/Prompter.h"
#include "app/QtDibAdapters.h"
#include "app/Widgets.h"
#include "qrdoc/DocumentFiles.h"
#include "qrdoc/Payload.h"
#include "qrdoc/Title.h"

namespace tessivo::app {

MainQR::KindControls MainQR::controlsFor(qrdoc::QrKind kind) const {
    switch (kind) {
        case qrdoc::QrKind::Email:
            return {txtEmailTitle, RichTextBox1, cmdEmailQR, Command[23], Text19, Text20, cmdEmail,
                    Command[1],    Command[2],   Command[5], Command[6],  Text18, Text12};
        case qrdoc::QrKind::Phone:
            return {Text8,       TelephoneNumber, cmdPhoneQR, Command[25], Text13, Text14, cmdPhone,
                    Command[12], Command[13],     Command[9], Command[10], Text10, Text11};
        case qrdoc::QrKind::Info:
            return {Text4,      RichTextBox3, cmdTextQR,  Command[24], Text6, Text7, cmdText,
                    Command[3], Command[4],   Command[7], Command[8],  Text3, Text5};
        case qrdoc::QrKind::Web:
            break;
    }
    return {Text15,      WebLinkArea, cmdWebQR,    Command[26], Text17, Text21, cmdWeb,
            Command[16], Command[17], Command[11], Command[14], Text22, Text23};
}

void MainQR::showPicture1(const std::optional<Picture>& picture) {
    Picture1Picture = picture;
    if (!picture) {
        Picture1->clear();
        return;
    }
    Picture1->setPixmap(QPixmap::fromImage(ImageFromPicture(*picture)));
}

void MainQR::cmdEmailQR_Click() {
    makeCode(qrdoc::QrKind::Email);
}
void MainQR::cmdPhoneQR_Click() {
    makeCode(qrdoc::QrKind::Phone);
}
void MainQR::cmdTextQR_Click() {
    makeCode(qrdoc::QrKind::Info);
}
void MainQR::cmdWebQR_Click() {
    makeCode(qrdoc::QrKind::Web);
}

void MainQR::makeCode(qrdoc::QrKind kind) {
    const KindControls c = controlsFor(kind);
    Picture2->hide();

    const std::string title = Utf8(c.title->text());
    // The title names the saved picture, so a title that cannot be a file name in the
    // workspace is refused before anything is asked for or written.
    const qrdoc::OutputFile pictureFile = qrdoc::CodePictureFile(workspace_, kind, title);
    if (pictureFile.Refused()) {
        services_.prompter->tell(Qs(pictureFile.sRefusal), MsgIcon::Exclamation);
        c.title->setFocus();
        return;
    }
    qrdoc::TitleLines lines;
    if (title.empty()) {
        services_.prompter->tell(Qs(qrdoc::kTitleNeededText), MsgIcon::Exclamation);
        c.title->setFocus();
    } else {
        lines = qrdoc::SplitTitle(title);
    }
    if (kind == qrdoc::QrKind::Email) composeEmailBody();
    c.titleLine1->setText(Qs(lines.sFirst));
    c.titleLine2->setText(Qs(lines.sSecond));

    // The same composition as the command line's; for e-mail the body just put in
    // RichTextBox1 is composed from the same three fields.
    const std::string content = Utf8(TextOf(c.content));
    const std::string address = Utf8(txtEmailQR->text());
    const std::string banner = Utf8(txtBanner->text());
    const std::string extra = Utf8(txtMoreInfo->text());
    const std::string payload =
        qrdoc::ComposePayload(kind, {title, address, banner, extra, content});

    // The code is made at the inside size of the picture box.
    const QRect inside = Picture1->contentsRect();
    const qrdoc::QrRequestArguments request =
        qrdoc::RequestArguments(inside.width(), inside.height());
    showPicture1(oQrCode->GetPictureQrCode(payload, request.Width, request.Height,
                                           std::string(request.Encoding),
                                           std::string(request.ErrCorrectionLevel),
                                           request.ForeColor, request.BackColor, request.Margin));
    if (!Picture1Picture) services_.prompter->tell(Qs(qrdoc::kNoPictureText));

    if (qrdoc::OffersPdf(kind, title, content)) {
        c.pdfButton->show();
        c.qrButton->hide();
    }

    if (Picture1Picture) {
        std::optional<std::string> problem = qrdoc::CreateFolderFor(pictureFile.path);
        if (!problem) {
            const SaveResult saved = SavePicture(*Picture1Picture, pictureFile.path);
            if (!saved.ok) problem = saved.error;
        }
        if (problem) {
            services_.prompter->tell(
                QStringLiteral("The QR code picture could not be saved.\n%1").arg(Qs(*problem)),
                MsgIcon::Exclamation);
        }
    }
}

}  // namespace tessivo::app
