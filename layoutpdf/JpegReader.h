#pragma once
// The JPEG marker reader: finds what a PDF image object needs (size, colour space, bits per
// component) in a baseline or progressive JPEG file, without decoding it. The file's bytes go
// into the PDF unchanged, filtered by DCTDecode.

#include <cstdint>
#include <string>

namespace tessivo::layoutpdf {

// What makes a file unusable; each has its own message in the writer.
enum class JpegRejection {
    None,
    TooSmall,       // 249 bytes or less
    BadMarker,      // no FFD8 start or FFD9 end, a truncated or malformed segment, no frame
                    // header or no scan before the end
    BadResolution,  // JFIF density unit other than 0, 1 or 2 (the value is in `unitValue`)
};

struct JpegInfo {
    JpegRejection rejection = JpegRejection::None;
    int unitValue = 0;         // the rejected JFIF density unit
    int width = 0;             // pixels, 1 to 65535 when accepted
    int height = 0;            // pixels, 1 to 65535 when accepted
    std::string colorSpace;    // "DeviceGray", "DeviceRGB" or "DeviceCMYK"
    int bitsPerComponent = 0;  // as the frame header says (8 for ordinary files)
    std::string data;          // the whole file, unchanged
};

// Reads the markers of a JPEG file held in memory. The walk runs from the start-of-image
// marker to the first start-of-scan (entropy-coded data is never read as markers); every
// segment length is checked against the end of the data, fill bytes (FF) before a marker are
// skipped, and the JFIF density unit is checked only in a "JFIF" APP0 segment. The frame
// header (SOF0 to SOF3, SOF5 to SOF7) gives size, bits and 1, 3 or 4 components.
JpegInfo ReadJpeg(std::string bytes);

// Largest JPEG file the writer accepts, in bytes.
inline constexpr std::uintmax_t kMaxJpegFileBytes = 256u << 20;

}  // namespace tessivo::layoutpdf
