// The row kernels against the one-pixel formulas they stand for: every source, target and alpha
// value, and every run length around the kernels' block size, must give the same bytes. The
// blending kernels are checked in every instruction set this machine runs.
#include "engine/graphics/pixel_spans.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/graphics/rasterizer.h"
#include "engine/graphics/span_kernels.h"

namespace {

using Row = std::vector<std::uint32_t>;
using raster::kernels::SpanKernels;

std::vector<const SpanKernels*> KernelSets() {
    std::vector<const SpanKernels*> sets{&raster::kernels::Baseline()};
    if (const SpanKernels* avx2 = raster::kernels::Avx2()) sets.push_back(avx2);
    return sets;
}

class SpanKernelSet : public ::testing::TestWithParam<const SpanKernels*> {};

INSTANTIATE_TEST_SUITE_P(EveryInstructionSet, SpanKernelSet, ::testing::ValuesIn(KernelSets()),
                         [](const auto& info) { return std::string(info.param->name); });

TEST(PixelSpans, ThePublicKernelsAreTheWidestSetTheMachineRuns) {
    EXPECT_EQ(&raster::kernels::Chosen(), KernelSets().back());
}

// 256 targets whose channels each run through every value; the alpha byte is not 255, so a
// kernel that touches a pixel it should leave alone shows.
Row Targets() {
    Row row(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        row[i] = (i * 37 & 255) << 24 | i << 16 | (255 - i) << 8 | (i * 7 & 255);
    return row;
}

TEST_P(SpanKernelSet, BlendMatchesThePixelFormulaForEveryAlphaAndChannel) {
    const Row targets = Targets();
    Row src(256), dst(256);
    for (std::uint32_t a = 0; a < 256; ++a) {
        for (std::uint32_t s = 0; s < 256; ++s) {
            // A run of one source colour, and a run of mixed alphas around it.
            for (std::uint32_t i = 0; i < 256; ++i)
                src[i] =
                    (i % 3 == 0 ? a : (a + i) & 255) << 24 | s << 16 | (s ^ 0x5A) << 8 | (255 - s);
            dst = targets;
            GetParam()->blend(dst.data(), src.data(), 256);
            for (int i = 0; i < 256; ++i)
                ASSERT_EQ(dst[i], raster::Blend(src[i], targets[i]))
                    << "a " << a << " s " << s << " i " << i;
        }
    }
}

TEST(PixelSpans, ColourBlendMatchesThePixelFormula) {
    const Row targets = Targets();
    Row dst(256);
    for (std::uint32_t a = 0; a < 256; ++a)
        for (std::uint32_t s = 0; s < 256; ++s) {
            const std::uint32_t color = a << 24 | s << 16 | (s ^ 0xA5) << 8 | (s * 3 & 255);
            dst = targets;
            raster::BlendColorSpan(dst.data(), 256, color);
            for (int i = 0; i < 256; ++i)
                ASSERT_EQ(dst[i], raster::Blend(color, targets[i])) << "a " << a << " s " << s;
        }
}

// Texel rows for the tint: alphas running through every value, then long runs of opaque and of
// clear texels as keyed pictures have, which the kernels take whole blocks at a time.
std::vector<Row> TintTexelRows(std::uint32_t seed) {
    std::vector<Row> rows(3, Row(256));
    for (std::uint32_t i = 0; i < 256; ++i) {
        const std::uint32_t rgb = (i * 5 & 255) << 16 | (255 - i) << 8 | (i ^ seed);
        rows[0][i] = i << 24 | rgb;
        rows[1][i] = 0xFF000000u | rgb;
        rows[2][i] = (i / 24 % 2 ? 0xFF000000u : i < 120 && i % 5 == 0 ? 0x80000000u : 0) | rgb;
    }
    return rows;
}

TEST_P(SpanKernelSet, TintMatchesThePixelFormula) {
    const Row targets = Targets();
    Row dst(256);
    for (std::uint32_t ca = 0; ca < 256; ++ca)
        for (std::uint32_t cs = 0; cs <= 258; cs += 3) {
            // The last colour is white: a tint of the alpha alone.
            const std::uint32_t rgb =
                cs > 255 ? 0xFFFFFFu : cs << 16 | (cs ^ 0x3C) << 8 | (255 - cs);
            const std::uint32_t color = ca << 24 | rgb;
            for (const Row& texels : TintTexelRows(cs & 255)) {
                dst = targets;
                GetParam()->blend_tinted(dst.data(), texels.data(), 256, color);
                for (int i = 0; i < 256; ++i)
                    ASSERT_EQ(dst[i], raster::Blend(raster::Modulate(texels[i], color), targets[i]))
                        << "color " << std::hex << color << " texel " << texels[i];
            }
        }
}

TEST(PixelSpans, CoverageMatchesThePixelFormula) {
    const Row targets = Targets();
    Row dst(256);
    std::vector<std::uint8_t> coverage(256);
    for (std::uint32_t i = 0; i < 256; ++i) coverage[i] = static_cast<std::uint8_t>(i);
    for (std::uint32_t ca = 0; ca < 256; ++ca)
        for (std::uint32_t cs = 0; cs < 256; cs += 3) {
            const std::uint32_t color = ca << 24 | cs << 16 | (cs ^ 0x3C) << 8 | (255 - cs);
            dst = targets;
            raster::BlendCoverageRows(dst.data(), 256, coverage.data(), 256, 256, 1, color);
            for (std::uint32_t i = 0; i < 256; ++i) {
                const std::uint32_t m = i * ca + 128, a = (m + (m >> 8)) >> 8;
                const std::uint32_t expected =
                    i == 0 ? targets[i] : raster::Blend(a << 24 | (color & 0xFFFFFF), targets[i]);
                ASSERT_EQ(dst[i], expected) << "color " << std::hex << color << " coverage " << i;
            }
        }
}

// Every length up to a few blocks, at every start within a block, and nothing outside the run.
TEST_P(SpanKernelSet, RunsOfAnyLengthTouchOnlyTheirPixels) {
    std::mt19937 rng(7);
    Row src(64), base(64);
    std::vector<std::uint8_t> coverage(64);
    for (auto& p : src) p = rng();
    for (auto& p : base) p = rng();
    // Long clear and solid stretches, as glyphs and keyed sprites have, then a mix.
    for (int i = 0; i < 64; ++i) {
        coverage[i] = static_cast<std::uint8_t>(i < 18 ? 0 : i < 40 ? 255 : rng() % 3 ? rng() : 0);
        if (i >= 2 && i < 40) src[i] = (i < 20 ? 0u : 0xFF000000u) | (src[i] & 0xFFFFFF);
    }
    for (const std::uint32_t color : {0xC0FF8040u, 0xFFFF8040u, 0xC4FFFFFFu, 0xFFFFFFFFu})
        for (int start = 0; start < 8; ++start)
            for (int n = 0; n <= 60 - start; ++n) {
                Row blend = base, tint = base, fill = base, cover = base;
                GetParam()->blend(blend.data() + start, src.data() + start, n);
                GetParam()->blend_tinted(tint.data() + start, src.data() + start, n, color);
                raster::BlendColorSpan(fill.data() + start, n, color);
                raster::BlendCoverageRows(cover.data() + start, 64, coverage.data() + start, 64, n,
                                          1, color);
                for (int i = 0; i < 64; ++i) {
                    const bool inside = i >= start && i < start + n;
                    const std::uint32_t m = coverage[i] * (color >> 24) + 128;
                    const std::uint32_t cover_alpha = (m + (m >> 8)) >> 8;
                    ASSERT_EQ(blend[i], inside ? raster::Blend(src[i], base[i]) : base[i]);
                    ASSERT_EQ(tint[i], inside
                                           ? raster::Blend(raster::Modulate(src[i], color), base[i])
                                           : base[i]);
                    ASSERT_EQ(fill[i], inside ? raster::Blend(color, base[i]) : base[i]);
                    ASSERT_EQ(cover[i],
                              inside && coverage[i] != 0
                                  ? raster::Blend(cover_alpha << 24 | (color & 0xFFFFFF), base[i])
                                  : base[i])
                        << "color " << std::hex << color << " start " << start << " n " << n;
                }
            }
}

}  // namespace
