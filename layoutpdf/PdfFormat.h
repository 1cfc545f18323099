#pragma once
// Number and string forms written into layout PDF files. Every number uses "." as the decimal
// sign whatever the process locale; nothing here reads the locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessivo::layoutpdf {

// The value with a fixed number of decimals (0 to 6), at least one integer digit and no digit
// grouping, like the picture "###0.00"; the last digit is rounded half to even. With 0
// decimals the text ends in a full stop ("12."). A result that rounds to zero never carries
// a minus sign; a value that is not finite is written as 0, and magnitudes are capped at
// 1e12 so the text stays short.
std::string FormatNumber(double value, int decimals);

// Appends FormatNumber(value, decimals) to `out` (the hot path of content streams).
void AppendNumber(std::string& out, double value, int decimals);

// FormatNumber(value, decimals) followed by a suffix: "0.57 w S".
std::string FormatNumberLine(double value, std::string_view suffix, int decimals = 2);

// The shortest plain decimal that reads back as the value: 595.28, 842, 0.5. Never uses an
// exponent. Non-finite values are written as 0.
std::string FormatPlain(double value);

// Round to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Inline: the cell wrapper rounds once per character.
inline double RoundHalfEven(double value) {
    // Adding and removing 1.5 * 2^52 leaves no fraction bits, so the addition itself rounds
    // to nearest with ties to even (the default floating-point mode). Larger magnitudes are
    // whole numbers already.
    constexpr double kShift = 6755399441055744.0;
    if (!(value > -kShift / 3 && value < kShift / 3)) return value;
    return (value + kShift) - kShift;
}

// A byte offset as ten decimal digits with leading zeros (the cross-reference form).
std::string PadOffset(std::uint64_t offset);

// The bytes for a PDF literal string body: a backslash before every "\", "(" and ")".
std::string EscapePdfString(std::string_view bytes);

// Appends the content line "(<escaped bytes>) Tj" and CR LF: show a text.
void AppendShowText(std::string& content, std::string_view bytes);

// UTF-8 text as Windows-1252 bytes ("?" for what the code page cannot hold); plain ASCII is
// passed through without decoding.
std::string ToCp1252(std::string_view utf8);

// A PDF name token body (what follows "/"): bytes outside the printable ASCII range and the
// delimiters ( ) < > [ ] { } / % # are written as "#" and two hexadecimal digits.
std::string EscapePdfName(std::string_view bytes);

// A link target made 7-bit: bytes from 0x80 up, controls and spaces are percent-encoded.
std::string SevenBitUri(std::string_view bytes);

}  // namespace tessivo::layoutpdf
