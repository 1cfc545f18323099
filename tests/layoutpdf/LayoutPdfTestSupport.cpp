#include "tests/layoutpdf/LayoutPdfTestSupport.h"

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tessivo::layoutpdf::testing {
namespace {

struct ToolResult {
    int status = -1;
    std::string output;
};

ToolResult Run(const std::string& command) {
    ToolResult result;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> chunk{};
    while (std::size_t read = std::fread(chunk.data(), 1, chunk.size(), pipe)) {
        result.output.append(chunk.data(), read);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string Quoted(const std::filesystem::path& path) {
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

}  // namespace

std::filesystem::path ProgramFolder() {
    if (const char* dir = std::getenv("TESSIVO_PROGRAM_DIR")) return dir;
    return TESSIVO_TEST_PROGRAM_DIR;
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("layoutpdf-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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
    const ToolResult check = Run("qpdf --check " + Quoted(pdf));
    if (check.status != 0 ||
        check.output.find("No syntax or stream encoding errors") == std::string::npos) {
        problems += "qpdf --check: " + check.output + "\n";
    }
    const std::filesystem::path renders = pdf.parent_path() / (pdf.stem().string() + "-render");
    std::filesystem::create_directories(renders);
    const ToolResult render =
        Run("pdftoppm -r 20 -png -f 1 -l 3 " + Quoted(pdf) + " " + Quoted(renders / "page"));
    const bool rendered = !std::filesystem::is_empty(renders);
    if (render.status != 0 || !render.output.empty() || !rendered) {
        problems +=
            "pdftoppm: status " + std::to_string(render.status) + " " + render.output + "\n";
    }
    const ToolResult text = Run("pdftotext -enc UTF-8 " + Quoted(pdf) + " -");
    if (text.status != 0) problems += "pdftotext: " + text.output + "\n";
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
    return ReadFile(file);
}

}  // namespace tessivo::layoutpdf::testing
