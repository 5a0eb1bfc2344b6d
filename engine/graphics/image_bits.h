// Little helpers the image decoders share: bounded reads and channel masks.
#pragma once

#include <bit>
#include <cstdint>
#include <span>

namespace imagebits {

// Pictures larger than this are refused rather than allocated.
constexpr int kMaxSide = 16384;

inline std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return b.size() >= at + 2 ? static_cast<std::uint32_t>(b[at] | b[at + 1] << 8) : 0;
}
inline std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return b.size() >= at + 4 ? b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                    static_cast<std::uint32_t>(b[at + 3]) << 24
                              : 0;
}

// One channel under a bit mask, scaled to 0..255; a zero mask reads as `missing`.
inline std::uint32_t Channel(std::uint32_t value, std::uint32_t mask, std::uint32_t missing) {
    if (mask == 0) return missing;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    const std::uint32_t v = (value & mask) >> shift;
    return max == 255
               ? v
               : static_cast<std::uint32_t>((static_cast<std::uint64_t>(v) * 255 + max / 2) / max);
}

inline std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return a << 24 | r << 16 | g << 8 | b;
}

}  // namespace imagebits
