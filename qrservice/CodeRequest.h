#pragma once
// The keys of a picture request to the QR service, checked.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tessivo::qrservice {

inline constexpr std::size_t kMaxDataBytes = 8 * 1024;  // the data key, as received
inline constexpr int32_t kMinSide = 10;                 // pixels, each side
inline constexpr int32_t kMaxSide = 2000;
inline constexpr int32_t kMaxQuietZone = 100;  // modules

enum class ErrorCorrection { L, M, Q, H };

struct CodeRequest {
    std::string data;       // the bytes to encode, already in the target character set
    int32_t width = 0;      // kMinSide..kMaxSide
    int32_t height = 0;     // kMinSide..kMaxSide
    int32_t quietZone = 0;  // modules of background around the code, 0..kMaxQuietZone
    ErrorCorrection level = ErrorCorrection::L;
    uint32_t color = 0x000000;    // modules, 0xRRGGBB
    uint32_t bgcolor = 0xFFFFFF;  // background and quiet zone, 0xRRGGBB
};

// Query keys after percent-decoding, as the HTTP server hands them over.
using QueryKeys = std::multimap<std::string, std::string>;

struct CodeRequestResult {
    std::optional<CodeRequest> request;
    std::string error;  // one line, for a 400 answer
};

// Checks the keys: data (required, 1..kMaxDataBytes bytes, valid UTF-8), size "WxH"
// (required, decimal, each kMinSide..kMaxSide), qzone (decimal, 0..kMaxQuietZone), ecc
// (L, M, Q or H, any case), color and bgcolor (six hexadecimal digits RRGGBB, any case),
// charset-target (UTF-8 or ISO-8859-1, any case; the data must fit the latter). A key given
// twice (with different values: the HTTP layer merges exact repeats) is refused; keys not
// listed here are ignored.
CodeRequestResult ParseCodeRequest(const QueryKeys& keys);

}  // namespace tessivo::qrservice
