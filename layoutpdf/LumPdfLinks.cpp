// JPEG pictures, web links and bookmarks.
#include "layoutpdf/LumPdf.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <system_error>

#include "layoutpdf/PdfFormat.h"

namespace tessivo {
namespace {

using layoutpdf::FormatNumber;
using layoutpdf::JpegRejection;

constexpr std::string_view kCannotAdd = "\r\nCannot add image to PDF file.";

}  // namespace

std::optional<layoutpdf::JpegInfo> lumPDF::ReadJpegFile(const std::string& fileName) {
    if (fileName.find('.') == std::string::npos) {
        ShowMessage("Image File - ", "File " + fileName +
                                         " does not have an extension\r\nInvalid filename "
                                         "specified.");
        return std::nullopt;
    }
    if (!fileName.ends_with("jpg") && !fileName.ends_with("jpeg")) {
        ShowMessage("Image File - ",
                    "Image format not supported.\r\nOnly JPEG images are supported.\r\n"
                    "Impossible to include image in PDF file.");
        return std::nullopt;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(fileName, error);
    if (error) throw LumFileError("Cannot read the picture " + fileName + ": " + error.message());
    if (size > layoutpdf::kMaxJpegFileBytes) {
        ShowMessage("File Image - ", "File Image is larger than 256 MiB" + std::string(kCannotAdd));
        return std::nullopt;
    }
    std::ifstream in(fileName, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        throw LumFileError("Cannot read the picture " + fileName + ": " + std::strerror(errno));
    }
    layoutpdf::JpegInfo info = layoutpdf::ReadJpeg(std::move(bytes));
    switch (info.rejection) {
        case JpegRejection::None:
            return info;
        case JpegRejection::TooSmall:
            ShowMessage("File Image - ", "File Image is non JPEG" + std::string(kCannotAdd));
            break;
        case JpegRejection::BadMarker:
            ShowMessage("File Image - ", "Invalid JPEG marker\r\nCannot add iamge to PDF file.");
            break;
        case JpegRejection::BadResolution:
            ShowMessage("File Image - ",
                        "Invalid image resolution" + std::to_string(info.unitValue) +
                            "Valid resolution is: 0, 1, 2." + std::string(kCannotAdd));
            break;
    }
    return std::nullopt;
}

void lumPDF::PDFImage(const std::string& pFileName, double x, double y, double w, double h,
                      const LumUrlLink& URLLink) {
    std::optional<layoutpdf::JpegInfo> image = ReadJpegFile(pFileName);
    if (!image) return;
    // Pixels count as points; a missing side keeps the picture's proportions.
    if (w == 0 && h == 0) {
        w = image->width / k_;
        h = image->height / k_;
    } else if (w == 0) {
        w = image->width * h / image->height;
    } else if (h == 0) {
        h = image->height * w / image->width;
    }
    const int number = static_cast<int>(images_.size()) + 1;
    AppendLine(pageContent_, "q");
    std::string placement = FormatNumber(w * k_, 2) + " 0 0 " + FormatNumber(h * k_, 2) + " ";
    AppendPoint(placement, x, y + h);
    AppendLine(pageContent_, placement + " cm /ImgJPEG" + std::to_string(number) + " Do Q");
    images_.push_back(std::move(*image));
    lastImageWidth_ = w;
    lastImageHeight_ = h;
    OfferLink(URLLink, LinkKind::Image, x, y);
    currentX_ = x + w;
    currentY_ = y + h;
}

double lumPDF::PDFImageWidth(const std::string& pFileName) {
    const auto image = ReadJpegFile(pFileName);
    return image ? image->width : 0.0;
}

double lumPDF::PDFImageHeight(const std::string& pFileName) {
    const auto image = ReadJpegFile(pFileName);
    return image ? image->height : 0.0;
}

bool lumPDF::OfferLink(const LumUrlLink& link, LinkKind kind, double x, double y) {
    if (const auto* target = std::get_if<std::string>(&link)) {
        if (target->empty()) return false;
        imageLink_ = kind == LinkKind::Image;
        lastKind_ = kind;
        PDFLink(x, y, *target, "");
        imageLink_ = false;
        return true;
    }
    const std::string value = layoutpdf::FormatPlain(std::get<double>(link));
    switch (kind) {
        case LinkKind::Rectangle:
            break;
        case LinkKind::Image:
            ShowMessage("Url Link Image - ",
                        "Invalid URL image object: " + value + ".\r\nUnable to include URL image.");
            break;
        case LinkKind::Ellipse:
            ShowMessage("Url Link Ellipse - ",
                        "Invalid URL Ellipse : " + value + ".\r\nUnable ot include URL Ellipse.");
            break;
        default:
            ShowMessage("Url Link - ",
                        "Invalid URL link : " + value + ".\r\nUnable to include link.");
    }
    return false;
}

void lumPDF::PDFLink(double x, double y, std::string_view str_Text, std::string_view str_Link) {
    const LinkKind kind = imageLink_ ? LinkKind::Image : lastKind_;
    double width = 0;
    double height = EffectiveFontSize() / k_;
    if (kind == LinkKind::Image) {
        width = lastImageWidth_;
        height = lastImageHeight_;
    } else if (kind == LinkKind::Rectangle) {
        width = lastRectangleWidth_;
    } else {
        // Measured first, so that a font without metrics leaves nothing half written.
        width = std::floor(PDFGetStringWidth(str_Text, "", fontSize_ == 0 ? 10 : fontSize_)) / k_;
    }
    double left = x;
    double top = y;
    AppendLine(pageContent_, "%DEBUT_LINK/%");
    underline_ = true;
    if (kind == LinkKind::Image) PDFSetTextColor(16711680.0);
    if (kind == LinkKind::None) {
        // A text link covers its text: from the left margin offset to one font size above
        // the baseline.
        if (x == 0) x = currentX_;
        if (y == 0) y = currentY_;
        PDFTextOut(str_Text, x, y);
        left = x + leftMargin_;
        top = y - height;
    } else {
        PDFTextOut("", x, y);
    }
    imageLink_ = false;
    underline_ = false;
    lastKind_ = LinkKind::None;
    const std::string target(str_Link.empty() ? str_Text : str_Link);
    StoreLink(left, top, width, height, target);
    AppendLine(pageContent_, "%FIN_LINK/%");
}

void lumPDF::StoreLink(double x, double y, double w, double h, std::string target) {
    auto& links = pageLinks_.at(static_cast<std::size_t>(pageCount_));
    if (links.size() >= 32767) throw LumLimitError("A page can hold at most 32767 links.");
    links.push_back(
        {x * k_, PageHeight() - y * k_, w * k_, h * k_, layoutpdf::SevenBitUri(target)});
}

void lumPDF::PDFSetBookmark(std::string_view str_Text, std::int16_t iLevel, double y) {
    if (y == -1) y = currentY_;
    // Levels step down one at a time, so every item below the top has a parent.
    const int deepest = bookmarks_.empty() ? 0 : bookmarks_.back().level + 1;
    Bookmark bookmark;
    bookmark.text = str_Text;
    bookmark.level = std::clamp(static_cast<int>(iLevel), 0, deepest);
    bookmark.y = y;
    bookmark.page = pageCount_;
    bookmarks_.push_back(std::move(bookmark));
}

}  // namespace tessivo
