#include "PosterPdfTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessivo::posterpdf::testing {

PosterPdfEnvironment FixedEnvironment(const std::filesystem::path& programFolder) {
    return {[] { return LocalTime{2024, 12, 6, 19, 6, 39}; }, [] { return 7; }, programFolder};
}

std::string WriteDocument(const std::filesystem::path& file,
                          const std::function<void(clsPosterPDF&)>& build,
                          const std::function<void(clsPosterPDF&)>& configure) {
    clsPosterPDF writer(FixedEnvironment(file.parent_path()));
    if (configure) configure(writer);
    writer.InitPDFFile(file.string());
    build(writer);
    writer.ClosePDFFile();
    const ToolResult check = QpdfCheck(file);
    EXPECT_EQ(check.exitCode, 0) << "qpdf --check " << file << ":\n" << check.output;
    if (writer.Pages() > 0) {
        EXPECT_TRUE(RendersWithPdftoppm(file)) << "pdftoppm cannot render " << file;
    }
    return ReadFileBytes(file);
}

std::string ObjectBody(std::string_view pdf, int number) {
    const std::string start = std::to_string(number) + " 0 obj\r\n";
    std::size_t at = 0;
    // The object line starts a line: at the file start or after CR LF.
    while ((at = pdf.find(start, at)) != std::string_view::npos) {
        if (at >= 2 && pdf.substr(at - 2, 2) == "\r\n") break;
        ++at;
    }
    if (at == std::string_view::npos) return {};
    const std::size_t body = at + start.size();
    const std::size_t end = pdf.find("endobj\r\n", body);
    return std::string(pdf.substr(body, end - body));
}

std::string PageContent(const std::filesystem::path& file,
                        const std::function<void(clsPosterPDF&)>& draw,
                        const std::function<void(clsPosterPDF&)>& load) {
    const std::string pdf = WriteDocument(file, [&](clsPosterPDF& writer) {
        if (load) load(writer);
        writer.BeginPage();
        draw(writer);
        writer.EndPage();
    });
    const std::string opening = " 0 R >>\rstream\r\n";
    const std::size_t start = pdf.rfind(opening);
    const std::size_t data = start + opening.size();
    return pdf.substr(data, pdf.find("endstream\r\n", data) - data);
}

std::string Visible(std::string_view bytes) {
    std::string shown;
    for (const char c : bytes) {
        if (c == '\r') {
            shown += "<CR>";
        } else if (c == '\n') {
            shown += "<LF>\n";
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string FirstDifference(std::string_view expected, std::string_view actual) {
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    if (at == expected.size() && at == actual.size()) return "identical";
    const std::size_t from = at > 40 ? at - 40 : 0;
    return "first difference at byte " + std::to_string(at) + " (expected " +
           std::to_string(expected.size()) + " bytes, found " + std::to_string(actual.size()) +
           ")\nEXPECTED: " + Visible(expected.substr(from, 100)) +
           "\nFOUND:    " + Visible(actual.substr(std::min(from, actual.size()), 100));
}

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string MakeBmp(std::int32_t width, std::int32_t height, int bits,
                    const std::vector<std::uint8_t>& paletteBgr0, const std::string& rows,
                    std::uint32_t compression) {
    const std::uint32_t dataOffset = 54 + static_cast<std::uint32_t>(paletteBgr0.size());
    std::string file = "BM";
    PutLittleEndian(file, dataOffset + static_cast<std::uint32_t>(rows.size()), 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, dataOffset, 4);
    PutLittleEndian(file, 40, 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(height), 4);
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, static_cast<std::uint32_t>(bits), 2);
    PutLittleEndian(file, compression, 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(rows.size()), 4);
    PutLittleEndian(file, 2835, 4);
    PutLittleEndian(file, 2835, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, 0, 4);
    file.append(paletteBgr0.begin(), paletteBgr0.end());
    return file + rows;
}

}  // namespace tessivo::posterpdf::testing
