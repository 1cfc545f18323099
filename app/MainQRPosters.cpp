// The four "Create PDF" buttons: write the poster, open it, say where both files went.

#include "app/Launcher.h"
#include "app/MainQR.h"
#include "app/Prompter.h"
#include "app/Widgets.h"
#include "qrdoc/DocumentFiles.h"
#include "qrdoc/Poster.h"

namespace tessivo::app {

void MainQR::cmdEmail_Click() {
    makePoster(qrdoc::QrKind::Email);
}
void MainQR::cmdPhone_Click() {
    makePoster(qrdoc::QrKind::Phone);
}
void MainQR::cmdText_Click() {
    makePoster(qrdoc::QrKind::Info);
}
void MainQR::cmdWeb_Click() {
    makePoster(qrdoc::QrKind::Web);
}

void MainQR::makePoster(qrdoc::QrKind kind) {
    const KindControls c = controlsFor(kind);
    const std::string title = Utf8(c.title->text());

    // Both files are named by the title as it stands now; without the code picture under this
    // title there is nothing to print, and no poster refers to a picture it lacks.
    const qrdoc::OutputFile pdfFile = qrdoc::PosterFile(workspace_, kind, title);
    const qrdoc::OutputFile pictureFile = qrdoc::CodePictureFile(workspace_, kind, title);
    if (pdfFile.Refused() || pictureFile.Refused()) {
        services_.prompter->tell(Qs(pdfFile.Refused() ? pdfFile.sRefusal : pictureFile.sRefusal),
                                 MsgIcon::Exclamation);
        return;
    }
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(pictureFile.path, ignored)) {
        services_.prompter->tell(
            QStringLiteral("There is no QR code picture for the title \"%1\" yet: "
                           "press \"%2\" first, then \"Create PDF\".")
                .arg(c.title->text(), c.qrButton->text()),
            MsgIcon::Exclamation);
        return;
    }

    if (kind == qrdoc::QrKind::Phone) Picture2->hide();
    c.pdfButton->setEnabled(false);
    c.imagesButton->show();
    c.pdfsButton->show();
    c.seeImagesButton->hide();
    c.seePdfsButton->hide();
    c.previewButton->hide();

    qrdoc::PosterContent poster;
    poster.kind = kind;
    poster.sTitleLine1 = Utf8(c.titleLine1->text());
    poster.sTitleLine2 = Utf8(c.titleLine2->text());
    poster.codePicture = pictureFile.path;
    poster.banner = bannerPreview;
    for (std::size_t i = 0; i < poster.contactLines.size(); ++i) {
        poster.contactLines[i] = Utf8(Text2[i]->text());
    }
    const auto problem = qrdoc::WritePoster(poster, pdfFile.path);
    c.pdfButton->setEnabled(true);
    if (problem) {
        services_.prompter->tell(
            QStringLiteral("The poster could not be written.\n%1").arg(Qs(*problem)),
            MsgIcon::Exclamation);
        return;
    }

    services_.launcher->openFile(pdfFile.path.string());
    services_.prompter->message({Qs(qrdoc::InformationText(kind)), Qs(qrdoc::kInformationTitle),
                                 MsgIcon::Information, MsgButtons::Ok, 1, true});
    if (!c.pdfButton->isHidden()) c.qrButton->hide();  // its own flag, not the tab's
    c.imageStatus->show();
    c.pdfStatus->show();
    c.imageStatus->setText(Qs(qrdoc::ImageStatusText(kind, title)));
    c.pdfStatus->setText(Qs(qrdoc::PdfStatusText(kind, title)));
}

}  // namespace tessivo::app
