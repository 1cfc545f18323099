// Fonts measured from metric files, single-line text, and colours.
#include "layoutpdf/LumPdf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "layoutpdf/PdfFormat.h"

namespace tessivo {
namespace {

using layoutpdf::AppendNumber;
using layoutpdf::FormatNumber;
using layoutpdf::RoundHalfEven;

constexpr std::array<std::string_view, 5> kFamilies = {"Helvetica", "Courier", "Times", "Symbol",
                                                       "ZapfDingbats"};

// The PostScript name of a family in a style: Times has its own names for the upright and
// italic faces, the others add "-Oblique".
std::string StyledFontName(std::string_view family, bool italic, bool bold) {
    const bool times = family == "Times";
    std::string name(family);
    if (italic && bold) return name + (times ? "-BoldItalic" : "-BoldOblique");
    if (bold) return name + "-Bold";
    if (italic) return name + (times ? "-Italic" : "-Oblique");
    return times ? name + "-Roman" : name;
}

long CountSpaces(std::string_view text) {
    return static_cast<long>(std::count(text.begin(), text.end(), ' '));
}

int ClampComponent(double value) {
    if (!(value > 0)) return 0;
    return value > 255 ? 255 : static_cast<int>(value);
}

}  // namespace

int lumPDF::PDFLoadAfm(const std::filesystem::path& sPathAFM) {
    std::vector<std::string> fonts;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(sPathAFM, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= 4 || !entry->is_regular_file(error)) continue;
        std::string extension = name.substr(name.size() - 4);
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == ".afm") fonts.push_back(name.substr(0, name.size() - 4));
    }
    std::sort(fonts.begin(), fonts.end());
    fontList_ = std::move(fonts);
    widthCache_.clear();
    wrapSteps_.widths = nullptr;
    if (!fontList_.empty()) afmFolder_ = sPathAFM;
    return static_cast<int>(fontList_.size());
}

void lumPDF::PDFSetFont(long str_Fontname, std::int16_t in_FontSize, long str_Style) {
    italic_ = bold_ = false;
    fontSize_ = in_FontSize;
    if (str_Fontname < 0 || str_Fontname >= static_cast<long>(kFamilies.size())) {
        ShowMessage("Font name - ", "Font name set incorrectly : " + std::to_string(str_Fontname) +
                                        ".\r\nFont set to Times New Roman.");
        fontName_ = "Times-Roman";
        return;
    }
    const std::string digits = std::to_string(str_Style);
    italic_ = digits.find('1') != std::string::npos;
    bold_ = digits.find('2') != std::string::npos;
    if (digits.find('3') != std::string::npos) underline_ = true;
    fontName_ = StyledFontName(kFamilies[static_cast<std::size_t>(str_Fontname)], italic_, bold_);
}

const layoutpdf::AfmWidthTable& lumPDF::WidthsOf(const std::string& font) {
    if (const auto cached = widthCache_.find(font); cached != widthCache_.end()) {
        return cached->second;
    }
    // Only listed fonts are read, so a font name never leads outside the metric folder.
    if (font.empty() || std::find(fontList_.begin(), fontList_.end(), font) == fontList_.end()) {
        throw LumMetricError("There is no font metric file for \"" + font + "\" in " +
                             afmFolder_.string() + ".");
    }
    layoutpdf::AfmWidthTable widths{};
    if (auto failure = layoutpdf::LoadAfmWidths(afmFolder_ / (font + ".afm"), widths)) {
        throw LumMetricError(*failure);
    }
    return widthCache_.emplace(font, widths).first->second;
}

std::string lumPDF::MeasuredFont() const {
    // Text written before any PDFSetFont uses font 1, so it is measured with font 1.
    if (fontName_.empty()) return fontList_.empty() ? std::string() : fontList_.front();
    return fontName_;
}

double lumPDF::WidthInPoints(std::string_view cp1252, const std::string& font, double size) {
    const layoutpdf::AfmWidthTable& widths = WidthsOf(font);
    double units = 0;
    for (char c : cp1252) units += widths[static_cast<unsigned char>(c)];
    return units * size / 1000.0;
}

double lumPDF::PDFGetStringWidth(std::string_view str_Txt, std::string_view str_FName,
                                 std::int16_t in_FSize) {
    const std::string font = str_FName.empty() ? MeasuredFont() : std::string(str_FName);
    return WidthInPoints(layoutpdf::ToCp1252(str_Txt), font, in_FSize);
}

double lumPDF::PDFGetStringWidth(std::string_view str_Txt, std::string& str_FName,
                                 std::int16_t in_FSize) {
    if (str_FName.empty()) str_FName = MeasuredFont();
    return WidthInPoints(layoutpdf::ToCp1252(str_Txt), str_FName, in_FSize);
}

double lumPDF::PDFTextHeight() const {
    return EffectiveFontSize() / k_;
}

int lumPDF::FontNumber() const {
    if (fontName_.empty()) return 1;
    const auto found = std::find(fontList_.begin(), fontList_.end(), fontName_);
    return found == fontList_.end() ? 0 : static_cast<int>(found - fontList_.begin()) + 1;
}

void lumPDF::AppendPoint(std::string& line, double x, double y) const {
    AppendNumber(line, x * k_, 2);
    line += ' ';
    AppendNumber(line, PageHeight() - y * k_, 2);
}

std::string lumPDF::TextMatrix(double angle, double x, double y) const {
    const double radians = angle * 3.1416 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    std::string line;
    for (double value : {c, -s, s, c}) {
        AppendNumber(line, value, 5);
        line += ' ';
    }
    AppendPoint(line, x, y);
    return line + " Tm";
}

std::string lumPDF::UnderlineOperator(bool inCell, std::string_view cp1252, double px, double py) {
    const std::string font = MeasuredFont();
    const double size = EffectiveFontSize();
    const double up = RoundHalfEven(WidthInPoints("up", font, size));
    const long spaces = CountSpaces(cp1252);
    const double spaceWidth = WidthInPoints(" ", font, size);
    double width = spaces * spaceWidth + WidthInPoints(cp1252, font, size) + spaces * wordSpacing_;
    if (wordSpacing_ != 0) width -= (spaces + 1) * cellMargin_;
    const double thickness = width * -2.0 / 1000.0;
    double x = px;
    double y = py - 3;
    if (!inCell) {
        x = RoundHalfEven(leftMargin_ * k_ + px);
        y = PageHeight() - (py - up / 1000.0 * size) - 2;
    } else {
        width -= cellMargin_;
    }
    std::string line;
    for (double value : {x, y, width, thickness}) {
        AppendNumber(line, value, 2);
        line += ' ';
    }
    return line + "re f";
}

void lumPDF::PDFTextOut(std::string_view str_Text, double x, double y) {
    const std::string bytes = layoutpdf::ToCp1252(str_Text);
    if (fontSize_ == 0) fontSize_ = 10;
    // Measured first: a font without metrics leaves nothing half written.
    const double width = WidthInPoints(bytes, MeasuredFont(), fontSize_);
    if (x == 0) x = currentX_;
    if (y == 0) y = currentY_;
    if (!textColorOp_.empty()) AppendLine(pageContent_, "q " + textColorOp_ + " ");
    const std::string underline =
        underline_ ? UnderlineOperator(false, bytes, x * k_, y * k_) : std::string();
    AppendLine(pageContent_, "%DEBUT_TEXT/%");
    AppendLine(pageContent_, "BT");
    if (rotation_ != 0) {
        AppendLine(pageContent_, TextMatrix(rotation_, x, y));
        rotation_ = 0;
    } else {
        std::string position;
        AppendPoint(position, leftMargin_ + x, y);
        AppendLine(pageContent_, position + " Td");
    }
    AppendLine(pageContent_,
               "/F" + std::to_string(FontNumber()) + " " + FormatNumber(fontSize_, 2) + " Tf");
    layoutpdf::AppendShowText(pageContent_, bytes);
    AppendLine(pageContent_, "ET");
    if (!underline.empty()) AppendLine(pageContent_, underline);
    if (!textColorOp_.empty()) AppendLine(pageContent_, "Q");
    AppendLine(pageContent_, "%FIN_TEXT/%");
    underline_ = false;
    currentX_ = x + width / k_;
    currentY_ = y + fontSize_ / k_;
}

void lumPDF::SetColor(ColorKind kind, int red, int green, int blue) {
    std::string op;
    for (int component : {red, green, blue}) {
        AppendNumber(op, ClampComponent(component) / 255.0, 3);
        op += ' ';
    }
    switch (kind) {
        case ColorKind::Text:
            textColorOp_ = op + "rg";
            break;
        case ColorKind::Line:
            lineColorOp_ = op + "RG";
            break;
        case ColorKind::Draw:
            drawColorOp_ = op + "rg";
            break;
    }
}

void lumPDF::SetColorNumber(ColorKind kind, double value) {
    // The colour number holds red in the low byte, green in the second, blue in the third.
    const double whole =
        std::clamp(std::floor(std::isfinite(value) ? value : 0.0), 0.0, 16777215.0);
    const auto number = static_cast<long>(whole);
    const long blue = number / 65536;
    const long green = (number - blue * 65536) / 256;
    const long red = number - blue * 65536 - green * 256;
    SetColor(kind, static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue));
}

void lumPDF::SetColorText(ColorKind kind, std::string_view text) {
    if (text.starts_with('#')) {
        // Short forms take leading zeros: "#80" is 000080, a dark blue.
        const std::string padded = "000000" + std::string(text.substr(1));
        const std::string_view hex = std::string_view(padded).substr(padded.size() - 6);
        std::array<int, 3> rgb{};
        bool valid = true;
        for (std::size_t i = 0; i < 3; ++i) {
            const char* first = hex.data() + 2 * i;
            const auto result = std::from_chars(first, first + 2, rgb[i], 16);
            valid = valid && result.ec == std::errc() && result.ptr == first + 2;
        }
        if (valid) {
            SetColor(kind, rgb[0], rgb[1], rgb[2]);
            return;
        }
    }
    const std::string value(text);
    switch (kind) {
        case ColorKind::Text:
            ShowMessage("Text Color ",
                        "Invalid HTMl color set" + value + ".\r\nSet color to  black.");
            break;
        case ColorKind::Line:
            ShowMessage("Line Color - ",
                        "Invalid line color set " + value + ".\r\nSetting line color to black.");
            break;
        case ColorKind::Draw:
            ShowMessage("Draw Color - ", "Invalid Draw Color set " + value + ".\r\nUsing black.");
            break;
    }
    SetColor(kind, 0, 0, 0);
}

void lumPDF::PDFSetTextColor(const std::array<int, 3>& gColor) {
    SetColor(ColorKind::Text, gColor[0], gColor[1], gColor[2]);
}
void lumPDF::PDFSetTextColor(double gColor) {
    SetColorNumber(ColorKind::Text, gColor);
}
void lumPDF::PDFSetTextColor(std::string_view gColor) {
    SetColorText(ColorKind::Text, gColor);
}
void lumPDF::PDFSetLineColor(const std::array<int, 3>& gColor) {
    SetColor(ColorKind::Line, gColor[0], gColor[1], gColor[2]);
}
void lumPDF::PDFSetLineColor(double gColor) {
    SetColorNumber(ColorKind::Line, gColor);
}
void lumPDF::PDFSetLineColor(std::string_view gColor) {
    SetColorText(ColorKind::Line, gColor);
}
void lumPDF::PDFSetDrawColor(const std::array<int, 3>& gColor) {
    SetColor(ColorKind::Draw, gColor[0], gColor[1], gColor[2]);
}
void lumPDF::PDFSetDrawColor(double gColor) {
    SetColorNumber(ColorKind::Draw, gColor);
}
void lumPDF::PDFSetDrawColor(std::string_view gColor) {
    SetColorText(ColorKind::Draw, gColor);
}

}  // namespace tessivo
