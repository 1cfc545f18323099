#pragma once
// The byte sink under the poster writer: a buffered output file that counts every byte it
// takes, so cross-reference offsets and stream lengths come from that count.
//
// The document is written to a temporary file beside the target ("." + name + random + ".tmp")
// and renamed over the target only by Commit. A poster that replaces an earlier one therefore
// never leaves a half-written file under the final name: if writing fails, or the document is
// abandoned or destroyed before Commit, the temporary file is removed and the earlier file is
// untouched.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>

namespace tessivo::posterpdf {

class PdfOutputFile {
  public:
    PdfOutputFile();
    ~PdfOutputFile();
    PdfOutputFile(const PdfOutputFile&) = delete;
    PdfOutputFile& operator=(const PdfOutputFile&) = delete;

    // Creates the temporary file beside target. Throws PosterPdfFileError naming target when
    // its folder does not exist or cannot be written, or target is a folder. Precondition: no
    // file is open.
    void Create(const std::filesystem::path& target);

    bool IsOpen() const noexcept { return file_ != nullptr; }

    // Bytes written since Create, counted from 0.
    std::uint64_t Offset() const noexcept { return flushed_ + used_; }

    // Appends bytes. Throws PosterPdfFileError (the document is then abandoned) when the
    // file system refuses them. Precondition: IsOpen().
    void Put(std::string_view bytes) {
        if (bytes.size() > kBufferSize - used_) {
            PutSlow(bytes);
            return;
        }
        std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    void Put(std::span<const std::uint8_t> bytes) {
        Put(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }

    // Writes what is buffered, closes the file and renames it over the target. Throws
    // PosterPdfFileError (the temporary file is then removed) when any of that fails.
    void Commit();

    // Closes and removes the temporary file, if any. The target is left as it was.
    void Abandon() noexcept;

  private:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    void PutSlow(std::string_view bytes);
    void Flush();
    [[noreturn]] void Fail(std::string_view action, int error);

    std::FILE* file_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    std::uint64_t flushed_ = 0;
};

}  // namespace tessivo::posterpdf
