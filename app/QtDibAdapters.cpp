#include "app/QtDibAdapters.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstring>

namespace tessivo::app {

ImageSurface::ImageSurface(QImage& image) : image_(image) {
    if (image_.format() != QImage::Format_RGB888)
        image_ = image_.convertToFormat(QImage::Format_RGB888);
}

void ImageSurface::ReadPixels(int32_t x, int32_t y, int32_t count, uint8_t* rgb) const {
    std::memcpy(rgb, image_.constScanLine(y) + static_cast<std::ptrdiff_t>(x) * 3,
                static_cast<std::size_t>(count) * 3);
}

void ImageSurface::WritePixels(int32_t x, int32_t y, int32_t count, const uint8_t* rgb) {
    std::memcpy(image_.scanLine(y) + static_cast<std::ptrdiff_t>(x) * 3, rgb,
                static_cast<std::size_t>(count) * 3);
}

QImage ImageFromPicture(const Picture& picture) {
    if (!IsValidPicture(picture)) return {};
    return QImage(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

bool SystemClipboard::SetBitmap(const Picture& bitmap) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    const QImage image = ImageFromPicture(bitmap);
    if (image.isNull()) return false;
    clipboard->clear();
    clipboard->setImage(image);
    return true;
}

}  // namespace tessivo::app
