#pragma once
// The errors the poster writer throws. Every member of clsPosterPDF documents which of these it
// may throw; argument errors (std::invalid_argument) are always thrown before anything is
// written, so the document stays usable after them.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tessivo::posterpdf {

// A file could not be created, written, renamed into place or read. what() names the path and
// the reason; path() is the file concerned. A document whose output failed is abandoned: its
// temporary file is removed and the writer has no open file any more.
class PosterPdfFileError : public std::runtime_error {
  public:
    PosterPdfFileError(std::filesystem::path path, const std::string& message)
        : std::runtime_error(message), path_(std::move(path)) {}
    const std::filesystem::path& path() const noexcept { return path_; }

  private:
    std::filesystem::path path_;
};

// An object number past 32767 (the largest object number and count the format allows here), or
// a file larger than a cross-reference entry can address. Thrown before the object is begun.
class PosterPdfOverflowError : public std::overflow_error {
  public:
    using std::overflow_error::overflow_error;
};

// A call out of order: drawing with no page or form open, a page begun inside another, an
// object loaded while a content stream is open, output with no file open. Thrown before
// anything is written.
class PosterPdfUsageError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

}  // namespace tessivo::posterpdf
