#pragma once
// The reading side of the QR service: finds a QR code in a picture and returns its text.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "qrclient/Picture.h"

namespace tessivo::qrservice {

struct ReadResult {
    std::optional<std::string> text;  // the code's content as UTF-8
    std::string error;                // one line, for a 400 answer
};

// Looks for a QR code anywhere in the picture, in any rotation. A picture of at most 2000
// pixels a side is also tried inside a white border (codes drawn without a quiet zone) and
// with its colours inverted (light modules on a dark ground). Error when there is no
// readable code.
ReadResult ReadCode(const Picture& picture);

// Decodes PNG, BMP or JPEG bytes and reads the code in them.
ReadResult ReadCodeInImage(std::span<const uint8_t> bytes);

}  // namespace tessivo::qrservice
