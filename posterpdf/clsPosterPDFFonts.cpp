// Fonts and text measurement of clsPosterPDF.
#include "posterpdf/clsPosterPDF.h"

#include <algorithm>
#include <stdexcept>

#include "posterpdf/PdfLine.h"

namespace tessivo {
namespace {

std::string WithoutBlanks(std::string_view text) {
    std::string result(text);
    std::erase(result, ' ');
    return result;
}

}  // namespace

std::string clsPosterPDF::LoadFontStandard(std::string_view Name, std::string_view BaseFont,
                                           std::int32_t Options) {
    ReserveObjects(1);
    const std::string name = posterpdf::ToCp1252(Name);
    RequireNewFontName(name);
    const std::string baseFont = WithoutBlanks(BaseFont);
    const std::int32_t font = WriteObjStart(0);
    WriteLine("<< /Type /Font /Subtype /Type1 /Name /", name, " /BaseFont /",
              posterpdf::ToCp1252(baseFont), posterpdf::StyleSuffix(Options),
              " /Encoding /WinAnsiEncoding >>");
    WriteObjEnd();
    fontList_ += posterpdf::ResourceEntry(name, font);
    fontNames_.insert(posterpdf::AsciiUpperCase(name));
    return baseFont;
}

std::string clsPosterPDF::LoadFont(std::string_view Name, std::string_view BaseFont,
                                   std::int32_t Options) {
    if (Options < 0 || Options > posterpdf::kLastFontStyle) {
        throw std::invalid_argument("font style " + std::to_string(Options) +
                                    " is not 0 (regular), 1 (bold), 2 (italic) or 3 (bold "
                                    "italic)");
    }
    ReserveObjects(2);  // font, descriptor
    const std::string name = posterpdf::ToCp1252(Name);
    RequireNewFontName(name);
    const std::string key = posterpdf::AsciiUpperCase(WithoutBlanks(BaseFont));
    posterpdf::FontMetrics metrics = posterpdf::MetricsForFont(key, Options);

    const std::int32_t font = WriteObjStart(0);
    WriteLine("<< /Type /Font \r/Subtype /TrueType\r/Name /", name, "\r/BaseFont /",
              metrics.BaseFont, "\r/FirstChar ", metrics.FirstChar, "\r/LastChar ",
              metrics.LastChar, "\r/FontDescriptor ", font + 1,
              " 0 R\r/Encoding /WinAnsiEncoding\r/Widths [");
    // 16 widths a line, each followed by a blank.
    std::string line;
    for (int code = metrics.FirstChar; code <= metrics.LastChar; ++code) {
        line += std::to_string(metrics.Width(static_cast<std::uint8_t>(code)));
        line += ' ';
        if ((code - metrics.FirstChar + 1) % 16 == 0 || code == metrics.LastChar) {
            WriteLine(line);
            line.clear();
        }
    }
    WriteLine("] >>");
    WriteObjEnd();
    fontList_ += posterpdf::ResourceEntry(name, font);
    fontNames_.insert(posterpdf::AsciiUpperCase(name));
    trueTypeFonts_.push_back(metrics);
    fontIndex_.push_back({posterpdf::AsciiUpperCase(name), trueTypeFonts_.size() - 1});

    WriteObjStart(0);
    WriteLine("<<\r/Type /FontDescriptor\r/FontName /", metrics.BaseFont, "\r", metrics.Descriptor,
              "\r>>");
    WriteObjEnd();
    return key;
}

float clsPosterPDF::Length(std::string_view Phrase, std::string_view FontName, float Fontsize) {
    return MeasureText(posterpdf::ToCp1252(Phrase), posterpdf::ToCp1252(FontName), Fontsize);
}

float clsPosterPDF::MeasureText(std::string_view cp1252Text, std::string_view cp1252FontName,
                                float Fontsize) const {
    const std::string wanted = posterpdf::AsciiUpperCase(cp1252FontName);
    const auto entry = std::find_if(fontIndex_.begin(), fontIndex_.end(),
                                    [&](const auto& e) { return e.name == wanted; });
    if (entry == fontIndex_.end()) return 0.0f;  // standard font or never loaded
    const posterpdf::FontMetrics& metrics = trueTypeFonts_[entry->metrics];
    std::int64_t sum = 0;
    std::int64_t blanks = 0;
    for (const char c : cp1252Text) {
        const auto code = static_cast<std::uint8_t>(c);
        sum += metrics.Width(code);
        if (code == ' ') ++blanks;
    }
    const double characters = static_cast<double>(cp1252Text.size());
    const double points = (static_cast<double>(sum) * Fontsize / 1000.0 +
                           static_cast<double>(blanks) * wordSpacing_ + characters * charSpacing_) *
                          horizScaling_ / 100.0;
    return FromPoints(static_cast<float>(points));
}

}  // namespace tessivo
