#include "qrclient/QrCodeDetail.h"

#include <cctype>
#include <iterator>

#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tessivo::qrclient {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, uint8_t byte) {
    out.push_back(kHexDigits[byte >> 4]);
    out.push_back(kHexDigits[byte & 0x0F]);
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string FailureReason(const HttpAnswer& answer) {
    return answer.transferred ? "the service answered " + std::to_string(answer.status)
                              : answer.error;
}

}  // namespace

std::string Utf8Encode(std::string_view text) {
    return text::EncodeUtf8(text::DecodeUtf8(text));
}

std::string Utf8Decode(std::string_view bytes) {
    return Utf8Encode(bytes);
}

std::string UrlEncode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9')) {
            out.push_back(c);
        } else {
            out.push_back('%');
            AppendHexByte(out, byte);
        }
    }
    return out;
}

std::string ColorToHex(uint32_t colour) {
    const uint32_t rgb = TranslateColor(colour);
    std::string out;
    AppendHexByte(out, static_cast<uint8_t>(rgb));        // red
    AppendHexByte(out, static_cast<uint8_t>(rgb >> 8));   // green
    AppendHexByte(out, static_cast<uint8_t>(rgb >> 16));  // blue
    return out;
}

std::string PictureAddress(std::string_view imageHost, std::string_view sText, int32_t Width,
                           int32_t Height, std::string_view Encoding,
                           std::string_view ErrCorrectionLevel, uint32_t ForeColor,
                           uint32_t BackColor, int32_t Margin) {
    std::string url = "http://";
    url += imageHost;
    url += "/v1/create-qr-code/?data=";
    url += UrlEncode(Utf8Encode(sText));
    url += "&size=" + std::to_string(Width) + "x" + std::to_string(Height);
    if (Margin > 0) url += "&qzone=" + std::to_string(Margin);
    if (UpperAscii(ErrCorrectionLevel) != "L") url += "&ecc=" + std::string(ErrCorrectionLevel);
    if (ForeColor != 0xFFFFFF) url += "&color=" + ColorToHex(ForeColor);
    if (BackColor != 0) url += "&bgcolor=" + ColorToHex(BackColor);
    if (const std::string upper = UpperAscii(Encoding); upper != "UTF-8")
        url += "&charset-target=" + upper;
    return url;
}

std::string DecodeAddress(std::string_view decodeHost, std::string_view sUrl) {
    std::string url = "http://";
    url += decodeHost;
    url += "/w/decode?full=false&u=";
    url += UrlEncode(text::Utf8ToCp1252(sUrl));
    return url;
}

std::string MultipartContentType() {
    return "Content-Type: multipart/form-data; boundary=" + std::string(kBoundary);
}

std::string MultipartBody(std::span<const uint8_t> png) {
    std::string body = "--" + std::string(kBoundary) + "\r\n";
    body += "Content-Disposition: form-data; name=\"f\"; filename=\"FileName\"\r\n";
    body += "Content-Type: image/png\r\n\r\n";
    body.append(png.begin(), png.end());
    body += "\r\n--" + std::string(kBoundary) + "--\r\n";
    return body;
}

bool HttpGetText(HttpSession& session, const std::string& url, std::string& body,
                 const HttpLimits& limits, std::string& error) {
    HttpRequest request;
    request.url = url;
    // What the description's "reload" asks of any cache on the way.
    request.headers = {"Cache-Control: no-cache", "Pragma: no-cache"};
    HttpAnswer answer = session.Send(request, limits);
    body.clear();
    if (!answer.Ok()) {
        error = FailureReason(answer);
        return false;
    }
    body = std::move(answer.body);
    return true;
}

bool PostImageForDecoding(HttpSession& session, std::string_view decodeHost,
                          std::span<const uint8_t> png, std::string& OutStrDecode,
                          const HttpLimits& limits, std::string& error) {
    HttpRequest request;
    request.url = "http://" + std::string(decodeHost) + "/w/decode?full=false";
    request.postBody = MultipartBody(png);
    // HTTP/1.0 closes the connection after each answer unless asked to keep it.
    request.headers = {MultipartContentType(), "Connection: Keep-Alive"};
    request.direct = false;
    request.http10 = true;
    const HttpAnswer answer = session.Send(request, limits);
    if (!answer.Ok()) {
        error = FailureReason(answer);
        return false;
    }
    OutStrDecode = Utf8Decode(answer.body);
    return true;
}

bool ImageToPngBytes(const Picture& picture, std::vector<uint8_t>& png) {
    std::optional<std::vector<uint8_t>> encoded = EncodePng(picture);
    if (!encoded) return false;
    png = std::move(*encoded);
    return true;
}

bool BytesFromStream(std::istream& stream, std::vector<uint8_t>& bytes, std::size_t maxBytes) {
    bytes.clear();
    char chunk[64 * 1024];
    while (stream) {
        stream.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(stream.gcount());
        if (bytes.size() + got > maxBytes) {
            bytes.clear();
            return false;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    if (stream.bad()) {
        bytes.clear();
        return false;
    }
    return !bytes.empty();
}

}  // namespace tessivo::qrclient
