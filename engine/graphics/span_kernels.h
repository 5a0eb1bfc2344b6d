// The row kernels behind pixel_spans.h, one set per instruction set. The baseline set (SSE2,
// which every x86-64 has, or plain C++ elsewhere) runs anywhere; the AVX2 set is compiled for
// AVX2 alone and only chosen, once, where the processor has it, so one binary runs on any
// machine and is fast on the newer ones. The tests run every set the machine can.
#pragma once

#include <cstdint>

#if defined(__x86_64__) && defined(__GNUC__)
#define VEMU_SPAN_KERNELS_AVX2 1
#endif

namespace raster::kernels {

struct SpanKernels {
    const char* name;
    void (*blend)(std::uint32_t* dst, const std::uint32_t* src, int n);
    void (*blend_tinted)(std::uint32_t* dst, const std::uint32_t* src, int n, std::uint32_t color);
};

const SpanKernels& Baseline();
// Null where the build or the processor has no AVX2.
const SpanKernels* Avx2();
// The set the public kernels use: the widest one the processor has.
const SpanKernels& Chosen();

#if defined(VEMU_SPAN_KERNELS_AVX2)
// Compiled for AVX2: reached only through Avx2().
void Avx2Blend(std::uint32_t* dst, const std::uint32_t* src, int n);
void Avx2BlendTinted(std::uint32_t* dst, const std::uint32_t* src, int n, std::uint32_t color);
#endif

}  // namespace raster::kernels
