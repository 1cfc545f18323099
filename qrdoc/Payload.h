#pragma once
// What a QR code carries, and the fixed arguments of the picture request. Texts are UTF-8 and
// go into a payload exactly as typed: nothing is trimmed, escaped or validated here.

#include <cstdint>
#include <string>
#include <string_view>

#include "qrdoc/QrKind.h"

namespace tessivo::qrdoc {

// The e-mail body: banner + " - " + title + ". " + extra text. With all three empty it is
// the five characters " - . ".
std::string EmailBody(std::string_view banner, std::string_view title, std::string_view extra);

// "mailto:" + address + "?subject=" + title + "&body=" + body.
std::string EmailPayload(std::string_view address, std::string_view title, std::string_view body);

// The fields a payload is made from. E-mail uses sAddress, sTitle, sBanner and sExtra (the body
// is composed from them); phone, info and web use sContent unchanged.
struct PayloadFields {
    std::string_view sTitle;
    std::string_view sAddress;  // txtEmailQR
    std::string_view sBanner;   // txtBanner
    std::string_view sExtra;    // txtMoreInfo
    std::string_view sContent;  // TelephoneNumber, RichTextBox3 or WebLinkArea
};
std::string ComposePayload(QrKind kind, const PayloadFields& fields);

// Whether "Create PDF" is offered after the code request, whatever its outcome: the kind's
// guard field (the title for e-mail and info, the content for phone and web) is not empty.
bool OffersPdf(QrKind kind, std::string_view title, std::string_view content);

// Arguments of the picture request, in the order the request takes them. With these values
// the service is sent only the data and the size: black on white, level L, UTF-8, no quiet
// zone setting.
struct QrRequestArguments {
    int Width;   // pixels
    int Height;  // pixels
    std::string_view Encoding = "UTF-8";
    std::string_view ErrCorrectionLevel = "L";
    std::uint32_t ForeColor = 0xFFFFFF;
    std::uint32_t BackColor = 0;
    int Margin = 0;
};

// Rounds to the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -0.5 -> 0). A value outside +-1e9, or NaN, gives 0.
int RoundHalfToEven(double value);

// The request for a code picture box whose inside measures innerWidth x innerHeight pixels.
QrRequestArguments RequestArguments(double innerWidth, double innerHeight);

}  // namespace tessivo::qrdoc
