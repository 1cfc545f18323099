#include "tests/qrdoc/PosterTestSupport.h"

#include "qrclient/Picture.h"

namespace tessivo::qrdoc::postertest {

void WriteTinyBitmap(const std::filesystem::path& file) {
    WriteFileBytes(file, EncodeBmp(SolidPicture(2, 2, 0x000000)));
}

}  // namespace tessivo::qrdoc::postertest
