#pragma once
// Shared helpers of the poster writer suites: a repeatable environment, a scratch folder,
// whole-file and object extraction, test bitmaps and the outside PDF tools.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "posterpdf/clsPosterPDF.h"

namespace tessivo::posterpdf::testing {

// 6 December 2024 19:06:39, random digit 7, program folder = the given folder.
PosterPdfEnvironment FixedEnvironment(const std::filesystem::path& programFolder);

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

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

struct ToolResult {
    int exitCode = -1;
    std::string output;
};
ToolResult RunTool(const std::string& command);
ToolResult QpdfCheck(const std::filesystem::path& pdf);
ToolResult PdfToText(const std::filesystem::path& pdf);
// Renders page 1 at 20 dpi; true when a non-empty image came out.
bool RendersWithPdftoppm(const std::filesystem::path& pdf);

}  // namespace tessivo::posterpdf::testing
