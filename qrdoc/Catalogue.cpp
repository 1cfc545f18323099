#include "qrdoc/Catalogue.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <fstream>
#include <random>

#include "layoutpdf/LumPdf.h"
#include "qrclient/Picture.h"
#include "qrdoc/DocumentFiles.h"
#include "text/Utf8.h"

namespace tessivo::qrdoc {
namespace {

// Page geometry in points (the writer's unit 0), y measured from the top of an A4 page.
constexpr double kPageHeight = 841.89;
constexpr double kLeft = 42;
constexpr double kTop = 48;
constexpr double kBottom = 800;
constexpr double kPictureSide = 96;
constexpr double kTextLeft = kLeft + kPictureSide + 14;
constexpr double kTextWidth = 553 - kTextLeft;
constexpr double kTitleHeight = 18;
constexpr double kLineHeight = 12;
constexpr double kEntryGap = 16;
constexpr int kBodySize = 9;
constexpr int kTitleSize = 11;
constexpr long kHelvetica = 0;
constexpr long kBold = 2;

std::string KindHeading(QrKind kind) {
    switch (kind) {
        case QrKind::Email:
            return "E-mail posters";
        case QrKind::Phone:
            return "Telephone posters";
        case QrKind::Info:
            return "Information posters";
        case QrKind::Web:
            return "Web link posters";
    }
    return {};
}

bool IsPosterFile(const std::filesystem::directory_entry& entry) {
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::error_code error;
    return extension == ".pdf" && entry.is_regular_file(error);
}

// A file address for a link: the absolute path with everything but unreserved characters and
// "/" percent-encoded.
std::string FileAddress(const std::filesystem::path& file) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (unsigned char c : std::filesystem::absolute(file).string()) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += kHex[c >> 4];
            address += kHex[c & 0xF];
        }
    }
    return address;
}

std::string PrintedText(const CatalogueEntry& entry) {
    if (!entry.codeText) {
        return entry.codePicture.empty() ? "(no code picture saved under this title)"
                                         : "(the code picture could not be read)";
    }
    std::string text = *entry.codeText;
    if (text.empty()) return "(an empty code)";
    if (text::CharacterCount(text) > kCatalogueTextLimit) {
        text = text::FirstCharacters(text, kCatalogueTextLimit) + "...";
    }
    return text;
}

// A scratch folder for the JPEG copies, removed with the object.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tessivo-catalogue-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The code picture as a JPEG in the scratch folder; empty when it cannot be made.
std::filesystem::path JpegCopy(const CatalogueEntry& entry, const std::filesystem::path& scratch,
                               int number) {
    if (entry.codePicture.empty()) return {};
    const PictureResult read = ReadImageFile(entry.codePicture);
    if (!read.picture) return {};
    const std::vector<uint8_t> jpeg = EncodeJpeg(*read.picture, 95);
    if (jpeg.empty()) return {};
    const auto file = scratch / ("code-" + std::to_string(number) + ".jpg");
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(jpeg.data()),
              static_cast<std::streamsize>(jpeg.size()));
    return out ? file : std::filesystem::path();
}

// An upper bound of the lines a cell wraps the text into: each paragraph's width over the
// inner width, plus one for a break that falls short of the edge.
int EstimatedLines(lumPDF& pdf, const std::string& text) {
    const double inner = kTextWidth - 2 * pdf.PDFGetCellMargin();
    int lines = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const double width = pdf.PDFGetStringWidth(text.substr(start, end - start), "", kBodySize);
        lines += 1 + static_cast<int>(std::ceil(width / inner));
        start = end + 1;
    }
    return lines;
}

void TitlePage(lumPDF& pdf, const std::vector<CatalogueEntry>& entries,
               const CatalogueOptions& options) {
    pdf.PDFSetFont(kHelvetica, 24, kBold);
    pdf.PDFTextOut("Tessivo catalogue", kLeft - pdf.PDFGetLeftMargin(), 120);
    pdf.PDFSetFont(kHelvetica, 11, 0);
    const std::time_t now = std::time(nullptr);
    char date[32] = {};
    std::strftime(date, sizeof date, "%d %B %Y", std::localtime(&now));
    pdf.PDFTextOut("Every QR poster of the workspace " + options.workspaceFolder.string(),
                   kLeft - pdf.PDFGetLeftMargin(), 160);
    pdf.PDFTextOut(std::string("Made on ") + date, kLeft - pdf.PDFGetLeftMargin(), 176);
    double y = 220;
    for (QrKind kind : kAllKinds) {
        const auto count =
            std::count_if(entries.begin(), entries.end(),
                          [kind](const CatalogueEntry& e) { return e.kind == kind; });
        pdf.PDFTextOut(KindHeading(kind) + ": " + std::to_string(count),
                       kLeft - pdf.PDFGetLeftMargin(), y);
        y += 16;
    }
}

}  // namespace

std::vector<CatalogueEntry> CollectCatalogue(const Workspace& workspace,
                                             const CodeReader& readCode) {
    std::vector<CatalogueEntry> entries;
    for (QrKind kind : kAllKinds) {
        const auto folder = workspace.Resolve(KindInfo(kind).sPdfFolder);
        std::error_code error;
        std::vector<std::filesystem::path> posters;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (IsPosterFile(entry)) posters.push_back(entry.path());
        }
        std::sort(posters.begin(), posters.end());
        for (const auto& poster : posters) {
            CatalogueEntry entry;
            entry.kind = kind;
            entry.sTitle = poster.stem().string();
            entry.poster = poster;
            const OutputFile picture = CodePictureFile(workspace, kind, entry.sTitle);
            std::error_code missing;
            if (!picture.Refused() && std::filesystem::is_regular_file(picture.path, missing)) {
                entry.codePicture = picture.path;
                if (readCode) entry.codeText = readCode(picture.path);
            }
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

std::optional<std::string> WriteCatalogue(const std::vector<CatalogueEntry>& entries,
                                          const std::filesystem::path& pdfFile,
                                          LumMessageSink& messages,
                                          const CatalogueOptions& options) {
    try {
        ScratchFolder scratch;
        LumPdfOptions writerOptions;
        writerOptions.viewer = options.viewer;
        writerOptions.programFolder = options.programFolder;
        lumPDF pdf(messages, writerOptions);
        pdf.PDFSetUnit(0);
        pdf.PDFTitle("Tessivo catalogue");
        pdf.PDFCreator("Tessivo");
        pdf.PDFUseOutlines(true);
        pdf.PDFFileName(pdfFile.string());
        pdf.PDFView(static_cast<bool>(options.viewer));
        pdf.PDFBeginDoc();
        TitlePage(pdf, entries, options);

        int number = 0;
        for (QrKind kind : kAllKinds) {
            pdf.PDFEndPage();
            pdf.PDFNewPage();
            pdf.PDFSetBookmark(KindHeading(kind), 0, kTop);
            pdf.PDFSetFont(kHelvetica, 16, kBold);
            pdf.PDFTextOut(KindHeading(kind), kLeft - pdf.PDFGetLeftMargin(), kTop + 16);
            double y = kTop + 32;
            bool any = false;
            for (const CatalogueEntry& entry : entries) {
                if (entry.kind != kind) continue;
                any = true;
                const std::string text = PrintedText(entry);
                pdf.PDFSetFont(kHelvetica, kBodySize, 0);
                const double textHeight = EstimatedLines(pdf, text) * kLineHeight;
                const double height =
                    std::max(kPictureSide, kTitleHeight + textHeight + kLineHeight + 6);
                if (y + height > kBottom) {
                    pdf.PDFEndPage();
                    pdf.PDFNewPage();
                    y = kTop;
                }
                if (const auto jpeg = JpegCopy(entry, scratch.path(), ++number); !jpeg.empty()) {
                    pdf.PDFImage(jpeg.string(), kLeft, y, kPictureSide, kPictureSide);
                }
                pdf.PDFSetFont(kHelvetica, kTitleSize, kBold);
                pdf.PDFSetBorder(1);
                pdf.PDFCell(entry.sTitle.empty() ? std::string("(untitled)") : entry.sTitle,
                            kTextLeft, y, kTextWidth, kTitleHeight);
                pdf.PDFSetFont(kHelvetica, kBodySize, 0);
                pdf.PDFSetBorder(1);
                pdf.PDFCell(text, kTextLeft, y + kTitleHeight, kTextWidth, kLineHeight);
                const double below = pdf.PDFGetY() + kLineHeight;
                pdf.PDFSetTextColor(std::string_view("#1A4FB0"));
                pdf.PDFLink(kTextLeft - pdf.PDFGetLeftMargin(), below,
                            "Open the poster " + entry.poster.filename().string(),
                            FileAddress(entry.poster));
                pdf.PDFSetTextColor(std::string_view("#000000"));
                y = std::max(y + kPictureSide, below) + kEntryGap;
            }
            if (!any) {
                pdf.PDFSetFont(kHelvetica, 11, 0);
                pdf.PDFTextOut("No posters of this kind yet.", kLeft - pdf.PDFGetLeftMargin(),
                               y + 12);
            }
        }
        pdf.PDFEndDoc();
        return std::nullopt;
    } catch (const std::exception& error) {
        return "The catalogue " + pdfFile.string() + " could not be written: " + error.what();
    }
}

}  // namespace tessivo::qrdoc
