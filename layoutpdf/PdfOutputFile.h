#pragma once
// The output file of the layout writer: counts every byte it writes (cross-reference offsets
// come from that count) and writes beside the target, so that a document that is never
// finished leaves an existing file of the same name untouched.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string_view>

namespace tessivo::layoutpdf {

class PdfOutputFile {
  public:
    PdfOutputFile() = default;
    PdfOutputFile(const PdfOutputFile&) = delete;
    PdfOutputFile& operator=(const PdfOutputFile&) = delete;
    // Removes an unfinished temporary file.
    ~PdfOutputFile();

    // Creates a ".tessivo-layout-<pid>-<n>.part" file beside the target, emptying it. Throws LumFileError naming the
    // path when it cannot be created (missing folder, no permission). Abandons a file still
    // open from before.
    void Open(const std::filesystem::path& target);
    bool IsOpen() const { return file_ != nullptr; }

    // Writes the bytes followed by CR LF (one "line write"). Throws LumFileError naming the
    // target when the system refuses the bytes (disk full).
    void WriteLine(std::string_view bytes) { WriteLine({bytes}); }
    // The same for a line given in pieces (a page stream is not copied into one buffer).
    void WriteLine(std::initializer_list<std::string_view> pieces);
    // Bytes written so far, line ends included.
    std::uint64_t BytesWritten() const { return written_; }

    // Closes the file and renames it over the target. Throws LumFileError naming the target.
    void Commit();
    // Closes and removes the temporary file.
    void Abandon();

    const std::filesystem::path& Target() const { return target_; }

  private:
    std::FILE* file_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path partial_;
    std::uint64_t written_ = 0;
};

}  // namespace tessivo::layoutpdf
