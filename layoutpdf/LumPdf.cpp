#include "layoutpdf/LumPdf.h"

#include <cmath>
#include <limits>
#include <system_error>

#include "layoutpdf/PdfFormat.h"

namespace tessivo {
namespace {

using layoutpdf::FormatPlain;
using layoutpdf::RoundHalfEven;

constexpr std::string_view kTitleSuffix = "lumPDF 1.0";
constexpr std::string_view kLineBreak = "\r\n";
constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kPointsPerCentimetre = 72.0 / 2.54;

struct PageFormat {
    double width;
    double height;
};

constexpr std::array<PageFormat, 5> kPageFormats = {{
    {595.28, 841.89},   // A4
    {841.89, 1190.55},  // A3
    {420.94, 595.28},   // A5
    {612, 792},         // Letter
    {612, 1008},        // Legal
}};

std::filesystem::path RunningProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : program.parent_path();
}

// "<complaint><value>." CR LF "<fallback>", the text of every rejected setting.
std::string Rejection(std::string_view complaint, std::string_view value,
                      std::string_view fallback) {
    std::string text(complaint);
    text += value;
    text += '.';
    text += kLineBreak;
    text += fallback;
    return text;
}

}  // namespace

lumPDF::lumPDF(LumMessageSink& messages, LumPdfOptions options)
    : messages_(messages), options_(std::move(options)) {
    PDFInit();
}

lumPDF::~lumPDF() = default;

void lumPDF::ShowMessage(std::string_view section, const std::string& text) const {
    std::string title(section);
    title += kTitleSuffix;
    messages_.ShowMessage(title, text, LumMessageIcon::Critical);
}

std::int16_t lumPDF::ToInt16(double value, std::string_view what) const {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        throw LumLimitError(std::string(what) + " " + FormatPlain(value) +
                            " does not fit a 16-bit integer.");
    }
    return static_cast<std::int16_t>(rounded);
}

void lumPDF::PDFPathConfiguration(const std::filesystem::path& sPathConfig) {
    afmFolder_ = sPathConfig;
}

void lumPDF::PDFSetViewerPreferences(long pViewerPref) {
    viewerPreferences_ = pViewerPref;
}

void lumPDF::PDFWatermark(std::string_view sWatermark) {
    watermarkText_ = sWatermark;
    hasWatermark_ = true;
}

void lumPDF::PDFSetZoomMode(long pZoomMode) {
    zoomMode_ = pZoomMode;
}

void lumPDF::PDFSetLayoutMode(long pLayoutMode) {
    if (pLayoutMode >= 0 && pLayoutMode <= 3) {
        layoutMode_ = pLayoutMode;
        return;
    }
    ShowMessage("Layout Mode - ", Rejection("Layout incorrect : ", std::to_string(pLayoutMode),
                                            "Layout will be set to simple single page."));
    layoutMode_ = 0;
}

void lumPDF::PDFSetUnit(long str_Unite) {
    switch (str_Unite) {
        case 0:
            k_ = 1.0;
            return;
        case 1:
            k_ = kPointsPerMillimetre;
            return;
        case 2:
            k_ = kPointsPerCentimetre;
            return;
        default:
            ShowMessage("Error in measurement unit - ",
                        Rejection("Incorrect Unit of Measure : ", std::to_string(str_Unite),
                                  "Using centimeter "));
            k_ = kPointsPerCentimetre;
    }
}

std::string lumPDF::PDFGetUnit() const {
    if (k_ == 1.0) return "pt";
    if (k_ == kPointsPerMillimetre) return "mm";
    if (k_ == kPointsPerCentimetre) return "cm";
    return "";
}

void lumPDF::ResizePageTables() {
    const auto size = static_cast<std::size_t>(pageFormatIndex_) + 1;
    pageWidths_.resize(size, 0.0);
    pageHeights_.resize(size, 0.0);
    pageOrientations_.resize(size);
}

void lumPDF::SetPageFormat(double width, double height) {
    pageWidths_.at(static_cast<std::size_t>(pageFormatIndex_)) = width;
    pageHeights_.at(static_cast<std::size_t>(pageFormatIndex_)) = height;
}

double lumPDF::PageHeight() const {
    return pageHeights_.at(static_cast<std::size_t>(pageFormatIndex_));
}

double lumPDF::PageWidth() const {
    return pageWidths_.at(static_cast<std::size_t>(pageFormatIndex_));
}

void lumPDF::PDFOrientation(long str_Orientation) {
    ResizePageTables();
    const std::int16_t width = ToInt16(PageWidth(), "The page width");
    const std::int16_t height = ToInt16(PageHeight(), "The page height");
    auto& orientation = pageOrientations_.at(static_cast<std::size_t>(pageFormatIndex_));
    if (str_Orientation == 0) {
        SetPageFormat(height, width);
        orientation = std::string("l");
        return;
    }
    if (str_Orientation != 1) {
        ShowMessage("Error in orientation - ",
                    Rejection("Orientation set incorrectly: ", std::to_string(str_Orientation),
                              "Orientation set to portrait."));
    }
    SetPageFormat(width, height);
    orientation = std::string("p");
}

void lumPDF::PDFFormatPage(long str_FormatPage) {
    ResizePageTables();
    if (str_FormatPage < 0 || str_FormatPage >= static_cast<long>(kPageFormats.size())) {
        ShowMessage("Format Page - ",
                    Rejection("Format page set incorrectly : ", std::to_string(str_FormatPage),
                              "Format page set to A4."));
        str_FormatPage = 0;
    }
    const PageFormat& format = kPageFormats.at(static_cast<std::size_t>(str_FormatPage));
    SetPageFormat(format.width, format.height);
}

void lumPDF::PDFFormatPage(const std::array<double, 2>& str_FormatPage) {
    const auto usable = [](double side) { return std::isfinite(side) && side > 0; };
    if (!usable(str_FormatPage[0]) || !usable(str_FormatPage[1])) {
        PDFFormatPage(FormatPlain(str_FormatPage[0]) + ", " + FormatPlain(str_FormatPage[1]));
        return;
    }
    ResizePageTables();
    SetPageFormat(str_FormatPage[0], str_FormatPage[1]);
}

void lumPDF::PDFFormatPage(std::string_view str_FormatPage) {
    ResizePageTables();
    ShowMessage("Format Page - ", Rejection("Format page set incorrectly : ", str_FormatPage,
                                            "Format page set to A4"));
    SetPageFormat(kPageFormats[0].width, kPageFormats[0].height);
}

void lumPDF::PDFPageHeight(double in_PageHeight) {
    pageHeights_.at(static_cast<std::size_t>(pageFormatIndex_)) = in_PageHeight;
}

void lumPDF::PDFPageWidth(double in_PageWidth) {
    pageWidths_.at(static_cast<std::size_t>(pageFormatIndex_)) = in_PageWidth;
}

double lumPDF::PDFGetPageHeight() const {
    return PageHeight();
}

double lumPDF::PDFGetPageWidth() const {
    return PageWidth();
}

void lumPDF::PDFSetLeftMargin(double in_left) {
    leftMargin_ = ToInt16(in_left, "The margin");
}

void lumPDF::PDFSetRightMargin(double in_right) {
    rightMargin_ = ToInt16(in_right, "The margin");
}

void lumPDF::PDFSetTopMargin(double in_top) {
    topMargin_ = ToInt16(in_top, "The margin");
}

void lumPDF::PDFSetBottomMargin(double in_bottom) {
    bottomMargin_ = ToInt16(in_bottom, "The margin");
}

void lumPDF::PDFSetCellMargin(double in_cell) {
    cellMargin_ = ToInt16(in_cell, "The cell margin");
}

LumMargins lumPDF::PDFSetMargins(std::int16_t in_left, std::int16_t in_top, std::int16_t in_right,
                                 std::int16_t in_bottom) {
    if (in_right == -1) in_right = in_left;
    if (in_bottom == -1) in_bottom = in_top;
    leftMargin_ = in_left;
    topMargin_ = in_top;
    rightMargin_ = in_right;
    bottomMargin_ = in_bottom;
    return {in_left, in_top, in_right, in_bottom};
}

int lumPDF::PDFGetX() const {
    return static_cast<int>(RoundHalfEven(currentX_));
}

int lumPDF::PDFGetY() const {
    return static_cast<int>(RoundHalfEven(currentY_));
}

void lumPDF::PDFSetLineStyle(long pLineStyle) {
    // Dash lengths in points from the unit in force: 16 and 8 units dashed, and so on.
    static const std::array<std::vector<int>, 4> kDashFactors = {
        std::vector<int>{}, {16, 8}, {8, 7, 2, 7}, {8, 4, 2, 4, 2, 4}};
    if (pLineStyle < 0 || pLineStyle > 3) {
        ShowMessage("Line Style - ",
                    Rejection("Line style set incorrectly : ", std::to_string(pLineStyle),
                              "Line style set to solid."));
        pLineStyle = 0;
    }
    if (pLineStyle == 0) {
        lineStyle_ = std::string("[] 0 d");
        return;
    }
    lineStyle_ = std::string("[");
    for (int factor : kDashFactors.at(static_cast<std::size_t>(pLineStyle))) {
        lineStyle_ += std::to_string(static_cast<long long>(std::floor(factor * k_)));
        lineStyle_ += ' ';
    }
    lineStyle_ += "] 0 d";
}

void lumPDF::PDFSetDrawMode(long pDrawMode) {
    switch (pDrawMode) {
        case 0:
            drawMode_.clear();
            return;
        case 1:
            drawMode_ = std::string("D");
            return;
        case 2:
            drawMode_ = std::string("DB");
            return;
        default:
            ShowMessage("Object Rectangle - ",
                        Rejection("Draw Mode set incorrectly : ", std::to_string(pDrawMode),
                                  "Draw mode set to normal"));
            drawMode_.clear();
    }
}

void lumPDF::PDFInit() {
    if (afmFolder_.empty()) {
        afmFolder_ =
            options_.programFolder.empty() ? RunningProgramFolder() : options_.programFolder;
    }
    PDFLoadAfm(afmFolder_);

    offsets_.clear();
    pageObjects_.clear();
    pageSizes_.clear();
    pageLinks_.assign(1, {});
    fontObjects_.clear();
    bookmarks_.clear();
    nbPageBound_ = -1;

    pageFormatIndex_ = 1;
    underline_ = italic_ = bold_ = false;

    k_ = kPointsPerCentimetre;
    const auto margin = static_cast<std::int16_t>(RoundHalfEven(k_ / 28.35));
    PDFSetMargins(margin, margin, -1, -1);
    cellMargin_ = static_cast<std::int16_t>(RoundHalfEven(margin / 10.0 * k_));
    currentX_ = leftMargin_;
    currentY_ = topMargin_;
    lineWidth_ = 0.567;

    streamBuffer_.clear();
    pageContent_.clear();
    lineColorOp_ = "0 G";
    drawColorOp_ = "0 g";
    textColorOp_ = "0 g";

    pageWidths_.assign(2, 0.0);
    pageHeights_.assign(2, 0.0);
    pageOrientations_.assign(2, "");
    SetPageFormat(kPageFormats[0].width, kPageFormats[0].height);
    pageOrientations_[1] = std::string("p");

    author_.clear();
    creator_.clear();
    keywords_.clear();
    subject_.clear();
    producer_.clear();
}

}  // namespace tessivo
