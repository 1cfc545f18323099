#include "layoutpdf/AfmWidths.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>
#include <unordered_map>
#include <vector>

namespace tessivo::layoutpdf {
namespace {

// WinAnsiEncoding glyph names for bytes 32 to 255 (PDF Reference, appendix D).
constexpr std::array<std::string_view, 224> kWinAnsiNames = {
    "space", "exclam", "quotedbl", "numbersign", "dollar", "percent", "ampersand", "quotesingle",
    "parenleft", "parenright", "asterisk", "plus", "comma", "hyphen", "period", "slash", "zero",
    "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "colon", "semicolon",
    "less", "equal", "greater", "question", "at", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
    "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "bracketleft",
    "backslash", "bracketright", "asciicircum", "underscore", "grave", "a", "b", "c", "d", "e", "f",
    "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y",
    "z", "braceleft", "bar", "braceright", "asciitilde", "",
    // 0x80
    "Euro", "", "quotesinglbase", "florin", "quotedblbase", "ellipsis", "dagger", "daggerdbl",
    "circumflex", "perthousand", "Scaron", "guilsinglleft", "OE", "", "Zcaron", "",
    // 0x90
    "", "quoteleft", "quoteright", "quotedblleft", "quotedblright", "bullet", "endash", "emdash",
    "tilde", "trademark", "scaron", "guilsinglright", "oe", "", "zcaron", "Ydieresis",
    // 0xA0
    "space", "exclamdown", "cent", "sterling", "currency", "yen", "brokenbar", "section",
    "dieresis", "copyright", "ordfeminine", "guillemotleft", "logicalnot", "hyphen", "registered",
    "macron", "degree", "plusminus", "twosuperior", "threesuperior", "acute", "mu", "paragraph",
    "periodcentered", "cedilla", "onesuperior", "ordmasculine", "guillemotright", "onequarter",
    "onehalf", "threequarters", "questiondown",
    // 0xC0
    "Agrave", "Aacute", "Acircumflex", "Atilde", "Adieresis", "Aring", "AE", "Ccedilla", "Egrave",
    "Eacute", "Ecircumflex", "Edieresis", "Igrave", "Iacute", "Icircumflex", "Idieresis", "Eth",
    "Ntilde", "Ograve", "Oacute", "Ocircumflex", "Otilde", "Odieresis", "multiply", "Oslash",
    "Ugrave", "Uacute", "Ucircumflex", "Udieresis", "Yacute", "Thorn", "germandbls",
    // 0xE0
    "agrave", "aacute", "acircumflex", "atilde", "adieresis", "aring", "ae", "ccedilla", "egrave",
    "eacute", "ecircumflex", "edieresis", "igrave", "iacute", "icircumflex", "idieresis", "eth",
    "ntilde", "ograve", "oacute", "ocircumflex", "otilde", "odieresis", "divide", "oslash",
    "ugrave", "uacute", "ucircumflex", "udieresis", "yacute", "thorn", "ydieresis"};

const std::unordered_map<std::string_view, std::vector<unsigned char>>& BytesByGlyphName() {
    static const auto* table = [] {
        auto* map = new std::unordered_map<std::string_view, std::vector<unsigned char>>();
        for (int byte = 32; byte < 256; ++byte) {
            const std::string_view name = kWinAnsiNames[static_cast<std::size_t>(byte - 32)];
            if (!name.empty()) (*map)[name].push_back(static_cast<unsigned char>(byte));
        }
        return map;
    }();
    return *table;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The second space-separated word of a trimmed field ("C 32" -> "32").
std::string_view SecondWord(std::string_view field) {
    field = Trim(field);
    const auto space = field.find(' ');
    if (space == std::string_view::npos) return {};
    const std::string_view rest = Trim(field.substr(space + 1));
    return rest.substr(0, rest.find(' '));
}

std::optional<double> Number(std::string_view word) {
    double value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size()) return std::nullopt;
    return value;
}

struct MetricLine {
    std::optional<double> code;
    std::optional<double> width;
    std::string_view name;
};

MetricLine ReadMetricLine(std::string_view line) {
    MetricLine metric;
    std::size_t start = 0;
    for (int field = 0; start <= line.size(); ++field) {
        const auto end = std::min(line.find(';', start), line.size());
        const std::string_view text = line.substr(start, end - start);
        if (field == 0) metric.code = Number(SecondWord(text));
        if (field == 1) metric.width = Number(SecondWord(text));
        const std::string_view trimmed = Trim(text);
        if (trimmed.starts_with("N ")) metric.name = SecondWord(trimmed);
        start = end + 1;
    }
    return metric;
}

bool UsableWidth(const std::optional<double>& width) {
    return width && *width >= -10000.0 && *width <= 10000.0;
}

}  // namespace

std::string_view WinAnsiGlyphName(unsigned char byte) {
    if (byte < 32) return {};
    return kWinAnsiNames[byte - 32u];
}

bool ParseAfmWidths(std::string_view afmText, AfmWidthTable& widths) {
    widths.fill(0.0);
    const auto& byName = BytesByGlyphName();
    std::unordered_map<std::string_view, double> named;
    bool inMetrics = false;
    bool encoded = true;
    bool found = false;
    int firstCode = -1;
    int lastCode = -1;
    std::size_t start = 0;
    while (start < afmText.size()) {
        const auto end = std::min(afmText.find('\n', start), afmText.size());
        const std::string_view line = Trim(afmText.substr(start, end - start));
        start = end + 1;
        if (!inMetrics) {
            if (line.find("StartCharMetrics") != std::string_view::npos) inMetrics = found = true;
            continue;
        }
        if (line.find("EndCharMetrics") != std::string_view::npos) break;
        const MetricLine metric = ReadMetricLine(line);
        if (!UsableWidth(metric.width)) continue;
        if (!metric.name.empty()) named.emplace(metric.name, std::floor(*metric.width));
        if (!encoded || !metric.code) continue;
        if (*metric.code == -1) {
            encoded = false;
            continue;
        }
        // Written so that "nan", which compares false with everything, is skipped too.
        if (!(*metric.code >= 0 && *metric.code <= 255)) continue;
        const int code = static_cast<int>(*metric.code);
        if (firstCode < 0) firstCode = code;
        lastCode = code;
        widths[static_cast<std::size_t>(code)] = std::floor(*metric.width);
    }
    for (int code = 0; code < 256; ++code) {
        if (code < firstCode || code > lastCode) widths[static_cast<std::size_t>(code)] = 0.0;
    }
    for (const auto& [name, width] : named) {
        const auto bytes = byName.find(name);
        if (bytes == byName.end()) continue;
        for (unsigned char byte : bytes->second) widths[byte] = width;
    }
    return found;
}

std::optional<std::string> LoadAfmWidths(const std::filesystem::path& file, AfmWidthTable& widths) {
    widths.fill(0.0);
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error) return "Cannot read the font metric file " + file.string() + ": " + error.message();
    if (size > kMaxAfmFileBytes) {
        return "The font metric file " + file.string() + " is larger than 4 MiB.";
    }
    std::ifstream in(file, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(text.data(), static_cast<std::streamsize>(text.size()))) {
        return "Cannot read the font metric file " + file.string() + ".";
    }
    if (!ParseAfmWidths(text, widths)) {
        return "The font metric file " + file.string() + " has no StartCharMetrics section.";
    }
    return std::nullopt;
}

}  // namespace tessivo::layoutpdf
