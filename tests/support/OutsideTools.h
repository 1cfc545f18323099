#pragma once
// The outside tools the suites check our output with: zbarimg for QR codes, qpdf and poppler
// for PDF files. Paths are passed to the shell in single quotes (test paths hold none).

#include <filesystem>
#include <string>

#include "qrclient/Picture.h"

namespace tessivo::testsupport {

// Runs a shell command: its standard output (standard error dropped) and exit code.
struct ToolResult {
    int exitCode = -1;
    std::string output;
};
ToolResult RunTool(const std::string& command);

// `qpdf --check`: exit code 0 and the report when the file is sound.
ToolResult QpdfCheck(const std::filesystem::path& pdf);

// `pdftotext -layout`: the text of every page.
ToolResult PdfText(const std::filesystem::path& pdf);

// Renders the first page at 150 dpi with pdftoppm and reads its one QR code with zbarimg:
// the bytes the code carries (for our payloads, UTF-8). Empty when no code was read.
std::string ScanPoster(const std::filesystem::path& pdf,
                       const std::filesystem::path& scratchFolder);

// Reads the one QR code of a picture with `zbarimg -q --raw -Sbinary` and returns the bytes it
// carries (for our payloads, UTF-8), without zbarimg's trailing line break. Codes come without
// a quiet zone, so the picture gets a white border first. Empty when no code was read.
std::string ScanPicture(const Picture& picture, const std::filesystem::path& scratchFolder);

// The same for an image file zbarimg can read (PNG, BMP).
std::string ScanImageFile(const std::filesystem::path& file);

}  // namespace tessivo::testsupport
