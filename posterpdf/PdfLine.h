#pragma once
// Line output of the poster writer, private to its sources: each part of a line is written by
// the one formatter of its type (text as is, float and double through FormatNum, integers as
// plain decimals), and WriteLine ends the line with CR LF.

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

#include "posterpdf/FormatNum.h"
#include "posterpdf/PdfOutputFile.h"
#include "posterpdf/clsPosterPDF.h"

namespace tessivo::posterpdf {

inline void PutPart(PdfOutputFile& out, std::string_view text) {
    out.Put(text);
}
inline void PutPart(PdfOutputFile& out, float value) {
    char text[kMaxNumberText];
    out.Put(std::string_view(text, AppendNum(text, value) - text));
}
inline void PutPart(PdfOutputFile& out, double value) {
    char text[kMaxNumberText];
    out.Put(std::string_view(text, AppendNum(text, value) - text));
}
template <std::integral Integer>
requires(!std::same_as<Integer, bool> &&
         !std::same_as<Integer, char>) void PutPart(PdfOutputFile& out, Integer value) {
    char text[kMaxNumberText];
    const auto end = AppendNum(text, static_cast<std::int64_t>(value));
    out.Put(std::string_view(text, end - text));
}

// Text for a PDF literal string: "\" becomes "\\", "(" becomes "\(", ")" becomes "\)";
// nothing else changes.
std::string EscapeText(std::string_view text);

// The Windows-1252 bytes of UTF-8 caller text, "?" for what the code page cannot hold.
std::string ToCp1252(std::string_view utf8);

// The text with ASCII letters upper-cased.
std::string AsciiUpperCase(std::string_view text);

// "/Name n 0 R " and a CR: one entry of a resource list.
std::string ResourceEntry(std::string_view name, std::int32_t object);

}  // namespace tessivo::posterpdf

namespace tessivo {

template <typename... Parts>
void clsPosterPDF::WriteLine(const Parts&... parts) {
    (posterpdf::PutPart(out_, parts), ...);
    out_.Put(std::string_view("\r\n"));
}

}  // namespace tessivo
