#pragma once
// libpng refuses a critical chunk whose CRC does not match, so nearly every mutation of a PNG
// would stop at the first chunk. Recomputing the CRCs lets mutated sizes, colour types, bit
// depths and pixel data reach the decoder and the code around it.

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace tessivo::fuzz {

inline bool HasPngSignature(const std::vector<std::uint8_t>& bytes) {
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return bytes.size() >= sizeof kSignature &&
           std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

// Rewrites the CRC of every whole chunk after the signature; returns true when one changed.
inline bool FixPngChunkCrcs(std::vector<std::uint8_t>& png) {
    if (!HasPngSignature(png)) return false;
    bool changed = false;
    std::size_t at = 8;
    while (png.size() - at >= 12) {
        const std::uint32_t length =
            std::uint32_t{png[at]} << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
        if (length > png.size() - at - 12) break;
        const std::uint8_t* typeAndData = &png[at + 4];
        const auto crc = static_cast<std::uint32_t>(::crc32(0, typeAndData, length + 4));
        std::uint8_t* stored = &png[at + 8 + length];
        for (int i = 0; i < 4; ++i) {
            const auto byte = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
            changed = changed || stored[i] != byte;
            stored[i] = byte;
        }
        at += 12 + length;
    }
    return changed;
}

// Runs `test` on the input and, when its chunk CRCs are wrong, once more on a copy with them
// put right.
template <class Test>
void TryAsGivenAndWithRightCrcs(const std::uint8_t* data, std::size_t size, Test test) {
    test(std::span<const std::uint8_t>(data, size));
    std::vector<std::uint8_t> fixed(data, data + size);
    if (FixPngChunkCrcs(fixed)) test(std::span<const std::uint8_t>(fixed));
}

}  // namespace tessivo::fuzz
