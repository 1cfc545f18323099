#pragma once
// The four kinds of QR document and what differs between them: the window's controls, the
// workspace folders, and the texts the flows show and print. One table, read by the window's
// handlers and by the command-line mode alike.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessivo::qrdoc {

enum class QrKind { Email, Phone, Info, Web };
inline constexpr std::array<QrKind, 4> kAllKinds = {QrKind::Email, QrKind::Phone, QrKind::Info,
                                                    QrKind::Web};

// Which field must be non-empty for a kind's "Create PDF" button to be offered after its code
// is made: the title field (e-mail, info) or the field the payload comes from (phone, web).
enum class PdfGuard { TitleField, PayloadField };

struct QrKindInfo {
    QrKind kind;
    std::string_view sKey;  // the kind's name on the command line: email, phone, info, web

    // Controls of the kind's tab (their object names).
    std::string_view sTitleField;        // e.g. "txtEmailTitle"
    std::string_view sFirstLineField;    // hidden field holding title line 1, e.g. "Text19"
    std::string_view sSecondLineField;   // hidden field holding title line 2, e.g. "Text20"
    std::string_view sPayloadField;      // e-mail: the body "RichTextBox1" the payload ends in
    std::string_view sQrButton;          // e.g. "cmdEmailQR"
    std::string_view sQrCaption;         // e.g. "Create Email QR Code"
    std::string_view sPdfButton;         // e.g. "cmdEmail" ("Create PDF")
    std::string_view sImagesButton;      // "QR Images", e.g. "Command1"
    std::string_view sPdfsButton;        // "QR PDFs", e.g. "Command2"
    std::string_view sSeeSavedImages;    // "See saved ... QR Images", e.g. "Command5"
    std::string_view sSeeSavedPdfs;      // "See saved ... QR PDFs", e.g. "Command6"
    std::string_view sPreviewButton;     // "What Mobile User Sees", e.g. "Command23"
    std::string_view sImageStatusField;  // e.g. "Text18"
    std::string_view sPdfStatusField;    // e.g. "Text12"
    PdfGuard guard;
    int iTitleLimit;  // longest title the title field takes, in characters; 0: no limit

    // Workspace folders (relative, backslash-separated; qrdoc/Workspace.h resolves them).
    std::string_view sCodeFolder;  // e.g. "\Emails\Codes\"
    std::string_view sPdfFolder;   // e.g. "\Emails\"

    // Texts. The sentence goes under the code on the poster and in lblUnderQRCode.
    std::string_view sSentence;
    std::string_view sInfoFirstSentence;  // first sentence of the information box
    std::string_view sImageStatus;        // then the title and ".bmp"
    std::string_view sPdfStatus;          // then the title and ".pdf"
};

const QrKindInfo& KindInfo(QrKind kind);

// The kind whose sKey is `key` (exact, lower case), or nothing.
std::optional<QrKind> KindFromKey(std::string_view key);

// The information box shown after a poster is written.
inline constexpr std::string_view kInformationTitle = "Information";
inline constexpr std::string_view kPrintAdvice =
    "To Print the visible PDF, click on the Print File icon which will send the PDF file to "
    "your default printer. ";
// The kind's first sentence, CR LF, CR LF, then kPrintAdvice (which ends in a space).
std::string InformationText(QrKind kind);

// The two status fields after a poster: sImageStatus + title + ".bmp" and
// sPdfStatus + title + ".pdf".
std::string ImageStatusText(QrKind kind, std::string_view title);
std::string PdfStatusText(QrKind kind, std::string_view title);

}  // namespace tessivo::qrdoc
