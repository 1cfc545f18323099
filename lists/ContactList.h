#pragma once
// The contact list: the user's contact details for one or more people, kept in Contact.txt
// beside the program, one record of seven quoted fields per line.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "lists/FixedList.h"
#include "lists/ListFile.h"

namespace tessivo::lists {

// One person's details, in file order. All texts UTF-8.
struct ContactRecord {
    std::string sName;
    std::string sAddress;
    std::string sPostCode;
    std::string sTelephone;
    std::string sMobile;
    std::string sEmail;
    std::string sWeb;
    friend bool operator==(const ContactRecord&, const ContactRecord&) = default;
};

// The seven fields in file order; the value is the column number (0..6).
enum class ContactField { Name, Address, PostCode, Telephone, Mobile, Email, Web };
inline constexpr int kContactFieldCount = 7;

// Per field: the array it lives in, the Contact tab's control, and the Add question (the
// input box's prompt and the text its entry starts with).
struct ContactFieldInfo {
    ContactField field;
    std::string_view sArray;
    std::string_view sControl;
    std::string_view sPrompt;
    std::string_view sDefault;
};
inline constexpr std::array<ContactFieldInfo, kContactFieldCount> kContactFields = {{
    {ContactField::Name, "sName", "txtYourName",
     "Enter Person's Name (First and Last Name):", "Name"},
    {ContactField::Address, "sAddress", "txtYourAddress",
     "Enter Address (e.g. 14 Larchmere Road, Ondwell, Brackshire):", "Address"},
    {ContactField::PostCode, "sPostCode", "txtYourPostCode", "Enter Postcode/State:", "Post Code"},
    {ContactField::Telephone, "sTelephone", "txtHomeTelephone",
     "Enter Home Telephone Number (including STD code)", "Telephone"},
    {ContactField::Mobile, "sMobile", "txtMobile", "Enter Mobile/Cell Number:", "Mobile"},
    {ContactField::Email, "sEmail", "txtEmail", "Enter Email Address:", "Email Address"},
    {ContactField::Web, "sWeb", "txtWeb", "Enter e.g. Website/Facebook link:", "Web Site"},
}};
// Title of the seven Add input boxes.
inline constexpr std::string_view kAddContactTitle = "Add New Contact";

// The field of a record by column.
const std::string& FieldOf(const ContactRecord& record, ContactField field);
std::string& FieldOf(ContactRecord& record, ContactField field);

struct ContactTraits {
    using Entry = ContactRecord;
    static constexpr std::size_t kFieldsPerRecord = kContactFieldCount;
    static std::string_view Name(const ContactRecord& record) { return record.sName; }
    static Record ToRecord(const ContactRecord& record);
    static ContactRecord FromRecord(Record&& fields);
};

// At most 201 records; the names the system uses are kept as accessors.
class ContactList : public FixedList<ContactTraits> {
  public:
    int iContactCount() const { return Count(); }
    // The selected record, or kNoSelection (-1): nothing chosen yet, or the chosen record
    // was deleted. Add selects the record it adds.
    int iSelectedContact() const { return Selected(); }
};

using ContactListLoad = ListLoad<ContactList>;

// Contact.txt: seven fields per record (lists/FieldReader.h); see LoadList and SaveList.
inline ContactListLoad LoadContactList(const std::filesystem::path& file) {
    return LoadList<ContactList>(file);
}
inline std::optional<ListFileError> SaveContactList(const std::filesystem::path& file,
                                                    const ContactList& list) {
    return SaveList(file, list);
}

}  // namespace tessivo::lists
