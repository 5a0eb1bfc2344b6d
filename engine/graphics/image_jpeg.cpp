#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "engine/graphics/image_bits.h"
#include "engine/graphics/image_codec.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}
void OnMessage(j_common_ptr) {}

}  // namespace

std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4) return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.output_message = OnMessage;
    // Everything that must be released after a jump lives outside the jumping scope.
    Image* image = new Image();
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK ||
        info.image_width > static_cast<unsigned>(imagebits::kMaxSide) ||
        info.image_height > static_cast<unsigned>(imagebits::kMaxSide)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return std::nullopt;
    }
    // BGRA bytes are ARGB words on a little-endian machine.
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    image->width = static_cast<int>(info.output_width);
    image->height = static_cast<int>(info.output_height);
    image->pixels.assign(static_cast<std::size_t>(image->width) * image->height, 0xFF000000u);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(
            &image->pixels[static_cast<std::size_t>(info.output_scanline) * image->width]);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::optional<Image> out(std::move(*image));
    delete image;
    return out;
}
