#include "qrclient/ClsQrCode.h"

#include "qrclient/QrCodeDetail.h"
#include "text/Cp1252.h"

namespace tessivo {

using qrclient::HttpGetText;

ClsQrCode::ClsQrCode(std::string imageHost, std::string decodeHost, qrclient::HttpLimits limits)
    : imageHost_(std::move(imageHost)), decodeHost_(std::move(decodeHost)), limits_(limits) {}

bool ClsQrCode::Fail(const std::string& host, const std::string& why) {
    lastError_ = host + ": " + why;
    return false;
}

std::optional<Picture> ClsQrCode::GetPictureQrCode(const std::string& sText, int32_t Width,
                                                   int32_t Height, const std::string& Encoding,
                                                   const std::string& ErrCorrectionLevel,
                                                   uint32_t ForeColor, uint32_t BackColor,
                                                   int32_t Margin) {
    lastError_.clear();
    const std::string url =
        qrclient::PictureAddress(imageHost_, sText, Width, Height, Encoding, ErrCorrectionLevel,
                                 ForeColor, BackColor, Margin);
    std::string body, error;
    if (!HttpGetText(session_, url, body, limits_, error)) {
        Fail(imageHost_, error);
        return std::nullopt;
    }
    PictureResult decoded = DecodePng({reinterpret_cast<const uint8_t*>(body.data()), body.size()});
    if (!decoded.picture) Fail(imageHost_, decoded.error);
    return std::move(decoded.picture);
}

bool ClsQrCode::Upload(const std::vector<uint8_t>& png, std::string& OutStrDecode) {
    std::string error;
    if (!qrclient::PostImageForDecoding(session_, decodeHost_, png, OutStrDecode, limits_, error))
        return Fail(decodeHost_, error);
    return true;
}

bool ClsQrCode::DecodeFromStream(const std::vector<uint8_t>& InBytes, std::string& OutStrDecode) {
    lastError_.clear();
    return Upload(InBytes, OutStrDecode);
}

bool ClsQrCode::DecodeFromPicture(const std::optional<Picture>& oPicture,
                                  std::string& OutStrDecode) {
    lastError_.clear();
    if (!oPicture) return Fail(decodeHost_, "there is no picture to decode");
    std::vector<uint8_t> png;
    if (!qrclient::ImageToPngBytes(*oPicture, png))
        return Fail(decodeHost_, "the picture is empty or malformed");
    return Upload(png, OutStrDecode);
}

bool ClsQrCode::DecodeFromFile(const std::string& FileName, std::string& OutStrDecode) {
    lastError_.clear();
    const PictureResult read = ReadImageFile(FileName);
    std::vector<uint8_t> png;
    if (!read.picture) return Fail(decodeHost_, read.error);
    if (!qrclient::ImageToPngBytes(*read.picture, png))
        return Fail(decodeHost_, "cannot convert \"" + FileName + "\" to PNG");
    return Upload(png, OutStrDecode);
}

bool ClsQrCode::DecodeFromUrl(const std::string& sUrl, std::string& OutStrDecode) {
    lastError_.clear();
    OutStrDecode.clear();
    std::string body, error;
    if (!HttpGetText(session_, qrclient::DecodeAddress(decodeHost_, sUrl), body, limits_, error))
        return Fail(decodeHost_, error);
    OutStrDecode = text::Cp1252ToUtf8(body);
    return true;
}

}  // namespace tessivo
