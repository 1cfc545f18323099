#include "qrdoc/Poster.h"

#include <cstdint>
#include <exception>
#include <string_view>
#include <system_error>

#include "posterpdf/clsPosterPDF.h"

namespace tessivo::qrdoc {
namespace {

namespace fs = std::filesystem;

// Writer settings: centimetres on portrait A4 (21.0 x 29.7 cm) without a margin.
constexpr std::string_view kDocumentTitle = "Marlowin";
constexpr std::int32_t kCentimetres = 3;
constexpr std::int32_t kA4 = 0;
constexpr float kNoMargin = 0;
constexpr std::int32_t kPortrait = 0;

// Font resources. Only the two Arial faces are drawn; the others are part of every poster all
// the same. Styles: 0 regular, 1 bold, 3 bold italic.
constexpr std::string_view kTextFont = "Fnt2";
constexpr std::string_view kBannerFont = "Fnt5";
constexpr std::string_view kCodeImage = "Img1";
constexpr std::int32_t kColourImage = 0;

// DrawText alignments and Rectangle painting options.
constexpr std::int32_t kLeft = 0;
constexpr std::int32_t kCentred = 2;
constexpr std::int32_t kStroke = 1;
constexpr std::int32_t kFill = 4;
constexpr std::int32_t kBlack = 0;

// Page layout, in centimetres from the lower left corner. Centred texts are centred on the
// page's middle line.
constexpr float kMiddle = 10.5f;
constexpr float kTitleLine1Y = 26.5f, kTitleLine2Y = 25.1f, kTitleSize = 30;
constexpr float kCodeLeft = 3, kCodeTop = 24.5f, kCodeSide = 15;  // spans y 24.5 down to 9.5
constexpr float kSentenceY = 8.9f, kSentenceSize = 12;
constexpr float kBannerX = 1.5f, kBannerY = 5.3f, kBannerWidth = 18, kBannerHeight = 3;
constexpr float kBannerTextY = 6.3f, kBannerTextSize = 48;
constexpr float kContactX = 1.8f, kContactSize = 12;
constexpr std::array<float, kPosterContactLines> kContactY = {4.3f, 3.7f, 3.1f, 2.5f, 1.9f};
constexpr float kFrameX = 1.5f, kFrameY = 1.5f, kFrameWidth = 18, kFrameHeight = 26.5f;

// Colour values keep red, green and blue in the low three bytes; the writer reads a negative
// value as a grey level, so nothing above them may reach it.
std::int32_t ColourValue(std::uint32_t value) {
    return static_cast<std::int32_t>(value & 0xFFFFFF);
}

void LoadFonts(clsPosterPDF& pdf) {
    pdf.LoadFont("Fnt1", "Times New Roman", 0);
    pdf.LoadFont(kTextFont, "Arial", 0);
    pdf.LoadFont("Fnt3", "Courier New", 0);
    pdf.LoadFontStandard("Fnt4", "Courier New", 3);
    pdf.LoadFont(kBannerFont, "Arial", 1);
}

// The ten page elements, in drawing order. Text is drawn in the current fill colour, black
// until the banner text.
void DrawPage(clsPosterPDF& pdf, const PosterContent& content) {
    pdf.DrawText(kMiddle, kTitleLine1Y, content.sTitleLine1, kTextFont, kTitleSize, kCentred, 0);
    pdf.DrawText(kMiddle, kTitleLine2Y, content.sTitleLine2, kTextFont, kTitleSize, kCentred, 0);
    pdf.DrawImg(kCodeImage, kCodeLeft, kCodeTop, kCodeSide, kCodeSide);
    pdf.DrawText(kMiddle, kSentenceY, KindInfo(content.kind).sSentence, kTextFont, kSentenceSize,
                 kCentred, 0);

    pdf.SetColorFill(ColourValue(content.banner.lFillColor));
    pdf.Rectangle(kBannerX, kBannerY, kBannerWidth, kBannerHeight, kFill, 0);
    pdf.SetColorStroke(ColourValue(content.banner.lBorderColor));
    pdf.Rectangle(kBannerX, kBannerY, kBannerWidth, kBannerHeight, kStroke, 0);
    pdf.SetColorFill(ColourValue(content.banner.lForeColor));
    pdf.DrawText(kMiddle, kBannerTextY, content.banner.sCaption, kBannerFont, kBannerTextSize,
                 kCentred, 0);
    pdf.SetColorFill(kBlack);

    for (std::size_t i = 0; i < kContactY.size(); ++i) {
        pdf.DrawText(kContactX, kContactY[i], content.contactLines[i], kTextFont, kContactSize,
                     kLeft, 0);
    }

    pdf.SetColorStroke(kBlack);
    pdf.Rectangle(kFrameX, kFrameY, kFrameWidth, kFrameHeight, kStroke, 0);
}

std::string Quoted(const fs::path& path) {
    std::string quoted = "\"";
    quoted += path.string();
    quoted += '"';
    return quoted;
}

// Why the code picture could not be loaded, telling the user what to do about it.
std::string PictureProblem(const fs::path& picture, const fs::path& pdfFile) {
    std::error_code error;
    const std::string what = fs::exists(picture, error)
                                 ? "the QR code picture " + Quoted(picture) + " is not readable"
                                 : "there is no QR code picture " + Quoted(picture);
    return "The poster " + Quoted(pdfFile) + " was not written: " + what +
           ". Create the QR code first, then the PDF.";
}

// One line: the writer's messages name the file, and a line break would split the message.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

}  // namespace

std::optional<std::string> WritePoster(const PosterContent& content, const fs::path& pdfFile) {
    return WritePoster(content, pdfFile, posterpdf::PosterPdfEnvironment::System());
}

std::optional<std::string> WritePoster(const PosterContent& content, const fs::path& pdfFile,
                                       posterpdf::PosterPdfEnvironment environment) {
    try {
        // A writer abandons a document it did not close: its temporary file goes and an
        // earlier poster of the same name stays as it was.
        clsPosterPDF pdf(std::move(environment));
        pdf.Title(kDocumentTitle);
        pdf.ScaleMode(kCentimetres);
        pdf.PaperSize(kA4);
        pdf.Margin(kNoMargin);
        pdf.Orientation(kPortrait);
        pdf.InitPDFFile(pdfFile.string());
        LoadFonts(pdf);
        if (!pdf.LoadImgFromBMPFile(kCodeImage, content.codePicture, kColourImage)) {
            return PictureProblem(content.codePicture, pdfFile);
        }
        pdf.BeginPage();
        DrawPage(pdf, content);
        pdf.EndPage();
        pdf.ClosePDFFile();
    } catch (const std::exception& error) {
        return OneLine("The poster " + Quoted(pdfFile) + " was not written: " + error.what());
    }
    return std::nullopt;
}

}  // namespace tessivo::qrdoc
