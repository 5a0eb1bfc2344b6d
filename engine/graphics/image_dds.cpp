#include "engine/graphics/image_bits.h"
#include "engine/graphics/image_codec.h"

using namespace imagebits;

namespace {

constexpr std::size_t kHeaderEnd = 128;  // magic + 124-byte header
constexpr std::uint32_t kAlphaPixels = 0x1, kFourCc = 0x4, kRgb = 0x40;

constexpr std::uint32_t FourCc(char a, char b, char c, char d) {
    return static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b) << 8 |
           static_cast<std::uint32_t>(c) << 16 | static_cast<std::uint32_t>(d) << 24;
}

std::uint32_t Expand565(std::uint32_t c) {
    return Argb(255, Channel(c, 0xF800, 0), Channel(c, 0x07E0, 0), Channel(c, 0x001F, 0));
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int wa, int wb, int div) {
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t ca = (a >> shift) & 255, cb = (b >> shift) & 255;
        out |= ((ca * wa + cb * wb) / div) << shift;
    }
    return out;
}

// The colour half of a DXT block; DXT1 blocks with c0 <= c1 have three colours and transparency.
void ColorBlock(const std::uint8_t* block, bool dxt1, std::uint32_t out[16]) {
    const std::uint32_t c0 = block[0] | block[1] << 8, c1 = block[2] | block[3] << 8;
    std::uint32_t palette[4] = {Expand565(c0), Expand565(c1), 0, 0};
    if (c0 > c1 || !dxt1) {
        palette[2] = Mix(palette[0], palette[1], 2, 1, 3);
        palette[3] = Mix(palette[0], palette[1], 1, 2, 3);
    } else {
        palette[2] = Mix(palette[0], palette[1], 1, 1, 2);
        palette[3] = 0;
    }
    const std::uint32_t indices =
        block[4] | block[5] << 8 | block[6] << 16 | static_cast<std::uint32_t>(block[7]) << 24;
    for (int i = 0; i < 16; ++i) out[i] = palette[(indices >> (2 * i)) & 3];
}

void AlphaBlockExplicit(const std::uint8_t* block, std::uint32_t out[16]) {
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t a4 = (block[i / 2] >> ((i & 1) * 4)) & 15;
        out[i] = (out[i] & 0x00FFFFFFu) | (a4 * 17) << 24;
    }
}

void AlphaBlockInterpolated(const std::uint8_t* block, std::uint32_t out[16]) {
    const std::uint32_t a0 = block[0], a1 = block[1];
    std::uint32_t alpha[8] = {a0, a1};
    if (a0 > a1) {
        for (int i = 1; i < 7; ++i) alpha[i + 1] = ((7 - i) * a0 + i * a1) / 7;
    } else {
        for (int i = 1; i < 5; ++i) alpha[i + 1] = ((5 - i) * a0 + i * a1) / 5;
        alpha[6] = 0;
        alpha[7] = 255;
    }
    std::uint64_t bits = 0;
    for (int i = 0; i < 6; ++i) bits |= static_cast<std::uint64_t>(block[2 + i]) << (8 * i);
    for (int i = 0; i < 16; ++i)
        out[i] = (out[i] & 0x00FFFFFFu) | alpha[(bits >> (3 * i)) & 7] << 24;
}

std::optional<Image> DecodeCompressed(std::span<const std::uint8_t> b, int width, int height,
                                      std::uint32_t fourcc) {
    const bool dxt1 = fourcc == FourCc('D', 'X', 'T', '1');
    const std::size_t block_size = dxt1 ? 8 : 16;
    const std::size_t bw = (static_cast<std::size_t>(width) + 3) / 4,
                      bh = (static_cast<std::size_t>(height) + 3) / 4;
    if ((b.size() - kHeaderEnd) / block_size < bw * bh) return std::nullopt;
    Image image(width, height);
    const std::uint8_t* block = b.data() + kHeaderEnd;
    for (std::size_t by = 0; by < bh; ++by) {
        for (std::size_t bx = 0; bx < bw; ++bx, block += block_size) {
            std::uint32_t texels[16];
            ColorBlock(dxt1 ? block : block + 8, dxt1, texels);
            if (fourcc == FourCc('D', 'X', 'T', '2') || fourcc == FourCc('D', 'X', 'T', '3'))
                AlphaBlockExplicit(block, texels);
            else if (!dxt1)
                AlphaBlockInterpolated(block, texels);
            for (int i = 0; i < 16; ++i) {
                const std::size_t x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x < static_cast<std::size_t>(width) && y < static_cast<std::size_t>(height))
                    image.pixels[y * width + x] = texels[i];
            }
        }
    }
    return image;
}

}  // namespace

std::optional<Image> DecodeDds(std::span<const std::uint8_t> b) {
    if (b.size() < kHeaderEnd || U32(b, 0) != FourCc('D', 'D', 'S', ' ')) return std::nullopt;
    const int height = static_cast<int>(U32(b, 12)), width = static_cast<int>(U32(b, 16));
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    const std::uint32_t flags = U32(b, 80), fourcc = U32(b, 84);
    if (flags & kFourCc) {
        if (fourcc == FourCc('D', 'X', 'T', '1') || fourcc == FourCc('D', 'X', 'T', '2') ||
            fourcc == FourCc('D', 'X', 'T', '3') || fourcc == FourCc('D', 'X', 'T', '4') ||
            fourcc == FourCc('D', 'X', 'T', '5'))
            return DecodeCompressed(b, width, height, fourcc);
        return std::nullopt;
    }
    if (!(flags & kRgb)) return std::nullopt;
    const std::uint32_t bits = U32(b, 88);
    if (bits != 16 && bits != 24 && bits != 32) return std::nullopt;
    const std::uint32_t rm = U32(b, 92), gm = U32(b, 96), bm = U32(b, 100);
    const std::uint32_t am = (flags & kAlphaPixels) ? U32(b, 104) : 0;
    const std::size_t bytes_per_pixel = bits / 8;
    const std::size_t row = static_cast<std::size_t>(width) * bytes_per_pixel;
    if ((b.size() - kHeaderEnd) / row < static_cast<std::size_t>(height)) return std::nullopt;
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* src = b.data() + kHeaderEnd + static_cast<std::size_t>(y) * row;
        for (int x = 0; x < width; ++x, src += bytes_per_pixel) {
            std::uint32_t v = 0;
            for (std::size_t i = 0; i < bytes_per_pixel; ++i)
                v |= static_cast<std::uint32_t>(src[i]) << (8 * i);
            image.At(x, y) =
                Argb(Channel(v, am, 255), Channel(v, rm, 0), Channel(v, gm, 0), Channel(v, bm, 0));
        }
    }
    return image;
}
