// Which texel row each screen row of an unscaled quad shows. Quads at whole-numbered places take
// their rows by integer offsets; the same quad turned about a centre half a pixel away goes
// through the general formula, and with no scale the centre cannot move a texel, so both must
// draw the same picture, also where rows fall off the surface or past the image's last row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/graphics/rasterizer.h"

namespace {

constexpr int kSize = 24;

// 6 x 8 texels, every one different, with translucent and clear ones so the tint and the blend
// both show; each row's texels carry the row number.
Image Picture() {
    Image image(6, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 6; ++x) {
            const std::uint32_t alpha = x == 5 ? 0 : x == 4 ? 0x80 : 0xFF;
            image.At(x, y) = alpha << 24 | static_cast<std::uint32_t>(y * 30) << 16 |
                             static_cast<std::uint32_t>(x * 40) << 8 | 0x11;
        }
    return image;
}

std::vector<std::uint32_t> Draw(const Image& image, Quad quad) {
    std::vector<std::uint32_t> pixels(kSize * kSize, 0xFF204060u);
    Surface surface{pixels.data(), kSize, kSize};
    raster::DrawQuad(surface, &image, quad);
    return pixels;
}

struct RowsCase {
    const char* what;
    double y, v0, height;
    std::uint32_t color;
};

TEST(QuadRows, UnscaledRowsAreTheSameWhateverTheCentre) {
    const Image image = Picture();
    const RowsCase cases[] = {
        {"the whole picture", 3, 0, 8, 0xFFFFFFFFu},
        {"rows from the middle", 3, 2, 4, 0xFFFFFFFFu},
        {"past the last row", 10, 5, 9, 0xFFFFFFFFu},
        {"above the surface", -3, 0, 8, 0xFFFFFFFFu},
        {"below the surface", 20, 1, 7, 0xFFFFFFFFu},
        {"tinted", 3, 1, 6, 0xC0FF8040u},
    };
    for (const RowsCase& c : cases) {
        Quad quad;
        quad.x = 4;
        quad.y = c.y;
        quad.width = 6;
        quad.height = c.height;
        quad.u1 = 6;
        quad.v0 = c.v0;
        quad.v1 = c.v0 + c.height;
        quad.color = c.color;
        quad.center_x = quad.x;
        quad.center_y = quad.y;
        const auto whole = Draw(image, quad);
        quad.center_y += 0.5;
        EXPECT_EQ(whole, Draw(image, quad)) << c.what;
    }
}

TEST(QuadRows, ScreenRowsShowTexelRowsFromTheFirstAndRepeatTheLast) {
    const Image image = Picture();
    Quad quad;
    quad.x = 0;
    quad.y = 2;
    quad.width = 1;
    quad.height = 8;
    quad.u1 = 1;
    quad.v0 = 3;
    quad.v1 = 11;  // three rows past the image's last
    const auto pixels = Draw(image, quad);
    for (int py = 2; py < 10; ++py) {
        const int texel_row = std::min(3 + py - 2, 7);
        EXPECT_EQ(pixels[static_cast<std::size_t>(py) * kSize], image.At(0, texel_row)) << py;
    }
    EXPECT_EQ(pixels[1 * kSize], 0xFF204060u);
    EXPECT_EQ(pixels[10 * kSize], 0xFF204060u);
}

}  // namespace
