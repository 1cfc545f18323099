#pragma once
// ASCII base-85 as PDF's ASCII85Decode filter reads it, without line breaks: each group of four
// bytes (a big-endian 32-bit value) becomes five characters "!".."u", a group of four zero
// bytes becomes "z", a final group of c < 4 bytes is padded with zeros and keeps c + 1
// characters, and "~>" ends the data.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tessivo::posterpdf {

// Encodes a whole buffer, "~>" included. Example: bytes 0 0 0 1 give "!!!!\"~>".
std::string EncodeA85(std::span<const std::uint8_t> bytes);

}  // namespace tessivo::posterpdf
