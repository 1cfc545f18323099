#pragma once
// Window geometry and colours in the units the window layout is written in.

#include <QColor>
#include <QRect>
#include <cstdint>

namespace tessivo::app {

// Layout positions are kept in twips (1/1440 inch); at 96 dots per inch 15 twips make a pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect TwipRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// Colour values hold red in the low byte, then green, then blue (&H00FFC0C0 is light blue).
inline QColor ColourFromValue(uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline uint32_t ValueFromColour(const QColor& colour) {
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
           (static_cast<uint32_t>(colour.blue()) << 16);
}

constexpr uint32_t kWindowColour = 0x00FFC0C0;        // window and ordinary buttons
constexpr uint32_t kActionButtonColour = 0x00FF8080;  // QR and "Create PDF" buttons

}  // namespace tessivo::app
