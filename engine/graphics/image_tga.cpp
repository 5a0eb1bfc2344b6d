#include <algorithm>

#include "engine/graphics/image_bits.h"
#include "engine/graphics/image_codec.h"

using namespace imagebits;

namespace {

// How the stored values become pixels.
struct Layout {
    int depth = 0;
    bool mapped = false;
    // A grey picture of sixteen bits holds grey and then alpha.
    bool grey = false;
    // The descriptor gives the pixels attribute bits: the top bit of a sixteen-bit colour, the
    // second byte of a sixteen-bit grey, is then their alpha rather than padding.
    bool alpha = false;
};

std::uint32_t ReadPixel(const std::uint8_t* p, const Layout& layout,
                        const std::vector<std::uint32_t>& palette) {
    std::uint32_t v = 0;
    for (int i = 0; i < (layout.depth + 7) / 8; ++i)
        v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    if (layout.mapped) return v < palette.size() ? palette[v] : 0xFF000000u;
    switch (layout.depth) {
        case 8:
            return Argb(255, v, v, v);
        case 15:
        case 16: {
            if (layout.grey && layout.depth == 16) {
                const std::uint32_t grey = v & 255;
                return Argb(layout.alpha ? v >> 8 : 255, grey, grey, grey);
            }
            const bool transparent = layout.alpha && layout.depth == 16 && !(v & 0x8000);
            return Argb(transparent ? 0 : 255, Channel(v, 0x7C00, 0), Channel(v, 0x03E0, 0),
                        Channel(v, 0x001F, 0));
        }
        case 24:
            return 0xFF000000u | v;
        default:
            return v;
    }
}

}  // namespace

std::optional<Image> DecodeTga(std::span<const std::uint8_t> b) {
    if (b.size() < 18) return std::nullopt;
    const int id_length = b[0], map_type = b[1], type = b[2];
    const int map_first = static_cast<int>(U16(b, 3)), map_length = static_cast<int>(U16(b, 5)),
              map_depth = b[7];
    const int width = static_cast<int>(U16(b, 12)), height = static_cast<int>(U16(b, 14));
    const int depth = b[16], descriptor = b[17];
    const bool rle = type >= 9;
    const int base = rle ? type - 8 : type;
    if (base < 1 || base > 3 || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return std::nullopt;
    const bool mapped = base == 1;
    if (mapped && (map_type != 1 || depth != 8)) return std::nullopt;
    if (!mapped && depth != 8 && depth != 15 && depth != 16 && depth != 24 && depth != 32)
        return std::nullopt;

    const bool alpha = (descriptor & 0x0F) != 0;
    const Layout layout{depth, mapped, base == 3, alpha};
    std::size_t at = 18 + static_cast<std::size_t>(id_length);
    std::vector<std::uint32_t> palette;
    if (map_type == 1) {
        const int entry = (map_depth + 7) / 8;
        if (entry < 2 || entry > 4) return std::nullopt;
        palette.assign(static_cast<std::size_t>(map_first + map_length), 0xFF000000u);
        for (int i = 0; i < map_length; ++i, at += entry) {
            if (at + entry > b.size()) return std::nullopt;
            const Layout entry_layout{map_depth, false, false, alpha};
            palette[map_first + i] = ReadPixel(b.data() + at, entry_layout, {});
        }
    }
    const int pixel_bytes = (depth + 7) / 8;
    const std::size_t count = static_cast<std::size_t>(width) * height;
    // Room only for what the bytes can hold (a run packet of two bytes gives 128 pixels), so a
    // header that claims more than the file has allocates nothing large.
    const std::size_t left = b.size() > at ? b.size() - at : 0;
    const std::size_t possible = rle ? left / 2 * 128 + 128 : left / pixel_bytes;
    if (!rle && possible < count) return std::nullopt;
    std::vector<std::uint32_t> pixels;
    pixels.reserve(std::min(count, possible));
    while (pixels.size() < count) {
        if (!rle) {
            if (at + pixel_bytes > b.size()) return std::nullopt;
            pixels.push_back(ReadPixel(b.data() + at, layout, palette));
            at += pixel_bytes;
            continue;
        }
        if (at >= b.size()) return std::nullopt;
        const int packet = b[at++];
        const std::size_t n = static_cast<std::size_t>(packet & 0x7F) + 1;
        if (packet & 0x80) {
            if (at + pixel_bytes > b.size()) return std::nullopt;
            const std::uint32_t p = ReadPixel(b.data() + at, layout, palette);
            at += pixel_bytes;
            for (std::size_t i = 0; i < n && pixels.size() < count; ++i) pixels.push_back(p);
        } else {
            for (std::size_t i = 0; i < n && pixels.size() < count; ++i, at += pixel_bytes) {
                if (at + pixel_bytes > b.size()) return std::nullopt;
                pixels.push_back(ReadPixel(b.data() + at, layout, palette));
            }
        }
    }
    Image image(width, height);
    const bool top_down = descriptor & 0x20, right_to_left = descriptor & 0x10;
    for (int row = 0; row < height; ++row) {
        const int y = top_down ? row : height - 1 - row;
        for (int col = 0; col < width; ++col) {
            const int x = right_to_left ? width - 1 - col : col;
            image.At(x, y) = pixels[static_cast<std::size_t>(row) * width + col];
        }
    }
    return image;
}
