#pragma once
// Errors the layout writer throws. Rejected settings and pictures are not errors: they are
// shown through the message sink and the writer carries on with a fallback. These are the
// failures a caller must handle; what() is a sentence that names the file or the limit.

#include <stdexcept>

namespace tessivo {

class LumPdfError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The file system refused the output file or a picture file (missing folder, permission,
// disk full); what() names the path and the reason.
class LumFileError : public LumPdfError {
  public:
    using LumPdfError::LumPdfError;
};

// A metric file that text needs is missing, unreadable or has no metrics section, or the
// current font has no metric file in the list; what() names the file. Nothing is written for
// the text that needed it.
class LumMetricError : public LumPdfError {
  public:
    using LumPdfError::LumPdfError;
};

// A PDF 1.3 limit was reached: more than 32767 objects, pages or links on a page, or a value
// that does not fit a 16-bit setting. Nothing of the step that would pass it is written.
class LumLimitError : public LumPdfError {
  public:
    using LumPdfError::LumPdfError;
};

// A member called where it cannot act: drawing or ending without an open document, an empty
// cell text, a polygon without a pair of numbers.
class LumUsageError : public LumPdfError {
  public:
    using LumPdfError::LumPdfError;
};

}  // namespace tessivo
