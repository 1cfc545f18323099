// Pages and content operators of clsPosterPDF.
#include "posterpdf/clsPosterPDF.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "posterpdf/PdfLine.h"

namespace tessivo {
namespace {

// The writer's value of pi, a float as text rotation uses it.
constexpr float kPi = 3.141592f;
// Bezier control distance of a quarter circle, as a share of the radius.
constexpr double kQuarterCircle = 0.55;
constexpr int kMaxArcPoints = 100000;

}  // namespace

std::int16_t clsPosterPDF::BeginPage() {
    ReserveObjects(3);  // page, content stream, stream length
    if (pages_ == std::numeric_limits<std::int16_t>::max()) {
        throw posterpdf::PosterPdfOverflowError(
            "a PDF document of this writer holds at most "
            "32767 pages");
    }
    ++pages_;
    const std::int32_t page = WriteObjStart(0);
    WriteLine("<<\r/Type /Page\r/Parent 3 0 R\r/Contents ", page + 1, " 0 R\r>>");
    WriteObjEnd();
    kids_.push_back(page);
    WriteObjStart(page + 1);
    WriteLine("<< /Length ", page + 2, " 0 R >>\rstream");
    BeginStream(OpenStream::Page);
    DrawAutoObjects();
    charSpacing_ = 0.0f;
    wordSpacing_ = 0.0f;
    horizScaling_ = 100.0f;
    return pages_;
}

void clsPosterPDF::EndPage() {
    RequireFile();
    if (openStream_ != OpenStream::Page) throw posterpdf::PosterPdfUsageError("no page is open");
    EndStream();
}

void clsPosterPDF::SetWordSpacing(float w) {
    RequireStream();
    WriteLine(w, " Tw");
    wordSpacing_ = w;
}

void clsPosterPDF::SetCharSpacing(float w) {
    RequireStream();
    WriteLine(w, " Tc");
    charSpacing_ = w;
}

void clsPosterPDF::SetTextHorizontalScaling(float w) {
    RequireStream();
    WriteLine(w, " Tz");
    horizScaling_ = w;
}

void clsPosterPDF::SetTextRenderingMode(float w) {
    RequireStream();
    if (w >= 0.0f && w <= 2.0f) WriteLine(w, " Tr");
}

float clsPosterPDF::DrawText(float x, float y, std::string_view strTemp, std::string_view FontName,
                             float Fontsize, std::int32_t Align, float Rotate) {
    RequireStream();
    const std::string text = posterpdf::ToCp1252(strTemp);
    const std::string font = posterpdf::ToCp1252(FontName);
    if (Align == 1) {
        x = x - MeasureText(text, font, Fontsize);
    } else if (Align == 2) {
        x = x - MeasureText(text, font, Fontsize) / 2.0f;
    }
    WriteLine("BT");
    WriteLine("/", font, " ", Fontsize, " Tf");
    if (Rotate == 0.0f) {
        WriteLine(ToPoints(x), " ", ToPoints(y), " Td");
    } else {
        const float angle = Rotate * kPi / 180.0f;
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        WriteLine(c, " ", s, " ", -s, " ", c, " ", ToPoints(x), " ", ToPoints(y), " Tm");
    }
    WriteLine("(", posterpdf::EscapeText(text), ") Tj");
    WriteLine("ET");
    return x;
}

void clsPosterPDF::SetColorStroke(std::int32_t rgb) {
    WriteColor(rgb, " G", " RG");
}

void clsPosterPDF::SetColorFill(std::int32_t rgb) {
    WriteColor(rgb, " g", " rg");
}

void clsPosterPDF::WriteColor(std::int32_t rgb, std::string_view greyOperator,
                              std::string_view rgbOperator) {
    if (rgb < -255) {
        throw std::invalid_argument("colour value " + std::to_string(rgb) +
                                    " is below -255, the darkest grey level");
    }
    RequireStream();
    if (rgb <= 0) {
        WriteLine(-rgb / 255.0, greyOperator);
        return;
    }
    const double red = rgb % 256, green = rgb / 256 % 256, blue = rgb / 65536 % 256;
    WriteLine(red / 255.0, " ", green / 255.0, " ", blue / 255.0, rgbOperator);
}

void clsPosterPDF::SetDash(float dash_on, float dash_off) {
    RequireStream();
    const float on = ToPoints(dash_on);
    const float off = ToPoints(dash_off);
    if (on == 0.0f && off == 0.0f) {
        WriteLine("[ ] 0 d");  // solid line; a dash array of zeros alone is not allowed
    } else {
        WriteLine("[", on, " ", off, "] 0 d");
    }
}

void clsPosterPDF::SetLineWidth(float w) {
    RequireStream();
    WriteLine(ToPoints(w), " w");
}

void clsPosterPDF::SetLineCap(int w) {
    RequireStream();
    if (w >= 0 && w <= 2) WriteLine(w, " J");
}

void clsPosterPDF::SetLineJoin(int w) {
    RequireStream();
    if (w >= 0 && w <= 2) WriteLine(w, " j");
}

void clsPosterPDF::SetMiterLimit(float w) {
    RequireStream();
    if (w >= 1.0f) WriteLine(w, " M");
}

void clsPosterPDF::MoveTo(float x, float y) {
    RequireStream();
    WriteLine(ToPoints(x), " ", ToPoints(y), " m");
}

void clsPosterPDF::LineTo(float x, float y, std::int32_t Options) {
    RequireStream();
    WriteLine(ToPoints(x), " ", ToPoints(y), " l");
    PaintPath(Options);
}

float clsPosterPDF::Rectangle(float x, float y, float xdim, float ydim, std::int32_t Options,
                              float Ray) {
    RequireStream();
    WriteLine("n");
    if (Ray <= 0.0f) {
        WriteLine(ToPoints(x), " ", ToPoints(y), " ", ToPoints(xdim), " ", ToPoints(ydim), " re");
    } else {
        Ray = std::min({Ray, xdim / 2.0f, ydim / 2.0f});
        const double r = Ray, k = kQuarterCircle * r;
        const double left = x, bottom = y, right = left + xdim, top = bottom + ydim;
        const auto f = [](double value) { return static_cast<float>(value); };
        MoveTo(f(left + r), y);
        LineTo(f(right - r), y);
        Curve(f(right - r + k), y, f(right), f(bottom + r - k), f(right), f(bottom + r));
        LineTo(f(right), f(top - r));
        Curve(f(right), f(top - r + k), f(right - r + k), f(top), f(right - r), f(top));
        LineTo(f(left + r), f(top));
        Curve(f(left + r - k), f(top), x, f(top - r + k), x, f(top - r));
        LineTo(x, f(bottom + r));
        Curve(x, f(bottom + r - k), f(left + r - k), y, f(left + r), y);
    }
    PaintPath(Options);
    return Ray;
}

void clsPosterPDF::Curve(float x1, float y1, float x2, float y2, float x3, float y3,
                         std::int32_t Options) {
    RequireStream();
    WriteLine(ToPoints(x1), " ", ToPoints(y1), " ", ToPoints(x2), " ", ToPoints(y2), " ",
              ToPoints(x3), " ", ToPoints(y3), " c");
    PaintPath(Options);
}

void clsPosterPDF::DrawCircle(float x, float y, float Ray, std::int32_t Options) {
    RequireStream();
    const double r = Ray, k = kQuarterCircle * r, cx = x, cy = y;
    const auto f = [](double value) { return static_cast<float>(value); };
    MoveTo(x, f(cy - r));
    Curve(f(cx + k), f(cy - r), f(cx + r), f(cy - k), f(cx + r), y);
    Curve(f(cx + r), f(cy + k), f(cx + k), f(cy + r), x, f(cy + r));
    Curve(f(cx - k), f(cy + r), f(cx - r), f(cy + k), f(cx - r), y);
    Curve(f(cx - r), f(cy - k), f(cx - k), f(cy - r), x, f(cy - r));
    PaintPath(Options);
}

bool clsPosterPDF::Arc(float x, float y, float Ray, float StartAngle, float EndAngle, float Ratio,
                       bool Pie, float Rotate, std::int16_t Quality, std::int32_t Options) {
    // The angle runs as a float counter from StartAngle in steps of Quality while it has not
    // passed EndAngle. Refuse steps that never get there instead of looping for ever.
    const auto reached = [&](float a) { return Quality > 0 ? a <= EndAngle : a >= EndAngle; };
    if (Quality == 0 || !reached(StartAngle)) {
        throw std::invalid_argument("Arc: a step of " + std::to_string(Quality) +
                                    " degrees never goes from the start to the end angle");
    }
    int points = 0;
    for (float a = StartAngle; reached(a); a += Quality) {
        if (++points > kMaxArcPoints || a + Quality == a) {
            throw std::invalid_argument(
                "Arc: more than 100000 steps from the start to the "
                "end angle");
        }
    }
    RequireStream();

    WriteLine("n");
    MoveTo(x, y);
    if ((Options & 4) != 0) Pie = true;
    const double d = 3.141592 / 180.0;
    const double sr = std::sin(-d * Rotate), cr = std::cos(-d * Rotate);
    for (float a = StartAngle; reached(a); a += Quality) {
        const double px = Ray * std::cos(d * a);
        const double py = Ratio * Ray * std::sin(d * a);
        // The ellipse turned counter-clockwise by Rotate degrees.
        const auto vx = static_cast<float>(x + (cr * px + sr * py));
        const auto vy = static_cast<float>(y + (-px * sr + cr * py));
        if (!Pie && a == StartAngle) MoveTo(vx, vy);
        LineTo(vx, vy, 0);
    }
    if (Pie) LineTo(x, y, 0);
    PaintPath(Options);
    return Pie;
}

void clsPosterPDF::PaintPath(std::int32_t Options) {
    switch (Options & 7) {
        case 1:
            WriteLine("S");
            break;  // stroke
        case 2:
            WriteLine("h");
            break;  // close only
        case 3:
            WriteLine("h");
            WriteLine("S");
            break;
        case 4:
        case 6:
            WriteLine("f");
            break;  // fill (a fill closes the path itself)
        case 5:
            WriteLine("B");
            break;  // fill and stroke
        case 7:
            WriteLine("b");
            break;  // close, fill and stroke
        default:
            break;  // the path stays open
    }
}

}  // namespace tessivo
