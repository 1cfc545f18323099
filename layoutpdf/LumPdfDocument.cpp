// Document assembly: object numbering, page streams, the objects written at the end, the
// cross-reference table and the trailer.
#include "layoutpdf/LumPdf.h"

#include <cmath>
#include <ctime>

#include "layoutpdf/PdfFormat.h"

namespace tessivo {
namespace {

using layoutpdf::EscapePdfString;
using layoutpdf::FormatNumber;
using layoutpdf::FormatPlain;

// PDF 1.3 readers hold object numbers and counts in 16-bit integers.
constexpr int kMaxObjects = 32767;

constexpr std::string_view kBeginObjectComment = "%DEBUT_OBJ/%";
constexpr std::string_view kEndObjectComment = "%FIN_OBJ/%";

std::string Reference(int object) {
    return std::to_string(object) + " 0 R";
}

// A text value of the file: Windows-1252 bytes in a literal string, with the delimiters
// escaped so that any title reads back whole.
std::string LiteralString(std::string_view utf8) {
    return "(" + EscapePdfString(layoutpdf::ToCp1252(utf8)) + ")";
}

}  // namespace

void lumPDF::AppendLine(std::string& buffer, std::string_view text) {
    buffer += text;
    buffer += "\r\n";
}

void lumPDF::RequireBuilding(std::string_view member) const {
    if (stage_ != Stage::Building) {
        throw LumUsageError(std::string(member) +
                            " needs an open document: call PDFFileName and "
                            "PDFBeginDoc first.");
    }
}

int lumPDF::NextObject(int count) {
    if (objectCount_ + count > kMaxObjects) {
        throw LumLimitError("The document would need more than 32767 objects.");
    }
    objectCount_ += count;
    return objectCount_ - count + 1;
}

void lumPDF::BeginObject(std::string& buffer, int number) {
    const std::size_t at = buffer.size();
    AppendLine(buffer, std::to_string(number) + " 0 obj");
    if (offsets_.size() <= static_cast<std::size_t>(number)) offsets_.resize(number + 1u, 0);
    // Holds the position inside the buffer until WriteBuffer adds the file position.
    offsets_[static_cast<std::size_t>(number)] = at;
    pendingObjects_.push_back(number);
}

void lumPDF::WriteBuffer(std::initializer_list<std::string_view> pieces) {
    for (int number : pendingObjects_) {
        offsets_[static_cast<std::size_t>(number)] += out_.BytesWritten();
    }
    pendingObjects_.clear();
    out_.WriteLine(pieces);
}

void lumPDF::PDFFileName(const std::string& str_FileName) {
    fileName_ = str_FileName;
    if (str_FileName.empty()) return;
    out_.Open(str_FileName);
    stage_ = Stage::FileOpen;
}

void lumPDF::PDFBeginDoc() {
    if (stage_ == Stage::Building) out_.Open(out_.Target());  // start the file afresh
    if (!out_.IsOpen()) {
        throw LumUsageError("PDFBeginDoc needs an output file: call PDFFileName first.");
    }
    pageCount_ = 1;
    nbPageBound_ = 1;
    images_.clear();
    objectCount_ = 0;
    offsets_.assign(1, 0);
    pendingObjects_.clear();
    pageObjects_.assign(1, 0);
    pageSizes_.assign(1, {0, 0});
    pageLinks_.assign(2, {});
    fontObjects_.assign(1, 0);
    bookmarks_.clear();
    streamBuffer_.clear();
    stage_ = Stage::Building;
    WriteHeader();
    WriteInfoObject();
    BeginContentStream(false);
}

void lumPDF::WriteHeader() {
    out_.WriteLine("%PDF-1.3");
}

std::string lumPDF::CreationDate() const {
    std::tm now{};
    if (options_.localTime) {
        now = options_.localTime();
    } else {
        const std::time_t seconds = std::time(nullptr);
        localtime_r(&seconds, &now);
    }
    char digits[32];
    std::strftime(digits, sizeof digits, "%Y%m%d%H%M%S", &now);
    return digits;
}

void lumPDF::WriteInfoObject() {
    std::string buffer;
    BeginObject(buffer, NextObject());
    AppendLine(buffer, "<<");
    AppendLine(buffer, "/Producer " + LiteralString(producer_));
    AppendLine(buffer, "/Author " + LiteralString(author_));
    AppendLine(buffer, "/CreationDate (D:" + CreationDate() + ")");
    AppendLine(buffer, "/Creator " + LiteralString(creator_));
    AppendLine(buffer, "/Keywords " + LiteralString(keywords_));
    AppendLine(buffer, "/Subject " + LiteralString(subject_));
    AppendLine(buffer, "/Title " + LiteralString(title_));
    AppendLine(buffer, "/ModDate ()");
    AppendLine(buffer, ">>");
    AppendLine(buffer, "endobj");
    WriteBuffer({buffer});
}

void lumPDF::BeginContentStream(bool continuation) {
    const int stream = NextObject();
    streamBuffer_.clear();
    BeginObject(streamBuffer_, stream);
    AppendLine(streamBuffer_, "<< /Length " + Reference(stream + 1));
    AppendLine(streamBuffer_, " >>");
    streamMark_ = streamBuffer_.size();
    AppendLine(streamBuffer_, "stream");
    pageContent_.clear();
    // A page after the first begins with the comment that opened its object in the file.
    if (continuation) AppendLine(pageContent_, kBeginObjectComment);
}

void lumPDF::CloseContentStream(bool lastPage) {
    // The stream length counts the content with its line ends, up to "endstream".
    const std::size_t length = pageContent_.size();
    std::string tail;
    AppendLine(tail, "endstream");
    AppendLine(tail, "endobj");
    if (!lastPage) AppendLine(tail, kEndObjectComment);
    WriteBuffer({streamBuffer_, pageContent_, tail});
    pageContent_.clear();
    streamBuffer_.clear();

    std::string buffer;
    if (!lastPage) AppendLine(buffer, kBeginObjectComment);
    BeginObject(buffer, NextObject());
    AppendLine(buffer, std::to_string(length));
    AppendLine(buffer, "endobj");
    if (!lastPage) AppendLine(buffer, kEndObjectComment);
    WriteBuffer({buffer});
}

void lumPDF::PDFEndPage() {
    ++pageFormatIndex_;
    ResizePageTables();
    const auto index = static_cast<std::size_t>(pageFormatIndex_);
    if (pageWidths_[index] == 0.0) {
        pageWidths_[index] = pageWidths_[index - 1];
        pageHeights_[index] = pageHeights_[index - 1];
        pageOrientations_[index] = pageOrientations_[index - 1];
    }
    DrawWatermark();
}

void lumPDF::PDFNewPage() {
    RequireBuilding("PDFNewPage");
    // The open stream needs its length object, the new page a stream and a length object.
    if (objectCount_ + 3 > kMaxObjects || pageCount_ + 1 > kMaxObjects) {
        throw LumLimitError("The document would need more than 32767 objects or pages.");
    }
    currentX_ = leftMargin_;
    currentY_ = topMargin_;
    ++pageCount_;
    pageLinks_.resize(static_cast<std::size_t>(pageCount_) + 1);
    CloseContentStream(false);
    BeginContentStream(true);
    DrawWatermark();
}

void lumPDF::DrawWatermark() {
    if (!hasWatermark_) return;
    // The watermark borrows the text state; the caller's font, colour and position return.
    const std::string savedFont = fontName_;
    const std::int16_t savedSize = fontSize_;
    const bool savedItalic = italic_, savedBold = bold_, savedUnderline = underline_;
    const std::string savedColor = textColorOp_;
    const double savedX = currentX_, savedY = currentY_;

    PDFSetFont(0, 50, 2);
    PDFSetTextColor(std::array<int, 3>{255, 192, 203});
    const double width = PDFGetStringWidth(watermarkText_, fontName_, 50);
    const double y = (std::sin(45.0) * width + PageHeight()) / 2.15;
    const double x = (PageWidth() - std::cos(45.0) * width) / 2.75;
    PDFSetRotation(45);
    PDFTextOut(watermarkText_, x / k_, y / k_);
    rotation_ = 0;

    fontName_ = savedFont;
    fontSize_ = savedSize;
    italic_ = savedItalic;
    bold_ = savedBold;
    underline_ = savedUnderline;
    textColorOp_ = savedColor;
    currentX_ = savedX;
    currentY_ = savedY;
}

void lumPDF::PDFEndDoc() {
    RequireBuilding("PDFEndDoc");
    const int pages = pageCount_;
    const int fonts = static_cast<int>(fontList_.size());
    const int images = static_cast<int>(images_.size());
    const int outlineObjects = bookmarks_.empty() ? 0 : static_cast<int>(bookmarks_.size()) + 1;
    // Length of the last stream, fonts, page tree, resources, images, pages, outlines,
    // catalog: checked before anything more is written.
    const long long needed = objectCount_ + 1LL + fonts + 2 + images + pages + outlineObjects + 1;
    if (needed > kMaxObjects) {
        throw LumLimitError("The document would need " + std::to_string(needed) +
                            " objects; PDF 1.3 allows 32767.");
    }
    DrawWatermark();
    CloseContentStream(true);
    WriteFontObjects();
    WritePagesObject();
    WriteResourcesObject();
    for (int image = 1; image <= images; ++image) WriteImageObject(image);
    pageObjects_.assign(static_cast<std::size_t>(pages) + 1, 0);
    for (int page = 1; page <= pages; ++page) WritePageObject(page);
    if (!bookmarks_.empty()) WriteOutlines();
    WriteCatalogObject();
    WriteCrossReference();
    out_.WriteLine("%%EOF");
    out_.Commit();
    stage_ = Stage::Ended;
    nbPageBound_ = pages;

    if (confirm_) {
        messages_.ShowMessage(std::string("Generated PDF file - ") + "lumPDF 1.0",
                              "PDF file generated.", LumMessageIcon::None);
    }
    if (view_ && options_.viewer) options_.viewer(std::filesystem::absolute(out_.Target()));
}

void lumPDF::WriteFontObjects() {
    fontObjects_.assign(fontList_.size() + 1, 0);
    for (std::size_t index = 0; index < fontList_.size(); ++index) {
        const int number = NextObject();
        std::string buffer;
        BeginObject(buffer, number);
        AppendLine(buffer, "<< /Type /Font");
        AppendLine(buffer, "/Subtype /Type1");
        AppendLine(buffer, "/Name /F" + std::to_string(index + 1));
        AppendLine(buffer, "/BaseFont /" + layoutpdf::EscapePdfName(fontList_[index]));
        AppendLine(buffer, "/Encoding /WinAnsiEncoding");
        AppendLine(buffer, ">>");
        AppendLine(buffer, "endobj");
        WriteBuffer({buffer});
        fontObjects_[index + 1] = number;
    }
}

void lumPDF::WritePagesObject() {
    pagesObject_ = NextObject();
    const int images = static_cast<int>(images_.size());
    std::string buffer;
    AppendLine(buffer, kBeginObjectComment);
    BeginObject(buffer, pagesObject_);
    AppendLine(buffer, "<< /Type /Pages");
    AppendLine(buffer, "/Kids [");
    pageSizes_.assign(static_cast<std::size_t>(pageCount_) + 1, {0, 0});
    for (int page = 1; page <= pageCount_; ++page) {
        AppendLine(buffer, Reference(pagesObject_ + 1 + images + page));
        // A page opened without its own PDFEndPage takes the last format entry.
        const auto entry = std::min(static_cast<std::size_t>(page), pageWidths_.size() - 1);
        pageSizes_[static_cast<std::size_t>(page)] = {pageWidths_[entry], pageHeights_[entry]};
    }
    AppendLine(buffer, "]");
    AppendLine(buffer, "/Count " + std::to_string(pageCount_));
    AppendLine(buffer, ">>");
    AppendLine(buffer, "endobj");
    WriteBuffer({buffer});
}

void lumPDF::WriteResourcesObject() {
    resourcesObject_ = NextObject();
    std::string buffer;
    BeginObject(buffer, resourcesObject_);
    AppendLine(buffer, "<< /ProcSet [ /PDF /Text /ImageC]");
    AppendLine(buffer, "/XObject << ");
    for (std::size_t image = 1; image <= images_.size(); ++image) {
        AppendLine(buffer, "/ImgJPEG" + std::to_string(image) + " " +
                               Reference(resourcesObject_ + static_cast<int>(image)));
    }
    AppendLine(buffer, ">>");
    AppendLine(buffer, "/Font << ");
    for (std::size_t font = 1; font < fontObjects_.size(); ++font) {
        AppendLine(buffer, "/F" + std::to_string(font) + " " + Reference(fontObjects_[font]) + " ");
    }
    AppendLine(buffer, ">>");
    AppendLine(buffer, ">>");
    AppendLine(buffer, "endobj");
    WriteBuffer({buffer});
}

void lumPDF::WriteImageObject(int index) {
    const layoutpdf::JpegInfo& image = images_.at(static_cast<std::size_t>(index) - 1);
    std::string buffer;
    BeginObject(buffer, NextObject());
    AppendLine(buffer, "<</Type /XObject");
    AppendLine(buffer, "/Subtype /Image");
    AppendLine(buffer, "/Filter [/DCTDecode ]");
    AppendLine(buffer, "/Width " + std::to_string(image.width));
    AppendLine(buffer, "/Height " + std::to_string(image.height));
    AppendLine(buffer, "/ColorSpace /" + image.colorSpace);
    AppendLine(buffer, "/BitsPerComponent " + std::to_string(image.bitsPerComponent));
    AppendLine(buffer, "/Length " + std::to_string(image.data.size()));
    AppendLine(buffer, "/Name /ImgJPEG" + std::to_string(index) + ">>");
    AppendLine(buffer, "stream");
    AppendLine(buffer, image.data);
    AppendLine(buffer, "endstream");
    AppendLine(buffer, "endobj");
    WriteBuffer({buffer});
}

void lumPDF::WritePageObject(int index) {
    const int number = NextObject();
    const auto page = static_cast<std::size_t>(index);
    pageObjects_[page] = number;
    std::string buffer;
    BeginObject(buffer, number);
    AppendLine(buffer, "<< /Type /Page");
    AppendLine(buffer, "/Parent " + Reference(pagesObject_));
    AppendLine(buffer, "/MediaBox [ 0 0 " + FormatPlain(pageSizes_[page][0]) + " " +
                           FormatPlain(pageSizes_[page][1]) + "]");
    AppendLine(buffer, "/Resources " + Reference(resourcesObject_));
    if (page < pageLinks_.size() && !pageLinks_[page].empty()) {
        std::string annotations = "/Annots [";
        for (const Link& link : pageLinks_[page]) {
            annotations += "<</Type /Annot /Subtype /Link /Rect [" + FormatNumber(link.x, 2) + " " +
                           FormatNumber(link.y, 2) + " " + FormatNumber(link.x + link.w, 2) + " " +
                           FormatNumber(link.y - link.h, 2) + "] /Border [0 0 0] ";
            // A link without a target still closes its dictionary.
            annotations += link.target.empty()
                               ? ">>"
                               : "/A <</S /URI /URI (" + EscapePdfString(link.target) + ")>>>>";
            annotations += "\r\n";
        }
        annotations += "]";
        AppendLine(buffer, annotations);
    }
    AppendLine(buffer, "/Contents " + Reference(2 * index));
    AppendLine(buffer, ">>");
    AppendLine(buffer, "endobj");
    AppendLine(buffer, kEndObjectComment);
    WriteBuffer({buffer});
}

void lumPDF::WriteOutlines() {
    const int count = static_cast<int>(bookmarks_.size());
    const int first = NextObject(count + 1);
    const int root = first + count;
    std::vector<int> lastAtLevel;
    int previousLevel = 0;
    int lastTopLevel = 0;
    for (int index = 0; index < count; ++index) {
        Bookmark& item = bookmarks_[static_cast<std::size_t>(index)];
        const int level = item.level;  // 0 .. previous level + 1, see PDFSetBookmark
        if (lastAtLevel.size() <= static_cast<std::size_t>(level))
            lastAtLevel.resize(level + 1u, -1);
        if (level == 0) {
            lastTopLevel = index;
        } else {
            Bookmark& parent = bookmarks_[static_cast<std::size_t>(lastAtLevel[level - 1u])];
            item.parent = lastAtLevel[level - 1u];
            parent.last = index;
            if (level > previousLevel) parent.first = index;
        }
        if (index > 0 && level <= previousLevel && lastAtLevel[level] >= 0) {
            item.prev = lastAtLevel[level];
            bookmarks_[static_cast<std::size_t>(item.prev)].next = index;
        }
        lastAtLevel[level] = index;
        previousLevel = level;
    }
    const auto object = [first](int index) { return Reference(first + index); };
    for (int index = 0; index < count; ++index) {
        const Bookmark& item = bookmarks_[static_cast<std::size_t>(index)];
        std::string buffer;
        BeginObject(buffer, first + index);
        AppendLine(buffer, "<</Title " + LiteralString(item.text));
        AppendLine(buffer, "/Parent " + (item.parent < 0 ? Reference(root) : object(item.parent)));
        if (item.prev >= 0) AppendLine(buffer, "/Prev " + object(item.prev));
        if (item.next >= 0) AppendLine(buffer, "/Next " + object(item.next));
        if (item.first >= 0) AppendLine(buffer, "/First " + object(item.first));
        if (item.last >= 0) AppendLine(buffer, "/Last " + object(item.last));
        const auto page = static_cast<std::size_t>(item.page);
        const double top = pageSizes_.at(page)[1] - item.y * k_;
        AppendLine(buffer, "/Dest [" + Reference(pageObjects_.at(page)) + " /XYZ 0 " +
                               FormatNumber(top, 2) + " null]");
        AppendLine(buffer, "/Count 0>>");
        AppendLine(buffer, "endobj");
        WriteBuffer({buffer});
    }
    std::string buffer;
    BeginObject(buffer, root);
    AppendLine(buffer, "<</Type /Outlines /First " + Reference(first));
    AppendLine(buffer, "/Last " + Reference(first + lastTopLevel) + ">>");
    AppendLine(buffer, "endobj");
    WriteBuffer({buffer});
    outlineRoot_ = root;
}

void lumPDF::WriteCatalogObject() {
    catalogObject_ = NextObject();
    std::string buffer;
    BeginObject(buffer, catalogObject_);
    AppendLine(buffer, "<<");
    AppendLine(buffer, "/Type /Catalog");
    AppendLine(buffer, "/Pages " + Reference(pagesObject_));

    const long zoom = zoomMode_.value_or(0);
    std::string fit;
    if (zoom == 0) {
        fit = "/Fit";
    } else if (zoom == 1) {
        fit = "/FitH null";
    } else if (zoom == 2) {
        fit = "/XYZ null null 1";
    } else {
        fit = "/XYZ null null " + FormatNumber(zoom / 100.0, 2);
    }
    AppendLine(buffer, "/OpenAction [" + Reference(pageObjects_.at(1)) + " " + fit + "]");

    static constexpr std::array<std::string_view, 3> kLayouts = {
        "/PageLayout /SinglePage", "/PageLayout /OneColumn", "/PageLayout /TwoColumnLeft"};
    const long layout = layoutMode_.value_or(0);
    if (layout >= 0 && layout < 3) AppendLine(buffer, kLayouts[static_cast<std::size_t>(layout)]);

    // One /PageMode only: the outline panel wins over thumbnails when both are asked for.
    const bool outlines = useOutlines_ && !bookmarks_.empty();
    if (useThumbs_ && !useOutlines_) AppendLine(buffer, "/PageMode /UseThumbs");
    if (outlines) AppendLine(buffer, "/Outlines " + Reference(outlineRoot_));
    if (useOutlines_) AppendLine(buffer, "/PageMode /UseOutlines");

    if (viewerPreferences_) {
        static constexpr std::array<std::pair<char, std::string_view>, 6> kOptions = {{
            {'2', "/HideMenubar true"},
            {'1', "/HideToolbar true"},
            {'3', "/HideWindowUI true"},
            {'6', "/DisplayDocTitle true"},
            {'5', "/CenterWindow true"},
            {'4', "/FitWindow true"},
        }};
        const std::string digits = std::to_string(*viewerPreferences_);
        AppendLine(buffer, "/ViewerPreferences<<");
        for (const auto& [digit, option] : kOptions) {
            if (digits.find(digit) != std::string::npos) AppendLine(buffer, option);
        }
        AppendLine(buffer, ">>");
    }
    AppendLine(buffer, ">>");
    AppendLine(buffer, "endobj");
    WriteBuffer({buffer});
}

void lumPDF::WriteCrossReference() {
    const int size = objectCount_ + 1;
    const std::uint64_t xref = out_.BytesWritten();
    std::string buffer;
    buffer.reserve(static_cast<std::size_t>(size) * 20 + 128);
    AppendLine(buffer, "xref");
    AppendLine(buffer, "0 " + std::to_string(size));
    AppendLine(buffer, "0000000000 65535 f");
    for (int object = 1; object < size; ++object) {
        AppendLine(buffer, layoutpdf::PadOffset(offsets_.at(static_cast<std::size_t>(object))) +
                               " 00000 n");
    }
    AppendLine(buffer, "trailer");
    AppendLine(buffer, "<< /Size " + std::to_string(size));
    AppendLine(buffer, "/Root " + Reference(catalogObject_));
    AppendLine(buffer, "/Info 1 0 R");
    AppendLine(buffer, ">>");
    AppendLine(buffer, "startxref");
    buffer += std::to_string(xref);
    out_.WriteLine(buffer);
}

}  // namespace tessivo
