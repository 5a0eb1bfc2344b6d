// The software renderer's primitives on an ARGB surface, after Direct3D 9's conventions: a pixel
// is covered when its integer coordinate lies inside the quad (top-left fill rule), textures are
// sampled nearest with clamped coordinates, texel x draw colour per channel, and blending is
// dst = src * a + dst * (255 - a), rounded, per channel.
#pragma once

#include <cstdint>

#include "engine/graphics/image.h"

struct Surface {
    std::uint32_t* pixels = nullptr;
    int width = 0, height = 0;
};

struct ClipRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

// A quad: the rectangle (x, y, width, height) scaled and rotated about (center_x, center_y),
// textured from texel coordinates (u0, v0) to (u1, v1) of the image.
struct Quad {
    double x = 0, y = 0, width = 0, height = 0;
    double center_x = 0, center_y = 0;
    double rotation = 0;  // radians
    double scale_x = 1, scale_y = 1;
    double u0 = 0, v0 = 0, u1 = 0, v1 = 0;  // in texels
    std::uint32_t color = 0xFFFFFFFF;
};

namespace raster {

// dst = src * a + dst * (255 - a) per colour channel, with a = src's alpha. The target has no
// alpha of its own (an X8R8G8B8 back buffer): its alpha byte stays 255.
inline std::uint32_t Blend(std::uint32_t src, std::uint32_t dst) {
    const std::uint32_t a = src >> 24;
    if (a == 255) return src | 0xFF000000u;
    if (a == 0) return dst;
    const std::uint32_t na = 255 - a;
    std::uint32_t rb = (src & 0x00FF00FFu) * a + (dst & 0x00FF00FFu) * na + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    std::uint32_t ag =
        ((src >> 8) & 0x00FF00FFu) * a + ((dst >> 8) & 0x00FF00FFu) * na + 0x00800080u;
    ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0x0000FF00u;
    return 0xFF000000u | ag | rb;
}

// Texel x colour per channel, rounded.
inline std::uint32_t Modulate(std::uint32_t texel, std::uint32_t color) {
    auto mul = [](std::uint32_t a, std::uint32_t b) {
        const std::uint32_t x = a * b + 128;
        return (x + (x >> 8)) >> 8;
    };
    return mul(texel >> 24, color >> 24) << 24 |
           mul((texel >> 16) & 255, (color >> 16) & 255) << 16 |
           mul((texel >> 8) & 255, (color >> 8) & 255) << 8 | mul(texel & 255, color & 255);
}

// An untextured rectangle in one colour, blended; clipped to the surface.
void FillRect(Surface& surface, int left, int top, int right, int bottom, std::uint32_t color);
// A quad, textured when texture is not null (an empty image draws nothing).
void DrawQuad(Surface& surface, const Image* texture, const Quad& quad);
// A coverage bitmap (0..255) in one colour: a = coverage x the colour's alpha.
void BlendCoverage(Surface& surface, int x, int y, const std::uint8_t* coverage, int width,
                   int height, std::uint32_t color, const ClipRect& clip);

}  // namespace raster
