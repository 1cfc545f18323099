#include "layoutpdf/PdfOutputFile.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "layoutpdf/LumPdfErrors.h"

namespace tessivo::layoutpdf {
namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

}  // namespace

PdfOutputFile::~PdfOutputFile() {
    Abandon();
}

void PdfOutputFile::Open(const std::filesystem::path& target) {
    Abandon();
    target_ = target;
    // A short name beside the target, not built on its name, which may already fill the file
    // system's whole name length; the process id and a counter keep writers apart.
    static std::atomic<unsigned> counter{0};
    partial_ = target.parent_path() / (".tessivo-layout-" + std::to_string(::getpid()) + "-" +
                                       std::to_string(counter++) + ".part");
    file_ = std::fopen(partial_.c_str(), "wb");
    if (file_ == nullptr) {
        const int error = errno;
        throw LumFileError("Cannot create the PDF file " + target.string() + ": " + Reason(error));
    }
    static constexpr std::size_t kBufferBytes = 1u << 16;
    std::setvbuf(file_, nullptr, _IOFBF, kBufferBytes);
    written_ = 0;
}

void PdfOutputFile::WriteLine(std::initializer_list<std::string_view> pieces) {
    if (file_ == nullptr) throw LumUsageError("No PDF file is open: set PDFFileName first.");
    bool ok = true;
    for (std::string_view piece : pieces) {
        ok = ok && std::fwrite(piece.data(), 1, piece.size(), file_) == piece.size();
        written_ += piece.size();
    }
    if (!ok || std::fwrite("\r\n", 1, 2, file_) != 2) {
        const int error = errno;
        throw LumFileError("Cannot write the PDF file " + target_.string() + ": " + Reason(error));
    }
    written_ += 2;
}

void PdfOutputFile::Commit() {
    if (file_ == nullptr) throw LumUsageError("No PDF file is open: set PDFFileName first.");
    const bool closed = std::fclose(file_) == 0;
    const int error = errno;
    file_ = nullptr;
    if (!closed) {
        std::error_code ignored;
        std::filesystem::remove(partial_, ignored);
        throw LumFileError("Cannot write the PDF file " + target_.string() + ": " + Reason(error));
    }
    std::error_code renameError;
    std::filesystem::rename(partial_, target_, renameError);
    if (renameError) {
        std::error_code ignored;
        std::filesystem::remove(partial_, ignored);
        throw LumFileError("Cannot replace the PDF file " + target_.string() + ": " +
                           renameError.message());
    }
}

void PdfOutputFile::Abandon() {
    if (file_ == nullptr) return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ignored;
    std::filesystem::remove(partial_, ignored);
}

}  // namespace tessivo::layoutpdf
