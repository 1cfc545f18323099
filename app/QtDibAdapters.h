#pragma once
// The bitmap buffer's drawing surface, clipboard and message box, as Qt provides them.

#include <QImage>

#include "app/Prompter.h"
#include "qrclient/DibDevices.h"

namespace tessivo::app {

// A QImage as a drawing surface. The image is converted to 24-bit RGB on construction.
class ImageSurface final : public Surface {
  public:
    explicit ImageSurface(QImage& image);
    int32_t SurfaceWidth() const override { return image_.width(); }
    int32_t SurfaceHeight() const override { return image_.height(); }
    void ReadPixels(int32_t x, int32_t y, int32_t count, uint8_t* rgb) const override;
    void WritePixels(int32_t x, int32_t y, int32_t count, const uint8_t* rgb) override;

  private:
    QImage& image_;
};

// The desktop clipboard.
class SystemClipboard final : public Clipboard {
  public:
    bool SetBitmap(const Picture& bitmap) override;
};

// Plain OK boxes through the window's prompter.
class PrompterMessages final : public MessageSink {
  public:
    explicit PrompterMessages(Prompter& prompter) : prompter_(prompter) {}
    void ShowMessage(const std::string& text) override {
        prompter_.tell(QString::fromStdString(text));
    }

  private:
    Prompter& prompter_;
};

QImage ImageFromPicture(const Picture& picture);

}  // namespace tessivo::app
