#pragma once
// The poster of a QR document: one A4 portrait page, measured in centimetres from its lower
// left corner, holding the two title lines, the code picture, the kind's sentence, the banner
// (a filled box, its border and its text) and five contact lines inside a page frame. The four
// kinds share this one layout; only the sentence differs.

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "posterpdf/PosterPdfEnvironment.h"
#include "qrdoc/BannerPreview.h"
#include "qrdoc/ContactBlock.h"
#include "qrdoc/QrKind.h"

namespace tessivo::qrdoc {

// What a poster prints. Texts are UTF-8; the PDF holds them in Windows-1252, a character it
// cannot hold printed as "?".
struct PosterContent {
    QrKind kind = QrKind::Email;  // chooses the sentence under the code
    std::string sTitleLine1;      // the title's two heading lines (SplitTitle); may be empty
    std::string sTitleLine2;
    std::filesystem::path codePicture;  // the saved code picture: an uncompressed bitmap
    BannerPreview banner;  // caption, text colour, fill and border colours (iBorderStyle unused)
    std::array<std::string, kPosterContactLines> contactLines;  // Text2(0..4)
};

// Writes the poster to `pdfFile`, replacing an existing file of that name. Returns nothing on
// success, or one line for the user naming the file and the reason:
// - the code picture is missing or is not a bitmap the writer reads: no poster is written (the
//   PDF never refers to a picture it lacks) and the user is told to create the QR code first;
// - the PDF cannot be created or written (missing or read-only folder, disk full, a picture
//   that exists but cannot be read).
// In every failure nothing is left under `pdfFile`'s name and an earlier poster of that name
// is untouched. The document carries the machine's local time as its creation date.
std::optional<std::string> WritePoster(const PosterContent& content,
                                       const std::filesystem::path& pdfFile);
// The same with the clock given by `environment`, for repeatable bytes.
std::optional<std::string> WritePoster(const PosterContent& content,
                                       const std::filesystem::path& pdfFile,
                                       posterpdf::PosterPdfEnvironment environment);

}  // namespace tessivo::qrdoc
