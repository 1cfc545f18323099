#pragma once
// Helpers of the poster suites, beside the poster writer suite's own (the outside PDF tools,
// scratch folders and bitmap files of tests/posterpdf/PosterPdfTestSupport.h).

#include <filesystem>
#include <string>

#include "tests/lists/TempFolder.h"
#include "tests/posterpdf/PosterPdfTestSupport.h"

namespace tessivo::qrdoc::postertest {

using posterpdf::testing::PdfToText;
using posterpdf::testing::QpdfCheck;
using posterpdf::testing::ToolResult;
using tessivo::testing::ReadBytes;
using tessivo::testing::TempFolder;
using tessivo::testing::WriteBytes;

// Renders the page at 150 dpi with pdftoppm and reads the one code on it with zbarimg as raw
// bytes (the trailing line break removed): the bytes the code carries, which for our payloads
// are UTF-8. Empty when no code was found. The rendering goes into `scratch`.
std::string ScanPoster(const std::filesystem::path& pdf, const std::filesystem::path& scratch);

// A small 24-bit bitmap file (2 x 2 black pixels) the poster writer reads.
void WriteTinyBitmap(const std::filesystem::path& file);

}  // namespace tessivo::qrdoc::postertest
