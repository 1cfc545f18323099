// The contact list: loading both lists at start, choosing, adding, editing, updating and
// deleting contacts.

#include "app/MainQR.h"
#include "app/Prompter.h"
#include "app/Widgets.h"

namespace tessivo::app {
namespace {

const QString kChooseContactFirst =
    QStringLiteral("Choose a contact from the list first: no contact is shown.");

}  // namespace

void MainQR::reportListError(const lists::ListFileError& error) {
    services_.prompter->tell(Qs(error.sMessage), MsgIcon::Exclamation);
}

void MainQR::loadLists() {
    auto contactLoad = lists::LoadContactList(workspace_.Resolve("\\contact.txt"));
    contacts = std::move(contactLoad.list);
    for (const auto& record : contacts.Entries()) cboYourName->addItem(Qs(record.sName));
    cboYourName->setCurrentIndex(-1);

    auto bannerLoad = lists::LoadBannerList(workspace_.Resolve("\\banner.txt"));
    banners = std::move(bannerLoad.list);
    for (const auto& name : banners.Entries()) cboBanner->addItem(Qs(name));
    cboBanner->setCurrentIndex(-1);

    // Problems are told once the lists are in place, so the window is usable behind the box.
    for (const auto* report : {&contactLoad.report, &bannerLoad.report}) {
        if (report->error) reportListError(*report->error);
    }
    if (contactLoad.report.bCut) {
        services_.prompter->tell(
            QStringLiteral(
                "Contact.txt holds more than %1 contacts: only the first %1 were loaded. "
                "Saving the contact list will keep only those.")
                .arg(lists::kListCapacity),
            MsgIcon::Exclamation);
    }
    if (bannerLoad.report.bCut) {
        services_.prompter->tell(
            QStringLiteral("banner.txt holds more than %1 banners: only the first %1 were loaded. "
                           "Saving the banner list will keep only those.")
                .arg(lists::kListCapacity),
            MsgIcon::Exclamation);
    }
}

lists::ContactRecord MainQR::contactFields() const {
    return {Utf8(txtYourName->text()),     Utf8(txtYourAddress->toPlainText()),
            Utf8(txtYourPostCode->text()), Utf8(txtHomeTelephone->text()),
            Utf8(txtMobile->text()),       Utf8(txtEmail->text()),
            Utf8(txtWeb->text())};
}

void MainQR::showContactFields(const lists::ContactRecord& record) {
    txtYourName->setText(Qs(record.sName));
    txtYourAddress->setPlainText(Qs(record.sAddress));
    txtYourPostCode->setText(Qs(record.sPostCode));
    txtHomeTelephone->setText(Qs(record.sTelephone));
    txtMobile->setText(Qs(record.sMobile));
    txtEmail->setText(Qs(record.sEmail));
    txtWeb->setText(Qs(record.sWeb));
}

void MainQR::clearContactFields() {
    showContactFields({});
}

void MainQR::cboYourName_Click() {
    const auto found = contacts.SelectByName(Utf8(cboYourName->currentText()));
    if (!found) {
        services_.prompter->tell(QStringLiteral("Name Not found, or selected"));
        return;
    }
    showContactFields(contacts.At(*found));
}

void MainQR::cmdAdd_Click() {
    QWidget* const details[] = {txtYourAddress, txtYourPostCode, txtHomeTelephone,
                                txtMobile,      txtEmail,        txtWeb};
    txtYourName->show();
    cboYourName->hide();
    for (QWidget* field : details) field->setEnabled(true);

    const MsgAnswer answer = services_.prompter->message(
        {QStringLiteral("Do You want to add a new Person's Contact Details?"),
         QStringLiteral("Tessivo"), MsgIcon::None, MsgButtons::YesNo, 1, false});
    if (answer == MsgAnswer::Yes) {
        if (contacts.Full()) {
            services_.prompter->tell(
                QStringLiteral("The contact list is full (%1 contacts). Delete a contact before "
                               "adding another.")
                    .arg(lists::kListCapacity),
                MsgIcon::Exclamation);
        } else {
            QWidget* const controls[] = {
                txtYourName, txtYourAddress, txtYourPostCode, txtHomeTelephone,
                txtMobile,   txtEmail,       txtWeb};
            lists::ContactRecord record;
            for (std::size_t i = 0; i < lists::kContactFields.size(); ++i) {
                const auto& info = lists::kContactFields[i];
                const QString typed = services_.prompter->input(
                    Qs(info.sPrompt), Qs(lists::kAddContactTitle), Qs(info.sDefault));
                lists::FieldOf(record, info.field) = Utf8(typed);
                SetTextOf(controls[i], typed);
            }
            contacts.Add(record);
            cboYourName->addItem(Qs(record.sName));
            if (const auto error =
                    lists::SaveContactList(workspace_.Resolve("\\Contact.txt"), contacts)) {
                reportListError(*error);
            }
        }
    }
    txtYourName->hide();
    cboYourName->show();
    for (QWidget* field : details) field->setEnabled(false);
}

void MainQR::cmdEdit_Click() {
    cboYourName->setEnabled(false);
    txtYourName->show();
    txtYourName->raise();
    for (QWidget* field :
         {static_cast<QWidget*>(txtYourAddress), static_cast<QWidget*>(txtYourPostCode),
          static_cast<QWidget*>(txtHomeTelephone), static_cast<QWidget*>(txtMobile),
          static_cast<QWidget*>(txtEmail), static_cast<QWidget*>(txtWeb)}) {
        field->setEnabled(true);
        SetLocked(field, false);
    }
}

void MainQR::cmdUpdate_Click() {
    // Only the record the fields show is ever written over: after a delete they show none.
    if (contacts.iSelectedContact() == lists::kNoSelection) {
        services_.prompter->tell(kChooseContactFirst, MsgIcon::Information);
        return;
    }
    contacts.UpdateSelected(contactFields());
    SubWrite();
}

bool MainQR::SubWrite() {
    const auto error = lists::SaveContactList(workspace_.Resolve("\\contact.txt"), contacts);
    cboYourName->update();
    if (error) reportListError(*error);
    return !error;
}

void MainQR::cmdDelete_Click() {
    const int index = contacts.iSelectedContact();
    if (index == lists::kNoSelection) {
        services_.prompter->tell(kChooseContactFirst, MsgIcon::Information);
        return;
    }
    const MsgAnswer answer = services_.prompter->message(
        {QStringLiteral("Are You sure you want to delete this person's details?"),
         QStringLiteral("Tessivo"), MsgIcon::Critical, MsgButtons::YesNoCancel, 2, false});
    if (answer != MsgAnswer::Yes) return;
    contacts.Delete(index);
    // The combo box mirrors the list, so the entry removed is the record's own.
    cboYourName->removeItem(index);
    clearContactFields();
    cboYourName->setCurrentIndex(-1);
    cboYourName->setEditText(QString());
}

}  // namespace tessivo::app
