// The two "DISPLAY" buttons: the poster's contact block and its banner.

#include "app/Geometry.h"
#include "app/MainQR.h"
#include "app/ShapeWidget.h"
#include "app/Widgets.h"
#include "qrdoc/ContactBlock.h"

namespace tessivo::app {
namespace {

// Multi-line boxes show line breaks as new lines; the block itself keeps CR LF.
QString ForDisplay(const std::string& block) {
    QString text = Qs(block);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool Ticked(const QCheckBox* tick) {
    return tick->checkState() == Qt::Checked;
}

qrdoc::OptionGroup GroupOf(const std::array<QRadioButton*, 25>& Option, int first) {
    qrdoc::OptionGroup group{};
    for (int i = 0; i < 8; ++i)
        group[static_cast<std::size_t>(i)] =
            Option[static_cast<std::size_t>(first + i)]->isChecked();
    return group;
}

}  // namespace

void MainQR::cmdShow_Click() {
    Picture2->hide();
    for (QLineEdit* line : Text2) line->show();

    const qrdoc::ContactTicks ticks{Ticked(chkDisplayName), Ticked(chkDisplayAddress),
                                    Ticked(chkPostCode),    Ticked(chkTelephone),
                                    Ticked(chkMobile),      Ticked(chkEmail),
                                    Ticked(chkWeb)};
    const qrdoc::ContactBlock block = qrdoc::BuildContactBlock(contactFields(), ticks);
    txtContactDetails->setPlainText(ForDisplay(block.sBlock));
    RichTextBox2->setPlainText(ForDisplay(block.sBlock));
    Text1->setText(QString::number(block.iLineBreaks));
    for (std::size_t i = 0; i < Text2.size(); ++i) {
        Text2[i]->setText(Qs(block.Text2[i]));
        Text2[i]->setVisible(block.bVisible[i]);
    }
}

void MainQR::cmdShowBanner_Click() {
    Picture2->hide();
    const qrdoc::BannerOptions options{GroupOf(Option, 1), GroupOf(Option, 9), GroupOf(Option, 17)};
    bannerPreview = qrdoc::ShowBanner(bannerPreview, Utf8(txtBanner->text()), options);
    applyBannerPreview();
}

void MainQR::applyBannerPreview() {
    lblBanner->setText(Qs(bannerPreview.sCaption));
    lblBanner->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                                 .arg(ColourFromValue(bannerPreview.lForeColor).name()));
    Shape2->setFillColor(bannerPreview.lFillColor);
    Shape2->setBorderColor(bannerPreview.lBorderColor);
    Shape2->setBorderStyle(bannerPreview.iBorderStyle);
}

}  // namespace tessivo::app
