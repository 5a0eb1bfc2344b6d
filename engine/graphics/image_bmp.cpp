#include <limits>

#include "engine/graphics/image_bits.h"
#include "engine/graphics/image_bmp_rle.h"
#include "engine/graphics/image_codec.h"

using namespace imagebits;

namespace {

constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3,
                        kBiAlphaBitfields = 6;

// Decodes a DIB whose header starts at `header` and whose pixels start at `bits` (0: right
// after the header, its masks and its palette).
std::optional<Image> DecodeDibAt(std::span<const std::uint8_t> b, std::size_t header,
                                 std::size_t bits) {
    const std::uint32_t header_size = U32(b, header);
    int width = 0, height = 0, bpp = 0;
    std::uint32_t compression = kBiRgb, colors_used = 0;
    std::size_t palette_entry = 4;
    if (header_size == 12) {  // BITMAPCOREHEADER
        width = static_cast<std::int16_t>(U16(b, header + 4));
        height = static_cast<std::int16_t>(U16(b, header + 6));
        bpp = static_cast<int>(U16(b, header + 10));
        palette_entry = 3;
    } else if (header_size >= 40) {
        width = static_cast<int>(U32(b, header + 4));
        height = static_cast<int>(U32(b, header + 8));
        bpp = static_cast<int>(U16(b, header + 14));
        compression = U32(b, header + 16);
        colors_used = U32(b, header + 32);
    } else {
        return std::nullopt;
    }
    const bool top_down = height < 0;
    if (height == std::numeric_limits<int>::min()) return std::nullopt;
    if (top_down) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    const bool rle = compression == kBiRle8 || compression == kBiRle4;
    // Run-length pictures are bottom-up only, at the depth their compression names.
    if (rle && (top_down || bpp != (compression == kBiRle8 ? 8 : 4))) return std::nullopt;
    if (!rle && compression != kBiRgb && compression != kBiBitfields &&
        compression != kBiAlphaBitfields)
        return std::nullopt;

    // Channel masks: the defaults, or those after a 40-byte header, or those inside a larger one.
    std::uint32_t rm = 0, gm = 0, bm = 0, am = 0;
    std::size_t after_header = header + header_size;
    if (bpp == 16) {
        rm = 0x7C00, gm = 0x03E0, bm = 0x001F;
    } else if (bpp == 24 || bpp == 32) {
        rm = 0xFF0000, gm = 0x00FF00, bm = 0x0000FF;
    }
    if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
        const std::size_t at = header_size == 40 ? after_header : header + 40;
        rm = U32(b, at), gm = U32(b, at + 4), bm = U32(b, at + 8);
        if (compression == kBiAlphaBitfields || header_size >= 56) am = U32(b, at + 12);
        if (header_size == 40) after_header += compression == kBiAlphaBitfields ? 16 : 12;
    }

    std::uint32_t palette[256] = {};
    if (bpp <= 8) {
        if (bpp != 1 && bpp != 4 && bpp != 8) return std::nullopt;
        const std::size_t count =
            colors_used && colors_used <= (1u << bpp) ? colors_used : (1u << bpp);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = after_header + i * palette_entry;
            if (at + 3 > b.size()) return std::nullopt;
            palette[i] = Argb(255, b[at + 2], b[at + 1], b[at]);
        }
        after_header += count * palette_entry;
    } else if (bpp != 16 && bpp != 24 && bpp != 32) {
        return std::nullopt;
    }
    if (bits == 0) bits = after_header;
    if (rle) {
        if (bits > b.size()) return std::nullopt;
        return DecodeBmpRle(b.subspan(bits), width, height, bpp, palette);
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * bpp + 31) / 32 * 4;
    if (bits > b.size() || (b.size() - bits) / stride < static_cast<std::size_t>(height))
        return std::nullopt;

    Image image(width, height);
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* src = b.data() + bits + static_cast<std::size_t>(row) * stride;
        const int y = top_down ? row : height - 1 - row;
        std::uint32_t* dst = &image.pixels[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            switch (bpp) {
                case 1:
                    dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
                    break;
                case 8:
                    dst[x] = palette[src[x]];
                    break;
                case 24:
                    dst[x] = Argb(255, src[x * 3 + 2], src[x * 3 + 1], src[x * 3]);
                    break;
                default: {
                    const std::uint32_t v =
                        bpp == 16 ? static_cast<std::uint32_t>(src[x * 2] | src[x * 2 + 1] << 8)
                                  : src[x * 4] | src[x * 4 + 1] << 8 | src[x * 4 + 2] << 16 |
                                        static_cast<std::uint32_t>(src[x * 4 + 3]) << 24;
                    dst[x] = Argb(Channel(v, am, 255), Channel(v, rm, 0), Channel(v, gm, 0),
                                  Channel(v, bm, 0));
                }
            }
        }
    }
    return image;
}

}  // namespace

std::optional<Image> DecodeBmp(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 14 + 12 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::size_t offset = U32(bytes, 10);
    // An offset inside the headers is wrong; read the pixels where the headers end instead.
    return DecodeDibAt(bytes, 14, offset >= 14 + 12 ? offset : 0);
}

std::optional<Image> DecodeDib(std::span<const std::uint8_t> bytes) {
    return DecodeDibAt(bytes, 0, 0);
}
