// The banner list: choosing, adding, deleting and updating banner names.

#include "app/MainQR.h"
#include "app/Prompter.h"
#include "app/Widgets.h"

namespace tessivo::app {

void MainQR::cboBanner_Click() {
    const auto found = banners.SelectByName(Utf8(cboBanner->currentText()));
    if (!found) {
        services_.prompter->tell(QStringLiteral("Banner not found, or selected"));
        return;
    }
    txtBanner->setText(Qs(banners.vBanner(*found)));
}

void MainQR::cmdAddBanner_Click() {
    const MsgAnswer answer = services_.prompter->message(
        {QStringLiteral("Do You want to add a new Banner Name?"), QStringLiteral("Tessivo"),
         MsgIcon::None, MsgButtons::YesNo, 1, false});
    if (answer != MsgAnswer::Yes) return;
    if (banners.Full()) {
        services_.prompter->tell(
            QStringLiteral("The banner list is full (%1 banners). Delete a banner "
                           "before adding another.")
                .arg(lists::kListCapacity),
            MsgIcon::Exclamation);
        return;
    }
    const QString name = services_.prompter->input(
        QStringLiteral("Enter Banner Name (max 15 characters inc. spaces):"),
        QStringLiteral("Add New Banner"), QString());
    banners.Add(Utf8(name));
    txtBanner->setText(name);
    cboBanner->addItem(Qs(lists::ListedAsAdded(Utf8(name))));
    if (const auto error = lists::SaveBannerList(workspace_.BannerListFile(), banners)) {
        reportListError(*error);
    }
}

void MainQR::cmdDeleteBanner_Click() {
    const int index = banners.iSelectedBanner();
    if (index == lists::kNoSelection) {
        services_.prompter->tell(QStringLiteral("Choose a banner from the list first."),
                                 MsgIcon::Information);
        return;
    }
    const MsgAnswer answer = services_.prompter->message(
        {QStringLiteral("Are You sure you want to delete this Banner's Name?"),
         QStringLiteral("Tessivo"), MsgIcon::Critical, MsgButtons::YesNoCancel, 2, false});
    if (answer != MsgAnswer::Yes) return;
    banners.Delete(index);
    cboBanner->removeItem(index);
    txtBanner->clear();
    cboBanner->setCurrentIndex(-1);
    cboBanner->setEditText(QString());
}

void MainQR::cmdUpdateBanner_Click() {
    // After a delete txtBanner names no entry, so only the file is rewritten (saving the
    // deletion); no other entry is blanked.
    if (banners.iSelectedBanner() != lists::kNoSelection) {
        banners.UpdateSelected(Utf8(txtBanner->text()));
    }
    SubBannerWrite();
}

bool MainQR::SubBannerWrite() {
    const auto error = lists::SaveBannerList(workspace_.BannerListFile(), banners);
    cboBanner->update();
    if (error) reportListError(*error);
    return !error;
}

}  // namespace tessivo::app
