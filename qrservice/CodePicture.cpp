#include "qrservice/CodePicture.h"

#include <qrencode.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace tessivo::qrservice {
namespace {

struct CodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

CodePictureResult DrawCode(const CodeRequest& request) {
    static constexpr QRecLevel kLevels[] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};
    const QRecLevel level = kLevels[static_cast<int>(request.level)];
    const std::string& data = request.data;
    // The string form picks denser modes for digits and capitals but stops at a NUL byte.
    errno = 0;
    std::unique_ptr<QRcode, CodeDeleter> code(
        data.find('\0') == std::string::npos
            ? QRcode_encodeString(data.c_str(), 0, level, QR_MODE_8, 1)
            : QRcode_encodeData(static_cast<int>(data.size()),
                                reinterpret_cast<const unsigned char*>(data.data()), 0, level));
    if (!code) {
        if (errno == ERANGE) return {std::nullopt, "data is too long for a QR code at this level"};
        return {std::nullopt, std::string("the code cannot be made: ") + std::strerror(errno)};
    }

    const int32_t modules = code->width + 2 * request.quietZone;
    const int32_t pixels = std::min(request.width, request.height) / modules;
    if (pixels < 1)
        return {std::nullopt,
                "size " + std::to_string(request.width) + "x" + std::to_string(request.height) +
                    " is too small: this code needs " + std::to_string(modules) + " pixels a side"};

    Picture picture = SolidPicture(request.width, request.height, request.bgcolor);
    const int32_t left = (request.width - modules * pixels) / 2 + request.quietZone * pixels;
    const int32_t top = (request.height - modules * pixels) / 2 + request.quietZone * pixels;
    const uint8_t ink[3] = {static_cast<uint8_t>(request.color >> 16),
                            static_cast<uint8_t>(request.color >> 8),
                            static_cast<uint8_t>(request.color)};
    const std::size_t rowBytes = static_cast<std::size_t>(request.width) * 3;
    for (int32_t my = 0; my < code->width; ++my) {
        // Draw the first pixel row of this module row, then repeat it.
        uint8_t* first = &picture.rgb[static_cast<std::size_t>(top + my * pixels) * rowBytes];
        for (int32_t mx = 0; mx < code->width; ++mx) {
            if ((code->data[my * code->width + mx] & 1) == 0) continue;  // bit 0: dark
            uint8_t* p = first + static_cast<std::size_t>(left + mx * pixels) * 3;
            for (int32_t i = 0; i < pixels; ++i, p += 3) std::memcpy(p, ink, 3);
        }
        for (int32_t i = 1; i < pixels; ++i) std::memcpy(first + i * rowBytes, first, rowBytes);
    }
    return {std::move(picture), {}};
}

}  // namespace tessivo::qrservice
