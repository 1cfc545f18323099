#include "layoutpdf/JpegReader.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace tessivo::layoutpdf {
namespace {

constexpr std::size_t kSmallestJpeg = 250;

class Bytes {
  public:
    explicit Bytes(const std::string& data) : data_(data) {}
    std::size_t size() const { return data_.size(); }
    int At(std::size_t position) const { return static_cast<unsigned char>(data_.at(position)); }
    int WordAt(std::size_t position) const { return At(position) * 256 + At(position + 1); }

  private:
    const std::string& data_;
};

bool IsFrameMarker(int marker) {
    return (marker >= 0xC0 && marker <= 0xC3) || (marker >= 0xC5 && marker <= 0xC7);
}

bool IsStandalone(int marker) {
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01;
}

const char* ColorSpace(int components) {
    switch (components) {
        case 1:
            return "DeviceGray";
        case 3:
            return "DeviceRGB";
        case 4:
            return "DeviceCMYK";
        default:
            return nullptr;
    }
}

JpegInfo Rejected(JpegRejection why, int value = 0) {
    JpegInfo info;
    info.rejection = why;
    info.unitValue = value;
    return info;
}

}  // namespace

JpegInfo ReadJpeg(std::string data) {
    if (data.size() < kSmallestJpeg) return Rejected(JpegRejection::TooSmall);
    const Bytes bytes(data);
    const std::size_t size = bytes.size();
    if (bytes.WordAt(0) != 0xFFD8 || bytes.WordAt(size - 2) != 0xFFD9) {
        return Rejected(JpegRejection::BadMarker);
    }
    JpegInfo info;
    int components = 0;
    bool scanFound = false;
    std::size_t position = 2;
    while (position + 2 < size) {
        if (bytes.At(position) != 0xFF) return Rejected(JpegRejection::BadMarker);
        while (position + 1 < size && bytes.At(position + 1) == 0xFF) ++position;  // fill
        if (position + 1 >= size) return Rejected(JpegRejection::BadMarker);
        const int marker = bytes.At(position + 1);
        if (marker == 0xD9) break;
        if (marker == 0xDA) {  // entropy-coded data follows
            scanFound = true;
            break;
        }
        if (IsStandalone(marker)) {
            position += 2;
            continue;
        }
        if (position + 4 > size) return Rejected(JpegRejection::BadMarker);
        const std::size_t length = static_cast<std::size_t>(bytes.WordAt(position + 2));
        if (length < 2 || position + 2 + length > size) return Rejected(JpegRejection::BadMarker);
        const std::string_view segment(data.data() + position + 4, length - 2);
        if (marker == 0xE0 && segment.size() >= 8 &&
            segment.substr(0, 5) == std::string_view("JFIF\0", 5)) {
            const int unit = bytes.At(position + 11);
            if (unit > 2) return Rejected(JpegRejection::BadResolution, unit);
        }
        if (IsFrameMarker(marker)) {
            if (length < 8) return Rejected(JpegRejection::BadMarker);
            info.bitsPerComponent = bytes.At(position + 4);
            info.height = bytes.WordAt(position + 5);
            info.width = bytes.WordAt(position + 7);
            components = bytes.At(position + 9);
        }
        position += length + 2;
    }
    const char* space = ColorSpace(components);
    if (!scanFound || space == nullptr || info.width == 0 || info.height == 0 ||
        info.bitsPerComponent == 0) {
        return Rejected(JpegRejection::BadMarker);
    }
    info.colorSpace = space;
    info.data = std::move(data);
    return info;
}

}  // namespace tessivo::layoutpdf
