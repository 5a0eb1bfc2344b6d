#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h: the message codes.
#include <jerror.h>

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
// libjpeg goes on past the end of the data (the file's or a scan's), filling the rest of the
// picture with grey, so a header of a few bytes could claim 16384 x 16384 and be decoded in
// full: data that ends early is refused, as the other decoders refuse pixels the file does not
// hold. Other warnings (corrupt but complete data) still decode.
void OnMessage(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) OnError(info);
}

// Paper white under no ink, each ink taking away its share: red = (1 - cyan) (1 - black) and
// so on. Files with Adobe's marker (Photoshop's, ImageMagick's) store every ink inverted,
// 255 for none; others store the ink itself.
void InksToColours(JSAMPROW row, std::size_t width, bool inverted) {
    for (std::size_t x = 0; x < width; ++x) {
        std::uint8_t* p = row + x * 4;
        std::uint32_t clear[4];  // what each ink leaves of the white
        for (int i = 0; i < 4; ++i) clear[i] = inverted ? p[i] : 255u - p[i];
        const auto times = [&](int i) {
            return static_cast<std::uint8_t>((clear[i] * clear[3] + 127) / 255);
        };
        const std::uint8_t red = times(0), green = times(1), blue = times(2);
        p[0] = blue, p[1] = green, p[2] = red, p[3] = 255;
    }
}

}  // namespace

std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4) return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
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
    if (info.image_width > static_cast<unsigned>(imagebits::kMaxSide) ||
        info.image_height > static_cast<unsigned>(imagebits::kMaxSide)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return std::nullopt;
    }
    // BGRA bytes are ARGB words on a little-endian machine. Inks come out as CMYK (libjpeg turns
    // YCCK into it) in the same four bytes a pixel, and are turned into colours row by row.
    const bool inks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = inks ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    image->width = static_cast<int>(info.output_width);
    image->height = static_cast<int>(info.output_height);
    // The rows grow as they are decoded, so data that ends early has taken room only for
    // the rows it reached.
    const std::size_t width = static_cast<std::size_t>(image->width);
    while (info.output_scanline < info.output_height) {
        image->pixels.resize((info.output_scanline + std::size_t{1}) * width, 0xFF000000u);
        JSAMPROW row = reinterpret_cast<JSAMPROW>(&image->pixels[info.output_scanline * width]);
        jpeg_read_scanlines(&info, &row, 1);
        if (inks) InksToColours(row, width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::optional<Image> out(std::move(*image));
    delete image;
    return out;
}
