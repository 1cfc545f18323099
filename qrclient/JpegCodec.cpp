// JPEG through libjpeg. libjpeg reports fatal errors through a callback that must not
// return; the callback jumps back to Decode(), whose frame holds no object with a destructor
// between setjmp and the jump, and the pixel buffer is owned by the caller.
#include "qrclient/Picture.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace tessivo {
namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

[[noreturn]] void OnFatal(j_common_ptr info) {
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    (*info->err->format_message)(info, trap->message);
    std::longjmp(trap->jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) trap->truncated = true;
}

// Fills `out` (already empty) and returns nullptr, or returns the reason it could not.
// Plain C types only between setjmp and longjmp.
const char* Decode(std::span<const uint8_t> jpeg, std::vector<uint8_t>& out, int32_t& width,
                   int32_t& height, ErrorTrap& trap) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = OnFatal;
    trap.manager.emit_message = OnMessage;
    trap.truncated = false;
    trap.message[0] = '\0';
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        return trap.message;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxPictureSide ||
        info.image_height > kMaxPictureSide) {
        jpeg_destroy_decompress(&info);
        return "size out of range (1..10000 a side)";
    }
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(&info);
        return "CMYK pictures are not supported";
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = static_cast<int32_t>(info.output_width);
    height = static_cast<int32_t>(info.output_height);
    out.resize(static_cast<std::size_t>(width) * height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &out[static_cast<std::size_t>(info.output_scanline) * width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return trap.truncated ? "the picture ends early" : nullptr;
}

}  // namespace

PictureResult DecodeJpeg(std::span<const uint8_t> jpeg) {
    if (jpeg.size() < 3 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return {std::nullopt, "JPEG: not a JPEG picture"};
    Picture picture;
    ErrorTrap trap;
    if (const char* why = Decode(jpeg, picture.rgb, picture.width, picture.height, trap))
        return {std::nullopt, std::string("JPEG: ") + why};
    return {std::move(picture), {}};
}

}  // namespace tessivo
