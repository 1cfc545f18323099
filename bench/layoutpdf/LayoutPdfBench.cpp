// A 200-page report, each page a heading, 40 framed cells of wrapped prose, a line and a
// rectangle, written by lumPDF and by libharu (uncompressed, HPDF_Page_TextRect for the
// wrapped text) in the same run.
#include <benchmark/benchmark.h>
#include <hpdf.h>

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "layoutpdf/LumPdf.h"

namespace {

constexpr int kPages = 200;
constexpr int kCellsPerPage = 40;
constexpr double kPageHeight = 841.89;
constexpr double kCellWidth = 260;
constexpr double kLineHeight = 9;
constexpr double kRowPitch = 36;
constexpr int kFontSize = 7;

constexpr std::array<const char*, 4> kProse = {
    "Every poster carries a code that a telephone reads in a moment; the text beside it says "
    "what the code does and who made it, so nobody has to guess.",
    "The banner runs across the page in the colour the owner chose, and the contact block "
    "below it lists up to five lines of address, telephone and web site.",
    "A catalogue lists each poster with its title, the text its code carries, the picture of "
    "the code and a link that opens the poster file itself.",
    "Cells wrap their text at the last space that fits; a word longer than the cell is cut "
    "between characters so that every line holds at least one of them.",
};

std::filesystem::path Output(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

double CellX(int cell) {
    return 30 + (cell % 2) * 275.0;
}
double CellY(int cell) {
    return 60 + (cell / 2) * kRowPitch;
}

class NoMessages : public tessivo::LumMessageSink {
  public:
    void ShowMessage(const std::string& title, const std::string& text,
                     tessivo::LumMessageIcon) override {
        throw std::runtime_error(title + ": " + text);
    }
};

void WriteWithLumPdf(const std::filesystem::path& file) {
    NoMessages messages;
    tessivo::LumPdfOptions options;
    options.programFolder = TESSIVO_BENCH_PROGRAM_DIR;
    tessivo::lumPDF pdf(messages, options);
    pdf.PDFSetUnit(0);
    pdf.PDFFileName(file.string());
    pdf.PDFBeginDoc();
    for (int page = 1; page <= kPages; ++page) {
        if (page > 1) {
            pdf.PDFEndPage();
            pdf.PDFNewPage();
        }
        pdf.PDFSetTextColor(0.0);
        pdf.PDFSetFont(0, 16, 2);
        pdf.PDFTextOut("Report page " + std::to_string(page), 30, 40);
        pdf.PDFSetFont(0, kFontSize, 0);
        for (int cell = 0; cell < kCellsPerPage; ++cell) {
            pdf.PDFSetBorder(1);
            pdf.PDFCell(kProse[static_cast<std::size_t>(cell) % kProse.size()], CellX(cell),
                        CellY(cell), kCellWidth, kLineHeight);
        }
        pdf.PDFDrawLine(30, 50, 565, 50);
        pdf.PDFDrawRectangle(25, 55, 545, 730);
    }
    pdf.PDFEndDoc();
}

void HaruError(HPDF_STATUS error, HPDF_STATUS detail, void*) {
    throw std::runtime_error("libharu error " + std::to_string(error) + "/" +
                             std::to_string(detail));
}

void WriteWithLibharu(const std::filesystem::path& file) {
    HPDF_Doc doc = HPDF_New(HaruError, nullptr);
    HPDF_SetCompressionMode(doc, HPDF_COMP_NONE);
    HPDF_Font bold = HPDF_GetFont(doc, "Helvetica-Bold", "WinAnsiEncoding");
    HPDF_Font regular = HPDF_GetFont(doc, "Helvetica", "WinAnsiEncoding");
    for (int page = 1; page <= kPages; ++page) {
        HPDF_Page sheet = HPDF_AddPage(doc);
        HPDF_Page_SetSize(sheet, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
        HPDF_Page_BeginText(sheet);
        HPDF_Page_SetFontAndSize(sheet, bold, 16);
        HPDF_Page_TextOut(sheet, 30, static_cast<HPDF_REAL>(kPageHeight - 40),
                          ("Report page " + std::to_string(page)).c_str());
        HPDF_Page_EndText(sheet);
        for (int cell = 0; cell < kCellsPerPage; ++cell) {
            const auto left = static_cast<HPDF_REAL>(CellX(cell));
            const auto top = static_cast<HPDF_REAL>(kPageHeight - CellY(cell));
            const auto height = static_cast<HPDF_REAL>(2 * kLineHeight);
            HPDF_Page_Rectangle(sheet, left, top - height, kCellWidth, height);
            HPDF_Page_Stroke(sheet);
            HPDF_Page_BeginText(sheet);
            HPDF_Page_SetFontAndSize(sheet, regular, kFontSize);
            HPDF_Page_SetTextLeading(sheet, kLineHeight);
            HPDF_Page_TextRect(sheet, left + 6, top - 1, left + kCellWidth - 6, top - height,
                               kProse[static_cast<std::size_t>(cell) % kProse.size()],
                               HPDF_TALIGN_LEFT, nullptr);
            HPDF_Page_EndText(sheet);
        }
        HPDF_Page_MoveTo(sheet, 30, static_cast<HPDF_REAL>(kPageHeight - 50));
        HPDF_Page_LineTo(sheet, 565, static_cast<HPDF_REAL>(kPageHeight - 50));
        HPDF_Page_Stroke(sheet);
        HPDF_Page_Rectangle(sheet, 25, static_cast<HPDF_REAL>(kPageHeight - 785), 545, 730);
        HPDF_Page_Stroke(sheet);
    }
    HPDF_SaveToFile(doc, file.c_str());
    HPDF_Free(doc);
}

void BM_LumPdfReport(benchmark::State& state) {
    const auto file = Output("bench-layoutpdf-lumpdf.pdf");
    for (auto _ : state) WriteWithLumPdf(file);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

void BM_LibharuReport(benchmark::State& state) {
    const auto file = Output("bench-layoutpdf-libharu.pdf");
    for (auto _ : state) WriteWithLibharu(file);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

BENCHMARK(BM_LumPdfReport)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_LibharuReport)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
