#pragma once
// Properties every picture decoder keeps, whatever bytes it is given.

#include "fuzz/FuzzSupport.h"
#include "qrclient/Picture.h"

namespace tessivo::fuzz {

// A result is either a valid picture or a reason, never both or neither.
inline void CheckPictureResult(const PictureResult& result) {
    if (result.picture) {
        FUZZ_CHECK(IsValidPicture(*result.picture));
        FUZZ_CHECK(result.error.empty());
    } else {
        FUZZ_CHECK(!result.error.empty());
    }
}

// Round trips through the lossless writers are only worth their time on small pictures.
inline bool IsSmall(const Picture& picture) {
    return static_cast<long>(picture.width) * picture.height <= 64 * 64;
}

}  // namespace tessivo::fuzz
