#include "qrclient/Picture.h"

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "qrclient/QrCodeDetail.h"

namespace tessivo {

bool IsValidPicture(const Picture& picture) {
    return picture.width >= 1 && picture.height >= 1 && picture.width <= kMaxPictureSide &&
           picture.height <= kMaxPictureSide &&
           picture.rgb.size() == static_cast<std::size_t>(picture.width) * picture.height * 3;
}

Picture SolidPicture(int32_t width, int32_t height, uint32_t rgb) {
    Picture picture{width, height, {}};
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    picture.rgb.resize(rowBytes * height);
    // One row pixel by pixel, then the others copied from it.
    for (std::size_t i = 0; i < rowBytes; i += 3) {
        picture.rgb[i] = static_cast<uint8_t>(rgb >> 16);
        picture.rgb[i + 1] = static_cast<uint8_t>(rgb >> 8);
        picture.rgb[i + 2] = static_cast<uint8_t>(rgb);
    }
    for (std::size_t offset = rowBytes; offset < picture.rgb.size(); offset += rowBytes) {
        std::copy_n(picture.rgb.begin(), rowBytes,
                    picture.rgb.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    return picture;
}

PictureResult DecodeImage(std::span<const uint8_t> bytes) {
    static constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPngSignature, 8) == 0)
        return DecodePng(bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes);
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return DecodeJpeg(bytes);
    return {std::nullopt, "not a PNG, BMP or JPEG picture"};
}

namespace {

// The path in double quotes, as error texts show it.
std::string Quoted(const std::filesystem::path& path) {
    std::string quoted(1, '"');
    quoted += path.string();
    quoted += '"';
    return quoted;
}

}  // namespace

PictureResult ReadImageFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, "cannot open " + Quoted(path)};
    std::vector<uint8_t> bytes;
    if (!qrclient::BytesFromStream(in, bytes, kMaxImageFileBytes))
        return {std::nullopt,
                "cannot read " + Quoted(path) + ": empty, unreadable or larger than 64 MiB"};
    PictureResult result = DecodeImage(bytes);
    if (!result.picture) result.error = Quoted(path) + ": " + result.error;
    return result;
}

namespace {

SaveResult Failed(const std::filesystem::path& path, const std::string& why) {
    return {false, "cannot save " + Quoted(path) + ": " + why};
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

SaveResult SavePicture(const Picture& picture, const std::filesystem::path& path) {
    if (!IsValidPicture(picture)) return Failed(path, "the picture is empty or malformed");
    if (path.filename().empty()) return Failed(path, "no file name");
    const std::vector<uint8_t> bytes = EncodeBmp(picture);

    // A short name of our own beside the target (a title may fill the file system's whole
    // name length, so the temporary name does not build on it); O_EXCL makes sure it is not
    // someone else's file.
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        const std::string name = ".tessivo-picture-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter++) + ".tmp";
        temp = path;
        temp.replace_filename(name);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return Failed(path, std::strerror(errno));

    // No fsync: a code picture is made again with one click, and the rename alone already
    // keeps a reader from ever seeing a half-written file under the target's name.
    const bool written = WriteAll(fd, bytes);
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temp.c_str());
        return Failed(path, std::strerror(written ? errno : writeErrno));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temp.c_str());
        return Failed(path, std::strerror(renameErrno));
    }
    return {true, {}};
}

}  // namespace tessivo
