#pragma once
// The routines behind ClsQrCode: address building, percent-encoding, colour translation,
// the multipart upload and the HTTP calls. Free functions so that each can be tested alone.
// Text is UTF-8 std::string throughout; a "byte string" is a std::string of raw bytes.

#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "qrclient/HttpClient.h"
#include "qrclient/Picture.h"

namespace tessivo::qrclient {

// The fixed multipart boundary of the upload: 27 hyphens and 14 digits.
inline constexpr std::string_view kBoundary = "---------------------------30862264243566";

// The text as well-formed UTF-8 bytes: a malformed sequence becomes U+FFFD, so what is sent
// is always valid UTF-8. An empty text gives an empty string.
std::string Utf8Encode(std::string_view text);

// Percent-encoding, byte by byte: A-Z, a-z and 0-9 stay; every other byte (space, "-", ".",
// "_" and "~" included) becomes "%" and two upper-case hexadecimal digits.
std::string UrlEncode(std::string_view bytes);

// A colour value as red, green and blue (red in the low byte). A value with the top bit set,
// 0x80000000 + n, names system colour n (0..30, given their classic Windows defaults); any
// other value with the top bit set gives black. Otherwise the top byte is ignored.
uint32_t TranslateColor(uint32_t colour);

// The translated colour as six upper-case hexadecimal digits, red first: 255 gives "FF0000".
std::string ColorToHex(uint32_t colour);

// The address of the picture request, keys in the order data, size, qzone, ecc, color,
// bgcolor, charset-target; a key whose argument is the service's default is left out
// (Margin <= 0, level "L", ForeColor 0xFFFFFF, BackColor 0, encoding "UTF-8", any case).
// ErrCorrectionLevel is sent as passed and Encoding in upper case, neither percent-encoded.
std::string PictureAddress(std::string_view imageHost, std::string_view sText, int32_t Width,
                           int32_t Height, std::string_view Encoding,
                           std::string_view ErrCorrectionLevel, uint32_t ForeColor,
                           uint32_t BackColor, int32_t Margin);

// The address that asks the decoding service to fetch and decode sUrl. The address is
// percent-encoded as Windows-1252 bytes (a character outside the code page becomes "?").
std::string DecodeAddress(std::string_view decodeHost, std::string_view sUrl);

// The header line and body of the upload, byte for byte.
std::string MultipartContentType();
std::string MultipartBody(std::span<const uint8_t> png);

// Downloads the address directly (no proxy), without cache and without following
// redirects. True with the body when the answer is a complete 200; otherwise false, an
// empty body and the reason in `error`.
bool HttpGetText(HttpSession& session, const std::string& url, std::string& body,
                 const HttpLimits& limits, std::string& error);

// Uploads PNG bytes to the decoding service as an HTTP/1.0 multipart POST (the
// environment's proxy settings apply; the connection is offered for reuse with
// "Connection: Keep-Alive"). On a 200 answer OutStrDecode becomes the body read as UTF-8
// and the result is true; otherwise OutStrDecode is left as it was, the reason goes to
// `error` and the result is false.
bool PostImageForDecoding(HttpSession& session, std::string_view decodeHost,
                          std::span<const uint8_t> png, std::string& OutStrDecode,
                          const HttpLimits& limits, std::string& error);

// Bytes taken as UTF-8: well-formed text is kept; each malformed sequence becomes U+FFFD.
std::string Utf8Decode(std::string_view bytes);

// The picture as PNG bytes; false (and `png` untouched) when the picture is not valid.
bool ImageToPngBytes(const Picture& picture, std::vector<uint8_t>& png);

// Reads the stream to its end into `bytes`. False when nothing could be read, on a read
// error, or when the stream holds more than maxBytes (then `bytes` is emptied).
bool BytesFromStream(std::istream& stream, std::vector<uint8_t>& bytes, std::size_t maxBytes);

}  // namespace tessivo::qrclient
