#pragma once
// Numbers as the poster writer puts them in a PDF file.
//
// A value is rounded to 3 decimals (value x 1000 to the nearest integer, halves to the even
// neighbour), then written as the shortest text at the precision of its type: at most 7
// significant digits for float, 15 for double, integers as they are. The text uses "." whatever
// the locale, has no exponent and no thousands separators, has "0" before a leading point, no
// point for integral values and no "-" for a value that rounds to zero ("-0.0004" gives "0").
// Non-finite values, which PDF cannot express, are written as "0".
// Examples: 595.2f gives "595.2", 128/255.0 gives "0.502", 0.0625f gives "0.062".

#include <cstdint>
#include <string>

namespace tessivo::posterpdf {

// Longest text any of the Append functions writes (a double near its largest value).
inline constexpr int kMaxNumberText = 330;

// Write the text at out (room for kMaxNumberText characters) and return the end.
char* AppendNum(char* out, float value);
char* AppendNum(char* out, double value);
char* AppendNum(char* out, std::int64_t value);

std::string FormatNum(float value);
std::string FormatNum(double value);
std::string FormatNum(std::int64_t value);

}  // namespace tessivo::posterpdf
