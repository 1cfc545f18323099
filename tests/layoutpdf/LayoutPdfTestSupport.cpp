#include "tests/layoutpdf/LayoutPdfTestSupport.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/OutsideTools.h"

namespace tessivo::layoutpdf::testing {

using testsupport::QpdfCheck;
using testsupport::RunTool;
using testsupport::ShellQuoted;
using testsupport::ToolResult;

std::filesystem::path ProgramFolder() {
    if (const char* dir = std::getenv("TESSIVO_PROGRAM_DIR")) return dir;
    return TESSIVO_TEST_PROGRAM_DIR;
}

std::string EncodeJpeg(int width, int height, int components) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * components));
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < components; ++c) {
                row[static_cast<std::size_t>(x * components + c)] = static_cast<unsigned char>(
                    (x * 7 + static_cast<int>(info.next_scanline) * 3 + c * 60) % 256);
            }
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

std::string ObjectOf(const std::string& pdf, int number) {
    const std::string head = std::to_string(number) + " 0 obj\r\n";
    std::size_t start = pdf.rfind("\n" + head);
    if (start == std::string::npos) return {};
    ++start;
    const std::size_t end = pdf.find("endobj\r\n", start);
    return pdf.substr(start, end + 8 - start);
}

std::string StreamOf(const std::string& pdf, int number) {
    const std::string object = ObjectOf(pdf, number);
    const std::size_t start = object.find("stream\r\n");
    const std::size_t end = object.rfind("endstream");
    if (start == std::string::npos || end == std::string::npos) return {};
    return object.substr(start + 8, end - start - 8);
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) joined += line + "\r\n";
    return joined;
}

std::string CheckWithTools(const std::filesystem::path& pdf,
                           const std::vector<std::string>& expectedTexts) {
    std::string problems;
    const ToolResult check = QpdfCheck(pdf);
    if (check.exitCode != 0 ||
        check.output.find("No syntax or stream encoding errors") == std::string::npos) {
        problems += "qpdf --check: " + check.output + "\n";
    }
    const std::filesystem::path renders = pdf.parent_path() / (pdf.stem().string() + "-render");
    std::filesystem::create_directories(renders);
    const ToolResult render = RunTool("pdftoppm -r 20 -png -f 1 -l 3 " + ShellQuoted(pdf) + " " +
                                      ShellQuoted(renders / "page"));
    const bool rendered = !std::filesystem::is_empty(renders);
    if (render.exitCode != 0 || !render.output.empty() || !rendered) {
        problems +=
            "pdftoppm: status " + std::to_string(render.exitCode) + " " + render.output + "\n";
    }
    const ToolResult text = RunTool("pdftotext -enc UTF-8 " + ShellQuoted(pdf) + " -");
    if (text.exitCode != 0) problems += "pdftotext: " + text.output + "\n";
    for (const std::string& expected : expectedTexts) {
        if (text.output.find(expected) == std::string::npos) {
            problems += "pdftotext lacks \"" + expected + "\" in:\n" + text.output + "\n";
        }
    }
    return problems;
}

namespace {

LumPdfOptions FixedOptions() {
    LumPdfOptions options;
    options.programFolder = ProgramFolder();
    options.localTime = [] {
        std::tm time{};
        time.tm_year = 2026 - 1900;
        time.tm_mon = 11;
        time.tm_mday = 6;
        time.tm_hour = 19;
        time.tm_min = 8;
        time.tm_sec = 30;
        return time;
    };
    return options;
}

}  // namespace

WriterFixture::WriterFixture() : pdf(sink, FixedOptions()) {}

void WriterFixture::Begin(std::string_view name) {
    file = folder / name;
    pdf.PDFFileName(file.string());
    pdf.PDFBeginDoc();
}

std::string WriterFixture::Finish(const std::vector<std::string>& expectedTexts) {
    pdf.PDFEndDoc();
    const std::string problems = CheckWithTools(file, expectedTexts);
    if (!problems.empty()) {
        ADD_FAILURE() << file << ":\n" << problems;
    }
    return ReadFileBytes(file);
}

}  // namespace tessivo::layoutpdf::testing
