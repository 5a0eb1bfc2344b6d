// A decoded picture: ARGB pixels, rows top-down.
#pragma once

#include <cstdint>
#include <vector>

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool Empty() const { return width <= 0 || height <= 0; }
};
