#include "qrdoc/Payload.h"

#include <cmath>

namespace tessivo::qrdoc {

std::string EmailBody(std::string_view banner, std::string_view title, std::string_view extra) {
    std::string body(banner);
    body += " - ";
    body += title;
    body += ". ";
    body += extra;
    return body;
}

std::string EmailPayload(std::string_view address, std::string_view title, std::string_view body) {
    std::string payload = "mailto:";
    payload += address;
    payload += "?subject=";
    payload += title;
    payload += "&body=";
    payload += body;
    return payload;
}

std::string ComposePayload(QrKind kind, const PayloadFields& fields) {
    if (kind == QrKind::Email) {
        return EmailPayload(fields.sAddress, fields.sTitle,
                            EmailBody(fields.sBanner, fields.sTitle, fields.sExtra));
    }
    return std::string(fields.sContent);
}

bool OffersPdf(QrKind kind, std::string_view title, std::string_view content) {
    return KindInfo(kind).guard == PdfGuard::TitleField ? !title.empty() : !content.empty();
}

int RoundHalfToEven(double value) {
    if (!(value > -1e9 && value < 1e9)) return 0;  // NaN or absurd sizes
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = fraction > 0.5 ? below + 1 : below;
    if (fraction == 0.5 && std::fmod(below, 2.0) != 0.0) rounded = below + 1;
    return static_cast<int>(rounded);
}

QrRequestArguments RequestArguments(double innerWidth, double innerHeight) {
    return {RoundHalfToEven(innerWidth), RoundHalfToEven(innerHeight)};
}

}  // namespace tessivo::qrdoc
