#pragma once
// The outside tools the suites check our output with: qpdf and poppler for PDF files, zbarimg
// for QR codes, and any other command a suite runs. Commands go through /bin/sh.

#include <filesystem>
#include <string>

#include "qrclient/Picture.h"

namespace tessivo::testsupport {

// Where a command's standard error goes.
enum class StandardError {
    Captured,   // into the output, mixed with standard output as the command wrote them
    Dropped,    // nowhere: the output is standard output alone (for output that is parsed)
    Inherited,  // to the suite's own standard error, where the test log shows it
};

struct ToolResult {
    int exitCode = -1;  // -1 when the shell could not start or the command died of a signal
    std::string output;
};

// Runs a shell command to its end and returns its exit code and output.
ToolResult RunTool(const std::string& command,
                   StandardError standardError = StandardError::Captured);

// The path as one shell word, in single quotes (a quote inside it is kept as a quote).
std::string ShellQuoted(const std::filesystem::path& path);

// `qpdf --check`: exit code 0 when the file is sound; the output is the report with any
// warnings.
ToolResult QpdfCheck(const std::filesystem::path& pdf);

// `pdftotext -layout`: the text of every page (the tool's complaints are left out).
ToolResult PdfText(const std::filesystem::path& pdf);

// Renders page 1 at 20 dpi with pdftoppm: true when it exits 0 with a non-empty image.
bool RendersWithPdftoppm(const std::filesystem::path& pdf);

// Renders the first page at 150 dpi with pdftoppm into `scratchFolder` and reads its one QR
// code with zbarimg: the bytes the code carries (for our payloads, UTF-8). Empty when no code
// was read.
std::string ScanPoster(const std::filesystem::path& pdf,
                       const std::filesystem::path& scratchFolder);

// Reads the one QR code of a picture with `zbarimg -q --raw -Sbinary` and returns the bytes it
// carries (for our payloads, UTF-8), without zbarimg's trailing line break. Codes come without
// a quiet zone, so the picture gets a white border first; the PNG handed to zbarimg is written
// into `scratchFolder`. Empty when no code was read.
std::string ScanPicture(const Picture& picture, const std::filesystem::path& scratchFolder);

// The same for an image file zbarimg can read (PNG, BMP).
std::string ScanImageFile(const std::filesystem::path& file);

}  // namespace tessivo::testsupport
