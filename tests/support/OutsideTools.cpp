#include "tests/support/OutsideTools.h"

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "tests/support/Files.h"

namespace tessivo::testsupport {
namespace {

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

std::string ShellLine(const std::string& command, StandardError standardError) {
    switch (standardError) {
        case StandardError::Captured:
            return "(" + command + ") 2>&1";
        case StandardError::Dropped:
            return "(" + command + ") 2>/dev/null";
        case StandardError::Inherited:
            break;
    }
    return command;
}

}  // namespace

ToolResult RunTool(const std::string& command, StandardError standardError) {
    ToolResult result;
    FILE* pipe = popen(ShellLine(command, standardError).c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.output.append(buffer.data(), read);
    }
    const int status = pclose(pipe);
    result.exitCode = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ShellQuoted(const std::filesystem::path& path) {
    std::string quoted = "'";
    for (const char c : path.string()) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    quoted += '\'';
    return quoted;
}

ToolResult QpdfCheck(const std::filesystem::path& pdf) {
    return RunTool("qpdf --check " + ShellQuoted(pdf));
}

ToolResult PdfText(const std::filesystem::path& pdf) {
    return RunTool("pdftotext -layout " + ShellQuoted(pdf) + " -", StandardError::Dropped);
}

bool RendersWithPdftoppm(const std::filesystem::path& pdf) {
    const ScratchFolder renders;
    const ToolResult result = RunTool("pdftoppm -r 20 -f 1 -l 1 -png -singlefile " +
                                      ShellQuoted(pdf) + " " + ShellQuoted(renders / "page"));
    std::error_code error;
    return result.exitCode == 0 && std::filesystem::file_size(renders / "page.png", error) > 0;
}

std::string ScanPoster(const std::filesystem::path& pdf,
                       const std::filesystem::path& scratchFolder) {
    const std::filesystem::path page = scratchFolder / "scanned-page";
    RunTool("pdftoppm -r 150 -png -singlefile " + ShellQuoted(pdf) + " " + ShellQuoted(page));
    return ScanImageFile(page.string() + ".png");
}

std::string ScanImageFile(const std::filesystem::path& file) {
    return WithoutFinalNewline(
        RunTool("zbarimg -q --raw -Sbinary " + ShellQuoted(file), StandardError::Dropped).output);
}

std::string ScanPicture(const Picture& picture, const std::filesystem::path& scratchFolder) {
    const auto png = EncodePng(WithBorder(picture, 16));
    if (!png) return {};
    const auto file = scratchFolder / "scan.png";
    WriteFileBytes(file, *png);
    return ScanImageFile(file);
}

}  // namespace tessivo::testsupport
