#include "posterpdf/FontMetrics.h"

#include <array>

namespace tessivo::posterpdf {
namespace {

struct FaceMetrics {
    std::string_view descriptor;
    const WidthTable* widths;  // null: 600 for every code
    std::int32_t missingWidth;
};

struct Family {
    std::string_view key;   // the requested name without blanks, upper-cased
    std::string_view name;  // the name written as /BaseFont and /FontName
    std::array<FaceMetrics, kLastFontStyle + 1> styles;  // regular, bold, italic, bold italic
};

// Descriptor entries as Windows reports them for these faces.
const std::array<Family, 4> kFamilies{{
    {"TIMESNEWROMAN",
     "TimesNewRoman",
     {{{"/Flags 34 /FontBBox [-250 -216 1200 1000] /MissingWidth 333 /StemV 73 /StemH 73 "
        "/ItalicAngle 0 /CapHeight 891 /XHeight 446 /Ascent 891 /Descent -216 /Leading 149 "
        "/MaxWidth 1000 /AvgWidth 401",
        &kTimesRegularWidths, 333},
       {"/Flags 16418 /FontBBox [-250 -216 1201 1000] /MissingWidth 333 /StemV 136 /StemH 136 "
        "/ItalicAngle 0 /CapHeight 891 /XHeight 446 /Ascent 891 /Descent -216 /Leading 149 "
        "/MaxWidth 1001 /AvgWidth 401",
        &kTimesBoldWidths, 333},
       {"/Flags 98 /FontBBox [-250 -216 1200 1000] /MissingWidth 333 /StemV 73 /StemH 73 "
        "/ItalicAngle -11 /CapHeight 891 /XHeight 446 /Ascent 891 /Descent -216 /Leading 149 "
        "/MaxWidth 1000 /AvgWidth 402",
        &kTimesItalicWidths, 333},
       {"/Flags 16482 /FontBBox [-250 -216 1200 1000] /MissingWidth 333 /StemV 131 /StemH 131 "
        "/ItalicAngle -11 /CapHeight 891 /XHeight 446 /Ascent 891 /Descent -216 /Leading 149 "
        "/MaxWidth 1000 /AvgWidth 412",
        &kTimesBoldItalicWidths, 333}}}},
    {"COURIERNEW",
     "CourierNew",
     {{{"/Flags 34 /FontBBox [-250 -300 720 1000] /MissingWidth 600 /StemV 109 /StemH 109 "
        "/ItalicAngle 0 /CapHeight 833 /XHeight 417 /Ascent 833 /Descent -300 /Leading 133 "
        "/MaxWidth 600 /AvgWidth 600",
        nullptr, 600},
       {"/Flags 16418 /FontBBox [-250 -300 720 1000] /MissingWidth 600 /StemV 191 /StemH 191 "
        "/ItalicAngle 0 /CapHeight 833 /XHeight 417 /Ascent 833 /Descent -300 /Leading 133 "
        "/MaxWidth 600 /AvgWidth 600",
        nullptr, 600},
       {"/Flags 98 /FontBBox [-250 -300 720 1000] /MissingWidth 600 /StemV 109 /StemH 109 "
        "/ItalicAngle -11 /CapHeight 833 /XHeight 417 /Ascent 833 /Descent -300 /Leading 133 "
        "/MaxWidth 600 /AvgWidth 600",
        nullptr, 600},
       {"/Flags 16482 /FontBBox [-250 -300 720 1000] /MissingWidth 600 /StemV 191 /StemH 191 "
        "/ItalicAngle -11 /CapHeight 833 /XHeight 417 /Ascent 833 /Descent -300 /Leading 133 "
        "/MaxWidth 600 /AvgWidth 600",
        nullptr, 600}}}},
    {"SYMBOL",
     "Symbol",
     {{{"/Flags 6 /FontBBox [-250 -220 1246 1005] /MissingWidth 332 /StemV 109 /StemH 109 "
        "/ItalicAngle 0 /CapHeight 1005 /XHeight 503 /Ascent 1005 /Descent -220 /Leading 225 "
        "/MaxWidth 1038 /AvgWidth 601",
        &kSymbolWidths, 332},
       {"/Flags 16390 /FontBBox [-250 -220 1246 1005] /MissingWidth 332 /StemV 191 /StemH 191 "
        "/ItalicAngle 0 /CapHeight 1005 /XHeight 503 /Ascent 1005 /Descent -220 /Leading 225 "
        "/MaxWidth 1038 /AvgWidth 600",
        &kSymbolWidths, 332},
       {"/Flags 70 /FontBBox [-250 -220 1246 1005] /MissingWidth 332 /StemV 109 /StemH 109 "
        "/ItalicAngle -11 /CapHeight 1005 /XHeight 503 /Ascent 1005 /Descent -220 /Leading 225 "
        "/MaxWidth 1038 /AvgWidth 600",
        &kSymbolWidths, 332},
       {"/Flags 16454 /FontBBox [-250 -220 1246 1005] /MissingWidth 332 /StemV 191 /StemH 191 "
        "/ItalicAngle -11 /CapHeight 1005 /XHeight 503 /Ascent 1005 /Descent -220 /Leading 225 "
        "/MaxWidth 1038 /AvgWidth 600",
        &kSymbolWidths, 332}}}},
    {"",
     "Arial",
     {{{"/Flags 32 /FontBBox [-250 -221 1190 1000] /MissingWidth 272 /StemV 80 /StemH 80 "
        "/ItalicAngle 0 /CapHeight 905 /XHeight 453 /Ascent 905 /Descent -212 /Leading 150 "
        "/MaxWidth 992 /AvgWidth 441",
        &kArialRegularWidths, 272},
       {"/Flags 16416 /FontBBox [-250 -212 1120 1000] /MissingWidth 311 /StemV 153 /StemH 153 "
        "/ItalicAngle 0 /CapHeight 905 /XHeight 453 /Ascent 905 /Descent -212 /Leading 150 "
        "/MaxWidth 933 /AvgWidth 479",
        &kArialBoldWidths, 311},
       {"/Flags 96 /FontBBox [-250 -212 1134 1000] /MissingWidth 259 /StemV 80 /StemH 80 "
        "/ItalicAngle -11 /CapHeight 905 /XHeight 453 /Ascent 905 /Descent -212 /Leading 150 "
        "/MaxWidth 945 /AvgWidth 441",
        &kArialRegularWidths, 259},
       {"/Flags 16480 /FontBBox [-250 -212 1120 1000] /MissingWidth 311 /StemV 153 /StemH 153 "
        "/ItalicAngle -11 /CapHeight 905 /XHeight 453 /Ascent 905 /Descent -212 /Leading 150 "
        "/MaxWidth 933 /AvgWidth 479",
        &kArialBoldWidths, 311}}}},
}};

}  // namespace

std::string_view StyleSuffix(std::int32_t style) {
    switch (style) {
        case 1:
            return ",Bold";
        case 2:
            return ",Italic";
        case 3:
            return ",BoldItalic";
        default:
            return "";
    }
}

FontMetrics MetricsForFont(std::string_view upperCaseName, std::int32_t style) {
    const Family* family = &kFamilies.back();  // Arial stands in for any other name
    for (const Family& candidate : kFamilies) {
        if (candidate.key == upperCaseName) {
            family = &candidate;
            break;
        }
    }
    const FaceMetrics& face = family->styles.at(static_cast<std::size_t>(style));
    FontMetrics metrics;
    metrics.BaseFont = std::string(family->name) + std::string(StyleSuffix(style));
    metrics.Descriptor = face.descriptor;
    metrics.Widths = face.widths;
    metrics.MissingWidth = face.missingWidth;
    return metrics;
}

}  // namespace tessivo::posterpdf
