#pragma once
// Shared helpers of the poster writer suites: a repeatable environment, whole-document and
// object extraction and test bitmaps. Scratch folders, file bytes and the outside PDF tools
// come from tests/support.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "posterpdf/clsPosterPDF.h"
#include "tests/support/Files.h"
#include "tests/support/OutsideTools.h"

namespace tessivo::posterpdf::testing {

using testsupport::PdfText;
using testsupport::QpdfCheck;
using testsupport::ReadFileBytes;
using testsupport::RendersWithPdftoppm;
using testsupport::RunTool;
using testsupport::ScratchFolder;
using testsupport::ToolResult;
using testsupport::WriteFileBytes;

// 6 December 2024 19:06:39, random digit 7, program folder = the given folder.
PosterPdfEnvironment FixedEnvironment(const std::filesystem::path& programFolder);

// Writes a document with the fixed environment: InitPDFFile, then build(writer), then
// ClosePDFFile. Returns the file's bytes. The document must pass qpdf --check and, when it has
// pages, render with pdftoppm.
std::string WriteDocument(const std::filesystem::path& file,
                          const std::function<void(clsPosterPDF&)>& build,
                          const std::function<void(clsPosterPDF&)>& configure = {});

// The bytes between "N 0 obj" CR LF and "endobj" CR LF of object N (empty when absent).
std::string ObjectBody(std::string_view pdf, int number);

// The content stream of a one-page document whose page body is drawn by draw(writer),
// after loading with load(writer) (fonts, images, forms) before the page.
std::string PageContent(const std::filesystem::path& file,
                        const std::function<void(clsPosterPDF&)>& draw,
                        const std::function<void(clsPosterPDF&)>& load = {});

// "a\rb" shows as "a<CR>b" in failure messages.
std::string Visible(std::string_view bytes);

// Index of the first byte where two byte strings differ, with both sides around it.
std::string FirstDifference(std::string_view expected, std::string_view actual);

// An uncompressed Windows bitmap: 14-byte file header, 40-byte information header, the
// palette (blue, green, red, 0 per entry) and the rows as given (bottom row first, each row
// already padded by the caller unless the test wants otherwise).
std::string MakeBmp(std::int32_t width, std::int32_t height, int bits,
                    const std::vector<std::uint8_t>& paletteBgr0, const std::string& rows,
                    std::uint32_t compression = 0);

}  // namespace tessivo::posterpdf::testing
