#include "app/QuickLinks.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

namespace tessivo::app {
namespace {

constexpr std::array<FolderButton, 16> kFolders = {{
    {1, "\\EMAILS\\Codes\\"},
    {2, "\\EMAILS\\"},
    {5, "\\EMAILS\\Codes\\"},
    {6, "\\EMAILS\\"},
    {3, "\\INFO\\Codes\\"},
    {4, "\\INFO\\"},
    {7, "\\INFO\\Codes\\"},
    {8, "\\INFO\\"},
    {12, "\\PHONE\\Codes\\"},
    {13, "\\PHONE\\"},
    {9, "\\PHONE\\Codes\\"},
    {10, "\\PHONE\\"},
    {16, "\\WEB\\Codes\\"},
    {17, "\\WEB\\"},
    {11, "\\WEB\\Codes\\"},
    {14, "\\WEB\\"},
}};

constexpr std::array<QuickLink, 6> kWebTab = {{
    {15, "http://www.google.com/", "Open website Google to find URL"},
    {18, "https://www.google.com/maps", "Link to Google Maps"},
    {19, "https://www.facebook.com/", "Link to Facebook"},
    {20, "https://www.ebay.com/", ""},
    {21, "https://www.youtube.com/", ""},
    {22, "https://www.amazon.com/", ""},
}};

// The donation button id is the one registered for Tessivo; the developer's page is the
// project's home page.
constexpr std::array<QuickLink, 2> kAbout = {{
    {28, "https://www.paypal.com/cgi-bin/webscr?cmd=_s-xclick&hosted_button_id=TESSIVO7QR2026", ""},
    {29, "http://www.tessivo.com/", ""},
}};

constexpr int kIconSize = 64;

QPixmap Badge(const QColor& background, const QString& glyph) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(2, 2, kIconSize - 4, kIconSize - 4), 14, 14);
    painter.setPen(Qt::white);
    QFont font;
    font.setBold(true);
    font.setPixelSize(glyph.size() > 1 ? 20 : 34);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    return pixmap;
}

// A plain badge with a drawing on it; the painter comes smoothed, without an outline pen and
// with a white brush.
QPixmap BadgeWith(const QColor& background, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap = Badge(background, QString());
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    draw(painter);
    return pixmap;
}

QPixmap MapPin() {
    return BadgeWith(QColor(0x34, 0xA8, 0x53), [](QPainter& painter) {
        QPainterPath pin;
        pin.moveTo(32, 54);
        pin.cubicTo(18, 36, 16, 30, 16, 26);
        pin.arcTo(QRectF(16, 10, 32, 32), 180, -180);
        pin.cubicTo(48, 30, 46, 36, 32, 54);
        painter.fillPath(pin, QColor(0xEA, 0x43, 0x35));
        painter.drawEllipse(QPointF(32, 26), 6, 6);
    });
}

QPixmap PlayButton() {
    return BadgeWith(QColor(0xD9, 0x21, 0x21), [](QPainter& painter) {
        const QPointF triangle[3] = {{25, 20}, {25, 44}, {45, 32}};
        painter.drawPolygon(triangle, 3);
    });
}

QPixmap Heart() {
    return BadgeWith(QColor(0x00, 0x30, 0x87), [](QPainter& painter) {
        QPainterPath heart;
        heart.moveTo(32, 50);
        heart.cubicTo(8, 34, 14, 12, 32, 24);
        heart.cubicTo(50, 12, 56, 34, 32, 50);
        painter.fillPath(heart, QColor(0xFF, 0xC4, 0x39));
    });
}

}  // namespace

std::span<const FolderButton> FolderButtons() {
    return kFolders;
}
std::span<const QuickLink> WebTabLinks() {
    return kWebTab;
}
std::span<const QuickLink> AboutLinks() {
    return kAbout;
}

QIcon LinkIcon(int button) {
    switch (button) {
        case 15:
            return QIcon(Badge(QColor(0x42, 0x85, 0xF4), QStringLiteral("G")));
        case 18:
            return QIcon(MapPin());
        case 19:
            return QIcon(Badge(QColor(0x18, 0x77, 0xF2), QStringLiteral("f")));
        case 20:
            return QIcon(Badge(QColor(0xF5, 0xAF, 0x02), QStringLiteral("bid")));
        case 21:
            return QIcon(PlayButton());
        case 22:
            return QIcon(Badge(QColor(0xFF, 0x99, 0x00), QStringLiteral("shop")));
        case 28:
            return QIcon(Heart());
        default:
            break;
    }
    return {};
}

QPixmap PlaceholderPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A faint code-like grid with the three finder squares, and a hint underneath.
    const int cell = 12;
    const int side = cell * 11;
    const QPoint origin((size.width() - side) / 2, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0xCC, 0xE8));
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            if (((x * 7 + y * 3) % 5) < 2) {
                painter.drawRect(origin.x() + x * cell, origin.y() + y * cell, cell - 1, cell - 1);
            }
        }
    }
    painter.setBrush(QColor(0x80, 0x80, 0xC0));
    for (const QPoint corner : {QPoint(0, 0), QPoint(8, 0), QPoint(0, 8)}) {
        painter.drawRect(origin.x() + corner.x() * cell, origin.y() + corner.y() * cell, 3 * cell,
                         3 * cell);
    }
    painter.setPen(QColor(0x50, 0x50, 0x80));
    painter.drawText(QRect(0, origin.y() + side + 16, size.width(), 40), Qt::AlignCenter,
                     QStringLiteral("Your QR code appears here"));
    return pixmap;
}

}  // namespace tessivo::app
