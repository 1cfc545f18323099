#include "app/PhonePicture.h"

#include <QPainter>
#include <QPainterPath>

namespace tessivo::app {
namespace {
constexpr int kBezel = 14;
constexpr int kTopBand = 46;
constexpr int kBottomBand = 56;
}  // namespace

PhonePicture::PhonePicture(QWidget* parent) : QWidget(parent) {}

QRect PhonePicture::screenRect() const {
    return QRect(kBezel, kTopBand, width() - 2 * kBezel, height() - kTopBand - kBottomBand);
}

void PhonePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath outline;
    outline.addRoundedRect(body, 28, 28);
    painter.fillPath(outline, QColor(0x2B, 0x2F, 0x36));
    painter.setPen(QPen(QColor(0x10, 0x12, 0x16), 2));
    painter.drawPath(outline);

    // Earpiece and camera above the screen, the home button below it.
    const int centreX = width() / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x55, 0x5A, 0x63));
    painter.drawRoundedRect(QRectF(centreX - 28, 20, 56, 6), 3, 3);
    painter.drawEllipse(QPointF(centreX + 44, 23), 4, 4);
    painter.setPen(QPen(QColor(0x70, 0x76, 0x80), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(centreX, height() - kBottomBand / 2.0), 15, 15);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF4, 0xF6, 0xF9));
    painter.drawRect(screenRect());
    // Status bar of the screen.
    painter.setBrush(QColor(0xD9, 0xDE, 0xE6));
    painter.drawRect(QRect(screenRect().topLeft(), QSize(screenRect().width(), 16)));
}

}  // namespace tessivo::app
