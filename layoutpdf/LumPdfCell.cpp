// Cells: text wrapped into lines of boxes with frame sides, fill, alignment and justification.
#include "layoutpdf/LumPdf.h"

#include <algorithm>
#include <cmath>

#include "layoutpdf/PdfFormat.h"

namespace tessivo {
namespace {

using layoutpdf::AppendNumber;
using layoutpdf::RoundHalfEven;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool Has(std::string_view letters, char letter) {
    return letters.find(letter) != std::string_view::npos;
}

struct CellLine {
    std::string_view text;
    bool shifted;  // broken at a space (or the rest): drawn one cell margin to the left
};

// Splits Windows-1252 text into lines no wider than `widest` points. A line breaks at the
// last space that fits, or between characters when no space fits (each line has at least one
// character); a line feed, CR LF or CR always breaks, is not written, and its line lines up
// with those broken at a space.
std::vector<CellLine> WrapCellText(std::string_view text, const lumPDF::WrapSteps& steps,
                                   double widest) {
    std::vector<CellLine> lines;
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t i = 0, start = 0, space = kNone;
    long long run = 0;
    const auto restart = [&](std::size_t next) {
        start = i = next;
        space = kNone;
        run = 0;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            lines.push_back({text.substr(start, i - start), true});
            const bool pair = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            restart(i + (pair ? 2 : 1));
            continue;
        }
        if (c == ' ') space = i;
        const auto byte = static_cast<unsigned char>(c);
        run += steps.whole[byte];
        if (steps.half[byte] && run % 2 != 0) ++run;
        if (static_cast<double>(run) <= widest) {
            ++i;
            continue;
        }
        if (space == kNone) {
            if (i == start) ++i;
            lines.push_back({text.substr(start, i - start), false});
            restart(i);
        } else {
            lines.push_back({text.substr(start, space - start), true});
            restart(space + 1);
        }
    }
    lines.push_back({text.substr(start), true});
    return lines;
}

}  // namespace

void lumPDF::PDFSetBorder(long gBorder) {
    static constexpr std::array<std::string_view, 6> kSingle = {"0", "1", "T", "B", "L", "R"};
    if (gBorder >= 0 && gBorder <= 5) {
        cellBorder_ = kSingle[static_cast<std::size_t>(gBorder)];
        return;
    }
    const std::string digits = std::to_string(gBorder);
    cellBorder_.clear();
    for (const auto& [digit, letter] : {std::pair{'4', 'L'}, {'5', 'R'}, {'2', 'T'}, {'3', 'B'}}) {
        if (Has(digits, digit)) cellBorder_ += letter;
    }
}

void lumPDF::PDFSetAlignement(long gAlignement) {
    static constexpr std::array<std::string_view, 4> kAlignments = {"C", "L", "R", "FJ"};
    if (gAlignement >= 0 && gAlignement <= 3) {
        cellAlignment_ = kAlignments[static_cast<std::size_t>(gAlignement)];
        return;
    }
    ShowMessage("Alignment - ", "Invalid alignment set. : " + std::to_string(gAlignement) +
                                    ".\r\nUsing left alignment.");
    cellAlignment_ = std::string("L");
}

std::string lumPDF::PDFGetAlignement() const {
    if (cellAlignment_ == "C") return "Center";
    if (cellAlignment_ == "R") return "Right";
    return "Left";
}

void lumPDF::PDFCell(std::string_view str_Text, double x, double y, double w, double h,
                     const LumUrlLink& URLLink) {
    const std::string bytes = layoutpdf::ToCp1252(str_Text);
    if (bytes.empty()) throw LumUsageError("PDFCell needs a text.");
    const double size = EffectiveFontSize();
    const layoutpdf::AfmWidthTable& widths = WidthsOf(MeasuredFont());
    const CellFont font{widths, "/F" + std::to_string(FontNumber()) + " " +
                                    std::to_string(static_cast<int>(size)) + " Tf"};

    // Frame sides: the top on the first line, the bottom on the last, left and right on all.
    const bool frame = cellBorder_ == "1" || cellBorder_ == "LRTB";
    std::string sides;
    if (frame || Has(cellBorder_, 'L')) sides += 'L';
    if (frame || Has(cellBorder_, 'R')) sides += 'R';
    const std::string firstSides = sides + (frame || Has(cellBorder_, 'T') ? "T" : "");
    const std::string bottom = cellBorder_ == "1" || Has(cellBorder_, 'B') ? "B" : "";

    // The inner width in points: the cell less a cell margin on each side.
    const double widest = w * k_ - 2.0 * cellMargin_;
    if (wrapSteps_.widths != &widths || wrapSteps_.size != size) {
        // The running width is rounded to whole points after every character, so each
        // character adds its own width rounded; only an exact half depends on the total
        // (ties to even).
        wrapSteps_.widths = &widths;
        wrapSteps_.size = size;
        for (std::size_t byte = 0; byte < widths.size(); ++byte) {
            const double points = widths[byte] * size / 1000.0;
            const double floor = std::floor(points);
            wrapSteps_.whole[byte] = static_cast<long long>(floor) + (points - floor > 0.5 ? 1 : 0);
            wrapSteps_.half[byte] = points - floor == 0.5;
        }
    }
    const std::vector<CellLine> lines = WrapCellText(bytes, wrapSteps_, widest);

    AppendLine(pageContent_, "%DEBUT_CELL/%");
    for (std::size_t index = 0; index < lines.size(); ++index) {
        std::string border = index == 0 ? firstSides : sides;
        if (index + 1 == lines.size()) border += bottom;
        const double lineX = lines[index].shifted ? x - cellMargin_ / k_ : x;
        EmitCellLine(lines[index].text, {lineX, index == 0 ? y : currentY_, w, h}, border, font);
    }
    if (cellAlignment_ == "FJ") {
        AppendLine(pageContent_, "0 Tw");
        wordSpacing_ = 0;
    }
    AppendLine(pageContent_, "%FIN_CELL/%");
    underline_ = false;

    if (const auto* link = std::get_if<std::string>(&URLLink); link != nullptr) {
        if (!link->empty()) StoreLink(x, y, w, currentY_ - y, *link);
    } else {
        OfferLink(URLLink, LinkKind::Cell, x, y);
    }
}

void lumPDF::EmitCellLine(std::string_view cp1252, const CellBox& box, const std::string& border,
                          const CellFont& font) {
    const auto [x, y, w, h] = box;
    const double size = EffectiveFontSize();
    std::string& out = pageContent_;
    if (!lineColorOp_.empty()) AppendLine(out, Trimmed(lineColorOp_));
    if (!drawColorOp_.empty()) AppendLine(out, drawColorOp_);

    // The box and the side segments go out as one line of CR-separated operations.
    std::string shapes;
    if (border == "1" || cellFill_) {
        AppendPoint(shapes, x, y);
        shapes += ' ';
        AppendNumber(shapes, w * k_, 2);
        shapes += ' ';
        AppendNumber(shapes, -h * k_, 2);
        shapes += border == "1" ? (cellFill_ ? " re B\r" : " re S\r") : " re f\r";
    }
    if (border != "0" && border != "1") {
        AppendNumber(out, lineWidth_, 2);
        out += " w\r\n";
        const auto segment = [&](double x1, double y1, double x2, double y2, const char* end) {
            AppendPoint(shapes, x1, y1);
            shapes += " m ";
            AppendPoint(shapes, x2, y2);
            shapes += end;
        };
        if (Has(border, 'L')) segment(x, y, x, y + h, " l S\r");
        if (Has(border, 'T')) segment(x, y, x + w, y, " l S \r");
        if (Has(border, 'R')) segment(x + w, y, x + w, y + h, " l S \r");
        if (Has(border, 'B')) segment(x, y + h, x + w, y + h, " l S \r");
    }
    cellBorder_ = std::string("0");
    if (cellAlignment_.empty()) cellAlignment_ = std::string("L");

    double units = 0;
    for (char c : cp1252) units += font.widths[static_cast<unsigned char>(c)];
    const double textWidth = RoundHalfEven(units * size / 1000.0);
    double dx = 2.0 * cellMargin_;
    if (cellAlignment_ == "C") {
        dx = RoundHalfEven((w * k_ - textWidth) / 2.0);
    } else if (cellAlignment_ == "R") {
        dx = RoundHalfEven(w * k_ - cellMargin_ - textWidth);
    } else if (cellAlignment_ == "FJ") {
        // Tw stretches every space so the line fills the cell; the spacing is in points.
        const auto spaces = static_cast<double>(std::count(cp1252.begin(), cp1252.end(), ' '));
        wordSpacing_ = (w * k_ - (spaces + 1) * cellMargin_ - textWidth) / std::max(spaces, 1.0);
        AppendNumber(out, wordSpacing_, 3);
        out += " Tw\r\n";
    }
    if (!shapes.empty()) AppendLine(out, shapes);

    const double px = x * k_ + dx;
    const double py = PageHeight() - (h / 2.0 * k_ + y * k_ + 0.3 * size);
    if (!textColorOp_.empty()) {
        out += "q ";
        out += textColorOp_;
        out += " \r\n";
        if (underline_) AppendLine(out, UnderlineOperator(true, cp1252, px, py));
    }
    out += "BT\r\n";
    AppendLine(out, font.selection);
    AppendNumber(out, px, 2);
    out += ' ';
    AppendNumber(out, py, 2);
    out += " Td\r\n";
    layoutpdf::AppendShowText(out, cp1252);
    out += "ET\r\n";
    if (!textColorOp_.empty()) out += "Q\r\n";
    currentX_ = x + w;
    currentY_ = y + h;
}

}  // namespace tessivo
