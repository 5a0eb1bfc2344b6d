#include "engine/graphics/rasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/graphics/pixel_spans.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace raster {

namespace {

bool AllFinite(const Quad& q) {
    for (double v : {q.x, q.y, q.width, q.height, q.center_x, q.center_y, q.rotation, q.scale_x,
                     q.scale_y, q.u0, q.v0, q.u1, q.v1})
        if (!std::isfinite(v)) return false;
    return true;
}

// The first pixel at or after an edge (top-left rule: an edge on a pixel covers it).
int FirstPixel(double edge) { return static_cast<int>(std::ceil(edge)); }

int ClampInt(double v, int lo, int hi) {
    if (!(v >= lo)) return lo;  // also NaN
    if (v > hi) return hi;
    return static_cast<int>(v);
}

// A whole number well inside int's range: sums and differences of a few are exact in doubles.
bool Whole(double v) { return v == std::floor(v) && std::fabs(v) < (1 << 29); }

// Axis-aligned quads (no rotation): texel columns and rows come from lookup tables.
void DrawAxisAligned(Surface& surface, const Image* texture, const Quad& q) {
    double x0 = q.center_x + (q.x - q.center_x) * q.scale_x;
    double x1 = q.center_x + (q.x + q.width - q.center_x) * q.scale_x;
    double y0 = q.center_y + (q.y - q.center_y) * q.scale_y;
    double y1 = q.center_y + (q.y + q.height - q.center_y) * q.scale_y;
    const int px0 = std::max(0, FirstPixel(std::min(x0, x1)));
    const int px1 = std::min(surface.width, FirstPixel(std::max(x0, x1)));
    const int py0 = std::max(0, FirstPixel(std::min(y0, y1)));
    const int py1 = std::min(surface.height, FirstPixel(std::max(y0, y1)));
    if (px0 >= px1 || py0 >= py1) return;

    if (!texture) {
        FillRect(surface, px0, py0, px1, py1, q.color);
        return;
    }
    // Local coordinate s of pixel px: px = x0 + s * (x1 - x0) / width.
    const double du = (q.u1 - q.u0) / q.width, dv = (q.v1 - q.v0) / q.height;
    const double sx = q.scale_x, sy = q.scale_y;
    const int tw = texture->width, th = texture->height;
    // Dividing by a scale of exactly 1 changes nothing, so it is skipped there.
    auto column = [&](int px) {
        const double offset = px - q.center_x;
        const double s = (sx == 1.0 ? offset : offset / sx) + q.center_x - q.x;
        return ClampInt(std::floor(q.u0 + s * du), 0, tw - 1);
    };
    const bool white = q.color == 0xFFFFFFFFu;
    const int n = px1 - px0;
    // Rows read straight from the image: a white unscaled blit whose end columns are a row's
    // length apart, or any quad whose every column is the one after the one before. The white
    // test needs only the end columns.
    const int first_column = column(px0);
    bool straight = white && sx == 1.0 && du == 1.0 && column(px1 - 1) - first_column == n - 1;
    thread_local std::vector<int> columns;
    if (!straight) {
        columns.resize(static_cast<std::size_t>(n));
        for (int px = px0; px < px1; ++px) columns[px - px0] = column(px);
        straight = !white && std::adjacent_find(columns.begin(), columns.end(), [](int a, int b) {
                                 return b != a + 1;
                             }) == columns.end();
    }
    // An unscaled quad one texel a pixel at whole-numbered places, as most pictures are drawn:
    // every step of the row formula below is exact there, so a row's texel row is its offset
    // from the quad, counted in integers without the formula's chain of doubles a row.
    const bool whole_rows =
        sy == 1.0 && dv == 1.0 && Whole(q.center_y) && Whole(q.y) && Whole(q.v0);
    const int row_offset = whole_rows ? static_cast<int>(q.v0 - q.y) : 0;
    auto texel_row = [&](int py) {
        if (whole_rows) return std::clamp(py + row_offset, 0, th - 1);
        const double offset = py - q.center_y;
        const double t = (sy == 1.0 ? offset : offset / sy) + q.center_y - q.y;
        return ClampInt(std::floor(q.v0 + t * dv), 0, th - 1);
    };
    thread_local std::vector<std::uint32_t> row;
    if (!straight) row.resize(static_cast<std::size_t>(n));
    for (int py = py0; py < py1; ++py) {
        const int ty = texel_row(py);
        const std::uint32_t* src = &texture->pixels[static_cast<std::size_t>(ty) * tw];
        std::uint32_t* dst = surface.pixels + static_cast<std::size_t>(py) * surface.width + px0;
        const std::uint32_t* texels = src + first_column;
        if (!straight) {
            for (int i = 0; i < n; ++i) row[i] = src[columns[i]];
            texels = row.data();
        } else if (white && texture->opaque) {
            std::memcpy(dst, texels, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
            continue;
        }
        if (white)
            BlendSpan(dst, texels, n);
        else
            BlendTintedSpan(dst, texels, n, q.color);
    }
}

}  // namespace

void FillRect(Surface& surface, int left, int top, int right, int bottom, std::uint32_t color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, surface.width);
    bottom = std::min(bottom, surface.height);
    const std::uint32_t a = color >> 24;
    if (left >= right || top >= bottom || a == 0) return;
    for (int y = top; y < bottom; ++y) {
        BlendColorSpan(surface.pixels + static_cast<std::size_t>(y) * surface.width + left,
                       right - left, color);
    }
}

void DrawQuad(Surface& surface, const Image* texture, const Quad& input) {
    if (!AllFinite(input) || input.width == 0 || input.height == 0 || input.scale_x == 0 ||
        input.scale_y == 0)
        return;
    if (texture && texture->Empty()) return;
    Quad q = input;
    // A negative extent is the same quad seen from its other side.
    if (q.width < 0) {
        q.x += q.width;
        q.width = -q.width;
        std::swap(q.u0, q.u1);
    }
    if (q.height < 0) {
        q.y += q.height;
        q.height = -q.height;
        std::swap(q.v0, q.v1);
    }
    if (q.rotation == 0) {
        DrawAxisAligned(surface, texture, q);
        return;
    }

    const double c = std::cos(q.rotation), s = std::sin(q.rotation);
    // Corners in screen space, for the bounding box.
    double min_x = 1e300, max_x = -1e300, min_y = 1e300, max_y = -1e300;
    for (int corner = 0; corner < 4; ++corner) {
        const double px = (corner == 1 || corner == 2) ? q.x + q.width : q.x;
        const double py = corner >= 2 ? q.y + q.height : q.y;
        const double dx = (px - q.center_x) * q.scale_x, dy = (py - q.center_y) * q.scale_y;
        const double X = q.center_x + dx * c - dy * s, Y = q.center_y + dx * s + dy * c;
        min_x = std::min(min_x, X);
        max_x = std::max(max_x, X);
        min_y = std::min(min_y, Y);
        max_y = std::max(max_y, Y);
    }
    const int px0 = std::max(0, FirstPixel(min_x)),
              px1 = std::min(surface.width, FirstPixel(max_x));
    const int py0 = std::max(0, FirstPixel(min_y)),
              py1 = std::min(surface.height, FirstPixel(max_y));
    if (px0 >= px1 || py0 >= py1) return;
    const double du = (q.u1 - q.u0) / q.width, dv = (q.v1 - q.v0) / q.height;
    const bool white = q.color == 0xFFFFFFFFu;
    // Inverse rotation, then inverse scale, back into the unrotated rectangle; both are linear
    // in the pixel position, so each row steps by constant increments. A row first gathers its
    // texels (0, fully transparent, outside the quad), then blends them in one pass.
    const double step_s = c / q.scale_x, step_t = -s / q.scale_y;
    thread_local std::vector<std::uint32_t> row;
    row.resize(static_cast<std::size_t>(px1 - px0));
    for (int py = py0; py < py1; ++py) {
        std::uint32_t* dst = surface.pixels + static_cast<std::size_t>(py) * surface.width;
        const double qy = py - q.center_y, qx0 = px0 - q.center_x;
        double ls = (qx0 * c + qy * s) / q.scale_x + q.center_x - q.x;
        double lt = (-qx0 * s + qy * c) / q.scale_y + q.center_y - q.y;
        int first = px1, last = px0;
#if defined(__SSE2__)
        // The same steps and tests on (s, t) as one pair of doubles: the same roundings, one
        // instruction for both. Clamping by max and min leaves what ClampInt leaves.
        const __m128d zero = _mm_setzero_pd(), step = _mm_set_pd(step_t, step_s);
        const __m128d size = _mm_set_pd(q.height, q.width);
        const __m128d origin = _mm_set_pd(q.v0, q.u0), scale = _mm_set_pd(dv, du);
        const __m128d limit = texture ? _mm_set_pd(texture->height - 1, texture->width - 1) : zero;
        __m128d st = _mm_set_pd(lt, ls);
        for (int px = px0; px < px1; ++px, st = _mm_add_pd(st, step)) {
            std::uint32_t& out = row[px - px0];
            if (_mm_movemask_pd(_mm_and_pd(_mm_cmpge_pd(st, zero), _mm_cmplt_pd(st, size))) != 3) {
                out = 0;
                continue;
            }
            first = std::min(first, px);
            last = px;
            if (texture) {
                const __m128i uv = _mm_cvttpd_epi32(
                    _mm_min_pd(_mm_max_pd(_mm_add_pd(origin, _mm_mul_pd(st, scale)), zero), limit));
                out = texture->At(_mm_cvtsi128_si32(uv), _mm_cvtsi128_si32(_mm_srli_si128(uv, 4)));
            } else {
                out = q.color;
            }
        }
#else
        for (int px = px0; px < px1; ++px, ls += step_s, lt += step_t) {
            std::uint32_t& out = row[px - px0];
            if (!(ls >= 0 && ls < q.width && lt >= 0 && lt < q.height)) {
                out = 0;
                continue;
            }
            first = std::min(first, px);
            last = px;
            if (texture) {
                const int tx = ClampInt(q.u0 + ls * du, 0, texture->width - 1);
                const int ty = ClampInt(q.v0 + lt * dv, 0, texture->height - 1);
                out = texture->At(tx, ty);
            } else {
                out = q.color;
            }
        }
#endif
        if (first > last) continue;
        const std::uint32_t* texels = row.data() + (first - px0);
        if (white || !texture)
            BlendSpan(dst + first, texels, last - first + 1);
        else
            BlendTintedSpan(dst + first, texels, last - first + 1, q.color);
    }
}

void BlendCoverage(Surface& surface, int x, int y, const std::uint8_t* coverage, int width,
                   int height, std::uint32_t color, const ClipRect& clip) {
    const int left = std::max({x, clip.left, 0});
    const int top = std::max({y, clip.top, 0});
    const int right = std::min({x + width, clip.right, surface.width});
    const int bottom = std::min({y + height, clip.bottom, surface.height});
    const std::uint32_t alpha = color >> 24;
    if (left >= right || top >= bottom || alpha == 0) return;
    BlendCoverageRows(surface.pixels + static_cast<std::size_t>(top) * surface.width + left,
                      surface.width,
                      coverage + static_cast<std::size_t>(top - y) * width + (left - x), width,
                      right - left, bottom - top, color);
}

}  // namespace raster
