// The bitmap buffer against the application's QImage surface and clipboard.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "AppTestSupport.h"
#include "app/QtDibAdapters.h"
#include "qrclient/cDibBuffer.h"

namespace tessivo::app::testing {
namespace {

TEST(DibAdapters, BufferRoundTripsThroughAQImageAndReachesTheClipboard) {
    QImage image(5, 3, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixelColor(4, 2, QColor(200, 100, 50));
    ImageSurface surface(image);
    cDibBuffer buffer;
    ASSERT_TRUE(buffer.Create(5, 3));
    buffer.LoadPictureBlt(surface);
    EXPECT_EQ(buffer.BytesPerScanLine(), 16);
    // Bottom-up, blue-green-red: the last pixel of the top row lives in the last row of memory.
    const uint8_t* top = buffer.DIBSectionBitsPtr() + 2 * buffer.BytesPerScanLine();
    EXPECT_EQ(top[0], 30);
    const uint8_t* bottomRight = buffer.DIBSectionBitsPtr() + 4 * 3;
    EXPECT_EQ(bottomRight[0], 50);
    EXPECT_EQ(bottomRight[2], 200);

    QImage target(5, 3, QImage::Format_RGB888);
    target.fill(Qt::white);
    ImageSurface targetSurface(target);
    buffer.PaintPicture(targetSurface);
    EXPECT_EQ(target.pixelColor(4, 2), QColor(200, 100, 50));
    EXPECT_EQ(target.pixelColor(0, 0), QColor(10, 20, 30));

    SystemClipboard clipboard;
    ScriptedPrompter prompter;
    PrompterMessages messages(prompter);
    EXPECT_FALSE(buffer.CopyToClipboard(true, clipboard, messages));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].request.text,
              "I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!");
    EXPECT_TRUE(buffer.CopyToClipboard(false, clipboard, messages));
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), QSize(5, 3));
    EXPECT_EQ(copied.pixelColor(4, 2), QColor(200, 100, 50));
}

}  // namespace
}  // namespace tessivo::app::testing
