#pragma once
// Character widths from Adobe Font Metrics (.afm) files, indexed by Windows-1252 byte.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessivo::layoutpdf {

// Advance widths in 1/1000 of the font size for bytes 0 to 255; 0 where the file gives none.
using AfmWidthTable = std::array<double, 256>;

// Reads the character metrics section of an AFM text (lines may end in LF or CR LF).
//
// The encoded part (from "StartCharMetrics" up to the first glyph with code -1, or
// "EndCharMetrics") gives each code's width: the second word of the first ";" field is the
// code, the second word of the second field the width, rounded down; codes outside the first
// to last code read stay 0. Metric files carry Adobe's standard encoding, which differs from
// Windows-1252 at the quotes and everywhere above 127, while the PDF fonts are written with
// WinAnsiEncoding; so every glyph whose name ("N name") is a Windows-1252 glyph then gives the
// width at that glyph's Windows-1252 byte, encoded or not. A line that cannot be read (no
// number where one is due, a code above 255, a width outside -10000..10000) is skipped.
//
// Returns false when the text has no "StartCharMetrics" line; `widths` is then all zero.
bool ParseAfmWidths(std::string_view afmText, AfmWidthTable& widths);

// The glyph name of a Windows-1252 byte as WinAnsiEncoding names it, or empty for the bytes
// it leaves undefined (0 to 31, 127, 81, 8D, 8F, 90, 9D hexadecimal).
std::string_view WinAnsiGlyphName(unsigned char byte);

// Largest metric file read, in bytes; the fourteen standard ones are below 100 KiB.
inline constexpr std::uintmax_t kMaxAfmFileBytes = 4u << 20;

// Reads and parses one metric file. Returns the reason, naming the file, when it is missing,
// unreadable, larger than kMaxAfmFileBytes or has no metrics section (`widths` is then all
// zero); std::nullopt when the widths were read.
std::optional<std::string> LoadAfmWidths(const std::filesystem::path& file, AfmWidthTable& widths);

}  // namespace tessivo::layoutpdf
