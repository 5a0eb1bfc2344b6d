// The blending row kernels eight pixels at a time, for processors with AVX2. The whole file is
// compiled for AVX2, so it includes nothing with inline code of its own (an inline function
// compiled here could be the one the linker keeps for every caller); the last few pixels of a
// run go to the baseline kernels. Each step is the baseline's on a register twice as wide: the
// 256-bit unpack and pack instructions work on each 128-bit half, so pixels stay in order.
#include "engine/graphics/span_kernels.h"

#if defined(VEMU_SPAN_KERNELS_AVX2)

#pragma GCC push_options
#pragma GCC target("avx2")
#include <immintrin.h>

namespace raster::kernels {

namespace {

__m256i Load(const std::uint32_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
void Store(std::uint32_t* p, __m256i v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }

__m256i Low(__m256i v) { return _mm256_unpacklo_epi8(v, _mm256_setzero_si256()); }
__m256i High(__m256i v) { return _mm256_unpackhi_epi8(v, _mm256_setzero_si256()); }

// (x + (x >> 8)) >> 8 per lane, as x * 257 >> 16.
__m256i Round255(__m256i x) { return _mm256_mulhi_epu16(x, _mm256_set1_epi16(257)); }

__m256i SpreadAlpha(__m256i wide) {
    return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(wide, 0xFF), 0xFF);
}

__m256i Mix(__m256i s, __m256i d, __m256i a, __m256i na) {
    return Round255(
        _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(s, a), _mm256_mullo_epi16(d, na)),
                         _mm256_set1_epi16(128)));
}

__m256i AlphaLanes() { return _mm256_set1_epi64x(0x00FF000000000000); }

// Blend with each pixel's own alpha; a pixel whose alpha is 0 stays exactly as it was.
__m256i BlendWide(__m256i s, __m256i d, __m256i a) {
    const __m256i blended =
        _mm256_or_si256(Mix(s, d, a, _mm256_xor_si256(a, _mm256_set1_epi16(255))), AlphaLanes());
    return _mm256_blendv_epi8(blended, d, _mm256_cmpeq_epi16(a, _mm256_setzero_si256()));
}

// Inlined: a call per eight pixels cost more than the blend.
[[gnu::always_inline]] inline __m256i Blend8(__m256i src, __m256i dst) {
    const __m256i s_lo = Low(src), s_hi = High(src);
    return _mm256_packus_epi16(BlendWide(s_lo, Low(dst), SpreadAlpha(s_lo)),
                               BlendWide(s_hi, High(dst), SpreadAlpha(s_hi)));
}

// Every alpha byte of the eight pixels equals the given one.
bool AlphaAll(__m256i pixels, __m256i alpha) {
    const __m256i mask = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    return _mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(pixels, mask), alpha)) == -1;
}

}  // namespace

void Avx2Blend(std::uint32_t* dst, const std::uint32_t* src, int n) {
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i clear = _mm256_setzero_si256();
    int i = 0;
    // Keyed pictures are mostly whole runs of opaque or of clear pixels: sixteen at a time are
    // copied or skipped on one test each.
    for (; i + 16 <= n; i += 16) {
        const __m256i s0 = Load(src + i), s1 = Load(src + i + 8);
        if (AlphaAll(_mm256_and_si256(s0, s1), opaque)) {
            Store(dst + i, s0);
            Store(dst + i + 8, s1);
            continue;
        }
        if (AlphaAll(_mm256_or_si256(s0, s1), clear)) continue;
        Store(dst + i, Blend8(s0, Load(dst + i)));
        Store(dst + i + 8, Blend8(s1, Load(dst + i + 8)));
    }
    for (; i + 8 <= n; i += 8) {
        const __m256i s = Load(src + i);
        if (AlphaAll(s, opaque))
            Store(dst + i, s);
        else if (!AlphaAll(s, clear))
            Store(dst + i, Blend8(s, Load(dst + i)));
    }
    if (i < n) Baseline().blend(dst + i, src + i, n - i);
}

void Avx2BlendTinted(std::uint32_t* dst, const std::uint32_t* src, int n, std::uint32_t color) {
    const std::uint32_t tint_alpha = color >> 24;
    if (tint_alpha == 0) return;  // every tinted texel comes out clear
    const __m256i tint = Low(_mm256_set1_epi32(static_cast<int>(color)));
    const __m256i round = _mm256_set1_epi16(128);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i alpha = _mm256_set1_epi16(static_cast<short>(tint_alpha));
    const __m256i na = _mm256_set1_epi16(static_cast<short>(255 - tint_alpha));
    // A white tint scales the alpha alone: opaque texels keep their colours.
    const bool white = (color & 0x00FFFFFFu) == 0x00FFFFFFu;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i s = Load(src + i);
        if (AlphaAll(s, _mm256_setzero_si256())) continue;
        const bool all_opaque = AlphaAll(s, opaque);
        if (all_opaque && white && tint_alpha == 255) {
            Store(dst + i, s);
            continue;
        }
        __m256i lo = Low(s), hi = High(s);
        if (!(all_opaque && white)) {
            lo = Round255(_mm256_add_epi16(_mm256_mullo_epi16(lo, tint), round));
            hi = Round255(_mm256_add_epi16(_mm256_mullo_epi16(hi, tint), round));
        }
        // Opaque texels all take the tint's alpha: they replace the target under an opaque
        // tint and blend with that one alpha under a translucent one.
        if (all_opaque && tint_alpha == 255) {
            Store(dst + i, _mm256_packus_epi16(lo, hi));
            continue;
        }
        const __m256i d = Load(dst + i);
        if (all_opaque) {
            Store(dst + i,
                  _mm256_packus_epi16(_mm256_or_si256(Mix(lo, Low(d), alpha, na), AlphaLanes()),
                                      _mm256_or_si256(Mix(hi, High(d), alpha, na), AlphaLanes())));
            continue;
        }
        Store(dst + i, _mm256_packus_epi16(BlendWide(lo, Low(d), SpreadAlpha(lo)),
                                           BlendWide(hi, High(d), SpreadAlpha(hi))));
    }
    if (i < n) Baseline().blend_tinted(dst + i, src + i, n - i, color);
}

}  // namespace raster::kernels

#pragma GCC pop_options

#endif
