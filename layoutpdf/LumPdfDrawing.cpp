// Lines, rectangles, ellipses and polygons in the line style, width, colours and draw mode.
#include "layoutpdf/LumPdf.h"

#include <algorithm>
#include <cmath>

#include "layoutpdf/PdfFormat.h"

namespace tessivo {

using layoutpdf::AppendNumber;
using layoutpdf::FormatNumberLine;

void lumPDF::AppendMoveTo(double x, double y) {
    std::string line;
    AppendPoint(line, x, y);
    AppendLine(pageContent_, line + " m");
}

void lumPDF::AppendLineTo(double x, double y) {
    std::string line;
    AppendPoint(line, x, y);
    AppendLine(pageContent_, line + " l");
}

void lumPDF::AppendCurve(double x1, double y1, double x2, double y2, double x3, double y3) {
    std::string line;
    AppendPoint(line, x1, y1);
    line += ' ';
    AppendPoint(line, x2, y2);
    line += ' ';
    AppendPoint(line, x3, y3);
    AppendLine(pageContent_, line + " c");
}

void lumPDF::AppendPaintColors() {
    // Filling paints with the draw colour, outlining with the line colour.
    if (drawMode_ == "D" || drawMode_ == "DB") AppendLine(pageContent_, drawColorOp_);
    if (drawMode_ != "D") AppendLine(pageContent_, lineColorOp_);
}

void lumPDF::AppendLineStyle() {
    if (!lineStyle_.empty()) AppendLine(pageContent_, lineStyle_);
}

void lumPDF::FillColorFollowsLineColor() {
    // "RG" (stroke colour) becomes "rg" (fill colour), "G" becomes "g".
    if (lineColorOp_.ends_with("RG")) {
        drawColorOp_ = lineColorOp_.substr(0, lineColorOp_.size() - 2) + "rg";
    } else if (!lineColorOp_.empty()) {
        drawColorOp_ = lineColorOp_.substr(0, lineColorOp_.size() - 1) + "g";
    }
}

void lumPDF::AppendLineWidth(std::string_view painting) {
    AppendLine(pageContent_, FormatNumberLine(lineWidth_, painting));
}

const char* lumPDF::PaintOperator(bool rectangle) const {
    if (drawMode_ == "D") return rectangle ? "f" : "h f";
    if (drawMode_ == "DB") return "B";
    return "s";
}

void lumPDF::DrawStraight(std::string_view begin, std::string_view end, double x1, double y1,
                          double x2, double y2) {
    AppendLine(pageContent_, begin);
    AppendLineStyle();
    AppendMoveTo(x1, y1);
    AppendLineTo(x2, y2);
    AppendLine(pageContent_, lineColorOp_);
    AppendLineWidth(" w S");
    AppendLine(pageContent_, end);
}

void lumPDF::PDFDrawLineHor(double x, double y, double w) {
    FillColorFollowsLineColor();
    DrawStraight("%DEBUT_LNH/%", "%FIN_LNH/%", x, y, x + w, y);
    currentX_ = x + w;
    currentY_ = y;
}

void lumPDF::PDFDrawLineVer(double x, double y, double h) {
    FillColorFollowsLineColor();
    DrawStraight("%DEBUT_LNV/%", "%FIN_LNV/%", x, y, x, y + h);
    currentX_ = x;
    currentY_ = y + h;
}

void lumPDF::PDFDrawLine(double x1, double y1, double x2, double y2) {
    DrawStraight("%DEBUT_LN/%", "%FIN_LN/%", x1, y1, x2, y2);
    currentX_ = std::max(x1, x2);
    currentY_ = std::max(y1, y2);
}

void lumPDF::PDFDrawRectangle(double x, double y, double w, double h, const LumUrlLink& URLLink) {
    AppendLine(pageContent_, "%DEBUT_RECT/%");
    AppendPaintColors();
    AppendLineStyle();
    std::string box;
    AppendPoint(box, x, y);
    box += ' ';
    AppendNumber(box, w * k_, 2);
    box += ' ';
    AppendNumber(box, -h * k_, 2);
    AppendLine(pageContent_, box + " re " + PaintOperator(true));
    AppendLineWidth(" w S");
    PDFSetTextColor(16777215.0);
    lastRectangleWidth_ = layoutpdf::RoundHalfEven(w);
    OfferLink(URLLink, LinkKind::Rectangle, std::floor(x + 5), std::floor(y + h / 2));
    AppendLine(pageContent_, "%FIN_RECT/%");
    currentX_ = x;
    currentY_ = y + h;
}

void lumPDF::PDFDrawEllipse(double x, double y, double rx, double ry, const LumUrlLink& URLLink) {
    if (ry == 0) ry = rx;
    AppendPaintColors();
    AppendLineStyle();
    // Four Bezier quarters; 11/20 places the control points near the circle's 0.552.
    const double cx = x + rx / 2, cy = y + ry / 2, a = rx / 2, b = ry / 2, c = 11.0 / 20.0;
    AppendMoveTo(x, cy);
    AppendCurve(x, cy - b * c, cx - a * c, y, cx, y);
    AppendCurve(cx + a * c, y, x + rx, cy - b * c, x + rx, cy);
    AppendCurve(x + rx, cy + b * c, cx + a * c, y + ry, cx, y + ry);
    AppendCurve(cx - a * c, y + ry, x, cy + b * c, x, cy);
    AppendLineWidth(std::string(" w ") + PaintOperator(false));
    PDFSetTextColor(16777215.0);
    OfferLink(URLLink, LinkKind::Ellipse, std::floor(x - rx / 2), std::floor(cy - b * c));
    currentX_ = x;
    currentY_ = cy;
}

void lumPDF::PDFDrawPolygon(std::span<const double> pParam) {
    if (pParam.size() < 2 || pParam.size() % 2 != 0) {
        throw LumUsageError("PDFDrawPolygon needs pairs of numbers x, y; it was given " +
                            std::to_string(pParam.size()) + " numbers.");
    }
    AppendPaintColors();
    AppendLine(pageContent_, "%DEBUT_POLY/%");
    AppendLineStyle();
    AppendMoveTo(pParam[0], pParam[1]);
    for (std::size_t i = 2; i + 1 < pParam.size(); i += 2) AppendLineTo(pParam[i], pParam[i + 1]);
    AppendLineTo(pParam[0], pParam[1]);
    AppendLineWidth(std::string(" w ") + PaintOperator(false));
    AppendLine(pageContent_, "%FIN_POLY/%");
}

}  // namespace tessivo
