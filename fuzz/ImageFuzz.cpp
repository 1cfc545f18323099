// Pictures of unknown kind, as a user or an upload hands them over: a valid picture or a reason.
#include "fuzz/PictureChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tessivo::fuzz::CheckPictureResult(tessivo::DecodeImage(tessivo::fuzz::AsBytes(data, size)));
    return 0;
}
