#include <png.h>

#include <csetjmp>
#include <cstring>

#include "engine/graphics/image_bits.h"
#include "engine/graphics/image_codec.h"

namespace {

constexpr png_alloc_size_t kChunkBytesLimit = 8'000'000;

struct Reader {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
    Image image;
    std::vector<png_bytep> rows;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (reader->bytes.size() - reader->at < count) png_error(png, "cut short");
    std::memcpy(out, reader->bytes.data() + reader->at, count);
    reader->at += count;
}

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

std::uint32_t Big32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

// The bytes of compressed pixel data the file holds, over every image data chunk.
std::size_t CompressedBytes(std::span<const std::uint8_t> b) {
    std::size_t total = 0;
    for (std::size_t at = 8; at + 8 <= b.size();) {
        const std::size_t length = Big32(b, at);
        if (std::memcmp(&b[at + 4], "IDAT", 4) == 0) total += std::min(length, b.size() - (at + 8));
        if (std::memcmp(&b[at + 4], "IEND", 4) == 0 || length > b.size() - (at + 8)) break;
        at += 8 + length + 4;
    }
    return total;
}

// Whether every chunk before the pixels holds the bytes its length claims. libpng takes a side
// chunk's whole length as room before it reads the bytes, so a damaged length would ask for
// gigabytes only to find the file ends.
bool ChunksBeforePixelsFit(std::span<const std::uint8_t> b) {
    for (std::size_t at = 8; at + 8 <= b.size();) {
        if (std::memcmp(&b[at + 4], "IDAT", 4) == 0) return true;
        const std::size_t length = Big32(b, at);
        if (length > b.size() - (at + 8)) return false;
        at += 8 + length + 4;
    }
    return true;
}

}  // namespace

std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
    if (!ChunksBeforePixelsFit(bytes)) return std::nullopt;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png) return std::nullopt;
    png_infop info = png_create_info_struct(png);
    // Everything that must be released after a jump lives outside the jumping scope.
    Reader* reader = info ? new Reader{bytes, 0, {}, {}} : nullptr;
    if (!reader || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        delete reader;
        return std::nullopt;
    }
    png_set_read_fn(png, reader, ReadBytes);
    png_set_user_limits(png, imagebits::kMaxSide, imagebits::kMaxSide);
    // What a text or a colour profile inflates to is capped (libpng's own configured default,
    // which the system's build leaves unset).
    png_set_chunk_malloc_max(png, kChunkBytesLimit);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info),
                      height = png_get_image_height(png, info);
    // Deflate packs at most 1032 bytes into one, so a header that claims more rows than its
    // data can hold is refused before room for them is taken.
    const std::size_t row_bytes =
        1 + (static_cast<std::size_t>(width) * png_get_channels(png, info) *
                 png_get_bit_depth(png, info) +
             7) /
                8;
    if (static_cast<std::size_t>(height) * row_bytes > (CompressedBytes(bytes) + 1) * 1032)
        png_error(png, "claims more than it holds");

    // Every colour type and depth becomes eight-bit BGRA, which is ARGB words on a
    // little-endian machine: palettes, low depths and a transparent colour expanded, sixteen
    // bits rounded to eight, grey spread over the three colours, full alpha where none is given.
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<std::size_t>(width) * 4)
        png_error(png, "unexpected row layout");

    reader->image = Image(static_cast<int>(width), static_cast<int>(height));
    reader->rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        reader->rows[y] = reinterpret_cast<png_bytep>(&reader->image.At(0, static_cast<int>(y)));
    png_read_image(png, reader->rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    std::optional<Image> out(std::move(reader->image));
    delete reader;
    return out;
}
