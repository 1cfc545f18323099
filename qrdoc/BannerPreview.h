#pragma once
// The banner of a poster: a text in a coloured box with a coloured border. The Banner tab
// offers eight colours in three option groups (background, font, border); its "DISPLAY"
// button applies the chosen text and colours to the preview, which the poster prints.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessivo::qrdoc {

// A colour value: red in the low byte, green in the second, blue in the third.
struct BannerColour {
    std::string_view sName;  // the option's caption
    std::uint32_t lValue;
};
inline constexpr std::array<BannerColour, 8> kBannerColours = {{
    {"Black", 0x000000},
    {"Red", 0x0000FF},
    {"Yellow", 0x00FFFF},
    {"Green", 0x00FF00},
    {"Cyan", 0xFFFF00},
    {"Blue", 0xFF0000},
    {"Magenta", 0xFF00FF},
    {"White", 0xFFFFFF},
}};

// The index in kBannerColours of a colour name, ignoring case; nothing for an unknown name.
std::optional<int> BannerColourIndex(std::string_view name);

// One option group, in kBannerColours order: Option1..8 (background), Option9..16 (font),
// Option17..24 (border).
using OptionGroup = std::array<bool, 8>;
struct BannerOptions {
    OptionGroup background{};
    OptionGroup font{};
    OptionGroup border{};
};

// The first selected option of a group, in order; nothing when none is selected.
std::optional<int> FirstSelectedOption(const OptionGroup& group);

// A group with only option `index` (0..7) selected; none selected for any other index.
OptionGroup OptionGroupWith(int index);

// The options chosen when the window opens: Red background, Yellow font, Black border.
inline constexpr int kDefaultBackground = 1;
inline constexpr int kDefaultFont = 2;
inline constexpr int kDefaultBorder = 0;
BannerOptions DefaultBannerOptions();

// What the preview (lblBanner and Shape2) shows and the poster prints.
struct BannerPreview {
    std::string sCaption;            // lblBanner's caption
    std::uint32_t lForeColor = 0;    // lblBanner's text colour
    std::uint32_t lFillColor = 0;    // Shape2's fill colour
    std::uint32_t lBorderColor = 0;  // Shape2's border colour
    int iBorderStyle = 1;            // Shape2's border style; 1 = solid
    friend bool operator==(const BannerPreview&, const BannerPreview&) = default;
};

// The preview before the first "DISPLAY": no caption, the default colours, a solid border.
BannerPreview InitialBannerPreview();

// "DISPLAY": from the current preview, the banner text (txtBanner) and the options. The first
// selected background option sets the fill colour; the first selected font option sets the
// caption to the text and the text colour; the first selected border option sets the border
// colour and a solid border. A group with nothing selected changes nothing of its own.
BannerPreview ShowBanner(BannerPreview current, std::string_view bannerText,
                         const BannerOptions& options);

}  // namespace tessivo::qrdoc
