#pragma once
// The client of the QR image web service (text in, code picture out) and of the QR
// decoding web service (picture in, text out). Every call is synchronous and makes one HTTP
// exchange, bounded by the limits given at construction (10 s to connect, 30 s in all, 16 MiB
// of answer by default); the connection is kept for the next call while the service allows. Nothing
// is ever shown to the user: a failed call gives none or false, and LastError() says why. One
// object serves one thread at a time.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "qrclient/HttpClient.h"
#include "qrclient/Picture.h"

namespace tessivo {

class ClsQrCode {
  public:
    // Hosts are "host:port" (or "host" for port 80) of the image service and the decoding
    // service; the addresses are "http://" + host + path.
    ClsQrCode(std::string imageHost, std::string decodeHost, qrclient::HttpLimits limits = {});

    // Asks the image service for a code of sText (UTF-8) at Width x Height pixels and
    // decodes the PNG answer. Encoding is the character set the service encodes the text in
    // ("UTF-8", any case, is the default and not sent), ErrCorrectionLevel a level letter
    // ("L" is the default), ForeColor and BackColor colour values (red in the low byte; top
    // bit set: a system colour; 0xFFFFFF and 0 are not sent), Margin the quiet zone in
    // modules (0 or less is not sent). None for any answer but 200 with a readable PNG
    // (redirects are not followed) and for any network failure or time-out.
    std::optional<Picture> GetPictureQrCode(const std::string& sText, int32_t Width, int32_t Height,
                                            const std::string& Encoding,
                                            const std::string& ErrCorrectionLevel,
                                            uint32_t ForeColor, uint32_t BackColor, int32_t Margin);

    // Uploads the PNG bytes, unchanged, to the decoding service. True on a 200 answer, with
    // OutStrDecode set to the text it found; otherwise false and OutStrDecode unchanged.
    bool DecodeFromStream(const std::vector<uint8_t>& InBytes, std::string& OutStrDecode);

    // Encodes the picture as PNG and uploads it. No picture (or an invalid one): false, and
    // nothing is sent. OutStrDecode as for DecodeFromStream.
    bool DecodeFromPicture(const std::optional<Picture>& oPicture, std::string& OutStrDecode);

    // Reads a PNG, BMP or JPEG file, encodes it as PNG and uploads it. OutStrDecode as for
    // DecodeFromStream.
    bool DecodeFromFile(const std::string& FileName, std::string& OutStrDecode);

    // Asks the decoding service to fetch the picture at sUrl and decode it. OutStrDecode is
    // emptied first; on a 200 answer it becomes the body with each byte taken as one
    // Windows-1252 character (no UTF-8 decoding, so "é" comes back as two characters).
    bool DecodeFromUrl(const std::string& sUrl, std::string& OutStrDecode);

    const std::string& ImageHost() const { return imageHost_; }
    const std::string& DecodeHost() const { return decodeHost_; }
    const qrclient::HttpLimits& Limits() const { return limits_; }

    // Why the last call failed, naming the host; empty after a call that succeeded.
    const std::string& LastError() const { return lastError_; }

  private:
    bool Upload(const std::vector<uint8_t>& png, std::string& OutStrDecode);
    bool Fail(const std::string& host, const std::string& why);

    std::string imageHost_;
    std::string decodeHost_;
    qrclient::HttpLimits limits_;
    qrclient::HttpSession session_;  // keeps the connection to the services open
    std::string lastError_;
};

}  // namespace tessivo
