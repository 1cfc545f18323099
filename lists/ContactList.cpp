#include "lists/ContactList.h"

#include <utility>

namespace tessivo::lists {
namespace {

template <typename Record, typename Field>
Field& Column(Record& record, ContactField field) {
    switch (field) {
        case ContactField::Name:
            return record.sName;
        case ContactField::Address:
            return record.sAddress;
        case ContactField::PostCode:
            return record.sPostCode;
        case ContactField::Telephone:
            return record.sTelephone;
        case ContactField::Mobile:
            return record.sMobile;
        case ContactField::Email:
            return record.sEmail;
        case ContactField::Web:
            break;
    }
    return record.sWeb;
}

}  // namespace

const std::string& FieldOf(const ContactRecord& record, ContactField field) {
    return Column<const ContactRecord, const std::string>(record, field);
}

std::string& FieldOf(ContactRecord& record, ContactField field) {
    return Column<ContactRecord, std::string>(record, field);
}

ContactRecord ContactTraits::FromRecord(Record&& fields) {
    ContactRecord record;
    for (const ContactFieldInfo& info : kContactFields) {
        FieldOf(record, info.field) = std::move(fields.at(static_cast<std::size_t>(info.field)));
    }
    return record;
}

Record ContactTraits::ToRecord(const ContactRecord& record) {
    Record fields;
    for (const ContactFieldInfo& info : kContactFields)
        fields.push_back(FieldOf(record, info.field));
    return fields;
}

}  // namespace tessivo::lists
