// The parameters of one scaled, rotated or tinted draw.
#pragma once

#include <cstdint>

struct DEffect {
    static constexpr std::uint16_t kImageSize = 0xFFFF;  // width/height: the texture's own size

    std::int16_t x = 0, y = 0;
    std::uint16_t width = 0, height = 0;
    float rotation = 0.0f;  // degrees
    std::uint8_t alpha = 0, red = 0, green = 0, blue = 0;
};
