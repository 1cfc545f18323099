// JPEG encoding through libjpeg, into memory. Encoding a valid picture cannot meet a fatal
// libjpeg error short of running out of memory, which the error callback turns into an empty
// result by jumping back; no object with a destructor lives between setjmp and the jump.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "qrclient/Picture.h"

namespace tessivo {
namespace {

struct EncodeTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void OnEncodeFatal(j_common_ptr info) {
    std::longjmp(reinterpret_cast<EncodeTrap*>(info->err)->jump, 1);
}

// Compresses into a buffer libjpeg allocates; the caller frees `*buffer`. False on failure.
bool Compress(const Picture& picture, int quality, unsigned char** buffer, unsigned long* size) {
    EncodeTrap trap;
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = OnEncodeFatal;
    if (setjmp(trap.jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.rgb.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality) {
    if (!IsValidPicture(picture)) return {};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> jpeg;
    if (Compress(picture, std::clamp(quality, 1, 100), &buffer, &size))
        jpeg.assign(buffer, buffer + size);
    std::free(buffer);
    return jpeg;
}

}  // namespace tessivo
