#include "qrdoc/QrKind.h"

#include <string>

namespace tessivo::qrdoc {
namespace {

constexpr std::array<QrKindInfo, 4> kKinds = {{
    {QrKind::Email,
     "email",
     "txtEmailTitle",
     "Text19",
     "Text20",
     "RichTextBox1",
     "cmdEmailQR",
     "Create Email QR Code",
     "cmdEmail",
     "Command1",
     "Command2",
     "Command5",
     "Command6",
     "Command23",
     "Text18",
     "Text12",
     PdfGuard::TitleField,
     64,
     "\\Emails\\Codes\\",
     "\\Emails\\",
     "QR Code will generate an automatic email",
     "The PDF displayed has been saved automatically in the folder Emails and named the same "
     "as the Title entered, also a picture of the code only has been saved automatically in "
     "the folder EMAILS\\CODES.",
     "QR Image Saved As: \\EMAILS\\Codes\\",
     "QR PDF Saved As: \\EMAILS\\"},
    {QrKind::Phone,
     "phone",
     "Text8",
     "Text13",
     "Text14",
     "TelephoneNumber",
     "cmdPhoneQR",
     "Create Phone QR Code",
     "cmdPhone",
     "Command12",
     "Command13",
     "Command9",
     "Command10",
     "Command25",
     "Text10",
     "Text11",
     PdfGuard::PayloadField,
     0,
     "\\PHONE\\Codes\\",
     "\\PHONE\\",
     "QR Code enables user to telephone number direct",
     "The PDF displayed has been saved automatically in the folder PHONE and named the same "
     "as the Title entered, also a picture of the code only has been saved automatically in "
     "the folder PHONE\\CODES.",
     "QR Image Saved As: \\PHONE\\Codes\\",
     "QR PDF Saved As: \\PHONE\\"},
    {QrKind::Info,
     "info",
     "Text4",
     "Text6",
     "Text7",
     "RichTextBox3",
     "cmdTextQR",
     "Create Info QR Code",
     "cmdText",
     "Command3",
     "Command4",
     "Command7",
     "Command8",
     "Command24",
     "Text3",
     "Text5",
     PdfGuard::TitleField,
     64,
     "\\INFO\\Codes\\",
     "\\INFO\\",
     "QR Code will generate information for the user",
     "The PDF displayed has been saved automatically in the folder INFO and named the same "
     "as the Title entered, also a picture of the code only has been saved automatically in "
     "the folder INFO\\CODES.",
     "QR Image Saved As: \\INFO\\Codes\\",
     "QR PDF Saved As: \\INFO\\"},
    {QrKind::Web,
     "web",
     "Text15",
     "Text17",
     "Text21",
     "WebLinkArea",
     "cmdWebQR",
     "Create Web QR Code",
     "cmdWeb",
     "Command16",
     "Command17",
     "Command11",
     "Command14",
     "Command26",
     "Text22",
     "Text23",
     PdfGuard::PayloadField,
     0,
     "\\WEB\\Codes\\",
     "\\WEB\\",
     "QR Code provides web site link for the user",
     "The PDF displayed has been saved automatically in the folder WEB and named the same "
     "as the Title entered, also a picture of the code only has been saved automatically in "
     "the folder WEB\\CODES.",
     "QR Image Saved As: \\WEB\\Codes\\",
     "QR PDF Saved As: \\WEB\\"},
}};

}  // namespace

const QrKindInfo& KindInfo(QrKind kind) {
    return kKinds.at(static_cast<std::size_t>(kind));
}

std::optional<QrKind> KindFromKey(std::string_view key) {
    for (const QrKindInfo& info : kKinds) {
        if (info.sKey == key) return info.kind;
    }
    return std::nullopt;
}

std::string InformationText(QrKind kind) {
    return std::string(KindInfo(kind).sInfoFirstSentence) + "\r\n\r\n" + std::string(kPrintAdvice);
}

std::string ImageStatusText(QrKind kind, std::string_view title) {
    return std::string(KindInfo(kind).sImageStatus) + std::string(title) + ".bmp";
}

std::string PdfStatusText(QrKind kind, std::string_view title) {
    return std::string(KindInfo(kind).sPdfStatus) + std::string(title) + ".pdf";
}

}  // namespace tessivo::qrdoc
