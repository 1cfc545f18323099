#include "tests/qrdoc/PosterTestSupport.h"

namespace tessivo::qrdoc::postertest {

using posterpdf::testing::RunTool;

namespace {

std::string Quoted(const std::filesystem::path& path) {
    std::string quoted = "'";
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

}  // namespace

std::string ScanPoster(const std::filesystem::path& pdf, const std::filesystem::path& scratch) {
    const std::filesystem::path page = scratch / "page";
    RunTool("pdftoppm -r 150 -png -singlefile " + Quoted(pdf) + " " + Quoted(page));
    // Only the code's bytes: the tool's own complaints stay out of them.
    std::string bytes =
        RunTool("(zbarimg -q --raw -Sbinary " + Quoted(page.string() + ".png") + " 2>/dev/null)")
            .output;
    if (!bytes.empty() && bytes.back() == '\n') bytes.pop_back();
    return bytes;
}

void WriteTinyBitmap(const std::filesystem::path& file) {
    // Two rows of two black pixels, each row padded to 8 bytes.
    posterpdf::testing::WriteFileBytes(
        file, posterpdf::testing::MakeBmp(2, 2, 24, {}, std::string(16, '\0')));
}

}  // namespace tessivo::qrdoc::postertest
