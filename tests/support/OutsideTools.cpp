#include "OutsideTools.h"

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <fstream>

namespace tessivo::testsupport {
namespace {

std::string Quoted(const std::filesystem::path& path) {
    std::string quoted = "'";
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

std::string WithoutFinalNewline(std::string text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

Picture WithBorder(const Picture& picture, int border) {
    Picture framed =
        SolidPicture(picture.width + 2 * border, picture.height + 2 * border, 0xFFFFFF);
    for (int y = 0; y < picture.height; ++y) {
        const auto* from = picture.rgb.data() + static_cast<std::size_t>(y) * picture.width * 3;
        auto* to =
            framed.rgb.data() + (static_cast<std::size_t>(y + border) * framed.width + border) * 3;
        std::copy(from, from + static_cast<std::size_t>(picture.width) * 3, to);
    }
    return framed;
}

}  // namespace

ToolResult RunTool(const std::string& command) {
    ToolResult result;
    FILE* pipe = popen(("(" + command + ") 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.output.append(buffer.data(), read);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

ToolResult QpdfCheck(const std::filesystem::path& pdf) {
    return RunTool("qpdf --check " + Quoted(pdf));
}

ToolResult PdfText(const std::filesystem::path& pdf) {
    return RunTool("pdftotext -layout " + Quoted(pdf) + " -");
}

std::string ScanPoster(const std::filesystem::path& pdf,
                       const std::filesystem::path& scratchFolder) {
    const std::filesystem::path page = scratchFolder / "scanned-page";
    RunTool("pdftoppm -r 150 -png -singlefile " + Quoted(pdf) + " " + Quoted(page));
    return ScanImageFile(page.string() + ".png");
}

std::string ScanImageFile(const std::filesystem::path& file) {
    return WithoutFinalNewline(RunTool("zbarimg -q --raw -Sbinary " + Quoted(file)).output);
}

std::string ScanPicture(const Picture& picture, const std::filesystem::path& scratchFolder) {
    const auto png = EncodePng(WithBorder(picture, 16));
    if (!png) return {};
    const auto file = scratchFolder / "scan.png";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(png->data()),
               static_cast<std::streamsize>(png->size()));
    return ScanImageFile(file);
}

}  // namespace tessivo::testsupport
