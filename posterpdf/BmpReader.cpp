#include "posterpdf/BmpReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <string>
#include <system_error>

#include "posterpdf/PosterPdfErrors.h"

namespace tessivo::posterpdf {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kInfoHeaderSize = 40;

std::uint32_t U32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}
std::uint16_t U16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint8_t Grey(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const double grey = std::nearbyint(0.33 * red + 0.59 * green + 0.11 * blue);
    return static_cast<std::uint8_t>(std::min(grey, 255.0));
}

// Reads count bytes from offset; bytes past the end of the file read as zero.
class ZeroPaddedFile {
  public:
    ZeroPaddedFile(const std::filesystem::path& path) : path_(path), in_(path, std::ios::binary) {
        if (!in_) Fail(errno);
        std::error_code error;
        size_ = std::filesystem::file_size(path, error);
        if (error) Fail(error.value());
    }
    std::uint64_t size() const { return size_; }

    void Read(std::uint64_t offset, std::uint8_t* out, std::uint64_t count) {
        const std::uint64_t available = offset < size_ ? std::min(count, size_ - offset) : 0;
        if (available > 0) {
            in_.clear();
            in_.seekg(static_cast<std::streamoff>(offset));
            in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(available));
            if (static_cast<std::uint64_t>(in_.gcount()) != available) Fail(EIO);
        }
        std::fill(out + available, out + count, std::uint8_t{0});
    }

  private:
    [[noreturn]] void Fail(int error) {
        throw PosterPdfFileError(path_, "cannot read \"" + path_.string() +
                                            "\": " + std::generic_category().message(error));
    }

    std::filesystem::path path_;
    std::ifstream in_;
    std::uint64_t size_ = 0;
};

std::vector<std::uint8_t> ReadPalette(ZeroPaddedFile& file, std::uint64_t offset, int bits,
                                      bool grey) {
    const std::size_t entries = std::size_t{1} << bits;
    std::vector<std::uint8_t> raw(entries * 4);
    file.Read(offset, raw.data(), raw.size());
    std::vector<std::uint8_t> palette;
    palette.reserve(entries * (grey ? 1 : 3));
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint8_t blue = raw[4 * i], green = raw[4 * i + 1], red = raw[4 * i + 2];
        if (grey) {
            palette.push_back(Grey(red, green, blue));
        } else {
            palette.insert(palette.end(), {red, green, blue});
        }
    }
    return palette;
}

}  // namespace

std::optional<BmpImage> ReadBMPFile(const std::filesystem::path& path, std::int32_t colorSpace) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    ZeroPaddedFile file(path);
    if (file.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
    std::array<std::uint8_t, kFileHeaderSize + kInfoHeaderSize> header{};
    file.Read(0, header.data(), header.size());
    if (header[0] != 'B' || header[1] != 'M') return std::nullopt;

    const std::uint64_t dataOffset = U32(&header[10]);
    const std::uint64_t infoSize = U32(&header[14]);
    const auto width = static_cast<std::int32_t>(U32(&header[18]));
    const auto height = static_cast<std::int32_t>(U32(&header[22]));
    const int bits = U16(&header[28]);
    const std::uint32_t compression = U32(&header[30]);
    if (infoSize < kInfoHeaderSize || compression != 0) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return std::nullopt;
    if (width < 1 || height < 1 || width > kMaxBmpSide || height > kMaxBmpSide) {
        return std::nullopt;
    }

    // Rows hold ceil(width x bits / 8) bytes of data, padded to a multiple of 4.
    const std::uint64_t dataBytes = (static_cast<std::uint64_t>(width) * bits + 7) / 8;
    const std::uint64_t paddedBytes = (dataBytes + 3) / 4 * 4;
    const std::uint64_t lastRowStart = dataOffset + paddedBytes * (height - 1);
    if (lastRowStart >= file.size()) return std::nullopt;

    const bool grey = colorSpace != 0;
    BmpImage image;
    image.width = width;
    image.height = height;
    image.bits = static_cast<std::uint8_t>(bits);
    if (bits <= 8) image.palette = ReadPalette(file, kFileHeaderSize + infoSize, bits, grey);

    const std::uint64_t pixelBytes =
        bits <= 8 ? dataBytes : static_cast<std::uint64_t>(width) * (grey ? 1 : 3);
    image.pixels.resize(pixelBytes * height);
    // All rows in one read: the last row starts inside the file, so this holds at most one row
    // more than the file itself.
    std::vector<std::uint8_t> rows(paddedBytes * height);
    file.Read(dataOffset, rows.data(), rows.size());
    std::uint8_t* out = image.pixels.data();
    for (std::int32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = rows.data() + paddedBytes * y;
        if (bits <= 8) {
            out = std::copy_n(row, dataBytes, out);
            continue;
        }
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint8_t blue = row[3 * x], green = row[3 * x + 1], red = row[3 * x + 2];
            if (grey) {
                *out++ = Grey(red, green, blue);
            } else {
                *out++ = red;
                *out++ = green;
                *out++ = blue;
            }
        }
    }
    return image;
}

}  // namespace tessivo::posterpdf
