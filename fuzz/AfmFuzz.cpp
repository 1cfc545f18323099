// The metric-file parser: any text gives a table of whole widths within the readable range,
// all zero when there is no metrics section.
#include <cmath>

#include "fuzz/FuzzSupport.h"
#include "layoutpdf/AfmWidths.h"

using namespace tessivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    layoutpdf::AfmWidthTable widths;
    widths.fill(7.5);
    const bool found = layoutpdf::ParseAfmWidths(text, widths);
    FUZZ_CHECK(found == (text.find("StartCharMetrics") != std::string_view::npos));
    for (const double width : widths) {
        FUZZ_CHECK(std::isfinite(width) && width == std::floor(width));
        FUZZ_CHECK(width >= -10000 && width <= 10000);
        if (!found) FUZZ_CHECK(width == 0);
    }
    return 0;
}
