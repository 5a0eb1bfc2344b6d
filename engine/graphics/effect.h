// The parameters of one scaled, rotated or tinted draw.
#pragma once

#include <cstdint>

class DEffect {
public:
    static constexpr std::uint16_t kImageSize = 0xFFFF;  // width/height: the texture's own size

    DEffect() = default;
    virtual ~DEffect() = default;
    DEffect(const DEffect&) = default;
    DEffect& operator=(const DEffect&) = default;

    // Every field starts at zero, so a record that is drawn before it is filled draws nothing.
    std::int16_t x = 0, y = 0;
    std::uint16_t width = 0, height = 0;
    float rotation = 0.0f;  // degrees
    std::uint8_t alpha = 0, red = 0, green = 0, blue = 0;
};
