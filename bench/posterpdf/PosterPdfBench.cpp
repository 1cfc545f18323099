// Writing a many-page document with clsPosterPDF and with libharu (compression off), the same
// content per page: five text lines in two fonts, a centred line, a filled and a stroked
// rectangle, a rounded rectangle, an arc and a 152 x 152 colour picture (through a form object
// in clsPosterPDF; libharu has no form objects, so it draws the one image directly).
//
//   bench_posterpdf [Google Benchmark flags]   speed, clsPosterPDF and libharu in one run
//   bench_posterpdf --peak-memory              peak resident memory of each writer for 10 and
//                                              1,000 pages, each measured in its own process
#include <benchmark/benchmark.h>
#include <hpdf.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "posterpdf/clsPosterPDF.h"

namespace {

constexpr int kSide = 152;
constexpr float kPageWidth = 595.2f;
constexpr double kPi = 3.141592;

std::vector<std::uint8_t> Picture() {
    std::vector<std::uint8_t> rgb(kSide * kSide * 3);
    for (int i = 0; i < kSide * kSide; ++i) {
        const bool dark = ((i % kSide) / 8 + (i / kSide) / 8) % 2 == 0;
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = dark ? 0 : 255;
    }
    return rgb;
}

std::filesystem::path OutputFile(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

std::string Line(const char* what, int number, int page) {
    return std::string(what) + " " + std::to_string(number) + " of page " + std::to_string(page);
}

// Points of the arc both writers draw: 60 pt radius around (400, 500), 0..270 degrees, 10 a step.
std::vector<std::pair<float, float>> ArcPoints() {
    std::vector<std::pair<float, float>> points;
    for (int a = 0; a <= 270; a += 10) {
        points.emplace_back(static_cast<float>(400 + 60 * std::cos(a * kPi / 180)),
                            static_cast<float>(500 + 60 * std::sin(a * kPi / 180)));
    }
    return points;
}

void WriteWithPosterPdf(int pages, const std::vector<std::uint8_t>& picture,
                        const std::filesystem::path& file) {
    tessivo::clsPosterPDF pdf;
    pdf.Title("Benchmark");
    pdf.InitPDFFile(file.string());
    pdf.LoadFont("Fnt1", "Arial", 0);
    pdf.LoadFont("Fnt2", "Times New Roman", 0);
    pdf.LoadImgFromArray("Img1", picture, {}, kSide, kSide, 24, 0);
    pdf.StartObject("Code", 7);
    pdf.DrawImg("Img1", 222, 400, kSide, kSide);
    pdf.EndObject();
    for (int page = 1; page <= pages; ++page) {
        pdf.BeginPage();
        for (int line = 0; line < 5; ++line) {
            pdf.DrawText(50, 800 - 16.0f * line, Line("Line", line, page),
                         line < 3 ? "Fnt1" : "Fnt2", 12);
        }
        pdf.DrawText(kPageWidth / 2, 700, Line("Centred title", 1, page), "Fnt1", 24, 2);
        pdf.SetColorFill(0x3366CC);
        pdf.Rectangle(50, 600, 200, 80, 4, 0);
        pdf.SetColorStroke(0x0000FF);
        pdf.Rectangle(300, 600, 200, 80, 1, 0);
        pdf.Rectangle(50, 180, 200, 100, 1, 20);
        pdf.SetColorFill(0);
        pdf.Arc(400, 230, 60, 0, 270, 1, false, 0, 10, 1);
        pdf.EndPage();
    }
    pdf.ClosePDFFile();
}

void HaruError(HPDF_STATUS error, HPDF_STATUS detail, void*) {
    std::fprintf(stderr, "libharu error %04X (%u)\n", static_cast<unsigned>(error),
                 static_cast<unsigned>(detail));
    std::abort();
}

void HaruRoundedRectangle(HPDF_Page page, float x, float y, float w, float h, float r) {
    const float k = 0.55f * r;
    HPDF_Page_MoveTo(page, x + r, y);
    HPDF_Page_LineTo(page, x + w - r, y);
    HPDF_Page_CurveTo(page, x + w - r + k, y, x + w, y + r - k, x + w, y + r);
    HPDF_Page_LineTo(page, x + w, y + h - r);
    HPDF_Page_CurveTo(page, x + w, y + h - r + k, x + w - r + k, y + h, x + w - r, y + h);
    HPDF_Page_LineTo(page, x + r, y + h);
    HPDF_Page_CurveTo(page, x + r - k, y + h, x, y + h - r + k, x, y + h - r);
    HPDF_Page_LineTo(page, x, y + r);
    HPDF_Page_CurveTo(page, x, y + r - k, x + r - k, y, x + r, y);
    HPDF_Page_Stroke(page);
}

void WriteWithLibharu(int pages, const std::vector<std::uint8_t>& picture,
                      const std::filesystem::path& file) {
    HPDF_Doc pdf = HPDF_New(HaruError, nullptr);
    HPDF_SetCompressionMode(pdf, HPDF_COMP_NONE);
    HPDF_SetInfoAttr(pdf, HPDF_INFO_TITLE, "Benchmark");
    HPDF_Font sans = HPDF_GetFont(pdf, "Helvetica", "WinAnsiEncoding");
    HPDF_Font serif = HPDF_GetFont(pdf, "Times-Roman", "WinAnsiEncoding");
    HPDF_Image image =
        HPDF_LoadRawImageFromMem(pdf, picture.data(), kSide, kSide, HPDF_CS_DEVICE_RGB, 8);
    const auto arc = ArcPoints();
    for (int page = 1; page <= pages; ++page) {
        HPDF_Page p = HPDF_AddPage(pdf);
        HPDF_Page_SetWidth(p, kPageWidth);
        HPDF_Page_SetHeight(p, 842);
        HPDF_Page_DrawImage(p, image, 222, 248, kSide, kSide);
        HPDF_Page_BeginText(p);
        for (int line = 0; line < 5; ++line) {
            HPDF_Page_SetFontAndSize(p, line < 3 ? sans : serif, 12);
            HPDF_Page_TextOut(p, 50, 800 - 16.0f * line, Line("Line", line, page).c_str());
        }
        const std::string title = Line("Centred title", 1, page);
        HPDF_Page_SetFontAndSize(p, sans, 24);
        HPDF_Page_TextOut(p, kPageWidth / 2 - HPDF_Page_TextWidth(p, title.c_str()) / 2, 700,
                          title.c_str());
        HPDF_Page_EndText(p);
        HPDF_Page_SetRGBFill(p, 0.8f, 0.4f, 0.2f);
        HPDF_Page_Rectangle(p, 50, 600, 200, 80);
        HPDF_Page_Fill(p);
        HPDF_Page_SetRGBStroke(p, 1, 0, 0);
        HPDF_Page_Rectangle(p, 300, 600, 200, 80);
        HPDF_Page_Stroke(p);
        HaruRoundedRectangle(p, 50, 180, 200, 100, 20);
        HPDF_Page_SetRGBFill(p, 0, 0, 0);
        HPDF_Page_MoveTo(p, arc.front().first, arc.front().second - 270);
        for (const auto& [x, y] : arc) HPDF_Page_LineTo(p, x, y - 270);
        HPDF_Page_Stroke(p);
    }
    HPDF_SaveToFile(pdf, file.c_str());
    HPDF_Free(pdf);
}

using Writer = void (*)(int pages, const std::vector<std::uint8_t>& picture,
                        const std::filesystem::path& file);

void WriteDocuments(benchmark::State& state, Writer write, const char* fileName) {
    const auto picture = Picture();
    const auto file = OutputFile(fileName);
    for (auto _ : state) write(static_cast<int>(state.range(0)), picture, file);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);
}

void BM_PosterPdf(benchmark::State& state) {
    WriteDocuments(state, WriteWithPosterPdf, "bench-posterpdf.pdf");
}

void BM_Libharu(benchmark::State& state) {
    WriteDocuments(state, WriteWithLibharu, "bench-libharu.pdf");
}

BENCHMARK(BM_PosterPdf)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(7);
BENCHMARK(BM_Libharu)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(7);

// Peak resident set of this process in KiB (VmHWM).
long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Child: write one document with one writer (or none, for the baseline), print VmHWM.
int PeakMemoryChild(const std::string& writer, int pages) {
    const auto picture = Picture();
    const auto file = OutputFile("bench-peak.pdf");
    if (writer == "clsPosterPDF") WriteWithPosterPdf(pages, picture, file);
    if (writer == "libharu") WriteWithLibharu(pages, picture, file);
    std::filesystem::remove(file);
    std::printf("%ld\n", PeakResidentKiB());
    return 0;
}

int PeakMemoryReport() {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::printf("%-14s %7s %16s\n", "writer", "pages", "peak RSS (KiB)");
    for (const char* writer : {"none", "clsPosterPDF", "libharu"}) {
        for (const int pages : {10, 1000}) {
            if (std::strcmp(writer, "none") == 0 && pages != 10) continue;
            const std::string command = "'" + self +
                                        "' --peak-memory-child=" + std::string(writer) + ":" +
                                        std::to_string(pages);
            std::FILE* child = popen(command.c_str(), "r");
            long kib = -1;
            if (child != nullptr && std::fscanf(child, "%ld", &kib) != 1) kib = -1;
            if (child != nullptr) pclose(child);
            std::printf("%-14s %7d %16ld\n", writer, std::strcmp(writer, "none") == 0 ? 0 : pages,
                        kib);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--peak-memory") return PeakMemoryReport();
        const std::string child = "--peak-memory-child=";
        if (argument.rfind(child, 0) == 0) {
            const std::string request = argument.substr(child.size());
            const auto colon = request.find(':');
            return PeakMemoryChild(request.substr(0, colon), std::stoi(request.substr(colon + 1)));
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
