#pragma once
// Helpers of the poster suites. Scratch folders, file bytes and the outside tools come from
// tests/support.

#include <filesystem>

#include "tests/support/Files.h"
#include "tests/support/OutsideTools.h"

namespace tessivo::qrdoc::postertest {

using testsupport::PdfText;
using testsupport::QpdfCheck;
using testsupport::ReadFileBytes;
using testsupport::ScanPoster;
using testsupport::ScratchFolder;
using testsupport::ToolResult;
using testsupport::WriteFileBytes;

// A small 24-bit bitmap file (2 x 2 black pixels) the poster writer reads.
void WriteTinyBitmap(const std::filesystem::path& file);

}  // namespace tessivo::qrdoc::postertest
