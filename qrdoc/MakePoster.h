#pragma once
// One whole QR document without a window, for the command-line mode: the same steps, in the
// same order and with the same values, as the window's "DISPLAY" buttons, QR button and
// "Create PDF" button. The code picture is requested at the window's picture box size, saved
// in the kind's Codes folder under the title, and printed on the poster in the kind's folder.

#include <filesystem>
#include <string>

#include "lists/ContactList.h"
#include "qrclient/ClsQrCode.h"
#include "qrdoc/BannerPreview.h"
#include "qrdoc/ContactBlock.h"
#include "qrdoc/QrKind.h"
#include "qrdoc/Workspace.h"

namespace tessivo::qrdoc {

// The inside of the window's code picture box Picture1, in pixels: the code's request size.
inline constexpr int kPicture1InsideWidth = 152;
inline constexpr int kPicture1InsideHeight = 152;

// What the window's fields would hold. Texts are UTF-8, used exactly as typed. Only the
// fields of the chosen kind are read.
struct MakePosterInput {
    QrKind kind = QrKind::Email;
    std::string sTitle;  // txtEmailTitle, Text8, Text4 or Text15

    std::string sEmailAddress;  // e-mail: the recipient (txtEmailQR)
    std::string sEmailExtra;    // e-mail: extra text at the end of the body (txtMoreInfo)
    std::string sPhoneNumber;   // phone (TelephoneNumber)
    std::string sInfoText;      // info (RichTextBox3)
    std::string sWebLink;       // web (WebLinkArea)

    // The banner text (txtBanner) and the chosen options, each an index 0..7 into
    // kBannerColours; the window's defaults are Red, Yellow and Black.
    std::string sBanner;
    int iBackground = kDefaultBackground;
    int iFontColour = kDefaultFont;
    int iBorder = kDefaultBorder;

    // The contact shown (an empty record when none is chosen) and which details are shown.
    lists::ContactRecord contact;
    ContactTicks ticks;
};

// The two saved files, or why there are none.
struct MakePosterResult {
    std::filesystem::path codePicture;  // the saved bitmap (empty when not saved)
    std::filesystem::path poster;       // the written PDF (empty when not written)
    std::string sPayload;               // what the code carries (empty when refused early)
    std::string sError;                 // one line for the user; empty on success
    bool Ok() const { return sError.empty(); }
};

// Makes the code picture and the poster of `input` in `workspace`, asking `client` for the
// picture. Steps, stopping at the first failure:
// 1. Refuses what the window would not make a poster from, before anything is requested or
//    written: the title (TitleRefusal: empty, characters outside the allowed set, over the
//    kind's limit, not a file name), the kind's content (ContentRefusal), a banner colour
//    index outside 0..7.
// 2. Splits the title into its two lines and composes the payload (ComposePayload: for e-mail
//    the body is banner + " - " + title + ". " + extra).
// 3. Requests the code at kPicture1InsideWidth x kPicture1InsideHeight pixels; no picture:
//    the error names the service host and the client's reason.
// 4. Saves the picture (creating the Codes folder when missing), replacing an earlier one.
// 5. Builds the contact block (lines 0..4 go on the poster) and the banner as "DISPLAY" does
//    from the window's first preview with the three chosen options, and writes the poster
//    (creating the kind's folder when missing). A failed poster leaves the saved picture and
//    reports the error; the result then still names the picture.
MakePosterResult MakePoster(const MakePosterInput& input, const Workspace& workspace,
                            ClsQrCode& client);

}  // namespace tessivo::qrdoc
