#pragma once
// The drawing side of the QR service: the code drawn at exactly the requested size.

#include <optional>
#include <string>

#include "qrclient/Picture.h"
#include "qrservice/CodeRequest.h"

namespace tessivo::qrservice {

struct CodePictureResult {
    std::optional<Picture> picture;
    std::string error;  // one line, for a 400 answer
};

// Encodes the data (the smallest version that holds it, byte mode or a denser mode where
// the text allows) and draws it: every module is the same whole number of pixels, the
// largest that lets the code and its quiet zone fit both sides; the code is centred, and
// when the pixels left over on a side are odd the extra one goes right (or below). The
// leftover is background colour. The picture is always exactly width x height. Data too
// long for a QR code, or a size smaller than the code's module count (quiet zone included)
// on either side, gives an error instead.
CodePictureResult DrawCode(const CodeRequest& request);

}  // namespace tessivo::qrservice
