#include "posterpdf/PdfOutputFile.h"

#include <unistd.h>

#include <atomic>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "posterpdf/PosterPdfErrors.h"

namespace tessivo::posterpdf {
namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

// A short name of the writer's own: a poster's title may fill the file system's whole name
// length, so the temporary name does not build on it. The process id and a counter keep two
// writers apart; the random part keeps two processes that reuse an id apart.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target) {
    static constexpr char kHex[] = "0123456789abcdef";
    thread_local std::mt19937 random{std::random_device{}()};
    static std::atomic<unsigned> counter{0};
    std::string name =
        ".tessivo-pdf-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-";
    for (int i = 0; i < 8; ++i) name += kHex[random() % 16];
    name += ".tmp";
    return target.parent_path() / name;
}

}  // namespace

PdfOutputFile::PdfOutputFile() : buffer_(std::make_unique<char[]>(kBufferSize)) {}

PdfOutputFile::~PdfOutputFile() {
    Abandon();
}

void PdfOutputFile::Create(const std::filesystem::path& target) {
    target_ = target;
    used_ = 0;
    flushed_ = 0;
    std::error_code ignored;
    if (target.filename().empty() || std::filesystem::is_directory(target, ignored)) {
        throw PosterPdfFileError(
            target, "cannot write \"" + target.string() + "\": it names a folder, not a file");
    }
    // "x" never opens a file that exists already, so two writers cannot share a temporary.
    for (int attempt = 0; attempt < 16 && file_ == nullptr; ++attempt) {
        temporary_ = TemporaryNameBeside(target);
        errno = 0;
        file_ = std::fopen(temporary_.c_str(), "wbx");
        if (file_ == nullptr && errno != EEXIST) break;
    }
    if (file_ == nullptr) {
        const int error = errno;
        temporary_.clear();
        throw PosterPdfFileError(target,
                                 "cannot create \"" + target.string() + "\": " + Reason(error));
    }
}

void PdfOutputFile::PutSlow(std::string_view bytes) {
    Flush();
    if (bytes.size() >= kBufferSize) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            Fail("cannot write", errno);
        }
        flushed_ += bytes.size();
        return;
    }
    std::memcpy(buffer_.get(), bytes.data(), bytes.size());
    used_ = bytes.size();
}

void PdfOutputFile::Flush() {
    if (used_ == 0) return;
    if (std::fwrite(buffer_.get(), 1, used_, file_) != used_) Fail("cannot write", errno);
    flushed_ += used_;
    used_ = 0;
}

void PdfOutputFile::Commit() {
    Flush();
    std::FILE* file = std::exchange(file_, nullptr);
    int error = 0;
    if (std::fflush(file) != 0) error = errno;
    if (std::fclose(file) != 0 && error == 0) error = errno;
    if (error != 0) Fail("cannot write", error);
    std::error_code renamed;
    std::filesystem::rename(temporary_, target_, renamed);
    if (renamed) Fail("cannot replace", renamed.value());
    temporary_.clear();
}

void PdfOutputFile::Abandon() noexcept {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        temporary_.clear();
    }
    used_ = 0;
}

void PdfOutputFile::Fail(std::string_view action, int error) {
    Abandon();
    throw PosterPdfFileError(
        target_, std::string(action) + " \"" + target_.string() + "\": " + Reason(error));
}

}  // namespace tessivo::posterpdf
