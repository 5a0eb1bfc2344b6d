#include "engine/graphics/pixel_spans.h"

#include <cstring>

#include "engine/graphics/rasterizer.h"
#include "engine/graphics/span_kernels.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace raster {

namespace {

// The rounded product of two 0..255 values over 255, as Modulate and the coverage use it.
std::uint32_t MulRound(std::uint32_t a, std::uint32_t b) {
    const std::uint32_t x = a * b + 128;
    return (x + (x >> 8)) >> 8;
}

void BlendCoveragePixel(std::uint32_t& dst, std::uint32_t c, std::uint32_t alpha,
                        std::uint32_t rgb) {
    if (c != 0) dst = Blend(MulRound(c, alpha) << 24 | rgb, dst);
}

#if defined(__SSE2__)

// Four pixels widen to two registers of two pixels each, one channel per 16-bit lane. Every
// sum below stays within 16 bits: s * a + d * (255 - a) + 128 <= 65153.

__m128i Load(const std::uint32_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
void Store(std::uint32_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

__m128i Low(__m128i v) { return _mm_unpacklo_epi8(v, _mm_setzero_si128()); }
__m128i High(__m128i v) { return _mm_unpackhi_epi8(v, _mm_setzero_si128()); }

// (x + (x >> 8)) >> 8 per lane, the rounding of the scalar formulas, is x * 257 >> 16 (x plus
// the whole part of x / 256, over 256, is floor(x * 257 / 256) / 256): one multiply.
__m128i Round255(__m128i x) { return _mm_mulhi_epu16(x, _mm_set1_epi16(257)); }

// Each pixel's alpha lane copied into its four lanes.
__m128i SpreadAlpha(__m128i wide) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(wide, 0xFF), 0xFF);
}

// Blend of two widened pixels with widened alphas: the target's alpha byte becomes 255, except
// that a pixel whose alpha is 0 stays exactly as it was.
__m128i BlendWide(__m128i s, __m128i d, __m128i a) {
    const __m128i na = _mm_xor_si128(a, _mm_set1_epi16(255));
    const __m128i x = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, na)),
                                    _mm_set1_epi16(128));
    const __m128i blended = _mm_or_si128(Round255(x), _mm_set1_epi64x(0x00FF000000000000));
    const __m128i keep = _mm_cmpeq_epi16(a, _mm_setzero_si128());
    return _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, blended));
}

// Inlined: a call per four pixels cost more than the blend.
[[gnu::always_inline]] inline __m128i Blend4(__m128i src, __m128i dst) {
    const __m128i s_lo = Low(src), s_hi = High(src);
    return _mm_packus_epi16(BlendWide(s_lo, Low(dst), SpreadAlpha(s_lo)),
                            BlendWide(s_hi, High(dst), SpreadAlpha(s_hi)));
}

// Blend of two widened pixels with one alpha for both, neither 0 nor 255: an opaque texel
// under a translucent tint.
__m128i BlendWideOneAlpha(__m128i s, __m128i d, __m128i a, __m128i na) {
    const __m128i x = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, na)),
                                    _mm_set1_epi16(128));
    return _mm_or_si128(Round255(x), _mm_set1_epi64x(0x00FF000000000000));
}

// Alpha bytes of four pixels equal to the given ones.
int AlphaMatches(__m128i pixels, __m128i alpha) {
    const __m128i mask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(pixels, mask), alpha));
}

#endif

void BaselineBlend(std::uint32_t* dst, const std::uint32_t* src, int n) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i clear = _mm_setzero_si128();
    // Colour-keyed images are mostly whole runs of opaque or of clear pixels: eight at a time
    // are copied or skipped on one test each.
    for (; i + 8 <= n; i += 8) {
        const __m128i s0 = Load(src + i), s1 = Load(src + i + 4);
        if (AlphaMatches(_mm_and_si128(s0, s1), opaque) == 0xFFFF) {
            Store(dst + i, s0);
            Store(dst + i + 4, s1);
            continue;
        }
        if (AlphaMatches(_mm_or_si128(s0, s1), clear) == 0xFFFF) continue;
        Store(dst + i, Blend4(s0, Load(dst + i)));
        Store(dst + i + 4, Blend4(s1, Load(dst + i + 4)));
    }
    for (; i + 4 <= n; i += 4) {
        const __m128i s = Load(src + i);
        if (AlphaMatches(s, opaque) == 0xFFFF) {
            Store(dst + i, s);
        } else if (AlphaMatches(s, clear) != 0xFFFF) {
            Store(dst + i, Blend4(s, Load(dst + i)));
        }
    }
#endif
    for (; i < n; ++i) {
        const std::uint32_t a = src[i] >> 24;
        if (a == 255)
            dst[i] = src[i];
        else if (a != 0)
            dst[i] = Blend(src[i], dst[i]);
    }
}

void BaselineBlendTinted(std::uint32_t* dst, const std::uint32_t* src, int n, std::uint32_t color) {
    const std::uint32_t tint_alpha = color >> 24;
    if (tint_alpha == 0) return;  // every tinted texel comes out clear
    int i = 0;
#if defined(__SSE2__)
    const __m128i tint = Low(_mm_set1_epi32(static_cast<int>(color)));
    const __m128i round = _mm_set1_epi16(128);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i alpha = _mm_set1_epi16(static_cast<short>(tint_alpha));
    const __m128i na = _mm_set1_epi16(static_cast<short>(255 - tint_alpha));
    // A white tint scales the alpha alone: opaque texels keep their colours.
    const bool white = (color & 0x00FFFFFFu) == 0x00FFFFFFu;
    for (; i + 4 <= n; i += 4) {
        const __m128i s = Load(src + i);
        if (AlphaMatches(s, _mm_setzero_si128()) == 0xFFFF) continue;
        const bool all_opaque = AlphaMatches(s, opaque) == 0xFFFF;
        if (all_opaque && white && tint_alpha == 255) {
            Store(dst + i, s);
            continue;
        }
        __m128i lo = Low(s), hi = High(s);
        if (!(all_opaque && white)) {
            lo = Round255(_mm_add_epi16(_mm_mullo_epi16(lo, tint), round));
            hi = Round255(_mm_add_epi16(_mm_mullo_epi16(hi, tint), round));
        }
        // Opaque texels all take the tint's alpha: the tinted texels replace the target under an
        // opaque tint, and blend with one alpha under a translucent one.
        if (all_opaque && tint_alpha == 255) {
            Store(dst + i, _mm_packus_epi16(lo, hi));
            continue;
        }
        const __m128i d = Load(dst + i);
        if (all_opaque) {
            Store(dst + i, _mm_packus_epi16(BlendWideOneAlpha(lo, Low(d), alpha, na),
                                            BlendWideOneAlpha(hi, High(d), alpha, na)));
            continue;
        }
        Store(dst + i, _mm_packus_epi16(BlendWide(lo, Low(d), SpreadAlpha(lo)),
                                        BlendWide(hi, High(d), SpreadAlpha(hi))));
    }
#endif
    for (; i < n; ++i) dst[i] = Blend(Modulate(src[i], color), dst[i]);
}

}  // namespace

namespace kernels {

const SpanKernels& Baseline() {
    static const SpanKernels set{"baseline", BaselineBlend, BaselineBlendTinted};
    return set;
}

const SpanKernels* Avx2() {
#if defined(VEMU_SPAN_KERNELS_AVX2)
    static const SpanKernels set{"avx2", Avx2Blend, Avx2BlendTinted};
    if (__builtin_cpu_supports("avx2")) return &set;
#endif
    return nullptr;
}

const SpanKernels& Chosen() {
    static const SpanKernels& set = Avx2() ? *Avx2() : Baseline();
    return set;
}

}  // namespace kernels

void BlendSpan(std::uint32_t* dst, const std::uint32_t* src, int n) {
    kernels::Chosen().blend(dst, src, n);
}

void BlendTintedSpan(std::uint32_t* dst, const std::uint32_t* src, int n, std::uint32_t color) {
    kernels::Chosen().blend_tinted(dst, src, n, color);
}

void BlendColorSpan(std::uint32_t* dst, int n, std::uint32_t color) {
    const std::uint32_t a = color >> 24;
    if (a == 0 || n <= 0) return;
    if (a == 255) {
        for (int i = 0; i < n; ++i) dst[i] = color;
        return;
    }
    int i = 0;
#if defined(__SSE2__)
    const __m128i alpha = _mm_set1_epi16(static_cast<short>(a));
    const __m128i na = _mm_set1_epi16(static_cast<short>(255 - a));
    // The source's share and the rounding term, the same for every pixel.
    const __m128i share = _mm_add_epi16(
        _mm_mullo_epi16(Low(_mm_set1_epi32(static_cast<int>(color))), alpha), _mm_set1_epi16(128));
    const __m128i alpha_lanes = _mm_set1_epi64x(0x00FF000000000000);
    for (; i + 4 <= n; i += 4) {
        const __m128i d = Load(dst + i);
        const __m128i lo = Round255(_mm_add_epi16(_mm_mullo_epi16(Low(d), na), share));
        const __m128i hi = Round255(_mm_add_epi16(_mm_mullo_epi16(High(d), na), share));
        Store(dst + i,
              _mm_packus_epi16(_mm_or_si128(lo, alpha_lanes), _mm_or_si128(hi, alpha_lanes)));
    }
#endif
    for (; i < n; ++i) dst[i] = Blend(color, dst[i]);
}

void BlendCoverageRows(std::uint32_t* dst, int dst_stride, const std::uint8_t* coverage,
                       int coverage_stride, int n, int rows, std::uint32_t color) {
    const std::uint32_t alpha = color >> 24, rgb = color & 0x00FFFFFFu;
    if (alpha == 0 || n <= 0) return;
#if defined(__SSE2__)
    const __m128i source = Low(_mm_set1_epi32(static_cast<int>(rgb)));
    const __m128i solid = _mm_set1_epi32(static_cast<int>(color | 0xFF000000u));
    const __m128i alpha16 = _mm_set1_epi16(static_cast<short>(alpha));
    const __m128i round = _mm_set1_epi16(128);
    const __m128i none = _mm_setzero_si128(), full = _mm_set1_epi8(-1);
#endif
    for (int row = 0; row < rows; ++row, dst += dst_stride, coverage += coverage_stride) {
        int i = 0;
#if defined(__SSE2__)
        // Glyphs are mostly empty margins and solid strokes: sixteen pixels of either at once.
        for (; i + 16 <= n; i += 16) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(coverage + i));
            if (_mm_movemask_epi8(_mm_cmpeq_epi8(c, none)) == 0xFFFF) continue;
            if (alpha != 255 || _mm_movemask_epi8(_mm_cmpeq_epi8(c, full)) != 0xFFFF) break;
            for (int k = 0; k < 16; k += 4) Store(dst + i + k, solid);
        }
        for (; i + 4 <= n; i += 4) {
            std::uint32_t four;
            std::memcpy(&four, coverage + i, sizeof four);
            if (four == 0) continue;
            if (four == 0xFFFFFFFFu && alpha == 255) {
                Store(dst + i, solid);
                continue;
            }
            const __m128i c = Low(_mm_cvtsi32_si128(static_cast<int>(four)));
            const __m128i a = Round255(_mm_add_epi16(_mm_mullo_epi16(c, alpha16), round));
            const __m128i pairs = _mm_unpacklo_epi16(a, a);
            const __m128i d = Load(dst + i);
            Store(dst + i,
                  _mm_packus_epi16(BlendWide(source, Low(d), _mm_unpacklo_epi32(pairs, pairs)),
                                   BlendWide(source, High(d), _mm_unpackhi_epi32(pairs, pairs))));
        }
#endif
        for (; i < n; ++i) BlendCoveragePixel(dst[i], coverage[i], alpha, rgb);
    }
}

}  // namespace raster
