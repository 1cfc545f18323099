#pragma once
// Metrics of the TrueType font families the poster writer can name without embedding them:
// Courier New, Times New Roman, Symbol and Arial, each in four styles.

#include <cstdint>
#include <string>
#include <string_view>

#include "posterpdf/FontWidths.h"

namespace tessivo::posterpdf {

// Style of both font load methods: 0 regular, 1 bold, 2 italic, 3 bold italic.
inline constexpr std::int32_t kLastFontStyle = 3;

struct FontMetrics {
    std::string BaseFont;                // family name and style suffix, e.g. "Arial,Bold"
    std::uint8_t FirstChar = 32;         // first code of Widths
    std::uint8_t LastChar = 255;         // last code of Widths
    std::string_view Descriptor;         // the font descriptor's entries after /FontName
    const WidthTable* Widths = nullptr;  // codes FirstChar..LastChar, or null: 600 throughout
    std::int32_t MissingWidth = 0;       // width of codes outside FirstChar..LastChar

    // Width of one Windows-1252 code in thousandths of the text size.
    std::int32_t Width(std::uint8_t code) const {
        if (code < FirstChar || code > LastChar) return MissingWidth;
        return Widths == nullptr ? 600 : (*Widths)[code - kFirstWidthCode];
    }
};

// The style suffix written after the family name: "", ",Bold", ",Italic", ",BoldItalic"; ""
// for any other style.
std::string_view StyleSuffix(std::int32_t style);

// Metrics for a requested base font name, chosen by the name with its blanks removed and
// upper-cased ("TIMESNEWROMAN", "COURIERNEW", "SYMBOL"; anything else is Arial).
// Precondition: 0 <= style <= kLastFontStyle.
FontMetrics MetricsForFont(std::string_view upperCaseName, std::int32_t style);

}  // namespace tessivo::posterpdf
