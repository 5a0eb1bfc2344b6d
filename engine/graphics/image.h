// A decoded picture: ARGB pixels, rows top-down.
#pragma once

#include <cstdint>
#include <vector>

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    // Every pixel has alpha 255 (set by whoever finishes the picture; lets blits copy rows).
    bool opaque = false;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void UpdateOpaque() {
        opaque = true;
        for (std::uint32_t p : pixels)
            if ((p >> 24) != 255) {
                opaque = false;
                return;
            }
    }
    bool Empty() const { return width <= 0 || height <= 0; }
};
