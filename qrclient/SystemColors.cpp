// System colours. A colour value with the top bit set (0x800000nn) names the Windows system
// colour nn (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30) instead of red, green and blue.
// There is no Windows colour scheme here, so the classic Windows defaults stand in.
#include <array>

#include "qrclient/QrCodeDetail.h"

namespace tessivo::qrclient {
namespace {

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr std::array<uint32_t, 31> kClassicSystemColours = {
    Rgb(212, 208, 200),  //  0 COLOR_SCROLLBAR
    Rgb(58, 110, 165),   //  1 COLOR_BACKGROUND (desktop)
    Rgb(10, 36, 106),    //  2 COLOR_ACTIVECAPTION
    Rgb(128, 128, 128),  //  3 COLOR_INACTIVECAPTION
    Rgb(212, 208, 200),  //  4 COLOR_MENU
    Rgb(255, 255, 255),  //  5 COLOR_WINDOW
    Rgb(0, 0, 0),        //  6 COLOR_WINDOWFRAME
    Rgb(0, 0, 0),        //  7 COLOR_MENUTEXT
    Rgb(0, 0, 0),        //  8 COLOR_WINDOWTEXT
    Rgb(255, 255, 255),  //  9 COLOR_CAPTIONTEXT
    Rgb(212, 208, 200),  // 10 COLOR_ACTIVEBORDER
    Rgb(212, 208, 200),  // 11 COLOR_INACTIVEBORDER
    Rgb(128, 128, 128),  // 12 COLOR_APPWORKSPACE
    Rgb(10, 36, 106),    // 13 COLOR_HIGHLIGHT
    Rgb(255, 255, 255),  // 14 COLOR_HIGHLIGHTTEXT
    Rgb(212, 208, 200),  // 15 COLOR_BTNFACE
    Rgb(128, 128, 128),  // 16 COLOR_BTNSHADOW
    Rgb(128, 128, 128),  // 17 COLOR_GRAYTEXT
    Rgb(0, 0, 0),        // 18 COLOR_BTNTEXT
    Rgb(212, 208, 200),  // 19 COLOR_INACTIVECAPTIONTEXT
    Rgb(255, 255, 255),  // 20 COLOR_BTNHIGHLIGHT
    Rgb(64, 64, 64),     // 21 COLOR_3DDKSHADOW
    Rgb(212, 208, 200),  // 22 COLOR_3DLIGHT
    Rgb(0, 0, 0),        // 23 COLOR_INFOTEXT
    Rgb(255, 255, 225),  // 24 COLOR_INFOBK
    Rgb(181, 181, 181),  // 25 (unnamed: alternate button face)
    Rgb(0, 0, 128),      // 26 COLOR_HOTLIGHT
    Rgb(166, 202, 240),  // 27 COLOR_GRADIENTACTIVECAPTION
    Rgb(192, 192, 192),  // 28 COLOR_GRADIENTINACTIVECAPTION
    Rgb(10, 36, 106),    // 29 COLOR_MENUHILIGHT
    Rgb(212, 208, 200),  // 30 COLOR_MENUBAR
};

}  // namespace

uint32_t TranslateColor(uint32_t colour) {
    if ((colour & 0x80000000u) == 0) return colour & 0xFFFFFFu;
    const uint32_t index = colour & 0xFFFFFFu;
    return index < kClassicSystemColours.size() ? kClassicSystemColours[index] : 0;
}

}  // namespace tessivo::qrclient
