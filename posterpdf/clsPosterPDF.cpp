#include "posterpdf/clsPosterPDF.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <utility>

#include "posterpdf/PdfLine.h"
#include "text/Cp1252.h"

namespace tessivo {
namespace {

// Object numbers and counts are 16-bit in this format's writer; the offsets of the
// cross-reference table have 10 digits.
constexpr std::int32_t kMaxObjectNumber = std::numeric_limits<std::int16_t>::max();
constexpr std::uint64_t kMaxXrefOffset = 9'999'999'999;
constexpr std::uint64_t kNoOffset = std::numeric_limits<std::uint64_t>::max();

constexpr std::string_view kProducer = "Tessivo poster writer 1.0";

// Points per user unit of each ScaleMode; any other mode converts to 0.
double PointsPerUnit(std::int32_t scaleMode) {
    switch (scaleMode) {
        case 0:
            return 1.0;
        case 1:
            return 72.0;
        case 2:
            return 72.0 / 25.4;
        case 3:
            return 72.0 / 2.54;
        default:
            return 0.0;
    }
}

}  // namespace

namespace posterpdf {

std::string EscapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size() + 8);
    for (const char c : text) {
        if (c == '\\' || c == '(' || c == ')') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string ToCp1252(std::string_view utf8) {
    return text::Utf8ToCp1252(utf8);
}

std::string AsciiUpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string ResourceEntry(std::string_view name, std::int32_t object) {
    std::string entry = "/";
    entry += name;
    entry += ' ';
    entry += std::to_string(object);
    entry += " 0 R \r";
    return entry;
}

}  // namespace posterpdf

using posterpdf::PosterPdfOverflowError;
using posterpdf::PosterPdfUsageError;

clsPosterPDF::clsPosterPDF() : clsPosterPDF(posterpdf::PosterPdfEnvironment::System()) {}

clsPosterPDF::clsPosterPDF(posterpdf::PosterPdfEnvironment environment)
    : environment_(std::move(environment)) {}

clsPosterPDF::~clsPosterPDF() = default;

// --- Properties ------------------------------------------------------------------------------

void clsPosterPDF::EncodeASCII85(bool vData) {
    encodeASCII85_ = vData;
}

void clsPosterPDF::Margin(float vData) {
    margin_ = ToPoints(vData);
}

void clsPosterPDF::PaperWidth(float vData) {
    paperSize_ = 255;
    paperWidth_ = ToPoints(vData);
}

void clsPosterPDF::PaperHeight(float vData) {
    paperSize_ = 255;
    paperHeight_ = ToPoints(vData);
}

std::int16_t clsPosterPDF::Pages() const {
    return pages_;
}

void clsPosterPDF::ScaleMode(std::int32_t New_ScaleMode) {
    scaleMode_ = New_ScaleMode;
}

void clsPosterPDF::PaperSize(std::int32_t New_PaperSize) {
    // Width x height in points of codes 0 (about A4), 1 (about A3), 2 (US Letter) and 3.
    static constexpr float kSizes[][2] = {
        {595.2f, 842.0f}, {842.0f, 1190.5f}, {612.0f, 792.0f}, {612.0f, 864.0f}};
    paperSize_ = New_PaperSize;
    if (New_PaperSize >= 0 && New_PaperSize <= 3) {
        paperWidth_ = kSizes[New_PaperSize][0];
        paperHeight_ = kSizes[New_PaperSize][1];
    }
}

void clsPosterPDF::Orientation(std::int32_t NewOrientation) {
    orientation_ = NewOrientation;
}

void clsPosterPDF::Title(std::string_view New_Title) {
    title_ = New_Title;
}

// --- Document --------------------------------------------------------------------------------

std::string clsPosterPDF::InitPDFFile(std::string_view strFileName) {
    out_.Abandon();
    pages_ = 0;
    kids_.clear();
    fontList_.clear();
    imageList_.clear();
    formList_.clear();
    fontIndex_.clear();
    fontNames_.clear();
    xObjectNames_.clear();
    trueTypeFonts_.clear();
    formObjects_.clear();
    xrefOffsets_.clear();
    maxObject_ = 0;
    openStream_ = OpenStream::None;
    streamStart_ = 0;

    const std::filesystem::path path = strFileName.empty()
                                           ? posterpdf::DefaultPdfFileName(environment_)
                                           : std::filesystem::path(std::string(strFileName));
    fileName_ = path.string();
    out_.Create(path);
    WriteDocumentFrame();
    return fileName_;
}

void clsPosterPDF::WriteDocumentFrame() {
    WriteLine("%PDF-1.3");
    WriteObjStart(0);
    WriteLine("<<\r/Title (", posterpdf::EscapeText(posterpdf::ToCp1252(title_)),
              ")\r/Author (Various)\r/Creator  (Home Owner)\r/Producer (",
              posterpdf::EscapeText(kProducer),
              ")\r/CreationDate (D:", posterpdf::CreationDateDigits(environment_.Now()),
              "+01'00')\r>>");
    WriteObjEnd();
    WriteObjStart(0);
    WriteLine(
        "<<\r/Type /Catalog\r/Pages 3 0 R\r/PageLayout /OneColumn\r/PageMode /UseNone\r"
        "/Lang (it) \r"
        "/ViewerPreferences << /HideToolbar false /DisplayDocTitle true /HideWindowUI false >>\r"
        ">>");
    WriteObjEnd();
    // Objects 3 (page tree) and 4 (resources) are written by ClosePDFFile.
    maxObject_ = 4;
    xrefOffsets_.resize(4, kNoOffset);
}

void clsPosterPDF::ClosePDFFile() {
    RequireNoStream();

    std::string resources = "<<\r";
    if (!fontList_.empty()) resources += "/Font <<\r" + fontList_ + ">>\r";
    resources += "/ProcSet [/PDF /Text";
    if (!imageList_.empty()) resources += " /ImageB /ImageC /ImageI";
    resources += " ]\r";
    if (!imageList_.empty() || !formList_.empty()) {
        resources += "/XObject <<\r" + imageList_ + "\r" + formList_ + ">>\r";
    }
    resources += ">>";
    WriteObjStart(4);
    WriteLine(resources);
    WriteObjEnd();

    std::string kids;
    for (const std::int32_t page : kids_) kids += std::to_string(page) + " 0 R ";
    WriteObjStart(3);
    // The media box stays portrait in landscape: /Rotate alone turns the pages.
    WriteLine("<<\r/Type /Pages\r/Count ", pages_, "\r/MediaBox [0 0 ", paperWidth_, " ",
              paperHeight_, "]\r/CropBox [", margin_, " ", margin_, " ", paperWidth_ - margin_, " ",
              paperHeight_ - margin_, "]\r", orientation_ == 1 ? "/Rotate 90" : "", "\r/Kids [",
              kids, " ]\r/Resources 4 0 R\r>>");
    WriteObjEnd();

    // Every cross-reference line is 20 bytes: 10-digit offset, generation, "n", CR LF.
    const std::uint64_t xrefPosition = out_.Offset();
    WriteLine("xref");
    WriteLine("0 ", maxObject_ + 1);
    WriteLine("0000000000 65535 f");
    for (const std::uint64_t offset : xrefOffsets_) {
        char line[21];
        std::snprintf(line, sizeof line, "%010llu 00000 n\r\n",
                      static_cast<unsigned long long>(offset));
        out_.Put(std::string_view(line, 20));
    }
    WriteLine("trailer\r<<\r/Size ", maxObject_ + 1, "\r/Info 1 0 R\r/Root 2 0 R\r>>");
    WriteLine("startxref\r", xrefPosition);
    WriteLine("%%EOF\r");
    out_.Commit();
}

// --- Objects and streams ---------------------------------------------------------------------

std::int32_t clsPosterPDF::WriteObjStart(std::int32_t number) {
    RequireFile();
    if (number == 0) number = maxObject_ + 1;
    if (number > kMaxObjectNumber) {
        throw PosterPdfOverflowError("a PDF document of this writer holds at most " +
                                     std::to_string(kMaxObjectNumber) + " objects");
    }
    const std::uint64_t offset = out_.Offset();
    if (offset > kMaxXrefOffset) {
        throw PosterPdfOverflowError(
            "the PDF document is larger than its cross-reference "
            "table can address");
    }
    if (number > maxObject_) {
        maxObject_ = number;
        xrefOffsets_.resize(static_cast<std::size_t>(maxObject_), kNoOffset);
    }
    xrefOffsets_[static_cast<std::size_t>(number) - 1] = offset;
    WriteLine(number, " 0 obj");
    return number;
}

void clsPosterPDF::WriteObjEnd() {
    WriteLine("endobj");
}

void clsPosterPDF::ReserveObjects(std::int32_t count) const {
    RequireNoStream();
    if (maxObject_ + count > kMaxObjectNumber) {
        throw PosterPdfOverflowError("a PDF document of this writer holds at most " +
                                     std::to_string(kMaxObjectNumber) + " objects");
    }
}

void clsPosterPDF::RequireFile() const {
    if (!out_.IsOpen()) throw PosterPdfUsageError("no PDF document is open (call InitPDFFile)");
}

void clsPosterPDF::RequireNoStream() const {
    RequireFile();
    if (openStream_ == OpenStream::Page) {
        throw PosterPdfUsageError("a page is open: call EndPage first");
    }
    if (openStream_ == OpenStream::Form) {
        throw PosterPdfUsageError("a form object is open: call EndObject first");
    }
}

void clsPosterPDF::RequireStream() const {
    RequireFile();
    if (openStream_ == OpenStream::None) {
        throw PosterPdfUsageError("no page or form object is open: call BeginPage first");
    }
}

void clsPosterPDF::BeginStream(OpenStream stream) {
    streamStart_ = out_.Offset();
    openStream_ = stream;
}

void clsPosterPDF::EndStream() {
    const std::uint64_t length = out_.Offset() - streamStart_;
    WriteLine("endstream");
    WriteObjEnd();
    openStream_ = OpenStream::None;
    WriteObjStart(0);
    WriteLine(length);
    WriteObjEnd();
}

void clsPosterPDF::RequireNewFontName(std::string_view name) const {
    if (fontNames_.contains(posterpdf::AsciiUpperCase(name))) {
        throw std::invalid_argument("font resource \"" + std::string(name) +
                                    "\" is loaded already");
    }
}

void clsPosterPDF::RequireNewXObjectName(std::string_view name) const {
    if (xObjectNames_.contains(std::string(name))) {
        throw std::invalid_argument("image or form object \"" + std::string(name) +
                                    "\" is loaded already");
    }
}

// --- Units -----------------------------------------------------------------------------------

float clsPosterPDF::ToPoints(float value) const {
    return static_cast<float>(static_cast<double>(value) * PointsPerUnit(scaleMode_));
}

float clsPosterPDF::FromPoints(float value) const {
    const double perUnit = PointsPerUnit(scaleMode_);
    return perUnit == 0.0 ? 0.0f : static_cast<float>(static_cast<double>(value) / perUnit);
}

}  // namespace tessivo
