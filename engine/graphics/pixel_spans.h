// Row kernels of the software renderer: each blends a run of pixels exactly as raster::Blend
// would one by one (same rounding, same untouched pixels where the alpha comes out 0), only
// several pixels at a time.
#pragma once

#include <cstdint>

namespace raster {

// dst[i] = Blend(src[i], dst[i]).
void BlendSpan(std::uint32_t* dst, const std::uint32_t* src, int n);
// dst[i] = Blend(Modulate(src[i], color), dst[i]).
void BlendTintedSpan(std::uint32_t* dst, const std::uint32_t* src, int n, std::uint32_t color);
// dst[i] = Blend(color, dst[i]) for one colour.
void BlendColorSpan(std::uint32_t* dst, int n, std::uint32_t color);
// Rows of dst[i] = Blend(a << 24 | rgb, dst[i]) with a = coverage[i] x the colour's alpha,
// rounded; a coverage of 0 leaves the pixel alone.
void BlendCoverageRows(std::uint32_t* dst, int dst_stride, const std::uint8_t* coverage,
                       int coverage_stride, int n, int rows, std::uint32_t color);

}  // namespace raster
